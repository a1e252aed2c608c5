#pragma once
// The floor of any listing of a folder: ParseDisplayName, BindToObject, EnumObjects, and for each
// item its parsing name and attributes. OLE must be initialised by the caller.
#include <cstddef>
#include <string>

namespace pvn::bench {

std::size_t listThroughShell(const std::wstring& path);

} // namespace pvn::bench
