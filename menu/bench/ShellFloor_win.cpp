#include "menu/bench/ShellFloor_win.h"

#include "common/Handle_win.h"

#include <shlobj.h>

namespace pvn::bench {

std::size_t listThroughShell(const std::wstring& path) {
    ComPtr<IShellFolder> desktop;
    SHGetDesktopFolder(desktop.put());
    std::wstring text = path;
    UniqueItemList pidl;
    ComPtr<IShellFolder> folder;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, text.data(), nullptr, pidl.put(), nullptr)))
        return 0;
    desktop->BindToObject(pidl.get(), nullptr, IID_IShellFolder, folder.putVoid());
    ComPtr<IEnumIDList> items;
    if (!folder || folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, items.put()) != S_OK)
        return 0;
    std::size_t count = 0;
    UniqueItemList item;
    while (items->Next(1, item.put(), nullptr) == S_OK) {
        STRRET ret{};
        if (SUCCEEDED(folder->GetDisplayNameOf(item.get(), SHGDN_FORPARSING, &ret)) && ret.uType == STRRET_WSTR)
            UniqueCoString(ret.pOleStr).reset();
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_FILESYSANCESTOR;
        LPCITEMIDLIST one[] = {item.get()};
        folder->GetAttributesOf(1, one, &attributes);
        ++count;
    }
    return count;
}

} // namespace pvn::bench
