#pragma once
// The small rules that choose a file's kind of preview: extension lists and the size limit.
#include <cstdint>
#include <string_view>

namespace pvn {

// True when `extension` is one entry of `list` ("htm;html;"), both compared in lower case: the list
// begins with extension + ";" or holds ";" + extension + ";". An empty extension never matches.
bool extensionInList(std::wstring_view extension, std::wstring_view list);

// TTFileSize megabytes in bytes, in 64 bits: a hand-edited 4096 or more is a limit like any other.
constexpr std::uint64_t fileSizeLimit(std::uint32_t megabytes) {
    return std::uint64_t{megabytes} * 1048576u;
}

// A file of exactly the limit is previewed; one byte more is too large.
constexpr bool tooLargeForPreview(std::uint64_t size, std::uint32_t megabytes) {
    return size > fileSizeLimit(megabytes);
}

} // namespace pvn
