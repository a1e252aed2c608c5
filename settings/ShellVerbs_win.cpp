#include "settings/ShellVerbs_win.h"

#include "common/ErrorBox_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RegKey_win.h"
#include "settings/ShellVerbs.h"

#include <optional>

namespace pvn {
namespace {

constexpr wchar_t kUserClasses[] = L"Software\\Classes";

// Deleting what is not there is not an error.
void applyStep(const RegistryStep& step) {
    using Op = RegistryStep::Op;
    const std::wstring path = std::wstring(kUserClasses) + L"\\" + step.key;
    switch (step.op) {
    case Op::DeleteKey: {
        RegKey parent(HKEY_CURRENT_USER, parentFolder(path), KEY_ALL_ACCESS);
        if (parent.isOpen())
            parent.deleteSubKey(fileName(path));
        break;
    }
    case Op::DeleteDefault: {
        RegKey key(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS);
        if (key.isOpen())
            key.deleteValue(L"");
        break;
    }
    case Op::SetDefault: {
        RegKey key(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS, true);
        if (!key.isOpen() || !key.writeString(L"", step.text))
            reportLastError("RegSetValue");
        break;
    }
    }
}

// The verb key and the default verb of Drive\shell in one classes root.
struct ClassesView {
    bool verbKey = false;
    std::optional<std::wstring> shellDefault;
};

std::optional<ClassesView> readView(HKEY root, const wchar_t* classes) {
    const std::wstring shell = std::wstring(classes) + L"\\Drive\\shell";
    RegKey shellKey(root, shell, KEY_QUERY_VALUE);
    if (!shellKey.isOpen())
        return std::nullopt;
    ClassesView view;
    view.verbKey = RegKey(root, shell + L"\\" + kVerbName, KEY_QUERY_VALUE).isOpen();
    std::wstring text;
    if (shellKey.readString(L"", text))
        view.shellDefault = text;
    return view;
}

} // namespace

bool registerVerbs(std::uint32_t startType, const std::wstring& installFolder, HWND owner) {
    if (startType != 0) {
        // A verb without its program would make every double click on a folder fail.
        if (installFolder.empty()) {
            showMessage(L"インストールフォルダが分からないため関連付けを変更できません。\n"
                        L"インストールをやり直してください。",
                        owner);
            return false;
        }
        const std::wstring program = joinPath(installFolder, kFolderMenuProgram);
        if (!pathExists(program) || folderExists(program)) {
            showMessage(program + L" が存在しないため関連付けを変更できません。", owner);
            return false;
        }
    }
    for (const RegistryStep& step : verbRegistrationPlan(startType, installFolder))
        applyStep(step);
    return true;
}

std::uint32_t registeredStartType() {
    // The user's registration hides the machine's, value by value, as in the merged view.
    auto user = readView(HKEY_CURRENT_USER, kUserClasses);
    auto machine = readView(HKEY_LOCAL_MACHINE, L"Software\\Classes");
    const bool verbKey = (user && user->verbKey) || (machine && machine->verbKey);
    std::optional<std::wstring> shellDefault;
    if (user && user->shellDefault)
        shellDefault = user->shellDefault;
    else if (machine)
        shellDefault = machine->shellDefault;
    return startTypeFromShell(verbKey, shellDefault);
}

} // namespace pvn
