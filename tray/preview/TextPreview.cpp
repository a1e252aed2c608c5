#include "tray/preview/TextPreview.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace pvn::text_preview {

std::wstring decode(const std::uint8_t* bytes, std::size_t length, TextEncoding encoding, bool byteOrderMark,
                    const ITextPlatform& text) {
    if (encoding == TextEncoding::Utf16Le) {
        std::wstring out;
        std::size_t i = byteOrderMark ? 2 : 0;
        for (; i < length; i += 2) {
            // An odd last byte pairs with the zero that ends the buffer.
            unsigned unit = bytes[i] | (i + 1 < length ? bytes[i + 1] << 8 : 0);
            if (unit == 0)
                break;
            out += static_cast<wchar_t>(unit);
        }
        return out;
    }
    std::size_t start = encoding == TextEncoding::Utf8 && byteOrderMark ? 3 : 0;
    if (start >= length)
        return {};
    const auto* begin = reinterpret_cast<const char*>(bytes) + start;
    const void* zero = std::memchr(begin, 0, length - start);
    std::string_view s(begin, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - begin)
                                   : length - start);
    return encoding == TextEncoding::Utf8 ? text.fromUtf8(s) : text.fromAnsi(s);
}

std::vector<std::wstring> splitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n')
            continue;
        lines.emplace_back(text, start, i - start);
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text, start);
    return lines;
}

std::vector<std::wstring> layout(const std::vector<std::wstring>& sourceLines, const TextPreviewOptions& options,
                                 bool wholeFile) {
    const std::size_t tab = std::clamp<std::uint32_t>(options.tabWidth, 1, kMaxTabWidth);
    std::vector<std::wstring> out;
    for (std::size_t index = 0; index < sourceLines.size(); ++index) {
        std::wstring segment;
        for (wchar_t c : sourceLines[index]) {
            if (c == L'\t') {
                segment += L' ';
                while (segment.size() % tab != 0)
                    segment += L' ';
            } else {
                segment += c;
            }
            if (segment.size() >= kWrapWidth)
                out.push_back(std::exchange(segment, {}));
        }
        out.push_back(std::move(segment));
        if (index == options.lineLimit) {
            out.emplace_back(kMore);
            return out;
        }
    }
    if (!wholeFile)
        out.emplace_back(kMore);
    return out;
}

std::vector<std::wstring> fromBytes(const std::uint8_t* bytes, std::size_t length, bool wholeFile,
                                    const TextPreviewOptions& options, const ITextPlatform& text) {
    if (length == 0)
        return {kEmptyFile};
    bool mark = false;
    TextEncoding encoding = guessEncoding(bytes, length, mark);
    std::vector<std::wstring> source = splitLines(decode(bytes, length, encoding, mark, text));
    if (source.empty() || (source.size() == 1 && source[0].empty()))
        return {kUnreadable};
    return layout(source, options, wholeFile);
}

} // namespace pvn::text_preview

namespace pvn {

bool textPreview(const PreviewEnv& env, const std::wstring& path, const TextPreviewOptions& options,
                 std::vector<std::wstring>& lines) {
    lines.clear();
    OpenResult file = env.files.openRead(path, AccessHint::SequentialScan);
    if (!file.source)
        return false;
    const std::uint64_t wanted = std::min<std::uint64_t>(std::uint64_t{options.lineLimit} * 100, text_preview::kMaxRead);
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[wanted]);
    if (!buffer) {
        lines.emplace_back(text_preview::kNoMemory);
        return true;
    }
    std::size_t got = 0;
    if (std::uint32_t e = file.source->read(buffer.get(), static_cast<std::size_t>(wanted), got))
        env.ui.reportFailure("ReadFile", e);
    file.source.reset();
    lines = text_preview::fromBytes(buffer.get(), got, got < wanted, options, env.text);
    return true;
}

} // namespace pvn
