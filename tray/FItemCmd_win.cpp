#include "tray/FItemCmd_win.h"

#include "common/ClipboardWriter_win.h"
#include "common/ErrorBox_win.h"
#include "common/MessagePump_win.h"
#include "common/OpenFolderInFiler_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/Settings_win.h"
#include "common/SettingsTable.h"
#include "tray/FCtxtWin_win.h"
#include "tray/FFopWin_win.h"
#include "tray/FTray_win.h"
#include "common/Foreground_win.h"

#include <shellapi.h>
#include <shlobj.h>

namespace pvn {
namespace {

// The binding of Ctrl with the letter (1 = A ... 26 = Z); empty when missing or not a text.
std::wstring readBinding(unsigned letterIndex) {
    if (letterIndex < 1 || letterIndex > 26)
        return {};
    const auto id = static_cast<SettingId>(static_cast<int>(SettingId::CtrlA) + static_cast<int>(letterIndex) - 1);
    std::wstring binding;
    const SettingVariable variable[] = {{id, &binding}};
    readSettingVariables(openSettingsForReading(), variable);
    return binding;
}

bool keyHeld(int virtualKey) {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

INT_PTR shellExecute(HWND window, const wchar_t* verb, const std::wstring& file, const wchar_t* parameters,
                     const std::wstring& directory, int show) {
    return reinterpret_cast<INT_PTR>(ShellExecuteW(window, verb, file.c_str(), parameters,
                                                   directory.empty() ? nullptr : directory.c_str(), show));
}

} // namespace

FItemCmd::FItemCmd(FTray& tray) : m_tray(tray) {
    tray.requests().setHandler(RequestCode::CtrlLetterCommand,
                               [this](const TrayRequest& request) { return onCtrlLetter(request); });
    tray.requests().setHandler(RequestCode::FinishCommand,
                               [this](const TrayRequest& request) { return onFinish(request.lParam); });
}

FItemCmd::~FItemCmd() {
    m_tray.requests().setHandler(RequestCode::CtrlLetterCommand, nullptr);
    m_tray.requests().setHandler(RequestCode::FinishCommand, nullptr);
}

HWND FItemCmd::window() const {
    return m_tray.window();
}

std::intptr_t FItemCmd::onCtrlLetter(const TrayRequest& request) {
    m_tray.setItems(request.items);
    const CtrlLetterParam param = splitCtrlLetterParam(request.lParam);
    ItemCommandInput input;
    input.binding = readBinding(param.charCode);
    input.itemKind = param.itemKind;
    input.item = itemEntry(request.items, 0);
    input.folder = itemEntry(request.items, 1);
    input.shiftHeld = keyHeld(VK_SHIFT);
    ItemCommandPlan plan = planItemCommand(input);
    if (plan.action == ItemAction::CommandLine)
        return launchFilerCommand(plan.commandLine, plan.target) ? 1 : 0;
    carryOut(plan);
    return plan.answer;
}

void FItemCmd::carryOut(const ItemCommandPlan& plan) {
    switch (plan.action) {
    case ItemAction::Nothing:
    case ItemAction::CommandLine:
        break;
    case ItemAction::StartFolderMenu:
        startFolderMenu(plan);
        break;
    case ItemAction::RunMenuVerb:
        runMenuVerb(plan);
        break;
    case ItemAction::CommandPrompt:
        startCommandPrompt(plan.target);
        break;
    case ItemAction::Print:
        print(plan.target);
        break;
    case ItemAction::ShellCommand:
        shellCommand(plan.target, plan.verb);
        break;
    case ItemAction::Finish:
        postFinish(plan);
        break;
    case ItemAction::ClipToName:
        copyTextToClipboard(plan.target);
        break;
    case ItemAction::SelectOpen:
        openFolderSelecting(plan.target);
        break;
    case ItemAction::StartOpen:
        startOpen(plan.target);
        break;
    }
}

void FItemCmd::startFolderMenu(const ItemCommandPlan& plan) {
    const INT_PTR result = m_tray.startFolderMenu(plan.target);
    if (result <= 32)
        showMessage(formatErrorCode(plan.failureLabel, static_cast<DWORD>(result)), window());
}

void FItemCmd::runMenuVerb(const ItemCommandPlan& plan) {
    const INT_PTR result =
        shellExecute(window(), L"Parvane", plan.target, L"", m_tray.settings().installDir, SW_SHOWNORMAL);
    if (result <= 32)
        showMessage(formatErrorCode(plan.failureLabel, static_cast<DWORD>(result)), window());
}

void FItemCmd::startCommandPrompt(const std::wstring& folder) {
    const std::wstring program = commandPromptProgram(specialFolderPath(CSIDL_SYSTEM).value_or(L""),
                                                      specialFolderPath(CSIDL_WINDOWS).value_or(L""), m_tray.wow64());
    const INT_PTR result = shellExecute(window(), L"open", program, L"/k", folder, SW_SHOWNORMAL);
    if (result <= 32)
        showMessage(formatErrorCode("ShellExecute command", static_cast<DWORD>(result)), window());
}

void FItemCmd::print(const std::wstring& file) {
    if (shellExecute(window(), L"print", file, L"", parentFolder(file), SW_MINIMIZE) <= 32)
        showMessage(L"プリントできません", window());
}

void FItemCmd::shellCommand(const std::wstring& item, const wchar_t* verb) {
    if (FCtxtWin* context = FCtxtWin::instance())
        context->invokeVerb(item, verb, window());
}

void FItemCmd::openFolderSelecting(const std::wstring& item) {
    shellExecute(nullptr, nullptr, L"explorer.exe", explorerSelectArguments(item).c_str(), L"", SW_SHOWNORMAL);
}

void FItemCmd::startOpen(const std::wstring& item) {
    openFolderSelecting(item);
    shellExecute(window(), nullptr, item, nullptr, parentFolder(item), SW_SHOWNORMAL);
    SHAddToRecentDocs(SHARD_PATHW, item.c_str());
}

void FItemCmd::postFinish(const ItemCommandPlan& plan) {
    if (plan.toCursor) {
        POINT cursor{};
        check(GetCursorPos(&cursor), "GetCursorPos");
        SetWindowPos(window(), nullptr, cursor.x, cursor.y, 1, 1, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    dispatchPendingMessages();
    forceForeground(window());
    m_pending.push_back({plan.finish, plan.target});
    m_tray.postToSelf(RequestCode::FinishCommand, static_cast<LPARAM>(plan.finish));
}

std::intptr_t FItemCmd::onFinish(std::intptr_t lParam) {
    const auto code = finishCodeOf(lParam);
    // Finishes run in the order they were posted; one whose item went missing does nothing.
    while (code && !m_pending.empty()) {
        PendingFinish pending = std::move(m_pending.front());
        m_pending.pop_front();
        if (pending.code != *code)
            continue;
        switch (pending.code) {
        case FinishCode::Delete:
            shellCommand(pending.item, L"delete");
            break;
        case FinishCode::FileOperationMenu:
            m_tray.setItems({pending.item});
            if (FFopWin* fileOperations = FFopWin::instance())
                fileOperations->showMenu({pending.item});
            break;
        case FinishCode::Rename:
            if (FFopWin* fileOperations = FFopWin::instance())
                fileOperations->rename(pending.item);
            break;
        }
        break;
    }
    return 1;
}

} // namespace pvn
