#include "settings/Shortcut_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/Paths_win.h"

#include <shlobj.h>

namespace pvn {

bool createShortcut(const ShortcutPlan& plan) {
    ComPtr<IShellLinkW> link;
    if (!checkHr(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid()),
                 "CoCreateInstance ShellLink"))
        return false;
    link->SetPath(plan.target.c_str());
    link->SetArguments(plan.arguments.c_str());
    link->SetWorkingDirectory(plan.workingFolder.c_str());
    ComPtr<IPersistFile> file = link.as<IPersistFile>(IID_IPersistFile);
    if (!file)
        return false;
    return checkHr(file->Save(plan.link.c_str(), TRUE), "IPersistFile::Save");
}

bool createShortcutAsking(const ShortcutPlan& plan, HWND owner) {
    if (pathExists(plan.link) && askUser(plan.link + kReplaceQuestion, MB_YESNO | MB_ICONQUESTION, owner) == IDNO)
        return false;
    return createShortcut(plan);
}

} // namespace pvn
