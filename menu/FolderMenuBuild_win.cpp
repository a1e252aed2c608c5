#include "menu/FolderMenu_win.h"

#include "menu/DriveMenu.h"
#include "menu/MenuItemCode.h"
#include "menu/PhaseMark_win.h"
#include "menu/ShellListing_win.h"

#include "common/ErrorBox_win.h"
#include "common/MessagePump_win.h"
#include "common/Paths.h"

#include <winnetwk.h>

namespace pvn {
namespace {

const char* insertionLabel(LayoutKind kind, const std::wstring& text) {
    switch (kind) {
    case LayoutKind::Open:
    case LayoutKind::File:
        return "IMI FO";
    case LayoutKind::DriveOpen:
        return "IMI DO";
    case LayoutKind::SubFolder:
        return "IMI SM2";
    case LayoutKind::Drive:
    case LayoutKind::FilesGroup:
        return "IMI SM";
    case LayoutKind::More:
        return "IMI MM";
    case LayoutKind::About:
        return "IMI about";
    case LayoutKind::Info:
        return text == kNoAccessText ? "IMI AU" : "IMI FI";
    case LayoutKind::Separator:
        break;
    }
    return "Make_Separator";
}

std::int32_t codeOfKind(LayoutKind kind) {
    switch (kind) {
    case LayoutKind::Open:
        return kCodeOpen;
    case LayoutKind::DriveOpen:
        return kCodeDriveOpen;
    case LayoutKind::File:
        return kCodeFile;
    case LayoutKind::About:
        return kCodeAbout;
    default:
        return kCodeInfo;
    }
}

bool opensSubMenu(LayoutKind kind) {
    return kind == LayoutKind::SubFolder || kind == LayoutKind::Drive || kind == LayoutKind::FilesGroup ||
           kind == LayoutKind::More;
}

std::wstring driveLabel(const std::wstring& root) {
    if (GetDriveTypeW(root.c_str()) == DRIVE_REMOTE) {
        const std::wstring local = root.substr(0, 2);
        wchar_t remote[MAX_PATH + 1];
        DWORD length = MAX_PATH + 1;
        if (WNetGetConnectionW(local.c_str(), remote, &length) == NO_ERROR)
            if (std::optional<std::wstring> label = remoteDriveLabel(remote))
                return *label;
        return local;
    }
    wchar_t volume[MAX_PATH + 1] = L"";
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    if (!GetVolumeInformationW(root.c_str(), volume, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        volume[0] = L'\0';
    SetErrorMode(oldMode);
    return volume;
}

bool driveUsable(const std::wstring& root) {
    const UINT type = GetDriveTypeW(root.c_str());
    return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
}

} // namespace

FolderMenuRules FolderMenu::rules() const {
    return {m_options.fileNum, m_options.fileUpside, m_options.fTogether};
}

HMENU FolderMenu::newPopup() {
    HMENU menu = CreatePopupMenu();
    if (check(menu != nullptr, "CreatePopupMenu"))
        m_menus.push_back(menu);
    return menu;
}

bool FolderMenu::appendItem(HMENU menu, const std::wstring& path, std::int32_t code, const std::wstring& text,
                            HMENU sub, bool disabled, bool columnBreak, const char* label) {
    const int index = m_table.add(path, code);
    m_itemTexts.push_back({text, index});
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE | (sub ? MIIM_SUBMENU : 0);
    info.fType = MFT_OWNERDRAW | (columnBreak ? MFT_MENUBARBREAK : 0);
    info.fState = disabled ? (MFS_DISABLED | MFS_GRAYED) : MFS_ENABLED;
    info.wID = static_cast<UINT>(index);
    info.dwItemData = m_itemTexts.size() - 1;
    info.hSubMenu = sub;
    return check(InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info), label);
}

HMENU FolderMenu::insertLayout(const std::vector<LayoutItem>& items, HMENU target) {
    for (const LayoutItem& item : items) {
        if (item.kind == LayoutKind::Separator) {
            insertSeparator(target);
            continue;
        }
        const char* label = insertionLabel(item.kind, item.text);
        if (opensSubMenu(item.kind)) {
            HMENU sub = newPopup();
            appendItem(target, item.path, static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(sub)),
                       item.text, sub, false, item.columnBreak, label);
            if (item.kind == LayoutKind::More && sub)
                target = sub;
            continue;
        }
        appendItem(target, item.path, codeOfKind(item.kind), item.text, nullptr,
                   item.kind == LayoutKind::Info, item.columnBreak, label);
    }
    return target;
}

void FolderMenu::fillFolderMenu(const std::wstring& path, HMENU menu) {
    std::optional<FolderContents> contents;
    if (folderAccessible(path))
        contents = ShellListing(m_desktop.get())
                       .list(path, m_options.includeHidden, sortOrderFromSetting(m_options.order));
    markPhase("listing");
    const HMENU last = insertLayout(layoutFolderMenu(path, contents, rules(), m_column), menu);
    markPhase("insert");
    if (menu == m_root)
        m_columnMenu = last;
}

void FolderMenu::fillFiles(const std::wstring& path, HMENU menu) {
    const FolderContents contents =
        ShellListing(m_desktop.get())
            .list(path, m_options.includeHidden, sortOrderFromSetting(m_options.order));
    insertLayout(layoutFiles(contents.files, m_column), menu);
}

void FolderMenu::fillDriveMenu(HMENU menu) {
    std::wstring letters = m_context.drive;
    if (letters == L"all") {
        wchar_t buffer[105] = L"";
        const DWORD length = GetLogicalDriveStringsW(104, buffer);
        check(length != 0, "GetLogicalDriveStrings");
        std::vector<std::wstring> roots;
        for (const wchar_t* root = buffer; *root && root < buffer + 104; root += wcslen(root) + 1)
            roots.push_back(lowerCase(root));
        letters = driveLetters(letters, roots);
    }
    const DriveProbe probe{driveUsable, driveLabel};
    insertLayout(layoutDriveMenu(driveEntries(letters, probe, lowerCase), m_column), menu);
}

void FolderMenu::appendAbout() {
    insertLayout(layoutAbout(m_column), m_columnMenu);
}

void FolderMenu::onMenuSelect(WPARAM wParam, LPARAM lParam) {
    const UINT flags = HIWORD(wParam);
    const HMENU menu = reinterpret_cast<HMENU>(lParam);
    if ((flags == 0xFFFF && !menu) || !(flags & MF_POPUP) || !menu)
        return;
    const int position = LOWORD(wParam);
    HMENU sub = GetSubMenu(menu, position);
    if (!sub || GetMenuItemCount(sub) != 0)
        return;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    if (!check(GetMenuItemInfoW(menu, position, TRUE, &info), "GMII") || !m_table.contains(info.wID))
        return;
    const std::wstring path = pathOf(info.wID);
    if (isFilesGroupPath(path)) {
        m_column.reset();
        fillFiles(path.substr(std::size(kFilesMarker) - 1), sub);
    } else if (!isMorePath(path)) {
        fillFolderMenu(path, sub);
    }
}

} // namespace pvn
