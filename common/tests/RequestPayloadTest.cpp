#include "common/PackedStringBlock.h"
#include "common/RequestPayload.h"
#include "common/TrayRequest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pvn {
namespace {

std::u16string unitsAt(const std::vector<std::byte>& data, std::size_t offset) {
    std::u16string units;
    for (std::size_t i = offset; i + 1 < data.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned>(data[i]) | static_cast<unsigned>(data[i + 1]) << 8);
    return units;
}

std::uint32_t u32At(const std::vector<std::byte>& data, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned>(data[offset + static_cast<std::size_t>(i)]);
    return v;
}

// What the tray maps: the sender's bytes at the start of a zero-filled page.
std::vector<std::byte> asMappedPage(std::vector<std::byte> data) {
    data.resize(((data.size() + 4095) / 4096) * 4096, std::byte{0});
    return data;
}

std::optional<TrayRequest> roundTrip(const RequestPayload& request) {
    return parseTrayRequest(request.code, request.lParam, asMappedPage(request.data));
}

TEST(RequestPayloadTest, PreviewOfA260CharacterPath) {
    const std::wstring path = L"C:\\" + std::wstring(257, L'p');
    ASSERT_EQ(260u, path.size());
    SelectionPlacement placement{0x1234, 0, 19, 180, 38};
    auto request = makePreviewRequest(placement, path);
    EXPECT_EQ(RequestCode::Preview, request.code);
    EXPECT_EQ(24u + 2 * 262, request.data.size());
    EXPECT_EQ(286, request.lParam);
    EXPECT_EQ(24u, u32At(request.data, 0));
    EXPECT_EQ(toUtf16Units(path) + std::u16string(2, u'\0'), unitsAt(request.data, 24));

    auto parsed = roundTrip(request);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(placement, parsed->placement);
    EXPECT_EQ(std::vector<std::wstring>{path}, parsed->items);
}

TEST(RequestPayloadTest, PreviewLengthCountsUtf16UnitsAndHideHasNoSection) {
    auto request = makePreviewRequest({}, L"C:\\\U0001F600.txt");
    EXPECT_EQ(9 + 26, request.lParam) << "the emoji takes two units";
    EXPECT_EQ(24u + 2 * 11, request.data.size());

    auto hide = makePreviewHideRequest();
    EXPECT_EQ(RequestCode::Preview, hide.code);
    EXPECT_EQ(0, hide.lParam);
    EXPECT_TRUE(hide.data.empty());
    EXPECT_FALSE(requestCarriesSection(hide.code, hide.lParam));
    auto parsed = parseTrayRequest(hide.code, 0, std::vector<std::byte>(16, std::byte{0x55}));
    ASSERT_TRUE(parsed) << "a hide needs no section, whatever is lying around";
    EXPECT_FALSE(parsed->placement);
    EXPECT_TRUE(parsed->items.empty());
}

TEST(RequestPayloadTest, CtrlLetterWithNothingHighlighted) {
    auto request = makeCtrlLetterRequest(0, 6, L"", L"");
    EXPECT_EQ(RequestCode::CtrlLetterCommand, request.code);
    EXPECT_EQ(0x00060000, request.lParam);
    EXPECT_EQ(std::u16string(u"no text\0no text\0\0", 17), unitsAt(request.data, 0));
    EXPECT_EQ(34u, request.data.size());

    auto parsed = roundTrip(request);
    ASSERT_TRUE(parsed);
    EXPECT_EQ((std::vector<std::wstring>{L"no text", L"no text"}), parsed->items);
    auto param = splitCtrlLetterParam(parsed->lParam);
    EXPECT_EQ(0u, param.itemKind);
    EXPECT_EQ(6u, param.charCode);
}

TEST(RequestPayloadTest, CtrlLetterOnAnItemKeepsKindLetterAndBothStrings) {
    auto request = makeCtrlLetterRequest(4, 26, L"C:\\作業\\a.txt", L"C:\\作業");
    EXPECT_EQ(static_cast<std::intptr_t>(26 * 65536 + 4), request.lParam);
    auto parsed = roundTrip(request);
    ASSERT_TRUE(parsed);
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\作業\\a.txt", L"C:\\作業"}), parsed->items);
    auto param = splitCtrlLetterParam(parsed->lParam);
    EXPECT_EQ(4u, param.itemKind);
    EXPECT_EQ(26u, param.charCode);
    // Only the low word carries the kind: a stray high bit must not spill into the letter.
    EXPECT_EQ(0x0001FFFFu, ctrlLetterParam(0x2FFFF, 1));
}

TEST(RequestPayloadTest, FileOperationWithThreeFiles) {
    const std::vector<std::wstring> paths = {L"C:\\d\\1.txt", L"C:\\d\\2.txt", L"C:\\d\\3.txt"};
    auto request = makeFileOperationRequest(paths);
    EXPECT_EQ(RequestCode::FileOperationItems, request.code);
    EXPECT_EQ(0, request.lParam);
    EXPECT_EQ(2u * (3 * 11 + 1), request.data.size());
    auto block = decodePackedStrings(request.data);
    EXPECT_TRUE(block.terminated) << "the final empty string is inside the data";
    EXPECT_EQ(paths, block.strings);
    EXPECT_EQ(request.data.size(), block.byteSize);

    auto parsed = roundTrip(request);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(paths, parsed->items);
}

TEST(RequestPayloadTest, ContextMenuIsThePointThenTheBlock) {
    auto request = makeContextMenuRequest({-1200, 35}, L"D:\\x", 0x10456);
    EXPECT_EQ(RequestCode::ItemContextMenu, request.code);
    EXPECT_EQ(0x10456, request.lParam);
    ASSERT_EQ(8u + 2 * 6, request.data.size());
    EXPECT_EQ(static_cast<std::uint32_t>(-1200), u32At(request.data, 0));
    EXPECT_EQ(35u, u32At(request.data, 4));
    EXPECT_EQ(std::u16string(u"D:\\x\0\0", 6), unitsAt(request.data, 8));

    auto parsed = roundTrip(request);
    ASSERT_TRUE(parsed);
    EXPECT_EQ((ScreenPoint{-1200, 35}), parsed->point);
    EXPECT_EQ(std::vector<std::wstring>{L"D:\\x"}, parsed->items);
}

TEST(RequestPayloadTest, BareRequestsPassOnlyLParam) {
    for (auto code : {RequestCode::PresenceTest, RequestCode::ReloadSettings, RequestCode::HotKeys}) {
        auto request = makeBareRequest(code, 1);
        EXPECT_TRUE(request.data.empty());
        EXPECT_FALSE(requestCarriesSection(code, 1));
        auto parsed = parseTrayRequest(code, 1, {});
        ASSERT_TRUE(parsed);
        EXPECT_EQ(code, parsed->code);
        EXPECT_EQ(1, parsed->lParam);
    }
}

class MalformedRequestTest : public ::testing::Test {
protected:
    static std::optional<TrayRequest> parse(RequestCode code, std::intptr_t lParam, std::vector<std::byte> view) {
        return parseTrayRequest(code, lParam, view);
    }
};

TEST_F(MalformedRequestTest, ContextMenuWithoutRoomForThePointOrWithoutAPath) {
    auto request = makeContextMenuRequest({1, 2}, L"C:\\a", 0);
    for (std::size_t n : {0u, 4u, 7u, 8u, 9u, 10u})
        EXPECT_FALSE(parse(request.code, 0, std::vector<std::byte>(request.data.begin(), request.data.begin() + n)))
            << n;
}

TEST_F(MalformedRequestTest, OnlyTheItemRequestsMayNameNoItem) {
    // The drive menu's "開く" has no path: its block is the closing NUL alone.
    auto contextMenu = parse(RequestCode::ItemContextMenu, 0, asMappedPage(makeContextMenuRequest({1, 2}, L"", 0).data));
    ASSERT_TRUE(contextMenu);
    EXPECT_EQ((ScreenPoint{1, 2}), contextMenu->point);
    EXPECT_TRUE(contextMenu->items.empty());
    auto ctrl = parse(RequestCode::CtrlLetterCommand, 0, std::vector<std::byte>(2));
    ASSERT_TRUE(ctrl);
    EXPECT_TRUE(ctrl->items.empty());
    EXPECT_FALSE(parse(RequestCode::CtrlLetterCommand, 0, std::vector<std::byte>(1))) << "not even the NUL";
    EXPECT_FALSE(parse(RequestCode::FileOperationItems, 0, std::vector<std::byte>(2)));
}

TEST_F(MalformedRequestTest, BlocksWithoutACompleteString) {
    EXPECT_FALSE(parse(RequestCode::FileOperationItems, 0, std::vector<std::byte>(2)));
    EXPECT_FALSE(parse(RequestCode::FileOperationItems, 0, {}));
    EXPECT_FALSE(parse(RequestCode::CtrlLetterCommand, 0, std::vector<std::byte>(4096, std::byte{0x41})))
        << "a page without a single NUL";
}

TEST_F(MalformedRequestTest, UnterminatedBlockPassesItsCompleteStringsOnly) {
    auto request = makeFileOperationRequest({L"C:\\one", L"C:\\two"});
    request.data.resize(request.data.size() - 6); // cuts "two" and the closing NUL
    auto parsed = parse(request.code, 0, request.data);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\one"}, parsed->items);
}

TEST_F(MalformedRequestTest, PreviewRefusesAnyPlacementSizeButTwentyFour) {
    auto request = makePreviewRequest({1, 2, 3, 4, 5}, L"C:\\a.txt");
    for (unsigned size : {0u, 8u, 23u, 25u, 28u, 4096u, 0x7FFFFFFFu}) {
        auto data = asMappedPage(request.data);
        data[0] = std::byte(size & 0xFF);
        data[1] = std::byte((size >> 8) & 0xFF);
        data[2] = std::byte((size >> 16) & 0xFF);
        data[3] = std::byte(size >> 24);
        EXPECT_FALSE(parse(request.code, request.lParam, data)) << size;
    }
}

TEST_F(MalformedRequestTest, PreviewTooShortOrWithoutPath) {
    auto request = makePreviewRequest({1, 2, 3, 4, 5}, L"C:\\a.txt");
    for (std::size_t n : {0u, 3u, 4u, 23u, 24u, 25u, 26u})
        EXPECT_FALSE(parse(request.code, request.lParam,
                           std::vector<std::byte>(request.data.begin(), request.data.begin() + n)))
            << n;
    EXPECT_FALSE(parse(request.code, 26, asMappedPage(makePreviewRequest({}, L"").data)));
}

TEST_F(MalformedRequestTest, PreviewTakesOnlyThePathWhenMoreStringsFollow) {
    auto request = makePreviewRequest({}, L"C:\\a.txt");
    request.data.pop_back();
    request.data.pop_back();
    for (char16_t u : std::u16string(u"extra\0\0", 7)) {
        request.data.push_back(std::byte(u & 0xFF));
        request.data.push_back(std::byte(u >> 8));
    }
    auto parsed = parse(request.code, request.lParam, request.data);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\a.txt"}, parsed->items);
}

} // namespace
} // namespace pvn
