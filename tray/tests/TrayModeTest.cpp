#include "tray/TrayMode.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(TrayModeTest, WordsAreExactAndCaseSensitive) {
    EXPECT_EQ(TrayMode::Resident, parseTrayMode(L""));
    EXPECT_EQ(TrayMode::Recent, parseTrayMode(L"recent"));
    EXPECT_EQ(TrayMode::Favorites, parseTrayMode(L"favorites"));
    EXPECT_EQ(TrayMode::Last, parseTrayMode(L"last"));
    EXPECT_EQ(TrayMode::LastMenu, parseTrayMode(L"lastmenu"));
    for (const wchar_t* refused : {L"Recent", L"RECENT", L"recent ", L"favourites", L"last menu", L"lastmen",
                                   L"recentx", L"-recent", L"\"recent\""})
        EXPECT_EQ(TrayMode::Refused, parseTrayMode(refused)) << refused;
}

TEST(TrayModeTest, MutexNameSeparatesResidentFromCommandLineRuns) {
    EXPECT_EQ(L"PVNTray.exe ", trayMutexName(L""));
    EXPECT_EQ(L"PVNTray.exe recent", trayMutexName(L"recent"));
    EXPECT_NE(trayMutexName(L"recent"), trayMutexName(L"Recent"));
}

} // namespace
} // namespace pvn
