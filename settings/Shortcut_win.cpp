#include "settings/Shortcut_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/Paths_win.h"

#include <shlobj.h>

namespace pvn {

bool createShortcut(const ShortcutSpec& spec) {
    ComPtr<IShellLinkW> link;
    if (!checkHr(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid()),
                 "CoCreateInstance ShellLink"))
        return false;
    link->SetPath(spec.target.c_str());
    link->SetArguments(spec.arguments.c_str());
    link->SetWorkingDirectory(spec.workingFolder.c_str());
    ComPtr<IPersistFile> file = link.as<IPersistFile>(IID_IPersistFile);
    if (!file)
        return false;
    return checkHr(file->Save(spec.link.c_str(), TRUE), "IPersistFile::Save");
}

bool createShortcutAsking(const ShortcutSpec& spec, HWND owner) {
    if (pathExists(spec.link) && askUser(spec.link + kReplaceQuestion, MB_YESNO | MB_ICONQUESTION, owner) == IDNO)
        return false;
    return createShortcut(spec);
}

} // namespace pvn
