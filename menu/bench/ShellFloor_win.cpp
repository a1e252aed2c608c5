#include "menu/bench/ShellFloor_win.h"

#include "common/Handle_win.h"

#include <shlobj.h>

namespace pvn::bench {

std::size_t listThroughShell(const std::wstring& path) {
    ComPtr<IShellFolder> desktop;
    ComPtr<IMalloc> allocator;
    SHGetDesktopFolder(desktop.put());
    SHGetMalloc(allocator.put());
    std::wstring text = path;
    LPITEMIDLIST pidl = nullptr;
    ComPtr<IShellFolder> folder;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, text.data(), nullptr, &pidl, nullptr)))
        return 0;
    desktop->BindToObject(pidl, nullptr, IID_IShellFolder, folder.putVoid());
    allocator->Free(pidl);
    ComPtr<IEnumIDList> items;
    if (!folder || folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, items.put()) != S_OK)
        return 0;
    std::size_t count = 0;
    LPITEMIDLIST item = nullptr;
    while (items->Next(1, &item, nullptr) == S_OK) {
        STRRET ret{};
        if (SUCCEEDED(folder->GetDisplayNameOf(item, SHGDN_FORPARSING, &ret)) && ret.uType == STRRET_WSTR)
            CoTaskMemFree(ret.pOleStr);
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_FILESYSANCESTOR;
        LPCITEMIDLIST one[] = {item};
        folder->GetAttributesOf(1, one, &attributes);
        allocator->Free(item);
        ++count;
    }
    return count;
}

} // namespace pvn::bench
