#include "menu/PhaseMark_win.h"
#include "menu/ShellListing_win.h"

#include "common/CriticalErrorMode_win.h"
#include "common/ErrorBox_win.h"
#include "common/Paths.h"
#include "common/TextPlatform.h"

namespace pvn {
namespace {

LocalStamp localStamp(const FILETIME& utc) {
    FILETIME local;
    SYSTEMTIME st{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st))
        return {};
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::wstring searchPattern(const std::wstring& path) {
    return joinPath(path, L"*");
}

} // namespace

std::string collationKey(const std::wstring& text) {
    const LCID locale = GetThreadLocale();
    const int length = static_cast<int>(text.size());
    // Most keys fit a small buffer: one call instead of asking for the size first.
    std::string key(256, '\0');
    int bytes = LCMapStringW(locale, LCMAP_SORTKEY, text.c_str(), length,
                             reinterpret_cast<LPWSTR>(key.data()), static_cast<int>(key.size()));
    if (bytes == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        bytes = LCMapStringW(locale, LCMAP_SORTKEY, text.c_str(), length, nullptr, 0);
        key.assign(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
        if (bytes > 0)
            bytes = LCMapStringW(locale, LCMAP_SORTKEY, text.c_str(), length,
                                 reinterpret_cast<LPWSTR>(key.data()), bytes);
    }
    key.resize(static_cast<std::size_t>(bytes > 0 ? bytes : 0));
    return key;
}

std::wstring lowerCase(std::wstring_view text) {
    std::wstring out(text);
    if (!out.empty())
        CharLowerBuffW(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

std::optional<std::wstring> strretText(STRRET& ret, PCUITEMID_CHILD item) {
    switch (ret.uType) {
    case STRRET_WSTR: {
        const UniqueCoString owned(ret.pOleStr);
        return std::wstring(owned ? owned.get() : L"");
    }
    case STRRET_OFFSET:
        return textPlatform().fromAnsi(reinterpret_cast<const char*>(item) + ret.uOffset);
    case STRRET_CSTR:
        return textPlatform().fromAnsi(ret.cStr);
    default:
        return std::nullopt;
    }
}

bool ShellListing::shouldEnumerate(const std::wstring& path, PCIDLIST_ABSOLUTE pidl) const {
    if (path.starts_with(L"\\\\")) {
        const std::size_t server = path.find(L'\\', 2);
        if (server == std::wstring::npos)
            return false;
        if (path.find(L'\\', server + 1) == std::wstring::npos)
            return true;
    }
    if (path.size() >= 3 && GetDriveTypeW(path.substr(0, 3).c_str()) == DRIVE_CDROM)
        return true;
    ComPtr<IShellFolder> parent;
    PCUITEMID_CHILD last = nullptr;
    if (FAILED(SHBindToParent(pidl, IID_IShellFolder, parent.putVoid(), &last)))
        return false;
    SFGAOF attributes = SFGAO_FILESYSTEM;
    if (FAILED(parent->GetAttributesOf(1, &last, &attributes)))
        return false;
    return (attributes & SFGAO_FILESYSTEM) != 0;
}

FolderContents ShellListing::list(const std::wstring& path, bool includeHidden, SortOrder order) const {
    FolderListing listing;
    std::wstring parseable = path;
    ComPtr<IShellFolder> folder;
    bool enumerate = false;
    UniqueItemList pidl;
    if (m_desktop &&
        SUCCEEDED(m_desktop->ParseDisplayName(nullptr, nullptr, parseable.data(), nullptr, pidl.put(), nullptr))) {
        if (SUCCEEDED(m_desktop->BindToObject(pidl.get(), nullptr, IID_IShellFolder, folder.putVoid())))
            enumerate = shouldEnumerate(path, pidl.get());
    }
    if (!folder || !enumerate)
        return std::move(listing).sorted(textPlatform());

    SHCONTF flags = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | (includeHidden ? SHCONTF_INCLUDEHIDDEN : 0);
    ComPtr<IEnumIDList> items;
    if (folder->EnumObjects(nullptr, flags, items.put()) != S_OK || !items)
        return std::move(listing).sorted(textPlatform());

    UniqueItemList owned;
    while (items->Next(1, owned.put(), nullptr) == S_OK) {
        const ITEMIDLIST* item = owned.get();
        std::wstring name;
        STRRET ret{};
        if (SUCCEEDED(folder->GetDisplayNameOf(item, SHGDN_FORPARSING, &ret))) {
            std::optional<std::wstring> text = strretText(ret, item);
            if (text)
                name = std::move(*text);
            else
                showMessage(L"GetName Error");
        }
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_FILESYSANCESTOR;
        LPCITEMIDLIST one[] = {item};
        if (FAILED(folder->GetAttributesOf(1, one, &attributes)))
            attributes = 0;
        const bool isFolder =
            (attributes & (SFGAO_FOLDER | SFGAO_FILESYSANCESTOR)) == (SFGAO_FOLDER | SFGAO_FILESYSANCESTOR);
        LocalStamp modified;
        if (order == SortOrder::Newest) {
            WIN32_FIND_DATAW data{};
            if (SUCCEEDED(SHGetDataFromIDListW(folder.get(), item, SHGDFIL_FINDDATA, &data, sizeof data)))
                modified = localStamp(data.ftLastWriteTime);
        }
        std::wstring key = sortKey(order, name, isFolder, modified, lowerCase);
        listing.add(std::move(name), isFolder, std::move(key));
    }
    markPhase("enumerate");
    return std::move(listing).sortedByCollation(collationKey);
}

bool folderAccessible(const std::wstring& path) {
    CriticalErrorsOff quiet(isDriveRoot(path));
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileW(searchPattern(path).c_str(), &data));
    if (find)
        return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_ALREADY_EXISTS;
}

bool hasSubFolder(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileW(searchPattern(path).c_str(), &data));
    if (!find)
        return false;
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            return true;
    } while (FindNextFileW(find.get(), &data));
    return false;
}

} // namespace pvn
