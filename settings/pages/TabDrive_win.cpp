#include "settings/pages/TabDrive_win.h"

#include "settings/DriveTable.h"
#include "settings/pages/TabDriveIds.h"
#include "settings/res/SetResource.h"

namespace pvn {
namespace {

constexpr wchar_t kAllDrives[] = L"all";

UniqueIcon loadSmallIcon(int id) {
    return UniqueIcon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
}

} // namespace

TabDrive::TabDrive() : Tab(SettingPage::Drive, IDD_TAB_DRIVE) {}

void TabDrive::onInit() {
    m_drives = listDriveRoots(true);
    for (const DriveRoot& d : m_drives)
        m_letters.push_back(d.letter);

    // Owner-drawn lists are measured before the dialog procedure knows its object: set the height here.
    const int height = GetSystemMetrics(SM_CYSMICON) + 3;
    for (int list : {IDC_DRIVE_PC_LIST, IDC_DRIVE_MENU_LIST})
        SendDlgItemMessageW(m_dialog, list, LB_SETITEMHEIGHT, 0, height);
    for (std::size_t i = 0; i < m_drives.size(); ++i)
        SendDlgItemMessageW(m_dialog, IDC_DRIVE_PC_LIST, LB_ADDSTRING, 0, static_cast<LPARAM>(i + 1));

    m_upIcon = loadSmallIcon(IDI_UP);
    m_downIcon = loadSmallIcon(IDI_DOWN);
    SendDlgItemMessageW(m_dialog, IDC_DRIVE_UP, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_upIcon.get()));
    SendDlgItemMessageW(m_dialog, IDC_DRIVE_DOWN, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_downIcon.get()));
    setTextColor(IDC_DRIVE_NOTE, kDarkRed);

    addTooltip(IDC_DRIVE_PC_LIST, L"パソコンに付いているの全てのドライブを表示しています\n設定画面の再起動をするまで内容は不変です");
    addTooltip(IDC_DRIVE_MENU_LIST, L"ドライブメニュー自体をあらわしています\nこの順序でドライブメニューが作成されます");
    addTooltip(IDC_DRIVE_COPY, L"左の選択したドライブを右にコピーします");
    addTooltip(IDC_DRIVE_COPY_ALL, L"全てのドライブを右にコピーします");
    addTooltip(IDC_DRIVE_UP, L"選択したドライブを上に移動します");
    addTooltip(IDC_DRIVE_DOWN, L"選択したドライブを下に移動します");
    addTooltip(IDC_DRIVE_DELETE, L"選択したドライブを削除します");
    addTooltip(IDC_DRIVE_OTHER, L"ＵＳＢ等再起動せずにドライブが接続できる場合はチェックしたほうがいいです");
}

std::wstring TabDrive::presentLetters() const {
    return std::wstring(m_letters.begin(), m_letters.end());
}

void TabDrive::showCustom(const ControlBinding&, const SettingsValues& values) {
    const std::wstring drive = values.text(SettingId::Drive).value_or(L"");
    const bool all = drive == kAllDrives;
    CheckDlgButton(m_dialog, IDC_DRIVE_ALL, all ? BST_CHECKED : BST_UNCHECKED);
    m_menu = all ? presentLetters() : drive;
    fillMenuList(0);
    SendDlgItemMessageW(m_dialog, IDC_DRIVE_PC_LIST, LB_SETSEL, FALSE, -1);
    SendDlgItemMessageW(m_dialog, IDC_DRIVE_PC_LIST, LB_SETSEL, TRUE, 0);
}

void TabDrive::collectCustom(const ControlBinding&, SettingsValues& values) const {
    if (IsDlgButtonChecked(m_dialog, IDC_DRIVE_ALL) == BST_CHECKED) {
        values.setText(SettingId::Drive, kAllDrives);
        values.setFlag(SettingId::DrvOther, true);
    } else {
        values.setText(SettingId::Drive, m_menu);
    }
}

void TabDrive::afterShow() {
    updateButtons();
}

void TabDrive::fillMenuList(int selection) {
    HWND list = item(IDC_DRIVE_MENU_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (wchar_t letter : m_menu)
        SendMessageW(list, LB_ADDSTRING, 0, driveItemData(m_letters, letter));
    if (!m_menu.empty())
        SendMessageW(list, LB_SETCURSEL, std::min(selection, static_cast<int>(m_menu.size()) - 1), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void TabDrive::updateButtons() {
    const bool all = IsDlgButtonChecked(m_dialog, IDC_DRIVE_ALL) == BST_CHECKED;
    for (int id = IDC_DRIVE_PC_LABEL; id <= IDC_DRIVE_OTHER; ++id)
        EnableWindow(item(id), !all);
    if (all)
        return;
    const LRESULT chosen = SendDlgItemMessageW(m_dialog, IDC_DRIVE_PC_LIST, LB_GETSELCOUNT, 0, 0);
    const LRESULT selected = SendDlgItemMessageW(m_dialog, IDC_DRIVE_MENU_LIST, LB_GETCURSEL, 0, 0);
    const auto count = static_cast<LRESULT>(m_menu.size());
    EnableWindow(item(IDC_DRIVE_COPY), chosen > 0);
    EnableWindow(item(IDC_DRIVE_UP), selected != LB_ERR && selected > 0);
    EnableWindow(item(IDC_DRIVE_DOWN), selected != LB_ERR && selected + 1 < count);
    EnableWindow(item(IDC_DRIVE_DELETE), selected != LB_ERR);
}

bool TabDrive::onCommand(int id, int code) {
    const LRESULT selected = SendDlgItemMessageW(m_dialog, IDC_DRIVE_MENU_LIST, LB_GETCURSEL, 0, 0);
    const int at = selected == LB_ERR ? -1 : static_cast<int>(selected);
    switch (id) {
    case IDC_DRIVE_PC_LIST:
    case IDC_DRIVE_MENU_LIST:
        if (code == LBN_SELCHANGE)
            updateButtons();
        return true;
    case IDC_DRIVE_ALL:
        break;
    case IDC_DRIVE_COPY: {
        std::wstring chosen;
        const int count = static_cast<int>(m_drives.size());
        for (int i = 0; i < count; ++i)
            if (SendDlgItemMessageW(m_dialog, IDC_DRIVE_PC_LIST, LB_GETSEL, i, 0) > 0)
                chosen += m_letters[static_cast<std::size_t>(i)];
        const std::size_t before = m_menu.size();
        m_menu = insertDrives(m_menu, chosen, at);
        fillMenuList(at < 0 ? static_cast<int>(before) : at);
        break;
    }
    case IDC_DRIVE_COPY_ALL:
        m_menu = presentLetters();
        fillMenuList(0);
        break;
    case IDC_DRIVE_UP:
        if (at <= 0)
            return true;
        std::swap(m_menu[static_cast<std::size_t>(at)], m_menu[static_cast<std::size_t>(at - 1)]);
        fillMenuList(at - 1);
        break;
    case IDC_DRIVE_DOWN:
        if (at < 0 || at + 1 >= static_cast<int>(m_menu.size()))
            return true;
        std::swap(m_menu[static_cast<std::size_t>(at)], m_menu[static_cast<std::size_t>(at + 1)]);
        fillMenuList(at + 1);
        break;
    case IDC_DRIVE_DELETE:
        if (at < 0)
            return true;
        m_menu.erase(static_cast<std::size_t>(at), 1);
        fillMenuList(at);
        break;
    default:
        return false;
    }
    updateButtons();
    return true;
}

INT_PTR TabDrive::onMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlID == IDC_DRIVE_PC_LIST || draw->CtlID == IDC_DRIVE_MENU_LIST) {
            drawItem(*draw);
            return TRUE;
        }
    }
    return FALSE;
}

void TabDrive::drawItem(const DRAWITEMSTRUCT& draw) const {
    if (draw.itemID == static_cast<UINT>(-1))
        return;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int iconWidth = GetSystemMetrics(SM_CXSMICON);
    RECT text = draw.rcItem;
    text.left += iconWidth + 4;
    const auto data = static_cast<std::size_t>(draw.itemData);
    std::wstring label;
    if (data > 0 && data <= m_drives.size()) {
        const DriveRoot& drive = m_drives[data - 1];
        DrawIconEx(draw.hDC, draw.rcItem.left + 2, draw.rcItem.top + 1, drive.icon.get(), iconWidth,
                   GetSystemMetrics(SM_CYSMICON), 0, nullptr, DI_NORMAL);
        label = drive.display;
    } else if (draw.CtlID == IDC_DRIVE_MENU_LIST && draw.itemID < m_menu.size()) {
        label = missingDriveText(m_menu[draw.itemID]);
    }
    DrawTextW(draw.hDC, label.c_str(), static_cast<int>(label.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (draw.itemState & ODS_FOCUS)
        DrawFocusRect(draw.hDC, &draw.rcItem);
}

} // namespace pvn
