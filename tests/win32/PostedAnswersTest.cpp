#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>

#include "MessageWindow.h"
#include "platform/win32/PostedAnswers.h"

namespace kelvo {
namespace {

constexpr UINT kAnsweredMessage = WM_APP + 40;

// Decoding a large answer in the 32-bit program can run out of memory: the
// program goes on with the failed answer.
TEST(PostedAnswersTest, WorkThatThrowsAnswersAsFailed) {
    const MessageWindow window;
    ASSERT_NE(window.handle, nullptr);
    const auto answers = std::make_shared<PostedAnswers<std::string>>();
    ASSERT_TRUE(PostedAnswers<std::string>::WorkLater(
        answers, window.handle, kAnsweredMessage, 7, []() -> std::string { throw std::bad_alloc(); }, "failed"));
    ASSERT_EQ(window.Next(kAnsweredMessage), 7U);
    EXPECT_EQ(answers->Take(7), "failed");

    ASSERT_TRUE(PostedAnswers<std::string>::WorkLater(
        answers, window.handle, kAnsweredMessage, 8, [] { return std::string("found"); }, "failed"));
    ASSERT_EQ(window.Next(kAnsweredMessage), 8U);
    EXPECT_EQ(answers->Take(8), "found");
}

}  // namespace
}  // namespace kelvo
