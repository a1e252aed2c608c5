// The recent and favourite folders editor through the real "PVNSet edit", clicked as a user would.
#include "common/ListFile_win.h"
#include "common/RegKey_win.h"
#include "common/SettingsKey.h"
#include "settings/tests/SetupDriving_win.h"

#include <gtest/gtest.h>

namespace pvn::test {
namespace {

using Lines = std::vector<std::wstring>;
constexpr wchar_t kEditorTitle[] = L"最近開いたフォルダとお気に入りフォルダの編集";
constexpr int kRecent = 3001;
constexpr int kFavorites = 3006;

Lines listItems(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    Lines items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        items.push_back(text);
    }
    return items;
}

// A click on the item, as the mouse would give it (the list tells its owner of the change).
void clickItem(HWND dialog, int id, int index) {
    HWND list = GetDlgItem(dialog, id);
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    POINT at{20, (index - top) * height + height / 2};
    ClientToScreen(list, &at);
    moveMouse(at.x, at.y);
    Sleep(100);
    clickMouse(false);
    for (int i = 0; i < 50 && SendMessageW(list, LB_GETSEL, index, 0) <= 0; ++i)
        Sleep(20);
    Sleep(100);
}

class FolderListEditorWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true).writeDword(L"RecentSortType", 0);
        m_recent = recentListPath().value_or(L"");
        m_favorites = favoritesListPath().value_or(L"");
        CreateDirectoryW(m_recent.substr(0, m_recent.rfind(L'\\')).c_str(), nullptr);
        writeListFile(m_recent, {L"C:\\Data", L"c:\\x", L"c:\\Data", L"c:\\y"});
        writeListFile(m_favorites, {L"c:\\f1", L"-", L"c:\\X"});
    }
    HWND open() {
        if (!m_setup.start(L"edit"))
            return nullptr;
        HWND dialog = waitForDialog(kEditorTitle, 15000);
        Sleep(300);
        return dialog;
    }

    SetupFolder m_setup;
    std::wstring m_recent;
    std::wstring m_favorites;
};

TEST_F(FolderListEditorWinTest, EditsBothListsAndOkKeepsWhatOthersAppended) {
    HWND dialog = open();
    ASSERT_TRUE(dialog);
    EXPECT_EQ((Lines{L"c:\\x", L"c:\\Data", L"c:\\y"}), listItems(dialog, kRecent)) << "newest at the bottom, once";
    EXPECT_GT(SendDlgItemMessageW(dialog, kRecent, LB_GETSEL, 2, 0), 0) << "the newest is selected";
    for (int id : {3002, 3003, 3004})
        EXPECT_TRUE(isEnabled(dialog, id)) << id;
    for (int id : {3007, 3008, 3009, 3011, 3012})
        EXPECT_FALSE(isEnabled(dialog, id)) << id;

    // c:\Data and C:\Data go together.
    clickItem(dialog, kRecent, 1);
    clickButton(dialog, 3003);
    EXPECT_EQ(L"履歴から削除していいですか", answerBox(IDYES).value_or(L"(no box)"));
    EXPECT_EQ((Lines{L"c:\\x", L"c:\\y"}), listItems(dialog, kRecent));
    EXPECT_FALSE(isEnabled(dialog, 3003)) << "nothing selected any more";

    // c:\x is already a favourite as c:\X.
    clickItem(dialog, kRecent, 0);
    clickButton(dialog, 3004);
    EXPECT_EQ(L"既に登録されています", answerBox(IDOK).value_or(L"(no box)"));
    clickItem(dialog, kRecent, 1);
    clickButton(dialog, 3004);
    Sleep(200);
    EXPECT_EQ((Lines{L"c:\\f1", L"-", L"c:\\X", L"c:\\y"}), listItems(dialog, kFavorites));
    EXPECT_EQ(3, SendDlgItemMessageW(dialog, kFavorites, LB_GETCURSEL, 0, 0));
    EXPECT_TRUE(isEnabled(dialog, 3007));
    EXPECT_FALSE(isEnabled(dialog, 3008)) << "the last one cannot go down";

    clickButton(dialog, 3007);
    Sleep(200);
    clickButton(dialog, 3012);
    Sleep(200);
    EXPECT_EQ((Lines{L"c:\\f1", L"-", L"-", L"c:\\y", L"c:\\X"}), listItems(dialog, kFavorites));
    EXPECT_EQ(3, SendDlgItemMessageW(dialog, kFavorites, LB_GETCURSEL, 0, 0));
    clickItem(dialog, kFavorites, 1);
    clickButton(dialog, 3011);
    EXPECT_EQ(L"お気に入りから削除していいですか", answerBox(IDYES).value_or(L"(no box)"));
    EXPECT_EQ((Lines{L"c:\\f1", L"-", L"c:\\y", L"c:\\X"}), listItems(dialog, kFavorites));

    // Another program appends while the editor is open.
    ASSERT_TRUE(AppendRecentFolder(L"C:\\New"));
    clickButton(dialog, 3014);
    EXPECT_EQ(0u, m_setup.wait().value_or(99));
    EXPECT_EQ((Lines{L"c:\\x", L"c:\\y", L"c:\\New"}), readListFile(m_recent));
    EXPECT_EQ((Lines{L"c:\\f1", L"-", L"c:\\y", L"c:\\X"}), readListFile(m_favorites));
}

TEST_F(FolderListEditorWinTest, CancelWritesNothing) {
    HWND dialog = open();
    ASSERT_TRUE(dialog);
    clickItem(dialog, kRecent, 0);
    clickButton(dialog, 3003);
    EXPECT_TRUE(answerBox(IDYES));
    clickItem(dialog, kFavorites, 0);
    clickButton(dialog, 3012);
    Sleep(200);
    EXPECT_EQ(4u, listItems(dialog, kFavorites).size());
    clickButton(dialog, 3013);
    EXPECT_EQ(0u, m_setup.wait().value_or(99));
    EXPECT_EQ((Lines{L"C:\\Data", L"c:\\x", L"c:\\Data", L"c:\\y"}), readListFile(m_recent));
    EXPECT_EQ((Lines{L"c:\\f1", L"-", L"c:\\X"}), readListFile(m_favorites));
}

} // namespace
} // namespace pvn::test
