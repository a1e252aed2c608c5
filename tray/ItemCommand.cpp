#include "tray/ItemCommand.h"

#include "common/ClipboardName.h"
#include "common/Paths.h"
#include "common/RequestPayload.h"

#include <array>

namespace pvn {
namespace {

enum class Word {
    FileOp,
    Rename,
    Cut,
    Copy,
    Paste,
    Shortcut,
    Delete,
    Property,
    Command,
    ClipToName,
    Up,
    Undo,
    Print,
    SelectOpen,
    StartOpen,
};

struct WordName {
    std::wstring_view keyword;
    Word word;
};

constexpr std::array kWords{
    WordName{L"fileop", Word::FileOp},         WordName{L"rename", Word::Rename},
    WordName{L"cut", Word::Cut},               WordName{L"copy", Word::Copy},
    WordName{L"paste", Word::Paste},           WordName{L"shortcut", Word::Shortcut},
    WordName{L"delete", Word::Delete},         WordName{L"property", Word::Property},
    WordName{L"command", Word::Command},       WordName{L"cliptoname", Word::ClipToName},
    WordName{L"up", Word::Up},                 WordName{L"undo", Word::Undo},
    WordName{L"print", Word::Print},           WordName{L"selectopen", Word::SelectOpen},
    WordName{L"startopen", Word::StartOpen},
};

std::optional<Word> wordOf(std::wstring_view binding) {
    for (const auto& entry : kWords)
        if (entry.keyword == binding)
            return entry.word;
    return std::nullopt;
}

bool isNetworkPath(std::wstring_view path) {
    return path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\';
}

ItemCommandPlan done(ItemAction action, std::wstring target, std::intptr_t answer = 1) {
    ItemCommandPlan plan;
    plan.action = action;
    plan.target = std::move(target);
    plan.answer = answer;
    return plan;
}

ItemCommandPlan shellCommand(const wchar_t* verb, std::wstring item) {
    ItemCommandPlan plan = done(ItemAction::ShellCommand, std::move(item));
    plan.verb = verb;
    return plan;
}

ItemCommandPlan finish(FinishCode code, std::wstring item, bool toCursor, std::intptr_t answer) {
    ItemCommandPlan plan = done(ItemAction::Finish, std::move(item), answer);
    plan.finish = code;
    plan.toCursor = toCursor;
    return plan;
}

ItemCommandPlan labelled(ItemCommandPlan plan, const char* label) {
    plan.failureLabel = label;
    return plan;
}

// "undo": the same menu again.
ItemCommandPlan undo(const std::optional<std::wstring>& folder) {
    constexpr const char* kLabel = "ShellExecute undo";
    if (!folder)
        return labelled(done(ItemAction::StartFolderMenu, L""), kLabel);
    if (isNetworkPath(*folder))
        return labelled(done(ItemAction::StartFolderMenu, *folder), kLabel);
    return labelled(done(ItemAction::RunMenuVerb, *folder), kLabel);
}

ItemCommandPlan up(const std::optional<std::wstring>& folder) {
    const auto target = upTarget(folder);
    if (!target)
        return {};
    return labelled(done(target->runVerb ? ItemAction::RunMenuVerb : ItemAction::StartFolderMenu, target->path),
                    "ShellExecute up");
}

} // namespace

std::optional<FinishCode> finishCodeOf(std::intptr_t lParam) {
    for (FinishCode code : {FinishCode::Delete, FinishCode::FileOperationMenu, FinishCode::Rename})
        if (static_cast<std::intptr_t>(code) == lParam)
            return code;
    return std::nullopt;
}

std::optional<std::wstring> itemEntry(std::span<const std::wstring> items, std::size_t index) {
    if (index >= items.size() || items[index].empty() || items[index] == kNoText)
        return std::nullopt;
    return items[index];
}

std::optional<UpTarget> upTarget(const std::optional<std::wstring>& folder) {
    if (!folder)
        return std::nullopt;
    if (isDriveRoot(*folder))
        return UpTarget{false, L""};
    const std::wstring parent = parentFolder(*folder);
    if (parent.empty())
        return std::nullopt;
    if (!isNetworkPath(*folder))
        return UpTarget{true, parent};
    // \\server\share has the parent \\server, which no menu can show.
    const auto lastBackslash = parent.rfind(L'\\');
    if (lastBackslash == std::wstring::npos || lastBackslash <= 1)
        return std::nullopt;
    return UpTarget{false, parent};
}

std::wstring explorerSelectArguments(std::wstring_view item) {
    return L"/select,\"" + std::wstring(item) + L"\"";
}

std::wstring commandPromptProgram(const std::wstring& systemFolder, const std::wstring& windowsFolder, bool wow64) {
    if (wow64)
        return joinPath(joinPath(windowsFolder, L"sysnative"), L"cmd.exe");
    return joinPath(systemFolder, L"cmd.exe");
}

ItemCommandPlan planItemCommand(const ItemCommandInput& input) {
    if (input.binding.empty() || input.binding == L"none")
        return {};
    const std::optional<Word> word = wordOf(input.binding);
    if (word == Word::Undo)
        return undo(input.folder);
    if (word == Word::Up)
        return up(input.folder);
    if (!input.item)
        return {};
    const std::wstring& item = *input.item;
    if (!word) {
        ItemCommandPlan plan = done(ItemAction::CommandLine, item);
        plan.commandLine = input.binding;
        return plan;
    }
    switch (*word) {
    case Word::Command:
        return input.itemKind == kFolderItemKind ? labelled(done(ItemAction::CommandPrompt, item),
                                                            "ShellExecute command")
                                                 : ItemCommandPlan{};
    case Word::Print:
        return input.itemKind == kFileItemKind ? done(ItemAction::Print, item) : ItemCommandPlan{};
    case Word::Property:
        return shellCommand(L"properties", item);
    case Word::Shortcut:
        return shellCommand(L"link", item);
    default:
        break;
    }
    // A drive can be neither renamed, moved, deleted nor put on the clipboard as a file.
    if (isDriveRoot(item))
        return {};
    switch (*word) {
    case Word::FileOp:
        return finish(FinishCode::FileOperationMenu, item, true, 1);
    case Word::Rename:
        return finish(FinishCode::Rename, item, true, 1);
    case Word::Cut:
        return shellCommand(L"cut", item);
    case Word::Copy:
        return shellCommand(L"copy", item);
    case Word::Paste:
        return shellCommand(L"paste", item);
    case Word::Delete:
        return finish(FinishCode::Delete, item, false, 3);
    case Word::ClipToName:
        return done(ItemAction::ClipToName, clipboardName(item, input.shiftHeld, NameQuoting::Never));
    case Word::SelectOpen:
        return done(ItemAction::SelectOpen, item);
    case Word::StartOpen:
        return done(ItemAction::StartOpen, item);
    default:
        return {};
    }
}

} // namespace pvn
