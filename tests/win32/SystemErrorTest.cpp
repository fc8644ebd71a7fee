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

// A code without a text of the system's is told by its number, as the
// system writes it: an HRESULT in hexadecimal, not as a long decimal.
TEST(SystemError, ACodeWithoutTextIsToldByItsNumber) {
    EXPECT_EQ(SystemErrorText(0x8BADF00Du, ""), "error 0x8BADF00D");
    EXPECT_EQ(SystemErrorText(0x0000BEEFu, ""), "error 48879");
}

// The test command runs the cases of this file once more in a French session
// (win32_tests_french): there the system's text has accents, which must
// reach the message whole.
TEST(SystemErrorInTheUsersLanguage, KeepsTheSystemsAccents) {
    const std::string denied = SystemErrorText(ERROR_ACCESS_DENIED, "");
    ASSERT_FALSE(denied.empty());
    if (GetEnvironmentVariableW(L"KELVO_EXPECT_FRENCH", nullptr, 0) == 0) return;
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_FRENCH) << "the session is not French";
    EXPECT_NE(denied.find("refus\xC3\xA9"), std::string::npos) << denied;
    try {
        ThrowUnlessDone(ERROR_ACCESS_DENIED, "cannot write Custom\\MenuChoice2");
        FAIL() << "nothing thrown";
    } catch (const std::system_error& error) {
        EXPECT_NE(std::string(error.what()).find("refus\xC3\xA9"), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace kelvo
