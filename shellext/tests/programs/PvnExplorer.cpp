// Does what Explorer does with what an installation registered, for end-to-end scripts:
//   PvnExplorer open VERB PATH          ShellExecuteExW on PATH with VERB ("" for the default verb:
//                                       a double click), prints "opened"
//   PvnExplorer menu PATH...            the context-menu handlers registered for the items' type, each
//                                       created through COM by its class id, initialised with the
//                                       shell's data object and asked for its entries; prints
//                                       "entry: HANDLER TEXT" for each entry ("-" for a separator)
//   PvnExplorer invoke TEXT PATH...     as "menu", then invokes the entry whose text is TEXT
// Ends with 1, after "fail: <reason>", when a step finds nothing to act on.
#include "common/Handle_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/Process_win.h"
#include "shellext/tests/support/ExtensionHost_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace pvn;

void print(const std::wstring& text) {
    std::fputs((test::toUtf8(text) + "\n").c_str(), stdout);
    std::fflush(stdout);
}

int fail(const std::wstring& reason) {
    print(L"fail: " + reason);
    return 1;
}

// The class keys Explorer reads handlers from for these items: folders, or files (shortcuts also
// their own class).
std::vector<std::wstring> handlerTypes(const std::vector<std::wstring>& paths) {
    const DWORD attributes = GetFileAttributesW(paths[0].c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {L"Directory"};
    std::vector<std::wstring> types{L"*"};
    const std::wstring& first = paths[0];
    if (first.size() > 4 && _wcsicmp(first.c_str() + first.size() - 4, L".lnk") == 0)
        types.push_back(L"lnkfile");
    return types;
}

struct Handler {
    std::wstring name;
    CLSID classId{};
};

std::vector<Handler> registeredHandlers(const std::vector<std::wstring>& types) {
    std::vector<Handler> handlers;
    for (const auto& type : types) {
        UniqueKey key;
        const std::wstring path = type + L"\\shellex\\ContextMenuHandlers";
        if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
            continue;
        wchar_t name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            if (RegEnumKeyExW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            wchar_t value[64] = {};
            LONG size = sizeof(value) - sizeof(wchar_t);
            Handler handler{name, {}};
            // The class id is the default value, or the key's own name.
            if (RegQueryValueW(key.get(), name, value, &size) != ERROR_SUCCESS || value[0] != L'{')
                wcsncpy(value, name, 63);
            if (SUCCEEDED(CLSIDFromString(value, &handler.classId)))
                handlers.push_back(handler);
        }
    }
    return handlers;
}

struct Entry {
    std::wstring handler;
    ComPtr<IContextMenu> menu;
    UINT offset = 0;
    std::wstring text;
};

std::wstring itemText(HMENU menu, int index, UINT* id) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    wchar_t text[512] = {};
    info.dwTypeData = text;
    info.cch = 511;
    if (!GetMenuItemInfoW(menu, index, TRUE, &info))
        return L"";
    *id = info.wID;
    return (info.fType & MFT_SEPARATOR) ? L"-" : text;
}

int run(const std::vector<std::wstring>& args) {
    if (args.size() >= 3 && args[0] == L"open") {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.lpVerb = args[1].empty() ? nullptr : args[1].c_str();
        info.lpFile = args[2].c_str();
        info.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&info))
            return fail(L"ShellExecuteEx " + std::to_wstring(GetLastError()));
        print(L"opened");
        return 0;
    }
    const bool invoke = args.size() >= 3 && args[0] == L"invoke";
    if (!invoke && !(args.size() >= 2 && args[0] == L"menu"))
        return fail(L"usage");
    const std::vector<std::wstring> paths(args.begin() + (invoke ? 2 : 1), args.end());
    ComPtr<IDataObject> data = test::shellDataObject(paths);
    if (!data)
        return fail(L"no data object");
    UniqueItemList folder;
    const std::wstring parent = test::parentFolder(paths[0]);
    SHParseDisplayName(parent.c_str(), nullptr, folder.put(), 0, nullptr);

    // Each handler gets its own menu, from identifier 1, as Explorer gives each its own range.
    std::vector<Entry> entries;
    std::vector<UniqueMenu> menus;
    for (const Handler& handler : registeredHandlers(handlerTypes(paths))) {
        // A handler that fails is left out, as Explorer leaves it out; the reason is printed.
        const auto skip = [&](const wchar_t* what, HRESULT result) {
            print(L"skipped: " + handler.name + L" " + what + L" " + std::to_wstring(static_cast<long>(result)));
        };
        ComPtr<IShellExtInit> init;
        HRESULT result = CoCreateInstance(handler.classId, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                                          init.putVoid());
        if (FAILED(result)) {
            skip(L"CoCreateInstance", result);
            continue;
        }
        ComPtr<IContextMenu> menu = init.as<IContextMenu>(IID_IContextMenu);
        if (!menu) {
            skip(L"IContextMenu", E_NOINTERFACE);
            continue;
        }
        if (FAILED(result = init->Initialize(folder.get(), data.get(), nullptr))) {
            skip(L"Initialize", result);
            continue;
        }
        UniqueMenu popup(CreatePopupMenu());
        if (FAILED(result = menu->QueryContextMenu(popup.get(), 0, 1, 0x7FFF, CMF_NORMAL))) {
            skip(L"QueryContextMenu", result);
            continue;
        }
        for (int i = 0, n = GetMenuItemCount(popup.get()); i < n; ++i) {
            UINT id = 0;
            Entry entry{handler.name, menu, 0, itemText(popup.get(), i, &id)};
            entry.offset = id - 1;
            print(L"entry: " + entry.handler + L" " + entry.text);
            entries.push_back(entry);
        }
        menus.push_back(std::move(popup));
    }
    if (entries.empty())
        return fail(L"no entries");
    if (!invoke)
        return 0;
    for (const Entry& entry : entries) {
        if (entry.text != args[1])
            continue;
        CMINVOKECOMMANDINFO info{};
        info.cbSize = sizeof(info);
        info.lpVerb = MAKEINTRESOURCEA(entry.offset);
        info.nShow = SW_SHOWNORMAL;
        const HRESULT result = entry.menu->InvokeCommand(&info);
        print(L"invoked: " + std::to_wstring(static_cast<long>(result)));
        return SUCCEEDED(result) ? 0 : 1;
    }
    return fail(L"no entry " + args[1]);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::vector<std::wstring> args = pvn::test::programArguments();
    ScopedOleInit ole;
    return run(args);
}
