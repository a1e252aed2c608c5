#pragma once
// Numbers and dates as the user sees them in tooltips, previews and dialogs.
#include <cstdint>
#include <string>

namespace pvn {

// Groups of three digits separated by commas; at most five groups, so from 10^15 on the first
// group simply takes the extra digits.
std::wstring formatThousands(std::uint64_t count);

// A broken-down local time; weekday 0 is Sunday.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

inline constexpr wchar_t kUnknownDate[] = L"(不明)";

// "2024/03/09(土)07:05:01"; kUnknownDate for a weekday outside 0..6.
std::wstring formatDateText(const LocalTime& time);

inline constexpr wchar_t kFormatError[] = L"error";

// Short texts (counts, sizes, codes shown in dialogs) are formatted into 15 characters;
// one that does not fit gives kFormatError rather than a cut-off number.
inline constexpr int kShortTextChars = 15;
std::wstring decimalText(long long value);
std::wstring shortText(const wchar_t* format, ...);

} // namespace pvn
