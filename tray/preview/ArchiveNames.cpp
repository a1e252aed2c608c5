#include "tray/preview/ArchiveNames.h"

#include <algorithm>

namespace pvn {

std::wstring decodeArchiveName(const ITextPlatform& text, std::string_view bytes, bool utf8) {
    bytes = bytes.substr(0, bytes.find('\0'));
    // The ANSI code pages and UTF-8 all map bytes below 0x80 to themselves, so most names need no
    // conversion call.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::wstring(bytes.begin(), bytes.end());
    return utf8 ? text.fromUtf8(bytes) : text.fromAnsi(bytes);
}

} // namespace pvn
