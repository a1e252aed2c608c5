#include "tray/preview/ShortcutReader_win.h"

#include "common/Handle_win.h"

#include <shlobj.h>

namespace pvn {
namespace {

constexpr int kFieldChars = 1040;

template <typename Getter>
std::wstring field(Getter get) {
    std::wstring text(kFieldChars, L'\0');
    if (FAILED(get(text.data(), kFieldChars)))
        return {};
    text.resize(wcsnlen(text.c_str(), kFieldChars));
    return text;
}

} // namespace

std::optional<ShortcutFields> readShortcut(const std::wstring& path) {
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid())))
        return std::nullopt;
    ComPtr<IPersistFile> file = link.as<IPersistFile>(IID_IPersistFile);
    if (!file || FAILED(file->Load(path.c_str(), STGM_READ)))
        return std::nullopt;
    ShortcutFields fields;
    fields.target = field([&](wchar_t* buf, int n) { return link->GetPath(buf, n, nullptr, 0); });
    fields.workingFolder = field([&](wchar_t* buf, int n) { return link->GetWorkingDirectory(buf, n); });
    fields.description = field([&](wchar_t* buf, int n) { return link->GetDescription(buf, n); });
    fields.arguments = field([&](wchar_t* buf, int n) { return link->GetArguments(buf, n); });
    return fields;
}

} // namespace pvn
