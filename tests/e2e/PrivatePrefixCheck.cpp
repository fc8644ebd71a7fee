#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// These tests rewrite the current user's stored lists and the default
// program of text files: they run only in the throw-away Wine prefix that
// cmake/e2e-run.sh makes for them.
class PrivatePrefixCheck : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_NE(std::getenv("KELVO_E2E_PRIVATE_PREFIX"), nullptr)
            << "run the end-to-end tests through cmake/e2e-run.sh (ctest does)";
    }
};

const auto* const kCheck = ::testing::AddGlobalTestEnvironment(new PrivatePrefixCheck);

}  // namespace
