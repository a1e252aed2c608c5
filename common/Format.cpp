#include "common/Format.h"

#include <cstdarg>
#include <cwchar>

namespace pvn {

std::wstring formatThousands(std::uint64_t count) {
    constexpr int kMaxGroups = 5;
    unsigned groups[kMaxGroups - 1];
    int lower = 0;
    while (lower < kMaxGroups - 1 && count >= 1000) {
        groups[lower++] = static_cast<unsigned>(count % 1000);
        count /= 1000;
    }
    std::wstring out = std::to_wstring(count);
    wchar_t piece[8];
    while (lower > 0) {
        std::swprintf(piece, 8, L",%03u", groups[--lower]);
        out += piece;
    }
    return out;
}

std::wstring decimalText(long long value) { return shortText(L"%lld", value); }

std::wstring shortText(const wchar_t* format, ...) {
    wchar_t text[kShortTextChars + 1];
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(text, kShortTextChars + 1, format, args);
    va_end(args);
    return n < 0 || n > kShortTextChars ? std::wstring(kFormatError) : std::wstring(text, static_cast<size_t>(n));
}

std::wstring formatDateText(const LocalTime& t) {
    static constexpr const wchar_t* kWeekdays[] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};
    if (t.weekday < 0 || t.weekday > 6)
        return kUnknownDate;
    wchar_t text[64];
    const int n = std::swprintf(text, 64, L"%d/%02d/%02d(%ls)%02d:%02d:%02d", t.year, t.month, t.day,
                                kWeekdays[t.weekday], t.hour, t.minute, t.second);
    return n < 0 ? std::wstring(kUnknownDate) : std::wstring(text);
}

} // namespace pvn
