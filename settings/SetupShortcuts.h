#pragma once
// The shortcuts installation makes and the shortcut page re-creates.
#include <string>
#include <string_view>

namespace pvn {

inline constexpr wchar_t kTrayShortcutName[] = L"PVNTray.lnk";
inline constexpr wchar_t kDocumentsShortcutName[] = L"My Documents.lnk";
inline constexpr wchar_t kDriveListShortcutName[] = L"Drive List.lnk";
inline constexpr wchar_t kReplaceQuestion[] = L" を置き換えますか";
inline constexpr wchar_t kDeleteShortcutQuestion[] = L" を削除していいですか";
inline constexpr wchar_t kNoDocumentsFolder[] = L"My Documents がありません";

struct ShortcutPlan {
    std::wstring link;      // the .lnk file
    std::wstring target;    // the program it starts
    std::wstring arguments;
    std::wstring workingFolder; // the target's folder
    friend bool operator==(const ShortcutPlan&, const ShortcutPlan&) = default;
};

// PVNTray.exe in the Startup folder, without arguments.
ShortcutPlan trayShortcut(std::wstring_view startupFolder, std::wstring_view installDir);
// PVNMain.exe on the desktop with the documents folder as its argument.
ShortcutPlan documentsShortcut(std::wstring_view desktopFolder, std::wstring_view installDir,
                               std::wstring_view documentsFolder);
// PVNMain.exe on the desktop without arguments: the drive list.
ShortcutPlan driveListShortcut(std::wstring_view desktopFolder, std::wstring_view installDir);

} // namespace pvn
