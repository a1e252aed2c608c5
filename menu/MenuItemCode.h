#pragma once
// What a menu entry is: its item code in the item table, and the entries that name no file-system
// object ("<ファイル>" groups and "more" sub-menus), which are never opened, previewed or dragged.
#include <cstdint>
#include <string_view>

namespace pvn {

// Codes below zero; a sub-menu entry's code is its menu handle (positive).
inline constexpr std::int32_t kCodeAbout = -1;
inline constexpr std::int32_t kCodeDriveOpen = -2;
inline constexpr std::int32_t kCodeOpen = -3;
inline constexpr std::int32_t kCodeFile = -4;
inline constexpr std::int32_t kCodeInfo = -5;

inline constexpr wchar_t kFilesMarker[] = L"*FM* ";
inline constexpr wchar_t kMorePath[] = L"more";
inline constexpr wchar_t kAboutPath[] = L"About";

inline constexpr wchar_t kOpenText[] = L"開く";
inline constexpr wchar_t kFilesGroupText[] = L"<ファイル>";
inline constexpr wchar_t kNoAccessText[] = L"アクセス不可";
inline constexpr wchar_t kFileCountSuffix[] = L"個のファイル";
inline constexpr wchar_t kNoFilesText[] = L"当該ファイル無";

inline bool isFilesGroupPath(std::wstring_view path) {
    return path.starts_with(kFilesMarker);
}
inline bool isMorePath(std::wstring_view path) {
    return path == kMorePath;
}
// A group or "more" entry: no file-system object behind it.
inline bool isPseudoPath(std::wstring_view path) {
    return isFilesGroupPath(path) || isMorePath(path);
}
inline bool isSubMenuCode(std::int32_t code) {
    return code > 0;
}

// Files, "開く" entries and sub-menus of real folders or drives: what can be opened, previewed,
// dragged and handed to the tray.
inline bool isRealItem(std::int32_t code, std::wstring_view path) {
    if (code == kCodeFile || code == kCodeOpen || code == kCodeDriveOpen)
        return true;
    return isSubMenuCode(code) && !isPseudoPath(path);
}

// The item kind of a Ctrl+letter request: the negated code for the negative codes, 3 for a
// sub-menu (folder or drive), 0 for nothing highlighted.
inline unsigned ctrlItemKind(std::int32_t code) {
    if (code < 0)
        return static_cast<unsigned>(-code);
    return code > 0 ? 3u : 0u;
}

} // namespace pvn
