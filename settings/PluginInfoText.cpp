#include "settings/PluginInfoText.h"

namespace pvn {

std::wstring pluginInfoText(const PluginInfoFn& info) {
    std::wstring text = info(1).value_or(L"") + L"\n";
    for (int pair = 0; pair < kMaxPluginFileTypes; ++pair) {
        int n = 2 + 2 * pair;
        auto pattern = info(n);
        if (!pattern)
            break;
        text += L"拡張子 " + *pattern + L"：" + info(n + 1).value_or(L"") + L"\n";
    }
    return text;
}

} // namespace pvn
