#pragma once
// Loads the built extension DLL and drives it the way Explorer does: class object, instance,
// Initialize with the shell's own data object for a selection, QueryContextMenu, InvokeCommand.
#include "common/Handle_win.h"
#include "common/tests/support/TestFiles_win.h"

#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

namespace pvn::test {

inline constexpr CLSID kExtensionClassId = {0xE8843021, 0x9D99, 0x11D2, {0x97, 0x5A, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

class ExtensionLibrary {
public:
    // PVNShlEx64.dll from the folder of the test program, or the file given.
    ExtensionLibrary();
    explicit ExtensionLibrary(const std::wstring& path);
    bool loaded() const { return m_getClassObject && m_canUnloadNow; }

    HRESULT getClassObject(REFCLSID classId, REFIID iid, void** out) const;
    HRESULT canUnloadNow() const;
    ComPtr<IClassFactory> factory() const;
    // A new extension object, asked for IContextMenu.
    ComPtr<IContextMenu> createMenu() const;

private:
    using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

    UniqueModule m_module;
    GetClassObjectFn m_getClassObject = nullptr;
    CanUnloadNowFn m_canUnloadNow = nullptr;
};

// The folder that holds the item at `path`; a drive's root keeps its backslash.
std::wstring parentFolder(const std::wstring& path);

// The data object the parent folder hands out for these items (all in one folder), as Explorer
// passes it to Initialize: it carries CF_HDROP.
ComPtr<IDataObject> shellDataObject(const std::vector<std::wstring>& paths);

// Initialize of the menu's IShellExtInit.
HRESULT initialize(IContextMenu& menu, IDataObject* data);

// InvokeCommand with a command offset.
HRESULT invokeOffset(IContextMenu& menu, unsigned offset, HWND owner = nullptr);

struct MenuEntry {
    UINT id = 0;
    bool separator = false;
    std::wstring text;
    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};
std::vector<MenuEntry> menuEntries(HMENU menu);

// A registry value of the settings key, put back as it was (or removed) at the end of the scope.
class SettingBackup {
public:
    explicit SettingBackup(const wchar_t* name);
    ~SettingBackup();
    SettingBackup(const SettingBackup&) = delete;
    SettingBackup& operator=(const SettingBackup&) = delete;

    void setDword(DWORD value) const;
    void remove() const;

private:
    std::wstring m_name;
    bool m_had = false;
    DWORD m_type = 0;
    std::vector<BYTE> m_data;
};

// A file put back as it was (or removed) at the end of the scope.
class FileBackup {
public:
    explicit FileBackup(std::wstring path);
    ~FileBackup();
    FileBackup(const FileBackup&) = delete;
    FileBackup& operator=(const FileBackup&) = delete;

private:
    std::wstring m_path;
    bool m_had = false;
    std::string m_content;
};


// CF_UNICODETEXT of the clipboard, or nothing.
std::optional<std::wstring> clipboardText();
void clearClipboard();

// Shift pressed through the input system for as long as the object lives.
class ShiftHeld {
public:
    ShiftHeld();
    ~ShiftHeld();
    ShiftHeld(const ShiftHeld&) = delete;
    ShiftHeld& operator=(const ShiftHeld&) = delete;
};

} // namespace pvn::test
