#include "tray/InstallFolder.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(InstallFolderTest, ComparisonIsExactInLetterCase) {
    EXPECT_TRUE(isInstallFolder(L"C:\\Tools\\Parvane", L"C:\\Tools\\Parvane"));
    EXPECT_FALSE(isInstallFolder(L"C:\\Tools\\Parvane", L"c:\\tools\\parvane"));
    EXPECT_FALSE(isInstallFolder(L"C:\\Tools\\Parvane", L"C:\\Tools\\Parvane2"));
    EXPECT_FALSE(isInstallFolder(L"C:\\Tools\\Parvane", L"C:\\Tools"));
    EXPECT_FALSE(isInstallFolder(L"C:\\Tools\\Parvane", L""));
}

TEST(InstallFolderTest, DriveRootMatchesWithAndWithoutBackslash) {
    EXPECT_TRUE(isInstallFolder(L"D:\\", L"D:"));
    EXPECT_TRUE(isInstallFolder(L"D:\\", L"D:\\"));
    EXPECT_TRUE(isInstallFolder(L"D:", L"D:\\"));
    EXPECT_FALSE(isInstallFolder(L"D:\\", L"d:"));
    EXPECT_FALSE(isInstallFolder(L"D:\\x", L"D:\\x\\")) << "only a root loses its backslash";
}

} // namespace
} // namespace pvn
