#include <gtest/gtest.h>

#include <string>

#include "menus/IconTransfer.h"
#include "platform/Image.h"

namespace kelvo {
namespace {

IconRequest SampleRequest() {
    return IconRequest{{16, 32},
                       {"C:\\Users\\Ana\\Desktop\\notes.txt", "", "\\\\server\\share\\\xC3\x9C" "bersicht.lnk"},
                       {"\\", ".pdf", ""}};
}

IconAnswer SampleAnswer() {
    return IconAnswer{{3, kUnavailableIcon, 3, kNoIcon, 7},
                      {8, kNoIcon},
                      {{3, 1, {0xFF112233}}, {3, 2, {1, 2, 3, 4}}, {7, 1, {0}}, {8, 1, {5}}}};
}

TEST(IconTransferTest, RequestsAndAnswersArriveAsSent) {
    EXPECT_EQ(DecodeIconRequest(EncodeIconRequest(SampleRequest())), SampleRequest());
    EXPECT_EQ(DecodeIconRequest(EncodeIconRequest(IconRequest{})), IconRequest{});
    EXPECT_EQ(DecodeIconAnswer(EncodeIconAnswer(SampleAnswer())), SampleAnswer());
    EXPECT_EQ(DecodeIconAnswer(EncodeIconAnswer(IconAnswer{})), IconAnswer{});
}

// A helper that dies while writing leaves its answer cut short anywhere.
TEST(IconTransferTest, AMessageCutShortOrLongerDecodesToNothing) {
    const std::string request = EncodeIconRequest(SampleRequest());
    const std::string answer = EncodeIconAnswer(SampleAnswer());
    for (std::size_t size = 0; size < request.size(); ++size) {
        EXPECT_EQ(DecodeIconRequest(request.substr(0, size)), std::nullopt) << size;
    }
    for (std::size_t size = 0; size < answer.size(); ++size) {
        EXPECT_EQ(DecodeIconAnswer(answer.substr(0, size)), std::nullopt) << size;
    }
    EXPECT_EQ(DecodeIconRequest(request + '\0'), std::nullopt);
    EXPECT_EQ(DecodeIconAnswer(answer + '\0'), std::nullopt);
}

TEST(IconTransferTest, SidesThatCannotBeDrawnAreRefused) {
    for (int side : {0, -16, 4096}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(DecodeIconRequest(EncodeIconRequest(IconRequest{{side}, {"a.txt"}, {}})), std::nullopt);
        const IconPicture picture{1, side, {}};
        EXPECT_EQ(DecodeIconAnswer(EncodeIconAnswer(IconAnswer{{1}, {}, {picture}})), std::nullopt);
    }
}

TEST(IconTransferTest, ATypeIsKnownByItsExtensionOrAsAFolder) {
    const struct {
        const char* path;
        bool isFolder;
        const char* type;
    } cases[] = {{"C:\\Notes\\Plan.TXT", false, ".txt"},
                 {"C:\\Notes.d\\README", false, ""},
                 {"C:\\Notes\\archive.tar.gz", false, ".gz"},
                 {"C:\\Notes\\Projects.2026", true, "\\"},
                 {"\\\\server\\share\\.hidden", false, ".hidden"}};
    for (const auto& c : cases) EXPECT_EQ(TypeKey(c.path, c.isFolder), c.type) << c.path;
}

}  // namespace
}  // namespace kelvo
