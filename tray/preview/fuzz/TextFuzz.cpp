// The encoding guess and the text layout over arbitrary bytes. The first two bytes choose the line
// limit and the tab width.
#include "tray/preview/TextPreview.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pvn;
    if (size < 2)
        return 0;
    TextPreviewOptions options{data[0], data[1]};
    data += 2;
    size -= 2;
    if (size > 0) {
        EncodingScores s = scoreEncodings(data, size);
        if (s.utf16 > 100 || s.shiftJis > 100 || s.utf8 > 100)
            std::abort();
    }
    const bool whole = options.lineLimit & 1;
    std::vector<std::wstring> lines = text_preview::fromBytes(data, size, whole, options, textPlatform());
    if (lines.empty())
        std::abort();
    for (const std::wstring& line : lines)
        if (line.size() >= text_preview::kWrapWidth + text_preview::kMaxTabWidth)
            std::abort();
    return 0;
}
