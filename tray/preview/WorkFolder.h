#pragma once
// The folder archive readers extract into, and the guard that keeps its clean-up inside it.
#include "common/TextPlatform.h"

#include <string>

namespace pvn {

inline constexpr wchar_t kWorkFolderName[] = L"PVAWork";

// The temporary folder followed by the work folder's name.
std::wstring workFolderPath(const std::wstring& tempFolder);

// True when `path` begins with `workFolder`, compared without regard to case: the clean-up deletes
// nothing else, whatever a junction or a changed temporary folder makes the walk meet.
bool insideWorkFolder(const ITextPlatform& text, const std::wstring& path, const std::wstring& workFolder);

} // namespace pvn
