// What the three entries do when chosen.
#include "shellext/CShellExtent_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/MessagePump_win.h"
#include "common/Paths_win.h"
#include "common/RequestPayload.h"
#include "common/TraySender_win.h"
#include "common/ClipboardName.h"
#include "common/ClipboardWriter_win.h"
#include "shellext/ComGuard_win.h"
#include "shellext/CommandPrompt_win.h"

namespace pvn::shellext {

STDMETHODIMP CShellExtent::InvokeCommand(CMINVOKECOMMANDINFO* info) {
    if (!info || info->cbSize < sizeof(CMINVOKECOMMANDINFO))
        return E_FAIL;
    return guarded([&] { return runCommand(*info); });
}

HRESULT CShellExtent::runCommand(const CMINVOKECOMMANDINFO& info) {
    // Verbs by name are not served; only offsets of the entries this object added.
    if (!IS_INTRESOURCE(info.lpVerb))
        return E_FAIL;
    const auto command = m_added.commandAt(LOWORD(reinterpret_cast<UINT_PTR>(info.lpVerb)));
    if (!command || m_paths.empty())
        return E_FAIL;
    switch (*command) {
    case ExtentCommand::FileOperations:
        return sendSelectionToTray();
    case ExtentCommand::CommandPrompt:
        return startCommandPrompt(m_paths[0], info.hwnd) ? S_OK : E_FAIL;
    case ExtentCommand::CopyName:
        return copyNameToClipboard();
    }
    return E_FAIL;
}

HRESULT CShellExtent::sendSelectionToTray() {
    // Let Explorer finish closing its menu before the tray opens its own.
    dispatchPendingMessages();
    if (TraySender(m_tray).answer(makeFileOperationRequest(m_paths.items())) == 0) {
        showMessage(L"PVNTray.exe が常駐していない？");
        return E_FAIL;
    }
    return S_OK;
}

HRESULT CShellExtent::copyNameToClipboard() {
    const std::wstring& path = m_paths[0];
    const bool shiftHeld = GetKeyState(VK_SHIFT) < 0;
    copyTextToClipboard(clipboardName(path, shiftHeld));
    if (folderExists(path))
        AppendRecentFolder(path);
    return S_OK;
}

} // namespace pvn::shellext
