#include "common/SettingsTable.h"
#include "settings/CommandFieldEdit.h"
#include "settings/CtrlBindings.h"
#include "settings/FilerCommands.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

constexpr std::size_t key(wchar_t letter) {
    return static_cast<std::size_t>(letter - L'A');
}

TEST(CtrlBindingsTest, InstallBindingsListedWithTheirDisplayNames) {
    CtrlBindings b;
    EXPECT_EQ(L"Ctrl+A :上位のメニュー表示", b.listText(key(L'A')));
    EXPECT_EQ(L"Ctrl+B :(なし)", b.listText(key(L'B')));
    EXPECT_EQ(L"Ctrl+P :プリント", b.listText(key(L'P')));
    EXPECT_EQ(L"Ctrl+Z :やりなおし", b.listText(key(L'Z')));
    for (std::size_t k = 0; k < CtrlBindings::kKeyCount; ++k) {
        EXPECT_EQ(ctrlInstallBinding(CtrlBindings::letter(k)), b.storedValue(k));
        EXPECT_EQ(L':', b.listText(k)[CtrlBindings::kPrefixLength - 1]);
    }
}

TEST(CtrlBindingsTest, StoredTextsAreKeywordsOrCommandLines) {
    CtrlBindings b;
    b.assignStored(key(L'B'), L"print");
    b.assignStored(key(L'E'), L"\"C:\\Tools\\ed.exe\" \"%l\"");
    b.assignStored(key(L'G'), L"");
    // Keywords are exact: another case or the word "openexe" itself are command lines.
    b.assignStored(key(L'H'), L"Print");
    b.assignStored(key(L'I'), L"openexe");

    EXPECT_EQ(L"Ctrl+B :プリント", b.listText(key(L'B')));
    EXPECT_EQ(L"print", b.storedValue(key(L'B')));
    EXPECT_EQ(kCtrlOpenExe, b.binding(key(L'E')).keyword);
    EXPECT_EQ(L"Ctrl+E :\"C:\\Tools\\ed.exe\" \"%l\"", b.listText(key(L'E')));
    EXPECT_EQ(L"\"C:\\Tools\\ed.exe\" \"%l\"", b.storedValue(key(L'E')));
    EXPECT_EQ(kCtrlOpenExe, b.binding(key(L'G')).keyword);
    EXPECT_EQ(L"Ctrl+G :", b.listText(key(L'G')));
    EXPECT_EQ(L"", b.storedValue(key(L'G')));
    EXPECT_EQ(L"Print", b.storedValue(key(L'H')));
    EXPECT_EQ(L"openexe", b.storedValue(key(L'I')));

    b.bindKeyword(key(L'E'), 1);
    EXPECT_EQ(L"fileop", b.storedValue(key(L'E')));
    EXPECT_EQ(L"Ctrl+E :PVNファイル操作", b.listText(key(L'E')));
    b.bindCommandLine(key(L'C'), L"notepad %l");
    EXPECT_EQ(L"notepad %l", b.storedValue(key(L'C')));

    b.resetToInstall();
    EXPECT_EQ(L"copy", b.storedValue(key(L'C')));
    EXPECT_EQ(L"none", b.storedValue(key(L'G')));
}

TEST(FilerCommandsTest, EntriesShowTheirPrefixAndTheCommandOrExplorer) {
    FilerCommands f;
    EXPECT_EQ(L"(なし):通常のエクスプローラー", f.listText(0));
    EXPECT_EQ(L"Shift :通常のエクスプローラー", f.listText(1));
    f.commandLines[2] = L"\"C:\\F\\filer.exe\" \"%l\"";
    EXPECT_EQ(L"Ctrl  :\"C:\\F\\filer.exe\" \"%l\"", f.listText(2));
    EXPECT_STREQ(L"Filer2", FilerCommands::valueName(2));
}

TEST(CommandFieldEditTest, AnEmptyFieldGetsTheQuotedProgramAndFolderPlaceholder) {
    CommandFieldEdit e = insertCommandFile(L"", 0, 0, L"C:\\Program Files\\ed.exe");
    EXPECT_EQ(L"\"C:\\Program Files\\ed.exe\" \"%l\"", e.text);
    EXPECT_EQ(e.text.size(), e.caret);
}

TEST(CommandFieldEditTest, OtherwiseThePathReplacesTheSelectionOrGoesInAtTheCaret) {
    struct Case {
        std::size_t start, end;
        const wchar_t* text;
        std::size_t caret;
    };
    for (Case c : {Case{4, 4, L"abc C:\\x.txt\"%l\"", 12}, Case{4, 8, L"abc C:\\x.txt", 12},
                   Case{8, 4, L"abc C:\\x.txt", 12}, Case{0, 0, L"C:\\x.txtabc \"%l\"", 8},
                   Case{99, 99, L"abc \"%l\"C:\\x.txt", 16}}) {
        CommandFieldEdit e = insertCommandFile(L"abc \"%l\"", c.start, c.end, L"C:\\x.txt");
        EXPECT_EQ(c.text, e.text) << c.start << "-" << c.end;
        EXPECT_EQ(c.caret, e.caret) << c.start << "-" << c.end;
    }
}

} // namespace
} // namespace pvn
