#pragma once
// What the tray does for a Ctrl+letter request: the word bound to the letter, the item and the
// menu's folder decide it. The tray's side carries the plan out and answers with its `answer`.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pvn {

// The item kinds a Ctrl+letter request names (low word of its lParam).
inline constexpr unsigned kFolderItemKind = 3;
inline constexpr unsigned kFileItemKind = 4;

// Request code 11's values: what the tray finishes once the sender has been released.
enum class FinishCode : std::intptr_t {
    Delete = 68,
    FileOperationMenu = 70,
    Rename = 77,
};
std::optional<FinishCode> finishCodeOf(std::intptr_t lParam);

// Entry `index` of a request's item list. Missing, empty and "no text" entries are no item: a block
// ends at its first empty string, so a shorter list than expected is an ordinary request.
std::optional<std::wstring> itemEntry(std::span<const std::wstring> items, std::size_t index);

enum class ItemAction {
    Nothing,         // answer 0
    StartFolderMenu, // PVNMain.exe with `target` as its parameter text
    RunMenuVerb,     // the folder verb "Parvane" on `target`
    CommandPrompt,   // cmd.exe /k in the folder `target`
    Print,           // the verb "print" on the file `target`
    ShellCommand,    // the item's own context-menu command `verb` on `target`
    Finish,          // code 11 with `finish` for `target`, posted so the sender goes on first
    ClipToName,      // `target` is the text for the clipboard
    SelectOpen,      // Explorer with `target` selected
    StartOpen,       // the same, then `target` opened and added to the recent documents
    CommandLine,     // the stored command line `commandLine` for `target`
};

struct ItemCommandPlan {
    ItemAction action = ItemAction::Nothing;
    std::wstring target;
    // ShellCommand: the canonical verb ("link", "delete", "properties", "cut", "copy", "paste").
    const wchar_t* verb = nullptr;
    FinishCode finish = FinishCode::Delete;
    // Finish: the tray window moves under the cursor first, for the menu or box that follows.
    bool toCursor = false;
    std::wstring commandLine;
    // The failure label of a refused ShellExecuteW ("ShellExecute undo" ...), or null.
    const char* failureLabel = nullptr;
    // 0 nothing done, 1 done, 3 deletion started.
    std::intptr_t answer = 0;
};

struct ItemCommandInput {
    std::wstring binding;          // the value "Ctrl<letter>" as stored; empty when missing
    unsigned itemKind = 0;
    std::optional<std::wstring> item;   // entry 0
    std::optional<std::wstring> folder; // entry 1, the folder whose menu showed the item
    bool shiftHeld = false;
};

ItemCommandPlan planItemCommand(const ItemCommandInput& input);

// "up": the menu to show for the folder's parent. Nothing for no folder, a share root and a path
// without a folder part; a drive root gives the drive list (the empty parameter).
struct UpTarget {
    bool runVerb = false; // the verb "Parvane" on `path`; otherwise PVNMain with `path`
    std::wstring path;
};
std::optional<UpTarget> upTarget(const std::optional<std::wstring>& folder);

// Explorer's arguments that open the item's folder with the item selected. The path is quoted: a
// comma in it would otherwise end the argument.
std::wstring explorerSelectArguments(std::wstring_view item);

// cmd.exe for the command prompt. A 32-bit program on 64-bit Windows reaches the native one through
// "sysnative": its own system folder is redirected to the 32-bit one.
std::wstring commandPromptProgram(const std::wstring& systemFolder, const std::wstring& windowsFolder, bool wow64);

} // namespace pvn
