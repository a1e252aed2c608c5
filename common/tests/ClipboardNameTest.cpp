#include "common/ClipboardName.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(ClipboardNameTest, BlanksGetQuotesAndShiftDoublesBackslashesInsideThem) {
    EXPECT_EQ(L"\"C:\\Program Files\\App\"", clipboardName(L"C:\\Program Files\\App", false));
    EXPECT_EQ(L"\"C:\\\\Program Files\\\\App\"", clipboardName(L"C:\\Program Files\\App", true));
}

TEST(ClipboardNameTest, NamesWithoutBlanksStayBare) {
    EXPECT_EQ(L"C:\\Windows\\win.ini", clipboardName(L"C:\\Windows\\win.ini", false));
    EXPECT_EQ(L"C:\\\\Windows\\\\win.ini", clipboardName(L"C:\\Windows\\win.ini", true));
    EXPECT_EQ(L"\\\\\\\\server\\\\share", clipboardName(L"\\\\server\\share", true));
    EXPECT_EQ(L"C:\\データ\\表.txt", clipboardName(L"C:\\データ\\表.txt", false));
    // An ideographic space is not a separator for the command line: no quotes.
    EXPECT_EQ(L"C:\\新しい\u3000フォルダ", clipboardName(L"C:\\新しい\u3000フォルダ", false));
}

TEST(ClipboardNameTest, TheTraysCommandNeverQuotes) {
    EXPECT_EQ(L"D:\\Temp\\a b.txt", clipboardName(L"D:\\Temp\\a b.txt", false, NameQuoting::Never));
    EXPECT_EQ(L"D:\\\\Temp\\\\a b.txt", clipboardName(L"D:\\Temp\\a b.txt", true, NameQuoting::Never));
}

} // namespace
} // namespace pvn
