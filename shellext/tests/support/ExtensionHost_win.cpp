#include "shellext/tests/support/ExtensionHost_win.h"

#include "common/RegKey_win.h"
#include "common/SettingsKey.h"
#include "common/tests/support/Process_win.h"

#include <shellapi.h>

namespace pvn::test {

ExtensionLibrary::ExtensionLibrary() : ExtensionLibrary(binFolder() + L"PVNShlEx64.dll") {}

ExtensionLibrary::ExtensionLibrary(const std::wstring& path) : m_module(LoadLibraryW(path.c_str())) {
    if (!m_module)
        return;
    m_getClassObject =
        reinterpret_cast<GetClassObjectFn>(reinterpret_cast<void*>(GetProcAddress(m_module.get(), "DllGetClassObject")));
    m_canUnloadNow =
        reinterpret_cast<CanUnloadNowFn>(reinterpret_cast<void*>(GetProcAddress(m_module.get(), "DllCanUnloadNow")));
}

HRESULT ExtensionLibrary::getClassObject(REFCLSID classId, REFIID iid, void** out) const {
    return m_getClassObject(classId, iid, out);
}

HRESULT ExtensionLibrary::canUnloadNow() const { return m_canUnloadNow(); }

ComPtr<IClassFactory> ExtensionLibrary::factory() const {
    ComPtr<IClassFactory> factory;
    if (loaded())
        m_getClassObject(kExtensionClassId, IID_IClassFactory, factory.putVoid());
    return factory;
}

ComPtr<IContextMenu> ExtensionLibrary::createMenu() const {
    ComPtr<IContextMenu> menu;
    if (auto f = factory())
        f->CreateInstance(nullptr, IID_IContextMenu, menu.putVoid());
    return menu;
}

std::wstring parentFolder(const std::wstring& path) {
    std::wstring parent = path.substr(0, path.find_last_of(L'\\'));
    // "C:" alone names the drive's current folder, not its root.
    if (parent.size() == 2 && parent[1] == L':')
        parent += L'\\';
    return parent;
}

ComPtr<IDataObject> shellDataObject(const std::vector<std::wstring>& paths) {
    ComPtr<IDataObject> data;
    if (paths.empty())
        return data;
    const std::wstring parent = parentFolder(paths[0]);
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.put())))
        return data;
    UniqueItemList parentList;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, const_cast<wchar_t*>(parent.c_str()), nullptr,
                                         parentList.put(), nullptr)))
        return data;
    ComPtr<IShellFolder> folder;
    if (FAILED(desktop->BindToObject(parentList.get(), nullptr, IID_IShellFolder, folder.putVoid())))
        return data;
    std::vector<UniqueItemList> children;
    std::vector<LPCITEMIDLIST> items;
    for (const auto& path : paths) {
        std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
        UniqueItemList child;
        if (SUCCEEDED(folder->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, child.put(), nullptr))) {
            items.push_back(child.get());
            children.push_back(std::move(child));
        }
    }
    if (items.size() == paths.size())
        folder->GetUIObjectOf(nullptr, static_cast<UINT>(items.size()), items.data(), IID_IDataObject, nullptr,
                              data.putVoid());
    return data;
}

HRESULT initialize(IContextMenu& menu, IDataObject* data) {
    ComPtr<IShellExtInit> init;
    const HRESULT hr = menu.QueryInterface(IID_IShellExtInit, init.putVoid());
    if (FAILED(hr))
        return hr;
    return init->Initialize(nullptr, data, nullptr);
}

HRESULT invokeOffset(IContextMenu& menu, unsigned offset, HWND owner) {
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.lpVerb = MAKEINTRESOURCEA(offset);
    info.nShow = SW_SHOWNORMAL;
    return menu.InvokeCommand(&info);
}

std::vector<MenuEntry> menuEntries(HMENU menu) {
    std::vector<MenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 256;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        entries.push_back({item.wID, (item.fType & MFT_SEPARATOR) != 0, (item.fType & MFT_SEPARATOR) ? L"" : text});
    }
    return entries;
}

SettingBackup::SettingBackup(const wchar_t* name) : m_name(name) {
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_QUERY_VALUE);
    DWORD size = 0;
    if (key.isOpen() && RegQueryValueExW(key.get(), name, nullptr, &m_type, nullptr, &size) == ERROR_SUCCESS) {
        m_data.resize(size);
        m_had = RegQueryValueExW(key.get(), name, nullptr, &m_type, m_data.data(), &size) == ERROR_SUCCESS;
    }
}

SettingBackup::~SettingBackup() {
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
    if (m_had)
        RegSetValueExW(key.get(), m_name.c_str(), 0, m_type, m_data.data(), static_cast<DWORD>(m_data.size()));
    else
        key.deleteValue(m_name);
}

void SettingBackup::setDword(DWORD value) const {
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
    key.writeDword(m_name.c_str(), value);
}

void SettingBackup::remove() const {
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
    key.deleteValue(m_name);
}

FileBackup::FileBackup(std::wstring path) : m_path(std::move(path)) {
    m_had = GetFileAttributesW(m_path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (m_had)
        m_content = readWholeFile(m_path);
}

FileBackup::~FileBackup() {
    if (m_had)
        writeWholeFile(m_path, m_content);
    else
        DeleteFileW(m_path.c_str());
}

std::optional<std::wstring> clipboardText() {
    if (!OpenClipboard(nullptr))
        return std::nullopt;
    std::optional<std::wstring> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = std::wstring(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void clearClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

namespace {

void sendShift(bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SHIFT;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

// The key state reaches this thread once the input has been through its queue.
void settleInput(bool down) {
    for (int i = 0; i < 50 && (GetKeyState(VK_SHIFT) < 0) != down; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(20);
    }
}

} // namespace

ShiftHeld::ShiftHeld() {
    sendShift(true);
    settleInput(true);
}

ShiftHeld::~ShiftHeld() {
    sendShift(false);
    settleInput(false);
}

} // namespace pvn::test
