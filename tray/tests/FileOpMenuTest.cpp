#include "tray/FileOpMenu.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace pvn {
namespace {

std::vector<std::wstring> names(const wchar_t* prefix, int n) {
    std::vector<std::wstring> out;
    for (int i = 0; i < n; ++i)
        out.push_back(prefix + std::to_wstring(i));
    return out;
}

FopSnapshot snapshotOf(int items, int recent, std::vector<std::wstring> favorites, int special) {
    FopSnapshot s;
    for (int i = 0; i < items; ++i)
        s.items.push_back(L"C:\\work\\item" + std::to_wstring(i) + L".txt");
    s.recent = names(L"C:\\recent", recent);
    s.favorites = std::move(favorites);
    s.special = names(L"C:\\special", special);
    return s;
}

// Every identifier of the menu with what it shows: the top commands, and each sub-menu entry as
// "<sub-menu text>/<item data or separator>".
std::map<unsigned, std::wstring> identifiers(const std::vector<FopMenuEntry>& menu) {
    std::map<unsigned, std::wstring> ids;
    for (const auto& entry : menu) {
        if (entry.id) {
            EXPECT_TRUE(ids.emplace(entry.id, entry.text).second) << entry.id;
        }
        for (const auto& child : entry.children) {
            if (!child.id)
                continue;
            std::wstring what = entry.text + L"/" +
                                (child.kind == FopEntryKind::Separator ? L"-" : std::to_wstring(child.itemData));
            EXPECT_TRUE(ids.emplace(child.id, what).second) << child.id;
        }
    }
    return ids;
}

std::vector<std::wstring> topTexts(const std::vector<FopMenuEntry>& menu) {
    std::vector<std::wstring> texts;
    for (const auto& entry : menu)
        texts.push_back(entry.kind == FopEntryKind::Separator ? L"-"
                        : entry.kind == FopEntryKind::Header  ? L"[" + entry.text + L"]"
                                                              : entry.text);
    return texts;
}

TEST(FileOpMenuTest, OneItemHasEveryGroupWithItsAccelerators) {
    const auto menu = buildFopMenu(snapshotOf(1, 1, {L"C:\\fav"}, 1));
    EXPECT_EQ((std::vector<std::wstring>{
                  L"[item0.txt]", L"-", L"名前の変更(&A)", L"-", L"コピー to 最近開いたフォルダ(&C)",
                  L"コピー to お気に入りフォルダ(&D)", L"コピー to 特別なフォルダ(&E)", L"コピー to その他(&F)", L"-",
                  L"移動 to 最近開いたフォルダ(&M)", L"移動 to お気に入りフォルダ(&N)", L"移動 to 特別なフォルダ(&O)",
                  L"移動 to その他(&P)", L"-", L"ショートカット to 最近開いたフォルダ(&S)",
                  L"ショートカット to お気に入りフォルダ(&T)", L"ショートカット to 特別なフォルダ(&U)",
                  L"ショートカット to その他(&V)"}),
              topTexts(menu));
    EXPECT_EQ(kFopHeaderItemData, menu[0].itemData);
    ASSERT_EQ(1u, menu[0].children.size());
    EXPECT_EQ(L"in C:\\work", menu[0].children[0].text);
    EXPECT_EQ(FopEntryKind::Greyed, menu[0].children[0].kind);
}

TEST(FileOpMenuTest, SeveralItemsCopyAndMoveOnly) {
    const auto menu = buildFopMenu(snapshotOf(3, 1, {}, 1));
    EXPECT_EQ((std::vector<std::wstring>{L"[3個のファイル・フォルダ]", L"-", L"コピー to 最近開いたフォルダ(&C)",
                                         L"コピー to お気に入りフォルダ(&D)", L"コピー to 特別なフォルダ(&E)",
                                         L"コピー to その他(&F)", L"-", L"移動 to 最近開いたフォルダ(&M)",
                                         L"移動 to お気に入りフォルダ(&N)", L"移動 to 特別なフォルダ(&O)",
                                         L"移動 to その他(&P)"}),
              topTexts(menu));
}

TEST(FileOpMenuTest, HeaderLinesListFiveNamesAtMost) {
    struct Case {
        int items;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        {1, {L"in C:\\work"}},
        {3, {L"in C:\\work", L"item0.txt", L"item1.txt", L"item2.txt"}},
        {5, {L"in C:\\work", L"item0.txt", L"item1.txt", L"item2.txt", L"item3.txt", L"item4.txt", L"　："}},
        {7, {L"in C:\\work", L"item0.txt", L"item1.txt", L"item2.txt", L"item3.txt", L"item4.txt", L"　："}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.lines, fopHeaderLines(snapshotOf(c.items, 0, {}, 0).items)) << c.items;
    EXPECT_EQ(L"7個のファイル・フォルダ", fopHeaderText(snapshotOf(7, 0, {}, 0).items));
    EXPECT_EQ(L"D:\\", fopHeaderText({L"D:\\"})) << "a drive root has no name of its own";
    EXPECT_EQ((std::vector<std::wstring>{L"in D:\\"}), fopHeaderLines({L"D:\\x"}));
}

// Identifiers depend on the list sizes alone: the groups shown, empty lists and separators change
// what the menu holds, never which identifier an entry has.
TEST(FileOpMenuTest, IdentifierLayoutHoldsWhateverIsShown) {
    const std::vector<std::wstring> favorites{L"C:\\f0", L"C:\\f1", L"-", L"C:\\f3", L"C:\\f4", L"C:\\f5", L"C:\\f6"};
    struct Case {
        const char* name;
        FopSnapshot snapshot;
    };
    const Case cases[] = {
        {"one item", snapshotOf(1, 2, favorites, 9)},
        {"seven items", snapshotOf(7, 2, favorites, 9)},
        {"no recent", snapshotOf(1, 0, favorites, 9)},
        {"no favourites", snapshotOf(3, 4, {}, 8)},
        {"nothing at all", snapshotOf(1, 0, {}, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& s = c.snapshot;
        const unsigned r = static_cast<unsigned>(s.recent.size());
        const unsigned f = static_cast<unsigned>(s.favorites.size());
        const unsigned total = r + f + static_cast<unsigned>(s.special.size());
        const bool single = s.items.size() == 1;
        const auto ids = identifiers(buildFopMenu(s));
        // Expected from the layout table, group by group.
        std::map<unsigned, std::wstring> expected;
        if (single)
            expected[1024] = L"名前の変更(&A)";
        expected[1025] = L"コピー to その他(&F)";
        expected[1026] = L"移動 to その他(&P)";
        if (single)
            expected[1027] = L"ショートカット to その他(&V)";
        const wchar_t* groupTexts[3][3] = {
            {L"コピー to 最近開いたフォルダ(&C)", L"コピー to お気に入りフォルダ(&D)", L"コピー to 特別なフォルダ(&E)"},
            {L"移動 to 最近開いたフォルダ(&M)", L"移動 to お気に入りフォルダ(&N)", L"移動 to 特別なフォルダ(&O)"},
            {L"ショートカット to 最近開いたフォルダ(&S)", L"ショートカット to お気に入りフォルダ(&T)",
             L"ショートカット to 特別なフォルダ(&U)"}};
        for (unsigned g = 0; g < (single ? 3u : 2u); ++g) {
            const unsigned base = 1028 + g * total;
            for (unsigned i = 0; i < r; ++i)
                expected[base + i] = std::wstring(groupTexts[g][0]) + L"/" + std::to_wstring(1000 + i);
            for (unsigned i = 0; i < f; ++i)
                expected[base + r + i] = std::wstring(groupTexts[g][1]) + L"/" +
                                         (s.favorites[i] == L"-" ? L"-" : std::to_wstring(2000 + i));
            for (unsigned i = 0; i < s.special.size(); ++i)
                expected[base + r + f + i] = std::wstring(groupTexts[g][2]) + L"/" + std::to_wstring(3000 + i);
        }
        EXPECT_EQ(expected, ids);
        // Every identifier decodes to the entry it stands for.
        for (const auto& [id, what] : ids) {
            const auto choice = decodeFopId(id, s);
            if (what.ends_with(L"/-")) {
                EXPECT_FALSE(choice) << id << " is a separator";
                continue;
            }
            ASSERT_TRUE(choice) << id;
            if (id >= 1028) {
                const unsigned offset = (id - 1028) % total;
                const std::wstring& path = offset < r       ? s.recent[offset]
                                           : offset < r + f ? s.favorites[offset - r]
                                                            : s.special[offset - r - f];
                EXPECT_EQ(path, choice->destination) << id;
            }
        }
    }
}

TEST(FileOpMenuTest, EmptyListsShowNone) {
    const auto menu = buildFopMenu(snapshotOf(1, 0, {L"C:\\fav"}, 0));
    for (const auto& entry : menu) {
        if (entry.kind != FopEntryKind::Submenu)
            continue;
        const bool favourites = entry.text.find(L"お気に入り") != std::wstring::npos;
        ASSERT_EQ(1u, entry.children.size()) << entry.text;
        const auto& only = entry.children.front();
        EXPECT_EQ(favourites ? FopEntryKind::ListEntry : FopEntryKind::Greyed, only.kind) << entry.text;
        if (!favourites) {
            EXPECT_EQ(L"(なし)", only.text);
            EXPECT_EQ(0u, only.id);
        }
    }
}

TEST(FileOpMenuTest, DecodingGivesCodesAndRefusesTheRest) {
    const FopSnapshot s = snapshotOf(1, 1, {L"C:\\fav", L"-"}, 1);
    struct Case {
        unsigned id;
        std::optional<FopChoice> choice;
    };
    const Case cases[] = {
        {1024, FopChoice{FopCode::Rename, L""}},
        {1025, FopChoice{FopCode::Copy, L""}},
        {1026, FopChoice{FopCode::Move, L""}},
        {1027, FopChoice{FopCode::Shortcut, L""}},
        {1028, FopChoice{FopCode::Copy, L"C:\\recent0"}},
        {1029, FopChoice{FopCode::Copy, L"C:\\fav"}},
        {1030, std::nullopt}, // the separator
        {1031, FopChoice{FopCode::Copy, L"C:\\special0"}},
        {1032, FopChoice{FopCode::Move, L"C:\\recent0"}},
        {1036, FopChoice{FopCode::Shortcut, L"C:\\recent0"}},
        {1039, FopChoice{FopCode::Shortcut, L"C:\\special0"}},
        {1040, std::nullopt},
        {1023, std::nullopt},
        {0, std::nullopt},
        {0xFFFFFFFFu, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.choice, decodeFopId(c.id, s)) << c.id;
    EXPECT_FALSE(decodeFopId(1028, FopSnapshot{})) << "no lists: no list identifiers";
}

} // namespace
} // namespace pvn
