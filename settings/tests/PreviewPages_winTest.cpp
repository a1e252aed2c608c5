// "ツールチップ(テキスト)", "ツールチップ(その他)" and "Susie Plug-in" of the real PVNSet, driven as a
// user drives them, with plug-ins of our own.
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/TestFiles_win.h"
#include "settings/pages/TabSusieIds.h"
#include "settings/pages/TabTTOtherIds.h"
#include "settings/pages/TabTTTxtIds.h"
#include "settings/res/SettingsDialogIds.h"
#include "settings/tests/support/SettingsSession_win.h"

#include <dlgs.h>

#include <gtest/gtest.h>

namespace pvn::test {
namespace {

constexpr int kTTTxtPage = 9;
constexpr int kTTOtherPage = 10;
constexpr int kSusiePage = 11;

std::vector<std::wstring> listTexts(HWND list) {
    std::vector<std::wstring> texts;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        texts.push_back(listItemText(list, i));
    return texts;
}

// A dialog the settings dialog owns (the common font dialog), whatever its title.
HWND waitForOwnedDialog(HWND owner) {
    for (int i = 0; i < 100; ++i, Sleep(50)) {
        struct Search {
            HWND owner;
            HWND found = nullptr;
        } search{owner};
        EnumWindows(
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                wchar_t name[16] = L"";
                GetClassNameW(w, name, 16);
                if (GetWindow(w, GW_OWNER) == s->owner && lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(w))
                    s->found = w;
                return s->found == nullptr;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
    }
    return nullptr;
}

// The extension is typed and "追加(&A)" pressed; the box it shows, if any.
std::vector<std::wstring> addExtension(SettingsSession& session, int edit, int add,
                                       const std::wstring& text) {
    setWindowText(session.control(edit), text);
    EXPECT_TRUE(IsWindowEnabled(session.control(add)));
    BoxWatcher boxes;
    clickButton(session.control(add));
    boxes.waitFor(1, 1500);
    return boxes.texts();
}

TEST(PreviewPagesWinTest, TextAndPictureTooltipPagesEditTheirListsNumbersAndFont) {
    SettingsSession session(L"setprev");
    TrayInstall& install = session.install();
    install.setText(L"AsTextExtList", L"txt;LOG;");
    install.setNumber(L"TTNumText", 42);
    install.setNumber(L"TabNChar", 3);
    install.setNumber(L"TTHeight", 300);
    install.setText(L"AsMovieExtList", L"avi;");
    install.setNumber(L"TTEdgeCut", 0);
    ASSERT_TRUE(session.openSettings());

    session.goTo(kTTTxtPage);
    HWND exts = session.control(IDC_TTTXT_EXT_LIST);
    EXPECT_EQ((std::vector<std::wstring>{L"txt", L"log"}), listTexts(exts));
    EXPECT_EQ(L"42", windowText(session.control(IDC_TTTXT_LINES)));
    EXPECT_FALSE(IsWindowEnabled(session.control(IDC_TTTXT_EXT_ADD)));
    EXPECT_FALSE(IsWindowEnabled(session.control(IDC_TTTXT_EXT_DELETE)));
    EXPECT_EQ(std::vector<std::wstring>{L"既に登録済みの拡張子です"},
              addExtension(session, IDC_TTTXT_EXT_EDIT, IDC_TTTXT_EXT_ADD, L"LOG"));
    EXPECT_TRUE(addExtension(session, IDC_TTTXT_EXT_EDIT, IDC_TTTXT_EXT_ADD, L"MD").empty());
    EXPECT_EQ((std::vector<std::wstring>{L"txt", L"log", L"md"}), listTexts(exts));
    EXPECT_EQ(L"", windowText(session.control(IDC_TTTXT_EXT_EDIT)));
    EXPECT_FALSE(IsWindowEnabled(session.control(IDC_TTTXT_EXT_ADD)));
    selectListItem(exts, 0);
    EXPECT_TRUE(IsWindowEnabled(session.control(IDC_TTTXT_EXT_DELETE)));
    clickButton(session.control(IDC_TTTXT_EXT_DELETE));
    Sleep(200);
    EXPECT_EQ((std::vector<std::wstring>{L"log", L"md"}), listTexts(exts));
    // A text the up-down control cannot read saves the range's maximum.
    setWindowText(session.control(IDC_TTTXT_LINES), L"x1");

    // The font dialog: fixed-pitch faces, the style box off; face and size are kept.
    clickButton(session.control(IDC_TTTXT_FONT));
    HWND font = waitForOwnedDialog(session.dialog());
    ASSERT_TRUE(font);
    HWND faces = findControl(font, cmb1), sizes = findControl(font, cmb3);
    ASSERT_TRUE(faces && sizes);
    EXPECT_FALSE(IsWindowEnabled(findControl(font, cmb2)));
    ASSERT_GT(SendMessageW(faces, CB_GETCOUNT, 0, 0), 0);
    selectComboItem(faces, 0);
    const std::wstring face = windowText(faces);
    const LRESULT twelve =
        SendMessageW(sizes, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"12"));
    ASSERT_NE(CB_ERR, twelve);
    selectComboItem(sizes, static_cast<int>(twelve));
    saveScreenshot(screenshotPath(L"font"));
    clickButton(findControl(font, IDOK));
    for (int i = 0; i < 100 && IsWindow(font); ++i)
        Sleep(50);
    saveScreenshot(screenshotPath(L"tttxt"));

    session.goTo(kTTOtherPage);
    EXPECT_EQ(L"300", windowText(session.control(IDC_TTOTHER_HEIGHT)));
    EXPECT_EQ(L"500", windowText(session.control(IDC_TTOTHER_WIDTH)));
    EXPECT_FALSE(isChecked(session.control(IDC_TTOTHER_EDGE_CUT)));
    setWindowText(session.control(IDC_TTOTHER_WIDTH), L"5000");
    setWindowText(session.control(IDC_TTOTHER_FILE_SIZE), L"abc");
    EXPECT_TRUE(addExtension(session, IDC_TTOTHER_EXT_EDIT, IDC_TTOTHER_EXT_ADD, L"MP4").empty());
    EXPECT_EQ(std::vector<std::wstring>{L"既に登録済みの拡張子です"},
              addExtension(session, IDC_TTOTHER_EXT_EDIT, IDC_TTOTHER_EXT_ADD, L"Avi"));
    clickButton(session.control(IDC_TTOTHER_EDGE_CUT));
    Sleep(200);
    saveScreenshot(screenshotPath(L"ttother"));
    ASSERT_TRUE(session.pressOk());

    EXPECT_EQ(L"log;md;", storedText(L"AsTextExtList"));
    EXPECT_EQ(99u, storedNumber(L"TTNumText"));
    EXPECT_EQ(8u, storedNumber(L"TabNChar")) << "a stored width of no entry saves 8";
    EXPECT_EQ(face, storedText(L"TTFName"));
    EXPECT_EQ(120u, storedNumber(L"TTFPoint10"));
    EXPECT_EQ(300u, storedNumber(L"TTHeight"));
    EXPECT_EQ(2000u, storedNumber(L"TTWidth"));
    EXPECT_EQ(100u, storedNumber(L"TTFileSize"));
    EXPECT_EQ(L"avi;mp4;", storedText(L"AsMovieExtList"));
    EXPECT_EQ(1u, storedNumber(L"TTEdgeCut"));
}

TEST(PreviewPagesWinTest, PluginPageListsOurPluginsAndOpensTheirDialogs) {
    SettingsSession session(L"setsusie");
    TrayInstall& install = session.install();
    const std::wstring plugins = install.makeFolder(L"plugins");
    for (const wchar_t* name :
         {L"PvnTestImage.spi", L"PvnTestPlain.spi", L"PvnTestArchive.spi", L"PvnTestOther.spi"})
        ASSERT_TRUE(CopyFileW((binFolder() + L"testplugins\\" + name).c_str(),
                              (plugins + L"\\" + name).c_str(), FALSE));
    install.setText(L"SusiePluginDir", L"\"" + plugins + L"\"");
    install.setNumber(L"SusiePreview", 0);
    // Started from the plug-in folder: its Install value must still be the program's own folder.
    ASSERT_TRUE(session.openSettings(plugins));
    session.goTo(kSusiePage);

    const std::wstring patterns = L"： *.pvt *.pv2;*.pv3";
    HWND list = session.control(IDC_SUSIE_LIST);
    EXPECT_EQ(plugins, windowText(session.control(IDC_SUSIE_FOLDER)));
    EXPECT_FALSE(isChecked(session.control(IDC_SUSIE_PREVIEW)));
    std::vector<std::wstring> texts = listTexts(list);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ((std::vector<std::wstring>{L"PvnTestArchive.spi" + patterns, L"PvnTestImage.spi" + patterns,
                                         L"PvnTestPlain.spi" + patterns}),
              texts);
    for (int id : {IDC_SUSIE_INFO, IDC_SUSIE_ABOUT, IDC_SUSIE_SETUP})
        EXPECT_FALSE(IsWindowEnabled(session.control(id))) << id;
    auto select = [&](const std::wstring& name) {
        selectListItem(list, static_cast<int>(SendMessageW(list, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                           reinterpret_cast<LPARAM>(name.c_str()))));
    };
    // Presses a button; the texts of the boxes titled `title` it shows.
    auto press = [&](int id, const std::wstring& title) {
        BoxWatcher boxes(IDOK, title.c_str());
        clickButton(session.control(id));
        boxes.waitFor(1, 5000);
        return boxes.texts();
    };

    select(L"PvnTestImage.spi");
    EXPECT_TRUE(IsWindowEnabled(session.control(IDC_SUSIE_SETUP)));
    saveScreenshot(screenshotPath(L"susie"));
    EXPECT_EQ(std::vector<std::wstring>{L"Parvane テスト plug-in\n拡張子 *.pvt：Parvane test picture\n"
                                        L"拡張子 *.pv2;*.pv3：Second test picture\n"},
              press(IDC_SUSIE_INFO, L"PvnTestImage.spi" + patterns));
    EXPECT_EQ(std::vector<std::wstring>{L"PvnTestPlugin about"}, press(IDC_SUSIE_ABOUT, L"PvnTestPlugin"));
    EXPECT_EQ(std::vector<std::wstring>{L"PvnTestPlugin settings"}, press(IDC_SUSIE_SETUP, L"PvnTestPlugin"));
    {
        // A double click on the entry opens the settings too.
        BoxWatcher boxes(IDOK, L"PvnTestPlugin");
        PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(IDC_SUSIE_LIST, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(list));
        ASSERT_TRUE(boxes.waitFor(1));
        EXPECT_EQ(L"PvnTestPlugin settings", boxes.texts()[0]);
    }
    select(L"PvnTestPlain.spi");
    EXPECT_EQ(std::vector<std::wstring>{L"このプラグインはAboutがサポートされていません"},
              press(IDC_SUSIE_ABOUT, L"Parvane"));
    EXPECT_EQ(std::vector<std::wstring>{L"このプラグインは設定画面がサポートされていません"},
              press(IDC_SUSIE_SETUP, L"Parvane"));
    select(L"PvnTestArchive.spi");
    EXPECT_EQ(std::vector<std::wstring>{L"このプラグインは設定画面がサポートされていません"},
              press(IDC_SUSIE_SETUP, L"Parvane"));

    // The Install folder is the program's own folder, which holds no plug-in.
    {
        // The start-type page explains its own reset.
        BoxWatcher boxes;
        clickButton(session.control(IDC_RESET));
        EXPECT_TRUE(boxes.waitFor(1));
    }
    Sleep(300);
    EXPECT_EQ(install.folder(), windowText(session.control(IDC_SUSIE_FOLDER)));
    EXPECT_EQ(0, SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int id : {IDC_SUSIE_INFO, IDC_SUSIE_ABOUT, IDC_SUSIE_SETUP})
        EXPECT_FALSE(IsWindowEnabled(session.control(id))) << id;
    EXPECT_TRUE(isChecked(session.control(IDC_SUSIE_PREVIEW)));
    ASSERT_TRUE(session.pressOk());
    EXPECT_EQ(install.folder(), storedText(L"SusiePluginDir"));
    EXPECT_EQ(1u, storedNumber(L"SusiePreview"));
}

} // namespace
} // namespace pvn::test
