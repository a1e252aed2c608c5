#include "settings/SettingsDialog_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/MessagePump_win.h"
#include "common/OsCheck_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RegistryView.h"
#include "common/RequestPayload.h"
#include "common/Settings_win.h"
#include "common/TrayHandle_win.h"
#include "common/TraySender_win.h"
#include "settings/DriveProbe_win.h"
#include "settings/PageList_win.h"
#include "settings/ShellVerbs_win.h"
#include "settings/res/SetResource.h"
#include "settings/res/SettingsDialogIds.h"

namespace pvn {
namespace {


ComputedDefaults computeDefaults() {
    ComputedDefaults computed;
    computed.startType = registeredStartType();
    for (const DriveRoot& drive : listDriveRoots(false))
        computed.presentDrives += drive.letter;
    computed.programFolder = programFolder();
    return computed;
}

} // namespace

SettingsDialog::SettingsDialog() = default;

SettingsDialog::~SettingsDialog() {
    destroy();
}

bool SettingsDialog::construct() {
    m_osClass = checkOs();
    m_windows64 = chooseRegistryView(sizeof(void*) == 8, runningUnderWow64()) == RegistryView::Bits64;

    RegKey key = openSettingsForReading();
    SettingsValues stored;
    if (key.isOpen()) {
        m_tray = readTrayHandle(key).value_or(nullptr);
        std::wstring folder;
        if (key.readString(settingName(SettingId::InstallDir), folder))
            m_installFolder = stripQuotes(folder);
        SettingsValues kept;
        const SettingDef& curPage = settingDef(SettingId::CurPage);
        if (readSetting(key, curPage, kept))
            m_current = static_cast<int>(curPage.normalized(*kept.number(SettingId::CurPage)));
        readSettings(key, stored);
    }
    m_recentListPath = pvn::recentListPath().value_or(L"");

    const ComputedDefaults computed = computeDefaults();
    m_install.resetToInstall(computed);
    const SettingsValues shown = SettingsValues::forSettingsProgram(stored, computed, lowerCaseText);

    if (!createModeless(GetModuleHandleW(nullptr), IDD_SETTINGS, nullptr)) {
        reportLastError("CreateDialog");
        return false;
    }
    addTooltip(IDC_PAGE_LIST, L"どの設定を行うかを選択します");
    addTooltip(IDC_RESET, L"インストール時の設定に戻します\nクリックした後で設定を確認して下さい");
    m_smallIcon = setSmallIcon(IDI_PROGRAM);

    RECT list{};
    if (check(GetWindowRect(item(IDC_PAGE_LIST), &list), "GetWindowRect")) {
        POINT rightEdge{list.right, list.top};
        if (check(ScreenToClient(m_dialog, &rightEdge), "ScreenToClient"))
            m_pageX = rightEdge.x + 1;
    }

    SendDlgItemMessageW(m_dialog, IDC_PAGE_LIST, LB_RESETCONTENT, 0, 0);
    m_pages.reserve(100);
    for (int i = 0; i < kSettingsPageCount; ++i) {
        const auto page = static_cast<SettingPage>(i);
        const std::wstring label(settingsPageLabel(page));
        SendDlgItemMessageW(m_dialog, IDC_PAGE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
        std::unique_ptr<Tab> tab = makeSettingsPage(page);
        if (!tab || !tab->create(*this, shown))
            return false;
        m_pages.push_back(std::move(tab));
    }
    SendDlgItemMessageW(m_dialog, IDC_PAGE_LIST, LB_SETCURSEL, m_current, 0);
    showPage(m_current);
    SetFocus(item(IDC_PAGE_LIST));
    return true;
}

int SettingsDialog::showAndRun() {
    ShowWindow(m_dialog, SW_SHOW);
    SetForegroundWindow(m_dialog);
    return messageLoop(m_dialog);
}

void SettingsDialog::resetAll() {
    for (auto& page : m_pages)
        page->ResetToInstall();
}

bool SettingsDialog::saveAll(bool withClosingMessage) {
    for (auto& page : m_pages)
        if (!page->Validate())
            return false;
    RegKey key = openSettingsForWriting();
    if (!key.isOpen()) {
        showMessage(formatErrorCode("RegOpenKeyEx", static_cast<DWORD>(key.result())) +
                        L"\n設定を書き込めませんでした。設定は保存されていません。",
                    m_dialog);
        return false;
    }
    bool written = true;
    for (auto& page : m_pages)
        written = page->Save(key) && written;
    written = key.flush() && written;
    if (!written) {
        // The tray would reread a half-written key; the user can try again or cancel.
        showMessage(L"設定の一部を書き込めませんでした。設定は正しく保存されていません。", m_dialog);
        return false;
    }
    sendToTray(toWParam(RequestCode::ReloadSettings), 0);
    dispatchPendingMessages();
    if (withClosingMessage) {
        ShowWindow(m_dialog, SW_HIDE);
        askUser(L"設定の書き込みが終了しました", MB_OK | MB_ICONINFORMATION, m_dialog);
        storeCurPage();
    }
    key.close();
    return true;
}

LRESULT SettingsDialog::sendToTray(unsigned code, LPARAM lParam) const {
    return TraySender(m_tray).answer(makeBareRequest(static_cast<RequestCode>(code), lParam));
}

void SettingsDialog::goToPage(int index) {
    SendDlgItemMessageW(m_dialog, IDC_PAGE_LIST, LB_SETCURSEL, index, 0);
    showPage(index);
}

void SettingsDialog::showPage(int index) {
    if (index < 0 || index >= static_cast<int>(m_pages.size()))
        return;
    if (m_current >= 0 && m_current < static_cast<int>(m_pages.size()) && m_current != index)
        ShowWindow(m_pages[m_current]->window(), SW_HIDE);
    m_current = index;
    HWND page = m_pages[index]->window();
    SetWindowPos(page, nullptr, m_pageX, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(page, SW_SHOW);
}

void SettingsDialog::storeCurPage() const {
    const LRESULT selected = SendDlgItemMessageW(m_dialog, IDC_PAGE_LIST, LB_GETCURSEL, 0, 0);
    RegKey key = openSettingsForWriting();
    if (key.isOpen())
        key.writeDword(settingName(SettingId::CurPage), static_cast<DWORD>(selected == LB_ERR ? m_current : selected));
}

void SettingsDialog::end() {
    PostQuitMessage(0);
}

void SettingsDialog::destroy() {
    m_smallIcon.reset();
    if (m_dialog)
        check(DestroyWindow(m_dialog), "DestroyWindow");
    m_pages.clear();
}

INT_PTR SettingsDialog::handleDialogMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PAGE_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) {
                const LRESULT selected = SendDlgItemMessageW(m_dialog, IDC_PAGE_LIST, LB_GETCURSEL, 0, 0);
                if (selected != LB_ERR)
                    showPage(static_cast<int>(selected));
            }
            return TRUE;
        case IDC_RESET:
            resetAll();
            return TRUE;
        case IDC_CANCEL_BUTTON:
            storeCurPage();
            end();
            return TRUE;
        case IDC_OK_BUTTON:
            if (saveAll(true))
                end();
            return TRUE;
        case IDCANCEL: // Esc: like closing the window
            end();
            return TRUE;
        default:
            break;
        }
        break;
    case WM_MOVE:
        if (m_current >= 0 && m_current < static_cast<int>(m_pages.size()))
            SetWindowPos(m_pages[m_current]->window(), nullptr, m_pageX, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    case WM_CLOSE:
        end();
        return TRUE;
    default:
        break;
    }
    return FALSE;
}

} // namespace pvn
