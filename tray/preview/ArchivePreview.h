#pragma once
// The archive listing step of the preview: a reader chosen by extension turned into preview lines.
#include "tray/preview/PreviewUi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pvn {

inline constexpr wchar_t kArchiveEmpty[] = L"アーカイブ中身なし";
inline constexpr wchar_t kArchiveMore[] = L" ：";

// The text after the last dot, in lower case; empty without a dot.
std::wstring lowerExtension(const std::wstring& path);

// For "zip" and "cab": fills `lines` (cleared first) with the error text, or with at most `lineLimit`
// names followed by " ：" once the limit is reached, and returns true. Other extensions: false.
bool archivePreview(const PreviewEnv& env, const std::wstring& path, std::uint32_t lineLimit,
                    std::vector<std::wstring>& lines);

} // namespace pvn
