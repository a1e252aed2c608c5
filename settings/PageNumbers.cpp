#include "settings/PageNumbers.h"

#include "common/SettingsTable.h"

namespace pvn {
namespace {

std::span<const SettingChoice> tabWidths() {
    return findSetting(L"TabNChar")->choices;
}

} // namespace

std::uint32_t savedUpDownPosition(int position, bool invalid, std::uint32_t min, std::uint32_t max) {
    if (invalid)
        return max;
    if (position < 0 || static_cast<std::uint32_t>(position) < min)
        return min;
    return static_cast<std::uint32_t>(position) > max ? max : static_cast<std::uint32_t>(position);
}

std::optional<int> tabWidthEntry(std::uint32_t tabWidth) {
    auto choices = tabWidths();
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].value == tabWidth)
            return static_cast<int>(i);
    return std::nullopt;
}

std::uint32_t tabWidthOfEntry(int entry) {
    auto choices = tabWidths();
    if (entry < 0 || static_cast<std::size_t>(entry) >= choices.size())
        return findSetting(L"TabNChar")->fallback;
    return choices[static_cast<std::size_t>(entry)].value;
}

int fontHeightForPoint10(std::uint32_t point10, int pixelsPerInch) {
    long long height = static_cast<long long>(point10) * pixelsPerInch / 720;
    return -static_cast<int>(height);
}

} // namespace pvn
