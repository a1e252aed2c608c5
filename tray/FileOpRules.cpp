#include "tray/FileOpRules.h"

#include "common/Paths.h"
#include "common/TextPlatform.h"

namespace pvn {
namespace {

// CSIDL values of the special folders (shlobj.h).
constexpr int kCsidlDesktop = 0x0000;
constexpr int kCsidlPrograms = 0x0002;
constexpr int kCsidlPersonal = 0x0005;
constexpr int kCsidlStartup = 0x0007;
constexpr int kCsidlSendTo = 0x0009;
constexpr int kCsidlStartMenu = 0x000b;
constexpr int kCsidlWindows = 0x0024;
constexpr int kCsidlSystem = 0x0025;
constexpr int kCsidlSystemX86 = 0x0029;

constexpr std::wstring_view kReservedCharacters = L"\\/:*?\"<>|";

} // namespace

std::wstring shortcutName(std::wstring_view item) {
    if (isDriveRoot(item))
        return std::wstring(1, item.front()) + L"ドライブへのショートカット.lnk";
    return fileName(item) + L"へのショートカット.lnk";
}

std::optional<std::wstring> renameNameProblem(std::wstring_view name) {
    for (wchar_t c : name)
        if (c < 0x20 || kReservedCharacters.find(c) != std::wstring_view::npos)
            return L"ファイル名に次の文字は使えません\n\\ / : * ? \" < > |";
    if (!name.empty() && (name.back() == L' ' || name.back() == L'.'))
        return L"ファイル名の最後に空白やピリオドは使えません";
    return std::nullopt;
}

bool renameChangesExtension(std::wstring_view item, std::wstring_view newName) {
    if (newName.find(L'.') == std::wstring_view::npos)
        return false;
    return extension(newName) != extension(item);
}

SingleOpTarget singleOpTarget(FopCode code, std::wstring_view item, std::wstring_view folder,
                              std::wstring_view newName) {
    switch (code) {
    case FopCode::Rename: {
        std::wstring renamed = joinPath(parentFolder(item), newName);
        return {renamed, renamed};
    }
    case FopCode::Shortcut: {
        std::wstring link = joinPath(folder, shortcutName(item));
        return {link, link};
    }
    case FopCode::Move:
    case FopCode::Copy:
        break;
    }
    return {std::wstring(folder), joinPath(folder, fileName(item))};
}

std::optional<std::wstring> folderDialogTitle(FopCode code, std::wstring_view subject, bool severalItems) {
    const wchar_t* tail = nullptr;
    switch (code) {
    case FopCode::Move:
        tail = severalItems ? L"\n移動先のフォルダを指定してください" : L"\nの移動先のフォルダを指定してください";
        break;
    case FopCode::Copy:
        tail = severalItems ? L"\nコピー先のフォルダを指定してください" : L"\nのコピー先のフォルダを指定してください";
        break;
    case FopCode::Shortcut:
        if (!severalItems)
            tail = L"\nのショートカット作成先のフォルダを指定してください";
        break;
    case FopCode::Rename:
        break;
    }
    if (!tail)
        return std::nullopt;
    return std::wstring(subject) + tail;
}

std::wstring shellPathList(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const auto& path : paths) {
        // An empty entry would end the list early.
        if (path.empty())
            continue;
        list += path;
        list += L'\0';
    }
    list += L'\0';
    return list;
}

std::wstring withTrailingBackslash(std::wstring_view folder) {
    std::wstring out(folder);
    if (out.empty() || out.back() != L'\\')
        out += L'\\';
    return out;
}

bool samePath(const std::wstring& a, const std::wstring& b, const ITextPlatform& text) {
    return text.compareNoCase(a, b) == 0;
}

std::vector<SpecialFolderEntry> specialFolderEntries(bool programIs64Bit, bool wow64) {
    std::vector<SpecialFolderEntry> folders{{kCsidlWindows, L"ウインドウズ"}, {kCsidlSystem, L"システム"}};
    if (programIs64Bit || wow64)
        folders.push_back({kCsidlSystemX86, L"SysWOW64"});
    folders.insert(folders.end(), {{kCsidlDesktop, L"デスクトップ"},
                               {kCsidlPersonal, L"マイドキュメント"},
                               {kCsidlPrograms, L"プログラムメニュー"},
                               {kCsidlSendTo, L"送るメニュー"},
                               {kCsidlStartMenu, L"スタートメニュー"},
                               {kCsidlStartup, L"スタートアップメニュー"}});
    return folders;
}

bool usesNativeSystemFolder(bool programIs64Bit, bool wow64) {
    return !programIs64Bit && wow64;
}

std::wstring nativeSystemFolder(std::wstring_view windowsFolder) {
    return joinPath(windowsFolder, L"sysnative");
}

std::wstring fromNativeSystemFolder(const std::wstring& path, const std::wstring& nativeFolder,
                                    const std::wstring& systemFolder, const ITextPlatform& text) {
    if (nativeFolder.empty() || path.size() < nativeFolder.size())
        return path;
    if (!samePath(path.substr(0, nativeFolder.size()), nativeFolder, text))
        return path;
    const std::wstring rest = path.substr(nativeFolder.size());
    if (rest.empty())
        return systemFolder;
    if (rest.front() != L'\\')
        return path;
    return systemFolder + rest;
}

std::wstring explorerSelectParameters(std::wstring_view item) {
    return L"/select,\"" + std::wstring(item) + L"\"";
}

std::wstring explorerFolderParameters(std::wstring_view folder) {
    return L"\"" + std::wstring(folder) + L"\"";
}

FopAfter singleOpAfter(const SingleOpResult& result, bool onDesktop, std::uint32_t fopRename, std::uint32_t fopAfter) {
    if (onDesktop)
        return {};
    const bool rename = result.code == FopCode::Rename;
    switch (rename ? fopRename : fopAfter) {
    case 1:
        switch (result.code) {
        case FopCode::Rename:
            return {FopAfter::Kind::Box, L"名前の変更完了"};
        case FopCode::Move:
            return {FopAfter::Kind::Box, L"移動完了"};
        case FopCode::Copy:
            return {FopAfter::Kind::Box, L"コピー完了"};
        case FopCode::Shortcut:
            return {FopAfter::Kind::Box, L"ショートカットの作成完了"};
        }
        return {};
    case 2:
        if (!rename && result.openFolder)
            return {FopAfter::Kind::Explorer, explorerFolderParameters(*result.openFolder)};
        return {FopAfter::Kind::Explorer, explorerSelectParameters(result.newItem)};
    default:
        return {};
    }
}

FopAfter multiOpAfter(FopCode code, const std::wstring& folder, bool onDesktop, std::uint32_t fopAfter) {
    if (onDesktop)
        return {};
    switch (fopAfter) {
    case 1:
        return {FopAfter::Kind::Box, code == FopCode::Move ? L"移動完了" : L"コピー完了"};
    case 2:
        return {FopAfter::Kind::Explorer, explorerFolderParameters(folder)};
    default:
        return {};
    }
}

} // namespace pvn
