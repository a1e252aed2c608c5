#include "tray/ShellItemMenu_win.h"

#include "common/Paths.h"
#include "common/TextPlatform.h"

namespace pvn {
namespace {

UniqueItemList computerFolder() {
    UniqueItemList list;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, list.put())))
        list.reset();
    return list;
}

UniqueItemList parse(IShellFolder& folder, HWND owner, const std::wstring& name) {
    UniqueItemList list;
    std::wstring text = name; // ParseDisplayName takes a writable string
    if (FAILED(folder.ParseDisplayName(owner, nullptr, text.data(), nullptr, list.put(), nullptr)))
        list.reset();
    return list;
}

ComPtr<IShellFolder> bindFolder(IShellFolder& desktop, const ITEMIDLIST* folder) {
    ComPtr<IShellFolder> bound;
    if (!folder || FAILED(desktop.BindToObject(folder, nullptr, IID_IShellFolder, bound.putVoid())))
        bound.reset();
    return bound;
}

ComPtr<IContextMenu> contextMenuOf(IShellFolder& folder, HWND owner, const ITEMIDLIST* item) {
    ComPtr<IContextMenu> menu;
    if (!item || FAILED(folder.GetUIObjectOf(owner, 1, &item, IID_IContextMenu, nullptr, menu.putVoid())))
        menu.reset();
    return menu;
}

// The item's folder and the item inside it, as the shell names them.
ComPtr<IContextMenu> itemContextMenu(IShellFolder& desktop, const std::wstring& path, HWND owner) {
    if (path.empty()) {
        const UniqueItemList computer = computerFolder();
        return contextMenuOf(desktop, owner, computer.get());
    }
    ComPtr<IShellFolder> folder;
    UniqueItemList item;
    if (isDriveRoot(path)) {
        const UniqueItemList computer = computerFolder();
        folder = bindFolder(desktop, computer.get());
        if (folder)
            item = parse(*folder.get(), owner, path);
    } else {
        const std::wstring name = fileName(path);
        const std::wstring parent = parentFolder(path);
        if (name.empty() || parent.empty())
            return {};
        const UniqueItemList parentList = parse(desktop, owner, parent);
        folder = bindFolder(desktop, parentList.get());
        if (folder)
            item = parse(*folder.get(), owner, name);
    }
    if (!folder)
        return {};
    return contextMenuOf(*folder.get(), owner, item.get());
}

} // namespace

std::optional<ShellItemMenu> ShellItemMenu::bind(IShellFolder& desktop, const std::wstring& path, HWND owner) {
    ShellItemMenu bound;
    bound.m_menu = itemContextMenu(desktop, path, owner);
    if (!bound.m_menu)
        return std::nullopt;
    bound.m_menu2 = bound.m_menu.as<IContextMenu2>(IID_IContextMenu2);
    bound.m_menu3 = bound.m_menu.as<IContextMenu3>(IID_IContextMenu3);
    return bound;
}

bool ShellItemMenu::fill(HMENU menu) const {
    return SUCCEEDED(m_menu->QueryContextMenu(menu, 0, kFirstShellCommand, kLastShellCommand, CMF_EXPLORE));
}

std::wstring ShellItemMenu::verbOf(UINT id) const {
    if (id < kFirstShellCommand)
        return {};
    wchar_t verb[64] = L"";
    if (FAILED(m_menu->GetCommandString(id - kFirstShellCommand, GCS_VERBW, nullptr, reinterpret_cast<char*>(verb),
                                        ARRAYSIZE(verb))))
        return {};
    verb[ARRAYSIZE(verb) - 1] = L'\0';
    return verb;
}

HRESULT ShellItemMenu::invokeVerb(const char* verbA, const wchar_t* verbW, HWND window,
                                  const std::wstring& directory) const {
    const std::string directoryA = textPlatform().toAnsi(directory);
    CMINVOKECOMMANDINFOEX info{};
    info.cbSize = sizeof info;
    // Wide texts: the ANSI folder cannot name every folder outside the user's code page.
    info.fMask = CMIC_MASK_UNICODE;
    info.hwnd = window;
    info.lpVerb = verbA;
    info.lpVerbW = verbW;
    info.lpDirectory = directory.empty() ? nullptr : directoryA.c_str();
    info.lpDirectoryW = directory.empty() ? nullptr : directory.c_str();
    info.nShow = SW_SHOWNORMAL;
    return m_menu->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&info));
}

HRESULT ShellItemMenu::invoke(UINT id, HWND window, const std::wstring& directory) const {
    const UINT offset = id - kFirstShellCommand;
    return invokeVerb(MAKEINTRESOURCEA(offset), MAKEINTRESOURCEW(offset), window, directory);
}

HRESULT ShellItemMenu::invoke(HMENU filled, std::wstring_view verb, HWND window, const std::wstring& directory) const {
    const int count = filled ? GetMenuItemCount(filled) : 0;
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(filled, i);
        if (id >= kFirstShellCommand && id <= kLastShellCommand && verbOf(id) == verb)
            return invoke(id, window, directory);
    }
    const std::wstring verbW(verb);
    const std::string verbA = textPlatform().toAnsi(verbW);
    return invokeVerb(verbA.c_str(), verbW.c_str(), window, directory);
}

std::optional<LRESULT> ShellItemMenu::handleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (m_menu3) {
        LRESULT result = 0;
        if (SUCCEEDED(m_menu3->HandleMenuMsg2(message, wParam, lParam, &result)))
            return result;
    }
    if (!m_menu2)
        return std::nullopt;
    m_menu2->HandleMenuMsg(message, wParam, lParam);
    return message == WM_INITMENUPOPUP ? 0 : 1;
}

HRESULT invokeItemVerb(IShellFolder& desktop, const std::wstring& path, std::wstring_view verb, HWND window) {
    const auto menu = ShellItemMenu::bind(desktop, path, window);
    if (!menu)
        return E_FAIL;
    UniqueMenu popup(CreatePopupMenu());
    if (!popup || !menu->fill(popup.get()))
        return E_FAIL;
    return menu->invoke(popup.get(), verb, window, parentFolder(path));
}

} // namespace pvn
