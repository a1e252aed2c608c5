#include "menu/OpenDecision.h"

#include "common/SettingsValues.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

// Records which probes a decision asked, so that skipped rules are seen to be skipped.
struct Probes {
    bool tray = true;
    bool subFolder = true;
    bool drive = true;
    bool held = false;
    std::vector<std::wstring> asked;

    OpenProbes get() {
        return {[this] {
                    asked.push_back(L"tray");
                    return tray;
                },
                [this](const std::wstring& p) {
                    asked.push_back(L"list " + p);
                    return subFolder;
                },
                [this](const std::wstring& r) {
                    asked.push_back(L"drive " + r);
                    return drive;
                },
                [this](unsigned) {
                    asked.push_back(L"key");
                    return held;
                },
                [](std::wstring_view t) { return asciiLowerCase(t); }};
    }
};

OpenSettings type2() {
    OpenSettings s;
    s.startType = 2;
    s.otherDrives = true;
    return s;
}

TEST(OpenDecision, AbsentTrayOpensInExplorerWithoutRecording) {
    Probes p;
    p.tray = false;
    OpenDecision d = decideOpen(L"C:\\data", type2(), p.get());
    EXPECT_FALSE(d.showMenu);
    EXPECT_EQ(L"OF PVNTray", d.reason);
    EXPECT_FALSE(d.asConfigured);
    EXPECT_FALSE(decideOpen(L"", type2(), p.get()).showMenu) << "even the drive menu needs the tray";
}

TEST(OpenDecision, EmptyPathAndOtherStartTypesShowTheMenu) {
    Probes p;
    OpenSettings s = type2();
    s.openBottom = s.openNet = true;
    s.otherDrives = false;
    s.openKey = 0x10;
    EXPECT_TRUE(decideOpen(L"", s, p.get()).showMenu);
    p.subFolder = false;
    s.startType = 1;
    p.asked.clear();
    EXPECT_TRUE(decideOpen(L"\\\\v\\s", s, p.get()).showMenu);
    EXPECT_EQ((std::vector<std::wstring>{L"tray"}), p.asked) << "StartType 1 ignores every rule";
}

TEST(OpenDecision, FolderWithoutSubFoldersOpensNormallyAndIsRecorded) {
    Probes p;
    p.subFolder = false;
    OpenSettings s = type2();
    s.openBottom = true;
    OpenDecision d = decideOpen(L"C:\\files", s, p.get());
    EXPECT_FALSE(d.showMenu);
    EXPECT_EQ(L"OF Bottom", d.reason);
    EXPECT_TRUE(d.asConfigured);
    p.subFolder = true;
    EXPECT_TRUE(decideOpen(L"C:\\files", s, p.get()).showMenu);
}

TEST(OpenDecision, NetworkPaths) {
    Probes p;
    OpenSettings s = type2();
    s.openNet = true;
    EXPECT_EQ(L"OF Net", decideOpen(L"\\\\server\\share", s, p.get()).reason);
    s.openNet = false;
    s.otherDrives = false;
    p.asked.clear();
    EXPECT_TRUE(decideOpen(L"\\\\server\\share", s, p.get()).showMenu) << "the drive test is skipped";
    EXPECT_EQ((std::vector<std::wstring>{L"tray"}), p.asked);
}

TEST(OpenDecision, DrivesOutsideTheListOpenNormally) {
    Probes p;
    OpenSettings s = type2();
    s.otherDrives = false;
    s.drives = L"CD";
    EXPECT_TRUE(decideOpen(L"c:\\x", s, p.get()).showMenu) << "letters compare lower-cased";
    EXPECT_EQ(L"drive c:\\", p.asked.back());
    OpenDecision d = decideOpen(L"E:\\x", s, p.get());
    EXPECT_EQ(L"OF 非選択drv", d.reason);
    p.drive = false;
    EXPECT_EQ(L"OF 非選択drv", decideOpen(L"D:\\x", s, p.get()).reason) << "a drive that does not exist";
}

TEST(OpenDecision, AllDrivesIsNoListOfLetters) {
    Probes p;
    OpenSettings s = type2();
    s.otherDrives = false;
    s.drives = L"ALL";
    EXPECT_TRUE(decideOpen(L"e:\\x", s, p.get()).showMenu) << "not the letters a and l";
    p.drive = false;
    EXPECT_EQ(L"OF 非選択drv", decideOpen(L"e:\\x", s, p.get()).reason);
}

TEST(OpenDecision, OpenKeyHeldMustDifferFromOpenPush) {
    Probes p;
    OpenSettings s = type2();
    s.openKey = 0x11;
    s.openPush = true;
    p.held = true;
    EXPECT_EQ(L"OF OpenKey", decideOpen(L"c:\\x", s, p.get()).reason);
    p.held = false;
    EXPECT_TRUE(decideOpen(L"c:\\x", s, p.get()).showMenu);
    s.openPush = false;
    EXPECT_EQ(L"OF OpenKey", decideOpen(L"c:\\x", s, p.get()).reason) << "menu only while held";
    p.held = true;
    EXPECT_TRUE(decideOpen(L"c:\\x", s, p.get()).showMenu);
}

} // namespace
} // namespace pvn
