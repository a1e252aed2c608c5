#pragma once
// The media preview's texts and geometry: the length text, the CD track of a "trackN.cda" file,
// the window and video layout, and the progress bar's extent.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pvn {

struct SizeWH {
    int width = 0;
    int height = 0;
    friend bool operator==(const SizeWH&, const SizeWH&) = default;
};

// A picture or video size scaled into the box, never enlarged: factor = min(box ÷ size, 1), each side
// truncated; a zero side gives 0 × 0.
SizeWH scaleIntoBox(SizeWH size, SizeWH box);

// Rounded to whole seconds: "m:ss" below an hour, "h:mm:ss" from one hour.
std::wstring mediaLengthText(std::uint64_t milliseconds);

// N of "trackN.cda" (letter case ignored); 0 for any other file.
int cdTrackNumber(std::wstring_view path);

struct MediaLayout {
    SizeWH window;
    int textTop = 0;
    SizeWH video; // 0 × 0 without video
};

inline constexpr int kProgressLeft = 3;
inline constexpr int kProgressRight = 103;
inline constexpr int kLengthTextLeft = 106;
inline constexpr int kVideoMargin = 3;

// The window for the length text and, when there is one, the video scaled into the box.
MediaLayout mediaLayout(SizeWH text, std::optional<SizeWH> video, SizeWH box);

// The right edge of the blue bar, which starts at x 4: within the box whatever the device reports.
int progressBarRight(std::uint64_t position, std::uint64_t start, std::uint64_t length);

} // namespace pvn
