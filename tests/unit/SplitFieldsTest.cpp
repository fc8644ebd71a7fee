#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "store/SplitFields.h"

namespace kelvo {
namespace {

struct SplitCase {
    std::string text;
    std::string separator;
    std::vector<std::string> fields;
};

// Names the case readably in the test list and in failures.
void PrintTo(const SplitCase& c, std::ostream* out) { *out << '"' << c.text << "\" at \"" << c.separator << '"'; }

class SplitFieldsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitFieldsTest, Splits) {
    EXPECT_EQ(SplitFields(GetParam().text, GetParam().separator), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitFieldsTest,
    ::testing::Values(SplitCase{"notepad.lnk%C:\\X\\%1", "%", {"notepad.lnk", "C:\\X\\", "1"}},
                      SplitCase{"abc", "%", {"abc"}}, SplitCase{"", "%", {""}},
                      SplitCase{"%%", "%", {"", "", ""}}, SplitCase{"a%", "%", {"a", ""}},
                      SplitCase{"%a", "%", {"", "a"}}, SplitCase{"a%%b", "%", {"a", "", "b"}},
                      SplitCase{"50%%off%1", "%", {"50", "", "off", "1"}},
                      SplitCase{"a  b", " ", {"a", "b"}}, SplitCase{"  a b", " ", {"a", "b"}},
                      SplitCase{"a ", " ", {"a", ""}}, SplitCase{"a   ", " ", {"a", ""}},
                      SplitCase{"a  b", "%", {"a  b"}}, SplitCase{"a::b::::c", "::", {"a", "b", "", "c"}},
                      SplitCase{"a%b", "", {"a%b"}}));

}  // namespace
}  // namespace kelvo
