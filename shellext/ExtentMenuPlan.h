#pragma once
// Which entries the extension adds to a context menu, at which command offsets, and what it answers
// Explorer. Decided from the selection alone, so that the Windows side only inserts what it is told.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace pvn {

enum class ExtentCommand { FileOperations, CommandPrompt, CopyName };

inline constexpr wchar_t kFileOperationsText[] = L"PVNファイル操作(&F)";
inline constexpr wchar_t kCommandPromptText[] = L"PVN Dos Prompt(&K)";
inline constexpr wchar_t kCopyNameText[] = L"PVN Name to Clip.(&N)";

// The longest selected path the extension takes, in characters. Everything behind the entries
// (the tray's file operations, the prompt's working folder) works on MAX_PATH paths; a longer
// name would reach them cut short and name some other file.
inline constexpr std::size_t kLongestSelectedPath = 259;

bool selectedPathFits(std::wstring_view path);

struct ExtentMenuEntry {
    ExtentCommand command;
    unsigned offset;
    const wchar_t* text;
};

struct ExtentMenuPlan {
    // A separator goes first when the menu already has items.
    bool separator = false;
    // In menu order; they are inserted one after another, below the separator.
    std::vector<ExtentMenuEntry> entries;

    // The code field of the success code: the largest offset used plus one (0 without entries).
    unsigned commandCount() const;
    std::optional<ExtentCommand> commandAt(unsigned offset) const;
};

// File operations for any selection; for exactly one item also the prompt (folders only) and the
// name copy, the name copy taking the next free offset.
ExtentMenuPlan planExtentMenu(std::size_t selectedCount, bool singleIsFolder, bool menuHasItems);

} // namespace pvn
