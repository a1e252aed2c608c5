#include "settings/pages/TabOther_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/Settings_win.h"
#include "settings/EnvironmentReport.h"
#include "settings/SettingsDialog_win.h"
#include "settings/pages/TabOtherIds.h"

#include <shlobj.h>

namespace pvn {
namespace {

constexpr wchar_t kCurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

std::vector<ReportValue> versionValues() {
    std::vector<ReportValue> values;
    RegKey key(HKEY_LOCAL_MACHINE, kCurrentVersionKey, KEY_READ);
    if (!key.isOpen())
        return values;
    for (const wchar_t* name : kVersionTextNames) {
        std::wstring text;
        if (key.readString(name, text))
            values.push_back({name, text});
    }
    DWORD build = 0;
    if (key.readDword(kVersionNumberName, build))
        values.push_back({kVersionNumberName, static_cast<std::uint32_t>(build)});
    return values;
}

// Every number and text of the settings key in enumeration order.
std::vector<ReportValue> settingsKeyValues() {
    std::vector<ReportValue> values;
    RegKey key = openSettingsForReading();
    if (!key.isOpen())
        return values;
    for (DWORD index = 0;; ++index) {
        const auto info = key.enumValue(index);
        if (!info)
            break;
        if (info->type == REG_DWORD) {
            DWORD n = 0;
            if (key.readDword(info->name.c_str(), n))
                values.push_back({info->name, static_cast<std::uint32_t>(n)});
        } else if (info->type == REG_SZ) {
            std::wstring text;
            if (key.readString(info->name.c_str(), text))
                values.push_back({info->name, text});
        }
    }
    return values;
}

} // namespace

TabOther::TabOther() : Tab(SettingPage::Other, IDD_TAB_OTHER) {}

void TabOther::onInit() {
    setTextColor(IDC_OTHER_NOTE1, kBlue);
    setTextColor(IDC_OTHER_NOTE2, kBlue);
    addTooltip(IDC_OTHER_ORG_CLOSE,
               L"フォルダで画面が一杯になるのを防ぎます\n"
               L"フォルダＡのメニューからその中のフォルダＢの中の\n"
               L"フォルダＣを開いた時にフォルダＡを閉じます",
               10000);
    addTooltip(IDC_OTHER_TOOLTIP,
               L"フォルダ・ファイルメニューで選択中\nしばらくマウスの動きを止めていると\n情報が出てくるウインドウの事です");
    addTooltip(IDC_OTHER_SFOL_SINGLE, L"通常右向き▲が付いたメニューをクリックしても\n"
                                      L"何も反応しないのですが特別にそのフォルダが開くようにしてあります");
    addTooltip(IDC_OTHER_ADD_CONTEXT,
               L"コンテキストメニューの中の\nPVNファイル操作(F)\nPVN Name to Clip(N)\nPVN Dos Prompt(K)\nの表示のことです");
}

bool TabOther::onCommand(int id, int code) {
    if (id != IDC_OTHER_ENV_REPORT || code != BN_CLICKED)
        return false;
    writeEnvironmentReport();
    return true;
}

void TabOther::writeEnvironmentReport() {
    const auto desktop = specialFolderPath(CSIDL_DESKTOPDIRECTORY);
    if (!desktop)
        return;
    const std::wstring path = joinPath(*desktop, kEnvironmentReportName);
    if (pathExists(path) &&
        askUser(L"PVNEnv.txt を置き換えていいですか", MB_YESNO | MB_ICONQUESTION, m_dialog) != IDYES)
        return;
    const auto lines =
        environmentReport(frame().osClass(), frame().windows64(), versionValues(), settingsKeyValues());
    if (!writeListFile(path, lines)) {
        showMessage(formatErrorCode("CreateFile", GetLastError()) + L"\n" + path + L" を作成できませんでした", m_dialog);
        return;
    }
    askUser(path + L" を作成しました", MB_OK | MB_ICONINFORMATION, m_dialog);
}

} // namespace pvn
