#include "common/Format.h"

#include <gtest/gtest.h>

#include <limits>

namespace pvn {
namespace {

TEST(FormatThousands, GroupsOfThreeWithZeroPadding) {
    EXPECT_EQ(L"0", formatThousands(0));
    EXPECT_EQ(L"999", formatThousands(999));
    EXPECT_EQ(L"1,000", formatThousands(1000));
    EXPECT_EQ(L"1,001", formatThousands(1001));
    EXPECT_EQ(L"100,010", formatThousands(100010));
    EXPECT_EQ(L"1,000,000", formatThousands(1000000));
    EXPECT_EQ(L"12,345,678,901", formatThousands(12345678901ull));
    EXPECT_EQ(L"999,999,999,999,999", formatThousands(999999999999999ull));
}

TEST(FormatThousands, BeyondFiveGroupsTheFirstGroupGrows) {
    EXPECT_EQ(L"1000,000,000,000,000", formatThousands(1000000000000000ull));
    EXPECT_EQ(L"18446744,073,709,551,615", formatThousands(std::numeric_limits<std::uint64_t>::max()));
}

LocalTime at(int y, int mo, int d, int wd, int h, int mi, int s) {
    LocalTime t;
    t.year = y;
    t.month = mo;
    t.day = d;
    t.weekday = wd;
    t.hour = h;
    t.minute = mi;
    t.second = s;
    return t;
}

TEST(FormatDateText, PaddedFieldsAndJapaneseWeekday) {
    EXPECT_EQ(L"2024/03/09(土)07:05:01", formatDateText(at(2024, 3, 9, 6, 7, 5, 1)));
    EXPECT_EQ(L"1999/12/31(金)23:59:59", formatDateText(at(1999, 12, 31, 5, 23, 59, 59)));
    const wchar_t* names[] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};
    for (int wd = 0; wd < 7; ++wd)
        EXPECT_EQ(std::wstring(L"2000/01/02(") + names[wd] + L")00:00:00",
                  formatDateText(at(2000, 1, 2, wd, 0, 0, 0)));
}

TEST(FormatDateText, AWeekdayOutOfRangeIsUnknown) {
    EXPECT_EQ(L"(不明)", formatDateText(at(2024, 3, 9, 7, 0, 0, 0)));
    EXPECT_EQ(L"(不明)", formatDateText(at(2024, 3, 9, -1, 0, 0, 0)));
}

TEST(ShortText, FitsInFifteenCharactersOrSaysError) {
    EXPECT_EQ(L"0", decimalText(0));
    EXPECT_EQ(L"-2147483648", decimalText(-2147483648LL));
    EXPECT_EQ(L"999999999999999", decimalText(999999999999999LL)) << "15 digits fit";
    EXPECT_EQ(L"error", decimalText(1000000000000000LL)) << "16 do not";
    EXPECT_EQ(L"Ver.3.12", shortText(L"Ver.%d.%02d", 3, 12));
    EXPECT_EQ(L"error", shortText(L"%ls", L"0123456789abcdef"));
}

} // namespace
} // namespace pvn
