#pragma once
// How the input box grows to fit its prompt, without a window.
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

// The prompt's lines as they are measured: an empty line counts as one blank.
std::vector<std::wstring> promptLines(std::wstring_view prompt);

struct BoxSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const BoxSize&, const BoxSize&) = default;
};

// What the box and its prompt grow by: the widest line and the lines' total height beyond the
// prompt's template size; never a shrink.
BoxSize promptGrowth(BoxSize prompt, const std::vector<BoxSize>& lineExtents);

} // namespace pvn
