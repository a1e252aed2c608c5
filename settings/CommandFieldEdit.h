#pragma once
// The DOS command field of the filer and Ctrl+Key pages: how a file chosen with "参照..." or dropped
// onto the field is put into its command line.
#include <cstddef>
#include <string>

namespace pvn {

// What a file chosen or dropped for a DOS command field makes of the field: an empty field becomes
// the quoted program followed by the quoted folder placeholder; otherwise the path replaces the
// selection [selStart, selEnd) (inserted at the caret when nothing is selected).
struct CommandFieldEdit {
    std::wstring text;
    // Where the caret goes: after what was put in.
    std::size_t caret = 0;
};
CommandFieldEdit insertCommandFile(const std::wstring& field, std::size_t selStart, std::size_t selEnd,
                                   const std::wstring& path);

} // namespace pvn
