#include "shellext/CommandPrompt_win.h"

#include "common/ErrorBox_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"

#include <shellapi.h>
#include <shlobj.h>

namespace pvn::shellext {

bool startCommandPrompt(const std::wstring& folder, HWND owner) {
    const auto system = specialFolderPath(CSIDL_SYSTEM);
    if (!system)
        return false;
    const std::wstring program = joinPath(*system, L"cmd.exe");
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, L"open", program.c_str(), L"/k", folder.c_str(), SW_SHOWNORMAL));
    if (result > 32)
        return true;
    showMessage(formatErrorCode("ShellExecute", static_cast<DWORD>(result)));
    return false;
}

} // namespace pvn::shellext
