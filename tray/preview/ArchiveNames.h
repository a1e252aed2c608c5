#pragma once
// Entry names of archives: bytes up to the first zero, in UTF-8 or the ANSI code page.
#include "common/TextPlatform.h"

#include <string_view>

namespace pvn {

std::wstring decodeArchiveName(const ITextPlatform& text, std::string_view bytes, bool utf8);

} // namespace pvn
