#include "menu/FolderListing.h"

#include "common/SettingsValues.h"
#include "common/TextPlatform.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

std::wstring lower(std::wstring_view text) {
    return asciiLowerCase(text);
}

TEST(SortKey, NewestFirstCountsEveryFieldDown) {
    EXPECT_EQ(L"7975/09/22 14:30:15.876", newestFirstKey({2024, 3, 9, 10, 30, 45, 123}));
    EXPECT_LT(newestFirstKey({2024, 3, 9, 10, 30, 45, 124}), newestFirstKey({2024, 3, 9, 10, 30, 45, 123}))
        << "one millisecond newer sorts first";
    EXPECT_LT(newestFirstKey({2025, 1, 1, 0, 0, 0, 0}), newestFirstKey({2024, 12, 31, 23, 59, 59, 999}));
}

TEST(SortKey, ExtensionOrderUsesTheLowerCasedExtensionOfTheFileName) {
    const LocalStamp none;
    EXPECT_EQ(L"txt c:\\d\\b.TXT", sortKey(SortOrder::Extension, L"c:\\d\\b.TXT", false, none, lower));
    EXPECT_EQ(L"c:\\d\\readme", sortKey(SortOrder::Extension, L"c:\\d\\readme", false, none, lower));
    EXPECT_EQ(L"gz c:\\d\\a.tar.gz", sortKey(SortOrder::Extension, L"c:\\d\\a.tar.gz", false, none, lower));
    EXPECT_EQ(L"c:\\d.v2\\readme", sortKey(SortOrder::Extension, L"c:\\d.v2\\readme", false, none, lower))
        << "a dot in the folder's name is no extension";
    EXPECT_EQ(L"c:\\d\\sub.dir", sortKey(SortOrder::Extension, L"c:\\d\\sub.dir", true, none, lower))
        << "folders sort by name";
    EXPECT_EQ(L"c:\\d\\x.txt", sortKey(SortOrder::Name, L"c:\\d\\x.txt", false, none, lower));
    EXPECT_EQ(SortOrder::Name, sortOrderFromSetting(9));
}

std::vector<std::wstring> sortedFiles(const std::vector<std::pair<std::wstring, std::wstring>>& pathAndKey) {
    FolderListing listing;
    for (const auto& [path, key] : pathAndKey)
        listing.add(path, false, key);
    return std::move(listing).sorted(textPlatform()).files;
}

TEST(FolderListing, EqualKeysKeepEnumerationOrder) {
    const std::wstring same = newestFirstKey({2024, 1, 1, 0, 0, 0, 0});
    const std::wstring newer = newestFirstKey({2024, 6, 1, 0, 0, 0, 0});
    EXPECT_EQ((std::vector<std::wstring>{L"n", L"z", L"a", L"m"}),
              sortedFiles({{L"z", same}, {L"a", same}, {L"n", newer}, {L"m", same}}));
}

TEST(FolderListing, FoldersAndFilesAreSortedApart) {
    FolderListing listing;
    listing.add(L"c:\\d\\b", true, L"c:\\d\\b");
    listing.add(L"c:\\d\\a.zip", false, L"c:\\d\\a.zip");
    listing.add(L"c:\\d\\a", true, L"c:\\d\\a");
    EXPECT_EQ(2u, listing.folderCount());
    FolderContents c = std::move(listing).sorted(textPlatform());
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\d\\a", L"c:\\d\\b"}), c.folders);
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\d\\a.zip"}), c.files);
}

// A reversing order proves that the platform's comparison, not operator<, decides.
class ReversedPlatform final : public ITextPlatform {
public:
    std::wstring fromAnsi(std::string_view) const override { return {}; }
    std::string toAnsi(std::wstring_view) const override { return {}; }
    std::wstring fromUtf8(std::string_view) const override { return {}; }
    int compare(const std::wstring& a, const std::wstring& b) const override { return b.compare(a); }
    int compareNoCase(const std::wstring& a, const std::wstring& b) const override { return b.compare(a); }
};

TEST(FolderListing, OrderComesFromThePlatform) {
    FolderListing listing;
    for (const wchar_t* p : {L"a", L"c", L"b", L"c"})
        listing.add(p, false, p);
    EXPECT_EQ((std::vector<std::wstring>{L"c", L"c", L"b", L"a"}),
              std::move(listing).sorted(ReversedPlatform()).files);
}

TEST(FolderListing, CollationKeysDecideAndEqualKeysKeepEnumerationOrder) {
    FolderListing listing;
    for (const wchar_t* p : {L"b2", L"a1", L"B1", L"a2"})
        listing.add(p, false, p);
    // Case-blind keys: a1 and a2 tie with each other only by their digit.
    auto key = [](const std::wstring& text) {
        std::string out;
        for (wchar_t c : text)
            out += static_cast<char>(c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c);
        return out.substr(0, 1);
    };
    EXPECT_EQ((std::vector<std::wstring>{L"a1", L"a2", L"b2", L"B1"}),
              std::move(listing).sortedByCollation(key).files);
}

TEST(FolderListing, LargeListingMatchesBinaryInsertion) {
    // The reference: insertion after every key that compares less or equal, as the lists do it.
    std::vector<std::pair<std::wstring, std::wstring>> input;
    std::vector<std::pair<std::wstring, std::wstring>> reference;
    for (int i = 0; i < 2000; ++i) {
        std::wstring key = std::to_wstring((i * 7919) % 97);
        std::pair<std::wstring, std::wstring> entry{L"p" + std::to_wstring(i), key};
        auto at = std::upper_bound(reference.begin(), reference.end(), entry,
                                   [](const auto& a, const auto& b) { return a.second < b.second; });
        reference.insert(at, entry);
        input.push_back(entry);
    }
    std::vector<std::wstring> expected;
    for (const auto& e : reference)
        expected.push_back(e.first);
    EXPECT_EQ(expected, sortedFiles(input));
}

} // namespace
} // namespace pvn
