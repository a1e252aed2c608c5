#include "tray/preview/MediaLayout.h"

#include <algorithm>

namespace pvn {

SizeWH scaleIntoBox(SizeWH size, SizeWH box) {
    if (size.width <= 0 || size.height <= 0)
        return {};
    const double factor = std::min(
        {static_cast<double>(box.width) / size.width, static_cast<double>(box.height) / size.height, 1.0});
    return {static_cast<int>(size.width * factor), static_cast<int>(size.height * factor)};
}

std::wstring mediaLengthText(std::uint64_t milliseconds) {
    const std::uint64_t t = (milliseconds + 500) / 1000;
    auto two = [](std::uint64_t v) { return (v < 10 ? L"0" : L"") + std::to_wstring(v); };
    if (t < 3600)
        return std::to_wstring(t / 60) + L":" + two(t % 60);
    return std::to_wstring(t / 3600) + L":" + two(t / 60 % 60) + L":" + two(t % 60);
}

int cdTrackNumber(std::wstring_view path) {
    auto lower = [](std::wstring_view s) {
        std::wstring out(s);
        for (wchar_t& c : out)
            if (c >= L'A' && c <= L'Z')
                c = static_cast<wchar_t>(c - L'A' + L'a');
        return out;
    };
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring_view name = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind(L'.');
    if (dot == std::wstring_view::npos || lower(name.substr(dot + 1)) != L"cda" ||
        lower(name.substr(0, 5)) != L"track")
        return 0;
    int number = 0;
    for (std::size_t i = 5; i < name.size() && name[i] >= L'0' && name[i] <= L'9' && number < 100000; ++i)
        number = number * 10 + (name[i] - L'0');
    return number;
}

MediaLayout mediaLayout(SizeWH text, std::optional<SizeWH> video, SizeWH box) {
    MediaLayout layout;
    const int barAndText = text.width + kLengthTextLeft + kVideoMargin;
    if (!video) {
        layout.window = {barAndText, text.height + 2 * kVideoMargin};
        layout.textTop = kVideoMargin;
        return layout;
    }
    layout.video = scaleIntoBox(*video, box);
    layout.window = {std::max(barAndText, layout.video.width + 2 * kVideoMargin),
                     text.height + layout.video.height + 3 * kVideoMargin};
    layout.textTop = layout.video.height + 2 * kVideoMargin;
    return layout;
}

int progressBarRight(std::uint64_t position, std::uint64_t start, std::uint64_t length) {
    if (length == 0)
        return kProgressLeft + 1;
    const std::uint64_t played = position > start ? std::min(position - start, length) : 0;
    const auto right = static_cast<int>(played * 100 / length) + kProgressLeft - (start == 0 ? 1 : 0);
    return std::clamp(right, kProgressLeft + 1, kProgressRight);
}

} // namespace pvn
