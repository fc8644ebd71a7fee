#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/win32/DeadlineFileSystem.h"
#include "platform/win32/RootLooks.h"
#include "platform/win32/Win32FolderReader.h"

namespace kelvo {
namespace {

using std::chrono::milliseconds;

// Long enough for any look below that is meant to end in time.
constexpr milliseconds kAmple{30000};

// A drive or share that answers nothing until it is opened, counting the
// looks that reached it. It lives as long as the last look that holds it.
class SilentRoot {
public:
    SilentRoot() : open_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~SilentRoot() { CloseHandle(open_); }
    SilentRoot(const SilentRoot&) = delete;
    SilentRoot& operator=(const SilentRoot&) = delete;

    void Wait() {
        ++looks;
        WaitForSingleObject(open_, INFINITE);
    }
    void Open() { SetEvent(open_); }
    std::atomic<int> looks{0};

private:
    HANDLE open_;
};

// A file system whose looks at S:\ wait for `silent`; any other root answers.
class FilesWithASilentRoot final : public FileSystem {
public:
    explicit FilesWithASilentRoot(std::shared_ptr<SilentRoot> silent) : silent_(std::move(silent)) {}
    PathLookup Look(const std::string& path) override {
        if (path.starts_with("S:")) silent_->Wait();
        return PathLookup::Found;
    }
    bool RootReachable(const std::string& root) override {
        if (root.starts_with("S:")) silent_->Wait();
        return true;
    }

private:
    std::shared_ptr<SilentRoot> silent_;
};

bool WaitUntil(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 3000; ++tries) {
        if (condition()) return true;
        Sleep(10);
    }
    return condition();
}

// A root whose look is stuck is not asked again, by any kind of look, until
// that look has ended; other roots are asked meanwhile.
TEST(RootLooksTest, AtMostOneLookPerRootIsStuck) {
    RootLooks looks(milliseconds(50), milliseconds(0));
    const auto silent = std::make_shared<SilentRoot>();
    const auto waitForSilence = [silent] { silent->Wait(); };
    EXPECT_EQ(looks.Run("S:\\", waitForSilence), LookEnd::NotResponding);
    EXPECT_TRUE(looks.NotResponding("s:\\")) << "letters without case";
    EXPECT_EQ(looks.Run("s:\\", waitForSilence), LookEnd::RootNotResponding);
    EXPECT_EQ(silent->looks, 1) << "no second look started";

    std::atomic<bool> otherAsked{false};
    looks.Run("\\\\server\\share\\", [&otherAsked] { otherAsked = true; });
    EXPECT_TRUE(otherAsked) << "another root is still asked";

    silent->Open();
    ASSERT_TRUE(WaitUntil([&] { return !looks.NotResponding("S:\\"); })) << "the stuck look ended";
    looks.Run("S:\\", waitForSilence);
    EXPECT_EQ(silent->looks, 2) << "asked again once it answered";
}

// A root whose look ended late is still taken as not answering for a while.
TEST(RootLooksTest, ARootThatAnsweredLateRestsAWhile) {
    RootLooks looks(milliseconds(50), kAmple);
    const auto silent = std::make_shared<SilentRoot>();
    const std::weak_ptr<SilentRoot> held = silent;
    looks.Run("S:\\", [silent] { silent->Wait(); });
    silent->Open();
    // The look let go of the root once it ended.
    const auto ended = [held] { return held.use_count() == 1; };
    ASSERT_TRUE(WaitUntil(ended));
    EXPECT_TRUE(looks.NotResponding("S:\\"));
    EXPECT_EQ(looks.Run("S:\\", [] {}), LookEnd::RootNotResponding);
}

TEST(RootLooksTest, ALookInTimeBringsItsAnswerAndWhatItThrows) {
    RootLooks looks(kAmple, kAmple);
    int answer = 0;
    EXPECT_EQ(looks.Run("C:\\", [&answer] { answer = 42; }), LookEnd::Done);
    EXPECT_EQ(answer, 42);
    EXPECT_THROW(looks.Run("C:\\", [] { throw std::runtime_error("refused"); }), std::runtime_error);
    EXPECT_FALSE(looks.NotResponding("C:\\"));
}

// The popup's file system: a file or root on a silent share is told as not
// answering within the deadline, and the share is asked once.
TEST(DeadlineFileSystemTest, ASilentRootIsToldAsNotAnsweringAndAskedOnce) {
    RootLooks looks(milliseconds(50), kAmple);
    const auto silent = std::make_shared<SilentRoot>();
    DeadlineFileSystem files(std::make_shared<FilesWithASilentRoot>(silent), looks);
    EXPECT_FALSE(files.RootReachable("S:\\"));
    EXPECT_EQ(files.Look("S:\\report.txt"), PathLookup::NetworkError);
    EXPECT_FALSE(files.RootReachable("S:\\"));
    EXPECT_EQ(silent->looks, 1);
    silent->Open();
}

// A folder on a drive whose look is stuck is told as not responding at once,
// without a second look stuck behind the first.
TEST(RootLooksTest, AFolderOnARootWhoseLookIsStuckIsNotListedAgain) {
    RootLooks looks(milliseconds(50), milliseconds(0));
    const auto silent = std::make_shared<SilentRoot>();
    ASSERT_EQ(looks.Run("C:\\", [silent] { silent->Wait(); }), LookEnd::NotResponding);
    Win32FolderReader reader(looks);
    EXPECT_EQ(reader.List("C:\\windows").outcome, ListingOutcome::NotResponding);
    silent->Open();
}

}  // namespace
}  // namespace kelvo
