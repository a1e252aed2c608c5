#include "common/CommandLine.h"

#include "common/Paths.h"

namespace pvn {

CommandLine splitCommandLine(std::wstring_view text) {
    CommandLine out;
    std::wstring_view program = text;
    std::wstring_view arguments;
    if (!text.empty() && text.front() == L'"') {
        const std::size_t close = text.find(L'"', 1);
        if (close == std::wstring_view::npos) {
            program = text.substr(1);
        } else {
            program = text.substr(1, close - 1);
            // The character after the quote is normally the separating blank, which trimming removes;
            // taking it into the arguments keeps a switch written right after the quote.
            arguments = text.substr(close + 1);
        }
    } else {
        const std::size_t blank = text.find_first_of(L" \t");
        if (blank != std::wstring_view::npos) {
            program = text.substr(0, blank);
            arguments = text.substr(blank + 1);
        }
    }
    out.program = stripQuotes(program);
    out.arguments = trim(arguments);
    return out;
}

} // namespace pvn
