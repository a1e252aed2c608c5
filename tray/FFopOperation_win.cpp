// The file operations behind the menu: copy, move, shortcut and rename of one item, copy and move
// of several, and what the user is told afterwards.
#include "tray/FFopWin_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "tray/FTray_win.h"
#include "tray/FileOpRules.h"
#include "tray/InputBox_win.h"
#include "tray/res/TrayResource.h"

#include <shlobj.h>
#include <shobjidl.h>

namespace pvn {
namespace {

constexpr wchar_t kNoFolderMessage[] = L"フォルダがありません";
constexpr wchar_t kIllegalFunction[] = L"illegal wFunc";

int CALLBACK selectStartFolder(HWND dialog, UINT message, LPARAM, LPARAM startFolder) {
    if (message == BFFM_INITIALIZED)
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, startFolder);
    return 0;
}

} // namespace

void FFopWin::rename(const std::wstring& item) {
    if (m_window)
        singleOperation(item, FopChoice{FopCode::Rename, {}});
}

void FFopWin::run(const FopSnapshot& snapshot, unsigned id) {
    const auto choice = decodeFopId(id, snapshot);
    if (!choice) {
        showMessage(L"illegal idCmd", m_window);
        return;
    }
    if (snapshot.items.size() == 1)
        singleOperation(snapshot.items.front(), *choice);
    else if (snapshot.items.size() > 1)
        multiOperation(snapshot.items, *choice);
}

std::optional<std::wstring> FFopWin::chooseFolder(const std::wstring& title, const std::wstring& start) {
    BROWSEINFOW info{};
    info.hwndOwner = m_window;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = selectStartFolder;
    info.lParam = reinterpret_cast<LPARAM>(start.c_str());
    UniqueCoMem chosen(SHBrowseForFolderW(&info));
    if (!chosen)
        return std::nullopt;
    wchar_t path[MAX_PATH]{};
    if (!check(SHGetPathFromIDListW(static_cast<PCIDLIST_ABSOLUTE>(chosen.get()), path), "SHGetPathFromIDList"))
        return std::nullopt;
    return trim(stripQuotes(trim(path)));
}

std::optional<std::wstring> FFopWin::askNewName(const std::wstring& item) {
    const std::wstring current = fileName(item);
    std::wstring shown = current;
    for (;;) {
        auto name = askText(m_window, item, L"新しいファイル名を指定してください", shown, IDI_PROGRAM);
        if (!name)
            return std::nullopt;
        if (auto problem = renameNameProblem(*name)) {
            showMessage(*problem, m_window);
            shown = *name;
            continue;
        }
        if (!renameChangesExtension(item, *name) ||
            askUser(L"拡張子を変えていいですか？", MB_YESNO | MB_ICONQUESTION, m_window) == IDYES)
            return name;
        shown = current;
    }
}

// The shell reports its own failures; a run the user cancelled (in a conflict box, say) also
// returns 0, and counts as not done.
bool FFopWin::shellOperation(FopCode code, const std::vector<std::wstring>& sources, const std::wstring& destination) {
    const std::wstring from = shellPathList(sources);
    const std::wstring to = shellPathList({destination});
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = m_window;
    operation.wFunc = static_cast<UINT>(code);
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    operation.fFlags = FOF_ALLOWUNDO;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

bool FFopWin::createShortcut(const std::wstring& target, const std::wstring& link) {
    ComPtr<IShellLinkW> shellLink;
    HRESULT result =
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.putVoid());
    if (SUCCEEDED(result)) {
        shellLink->SetWorkingDirectory(parentFolder(target).c_str());
        shellLink->SetArguments(L"");
        result = shellLink->SetPath(target.c_str());
    }
    if (SUCCEEDED(result)) {
        auto file = shellLink.as<IPersistFile>(IID_IPersistFile);
        result = file ? file->Save(link.c_str(), TRUE) : E_NOINTERFACE;
    }
    if (FAILED(result)) {
        showMessage(L"ショートカットを作成できませんでした\n" + link + L"\n" + formatHresult("IShellLink", result),
                    m_window);
        return false;
    }
    return true;
}

void FFopWin::singleOperation(const std::wstring& item, const FopChoice& choice) {
    const bool fromMenu = !choice.destination.empty();
    std::wstring folder = choice.destination;
    std::wstring newName;
    if (fromMenu) {
        if (!folderExists(folder)) {
            showMessage(kNoFolderMessage, m_window);
            return;
        }
    } else if (choice.code == FopCode::Rename) {
        auto name = askNewName(item);
        if (!name)
            return;
        newName = std::move(*name);
    } else {
        const auto title = folderDialogTitle(choice.code, fileName(item), false);
        if (!title) {
            showMessage(kIllegalFunction, m_window);
            return;
        }
        auto chosen = chooseFolder(*title, parentFolder(item));
        if (!chosen)
            return;
        folder = std::move(*chosen);
    }
    const SingleOpTarget target = singleOpTarget(choice.code, item, folder, newName);
    if (choice.code == FopCode::Shortcut) {
        if (pathExists(target.newItem)) {
            showMessage(L"ショートカットはすでに存在しています。", m_window);
            return;
        }
        if (!createShortcut(item, target.newItem))
            return;
    } else if (!shellOperation(choice.code, {item}, target.shellDestination)) {
        return;
    }
    SingleOpResult result{choice.code, fromNative(target.newItem), std::nullopt};
    // Into the system folder as a whole through "sysnative": Explorer shows the folder.
    if (fromMenu && choice.code != FopCode::Shortcut && fromNative(folder) != folder)
        result.openFolder = fromNative(folder);
    const std::wstring newFolder = parentFolder(result.newItem);
    AppendRecentFolder(newFolder);
    const TraySettings& settings = m_tray.settings();
    follow(singleOpAfter(result, isDesktop(fromMenu ? folder : newFolder), settings.fopRename, settings.fopAfter));
}

void FFopWin::multiOperation(const std::vector<std::wstring>& items, const FopChoice& choice) {
    if (choice.code != FopCode::Move && choice.code != FopCode::Copy) {
        showMessage(kIllegalFunction, m_window);
        return;
    }
    std::wstring folder = choice.destination;
    if (folder.empty()) {
        const std::wstring& first = items.front();
        auto chosen = chooseFolder(folderDialogTitle(choice.code, first, true).value_or(L""), parentFolder(first));
        if (!chosen)
            return;
        folder = std::move(*chosen);
    }
    if (!folderExists(folder)) {
        showMessage(kNoFolderMessage, m_window);
        return;
    }
    if (!shellOperation(choice.code, items, withTrailingBackslash(folder)))
        return;
    const bool onDesktop = isDesktop(folder);
    folder = fromNative(folder);
    AppendRecentFolder(folder);
    follow(multiOpAfter(choice.code, folder, onDesktop, m_tray.settings().fopAfter));
}

void FFopWin::follow(const FopAfter& after) {
    if (after.kind == FopAfter::Kind::Box) {
        askUser(after.text, MB_OK | MB_ICONINFORMATION, m_window);
        return;
    }
    if (after.kind != FopAfter::Kind::Explorer)
        return;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(m_window, nullptr, L"explorer.exe", after.text.c_str(), nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        showMessage(formatErrorCode("ShellExecute explorer.exe", static_cast<DWORD>(result)), m_window);
}

} // namespace pvn
