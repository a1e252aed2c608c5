#include "settings/FolderBrowser_win.h"

#include "common/Handle_win.h"

#include <shlobj.h>

namespace pvn {
namespace {

int CALLBACK selectStart(HWND browser, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start)
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

} // namespace

std::optional<std::wstring> browseForFolder(HWND owner, const wchar_t* title, const std::wstring& start) {
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = selectStart;
    browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    UniqueCoMem chosen(SHBrowseForFolderW(&browse));
    if (!chosen)
        return std::nullopt;
    wchar_t path[MAX_PATH] = L"";
    if (!SHGetPathFromIDListW(static_cast<PCIDLIST_ABSOLUTE>(chosen.get()), path))
        return std::nullopt;
    return std::wstring(path);
}

} // namespace pvn
