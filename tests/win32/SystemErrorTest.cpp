#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/SystemError.h"

namespace kelvo {
namespace {

// A refusal is told as the system's own text for it, through the one
// converter of the program (the runtime's text would be in the ANSI code
// page), and stays a system_error with its code for those that catch one.
TEST(SystemError, TellsWhatFailedAndTheSystemsText) {
    try {
        ThrowUnlessDone(ERROR_ACCESS_DENIED, "cannot write the list");
        FAIL() << "nothing thrown";
    } catch (const std::system_error& error) {
        EXPECT_EQ(std::string(error.what()), "cannot write the list: " + SystemErrorText(ERROR_ACCESS_DENIED, ""));
        EXPECT_EQ(error.code().value(), static_cast<int>(ERROR_ACCESS_DENIED));
    }
    EXPECT_NO_THROW(ThrowUnlessDone(ERROR_SUCCESS, "done"));
}

}  // namespace
}  // namespace kelvo
