#pragma once
// The text preview: the start of a file as at most a screenful of lines.
#include "tray/preview/PreviewUi.h"
#include "tray/preview/TextEncoding.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pvn {

struct TextPreviewOptions {
    std::uint32_t lineLimit = 10; // TTNumText; the read is this many hundreds of bytes
    std::uint32_t tabWidth = 4;   // TabNChar
};

namespace text_preview {
inline constexpr std::size_t kWrapWidth = 50;
// Tab widths outside 1..kMaxTabWidth come only from a hand-edited registry; they are clamped so that
// one tab can never produce more than a short run of blanks.
inline constexpr std::uint32_t kMaxTabWidth = 64;
// The read is TTNumText x 100 bytes, but never more than this, whatever the registry holds.
inline constexpr std::uint64_t kMaxRead = 1024 * 1024;
inline constexpr wchar_t kNoMemory[] = L"メモリーの確保に失敗しました";
inline constexpr wchar_t kEmptyFile[] = L"中身なし";
inline constexpr wchar_t kUnreadable[] = L"テキストとして読めない";
inline constexpr wchar_t kMore[] = L" ：";

// Decodes `bytes` as `encoding`, up to the first zero unit. UTF-16 units are taken one to a wchar_t.
std::wstring decode(const std::uint8_t* bytes, std::size_t length, TextEncoding encoding, bool byteOrderMark,
                    const ITextPlatform& text);

// Splits at CR LF, lone CR and lone LF; a non-empty rest after the last break is a last line.
std::vector<std::wstring> splitLines(const std::wstring& text);

// Tab expansion, wrapping and the line limit. `wholeFile`: the read reached the end of the file.
std::vector<std::wstring> layout(const std::vector<std::wstring>& sourceLines, const TextPreviewOptions& options,
                                 bool wholeFile);

// Everything after the read. `length` may be 0.
std::vector<std::wstring> fromBytes(const std::uint8_t* bytes, std::size_t length, bool wholeFile,
                                    const TextPreviewOptions& options, const ITextPlatform& text);
} // namespace text_preview

// Reads the file and fills `lines` (cleared first). False, with no line, when the file cannot be
// opened; otherwise there is at least one line. A failed read is reported as "ReadFile" and what
// arrived before it is used.
bool textPreview(const PreviewEnv& env, const std::wstring& path, const TextPreviewOptions& options,
                 std::vector<std::wstring>& lines);

} // namespace pvn
