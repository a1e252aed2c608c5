#include "settings/InstallChecks.h"
#include "settings/RegistryPlan.h"
#include "settings/RemoveAllPlan.h"
#include "settings/SetupShortcuts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace pvn {
namespace {

InstallFacts allPresent() {
    InstallFacts facts;
    facts.fileExists = [](std::wstring_view) { return true; };
    return facts;
}

TEST(InstallChecks, EveryRequiredFileIsCheckedInOrderAndTheFirstMissingOneIsNamed) {
    const auto files = requiredFiles();
    ASSERT_EQ(20u, files.size());
    EXPECT_EQ(std::wstring(L"PVNMain.exe"), files.front());
    EXPECT_EQ(std::wstring(L"image\\uninst.png"), files.back());
    for (std::size_t missing = 0; missing < files.size(); ++missing) {
        InstallFacts facts = allPresent();
        // This file and every later one are missing: the check must name the first.
        facts.fileExists = [&](std::wstring_view name) {
            for (std::size_t i = missing; i < files.size(); ++i)
                if (name == files[i])
                    return false;
            return true;
        };
        facts.tamselInstalled = true;
        EXPECT_EQ(std::wstring(files[missing]) + L" が存在しません", installRefusal(facts).value_or(L""));
    }
}

TEST(InstallChecks, OlderProductsAndVersionsInTheirOrder) {
    struct Case {
        bool tamsel;
        bool ostrid;
        std::optional<std::wstring> version;
        std::optional<std::wstring> refusal;
    };
    const std::wstring old = L"Ver.1.xx, Ver.2.xx 以前からの上書きインストールはできません\n"
                             L"旧バージョンをアンインストールしてからインストールしてください";
    const Case cases[] = {
        {true, true, L"Ver.2.50", L"Tamsel をアンインストールしてください"},
        {false, true, L"Ver.2.50", L"Ostrid をアンインストールしてください"},
        {false, false, L"Ver.2.50", old},
        {false, false, L"Ver.1.05", old},
        {false, false, L"", old}, // a settings key older versions left without Version
        {false, false, L"Ver.3.00", std::nullopt},
        {false, false, L"Ver.3.12", std::nullopt},
        {false, false, std::nullopt, std::nullopt}, // no settings key: first installation
    };
    for (const Case& c : cases) {
        InstallFacts facts = allPresent();
        facts.tamselInstalled = c.tamsel;
        facts.ostridInstalled = c.ostrid;
        facts.storedVersion = c.version;
        EXPECT_EQ(c.refusal, installRefusal(facts)) << c.version.value_or(L"(none)").size();
    }
}

// A registry with views, enough to carry out plans: (view, key) -> named values ("" = default).
struct FakeRegistry {
    // Wine keeps one HKCU for both views; Windows two.
    bool sharedViews = false;
    std::map<std::pair<int, std::wstring>, std::map<std::wstring, std::wstring>> keys;

    std::pair<int, std::wstring> id(const RegOp& op) const {
        return {sharedViews ? 0 : static_cast<int>(op.view), std::to_wstring(static_cast<int>(op.root)) + op.key};
    }
    void apply(const RegPlan& plan) {
        for (const RegOp& op : plan) {
            const auto key = id(op);
            switch (op.kind) {
            case RegOp::Kind::SetDefault:
            case RegOp::Kind::SetNamed:
                // Creating a key creates its parents.
                for (std::size_t slash = key.second.find(L'\\'); slash != std::wstring::npos;
                     slash = key.second.find(L'\\', slash + 1))
                    keys[{key.first, key.second.substr(0, slash)}];
                keys[key][op.name] = op.value;
                break;
            case RegOp::Kind::DeleteKey: {
                const auto child = keys.lower_bound({key.first, key.second + L"\\"});
                ASSERT_FALSE(child != keys.end() && child->first.first == key.first &&
                             child->first.second.starts_with(key.second + L"\\"))
                    << "a key with sub-keys cannot be deleted";
                keys.erase(key);
                break;
            }
            case RegOp::Kind::DeleteDefault:
                if (keys.count(key))
                    keys[key].erase(L"");
                break;
            case RegOp::Kind::DeleteKeyIfEmpty: {
                const auto child = keys.lower_bound({key.first, key.second + L"\\"});
                const bool hasChild = child != keys.end() && child->first.first == key.first &&
                                      child->first.second.starts_with(key.second + L"\\");
                if (keys.count(key) && keys[key].empty() && !hasChild)
                    keys.erase(key);
                break;
            }
            }
        }
    }
    std::optional<std::wstring> value(RegistryView view, const std::wstring& key, const std::wstring& name = L"") const {
        const auto k = keys.find({sharedViews ? 0 : static_cast<int>(view),
                                  std::to_wstring(static_cast<int>(RegRoot::CurrentUser)) + L"Software\\Classes\\" + key});
        if (k == keys.end() || !k->second.count(name))
            return std::nullopt;
        return k->second.at(name);
    }
};

TEST(RegistryPlan, SixtyFourBitWindowsRegistersEachLibraryInItsOwnView) {
    FakeRegistry reg;
    reg.apply(registerExtensionPlan(L"c:\\pvn", true));
    const std::wstring server = extensionServerKey();
    EXPECT_EQ(L"c:\\pvn\\PVNShlEx64.dll", reg.value(RegistryView::Bits64, server));
    EXPECT_EQ(L"c:\\pvn\\PVNShlEx32.dll", reg.value(RegistryView::Bits32, server));
    for (RegistryView view : {RegistryView::Bits64, RegistryView::Bits32}) {
        EXPECT_EQ(L"Apartment", reg.value(view, server, L"ThreadingModel"));
        EXPECT_EQ(L"PVNShlEx Shell Extension", reg.value(view, extensionClassKey()));
    }
    for (const wchar_t* type : {L"Directory", L"*", L"lnkfile"})
        EXPECT_EQ(kExtensionClassIdText,
                  reg.value(RegistryView::Bits64, contextMenuHandlerKey(type, L"PVNShlExMenu")).value_or(L""));
}

TEST(RegistryPlan, ThirtyTwoBitWindowsHasOneViewAndTheThirtyTwoBitLibrary) {
    FakeRegistry reg;
    reg.apply(registerExtensionPlan(L"d:\\", false));
    EXPECT_EQ(L"d:\\PVNShlEx32.dll", reg.value(RegistryView::Bits32, extensionServerKey()));
    for (const RegOp& op : registerExtensionPlan(L"d:\\", false))
        EXPECT_EQ(RegistryView::Bits32, op.view);
}

TEST(RegistryPlan, OlderHandlersGoAndUnregisteringLeavesNothingInAnyView) {
    for (bool is64 : {true, false}) {
        for (bool shared : {false, true}) {
            FakeRegistry reg;
            reg.sharedViews = shared;
            RegOp old{RegOp::Kind::SetDefault, RegRoot::CurrentUser, nativeView(is64),
                      L"Software\\Classes\\" + contextMenuHandlerKey(L"lnkfile", L"PVNListMenu"), L"", L"x", {}};
            reg.apply({old});
            reg.apply(registerExtensionPlan(L"c:\\pvn", is64));
            EXPECT_FALSE(reg.keys.count(reg.id(old))) << "the handler of older versions is removed";
            reg.apply(unregisterExtensionPlan(is64));
            reg.apply(emptyParentsPlan(is64));
            // What is left is what registration did not create: Software\Classes and its parents.
            for (const auto& [key, values] : reg.keys) {
                EXPECT_TRUE(values.empty());
                EXPECT_TRUE(key.second.ends_with(L"Software") || key.second.ends_with(L"Software\\Classes"))
                    << std::string(key.second.begin(), key.second.end());
            }
        }
    }
}

TEST(RegistryPlan, EmptyParentsGoButAParentHoldingAnythingStays) {
    FakeRegistry reg;
    const auto other = [](std::wstring key, std::wstring name, std::wstring value) {
        return RegOp{RegOp::Kind::SetNamed, RegRoot::CurrentUser, RegistryView::Bits64,
                     L"Software\\Classes\\" + std::move(key), std::move(name), std::move(value), {}};
    };
    reg.apply({other(L"Drive\\shell", L"", L"OtherVerb"), other(L"CLSID\\{other}", L"", L"x"),
               other(L"Directory\\shell", L"Note", L"y")});
    reg.apply(registerExtensionPlan(L"c:\\pvn", true));
    reg.apply(unregisterExtensionPlan(true));
    reg.apply(emptyParentsPlan(true));
    EXPECT_EQ(L"OtherVerb", reg.value(RegistryView::Bits64, L"Drive\\shell"));
    EXPECT_EQ(L"x", reg.value(RegistryView::Bits64, L"CLSID\\{other}"));
    EXPECT_EQ(L"y", reg.value(RegistryView::Bits64, L"Directory\\shell", L"Note"));
    EXPECT_FALSE(reg.keys.count({static_cast<int>(RegistryView::Bits64), L"1Software\\Classes\\lnkfile"}));
    EXPECT_FALSE(reg.keys.count({static_cast<int>(RegistryView::Bits32), L"1Software\\Classes\\CLSID"}));
}

TEST(RemoveAllPlan, FilesInTheirOrder) {
    const auto files = removeAllFiles({L"c:\\ad\\Morrick", L"c:\\windows", L"c:\\su", L"c:\\dt"});
    ASSERT_EQ(14u, files.size());
    EXPECT_EQ(L"c:\\ad\\Morrick\\PVNFavorites.lst", files[0]);
    EXPECT_EQ(L"c:\\windows\\PVNFavorites.lst", files[2]);
    EXPECT_EQ(L"c:\\windows\\Inf\\TSLNT.inf", files[9]);
    EXPECT_EQ(L"c:\\su\\PVNTray.lnk", files[10]);
    EXPECT_EQ(L"c:\\dt\\Drive List.lnk", files[13]);
}

TEST(RemoveAllPlan, KeysBeforeParentsOwnDefaultVerbsOnlyAndTheSixtyFourBitViewForTheUserAlone) {
    for (bool is64 : {true, false}) {
        const RegPlan plan = removeAllRegistry(is64);
        std::set<std::tuple<int, int, std::wstring>> deleted;
        int defaults = 0;
        for (const RegOp& op : plan) {
            if (op.kind == RegOp::Kind::DeleteDefault) {
                ++defaults;
                EXPECT_EQ((std::vector<std::wstring>{L"Tamsel", L"Ostrid", L"Parvane"}), op.onlyNames) << op.key;
                continue;
            }
            ASSERT_EQ(RegOp::Kind::DeleteKey, op.kind);
            for (const auto& [root, view, key] : deleted)
                EXPECT_FALSE(root == static_cast<int>(op.root) && view == static_cast<int>(op.view) &&
                             op.key.starts_with(key + L"\\"))
                    << "sub-key after its parent";
            deleted.insert({static_cast<int>(op.root), static_cast<int>(op.view), op.key});
            if (op.view == RegistryView::Bits64) {
                EXPECT_EQ(RegRoot::CurrentUser, op.root);
            }
        }
        EXPECT_EQ(is64 ? 5 : 3, defaults);
        const auto has = [&](RegRoot root, RegistryView view, const std::wstring& key) {
            return deleted.count({static_cast<int>(root), static_cast<int>(view), key}) == 1;
        };
        EXPECT_TRUE(has(RegRoot::ClassesRoot, RegistryView::Bits32, L"Folder\\shell\\Tamsel\\command"));
        EXPECT_TRUE(has(RegRoot::ClassesRoot, RegistryView::Bits32, contextMenuHandlerKey(L"piffile", L"PVNShlExMenu")));
        EXPECT_TRUE(has(RegRoot::CurrentUser, RegistryView::Bits32, L"Software\\Morrick\\Ostrid"));
        EXPECT_TRUE(has(RegRoot::LocalMachine, RegistryView::Bits32,
                        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tamsel"));
        EXPECT_EQ(is64, has(RegRoot::CurrentUser, RegistryView::Bits64, L"Software\\Morrick\\Parvane"));
        EXPECT_EQ(is64, has(RegRoot::CurrentUser, RegistryView::Bits64,
                            L"Software\\Classes\\Drive\\shell\\Parvane\\command"));
    }
    EXPECT_EQ(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\x", fullKeyName(RegRoot::LocalMachine, L"SOFTWARE\\x"));
}

TEST(SetupShortcuts, TargetsArgumentsAndWorkingFolders) {
    EXPECT_EQ((ShortcutPlan{L"c:\\su\\PVNTray.lnk", L"c:\\pvn\\PVNTray.exe", L"", L"c:\\pvn"}),
              trayShortcut(L"c:\\su", L"c:\\pvn"));
    EXPECT_EQ((ShortcutPlan{L"c:\\dt\\My Documents.lnk", L"c:\\pvn\\PVNMain.exe", L"c:\\u\\My Docs", L"c:\\pvn"}),
              documentsShortcut(L"c:\\dt", L"c:\\pvn", L"c:\\u\\My Docs"));
    EXPECT_EQ((ShortcutPlan{L"c:\\dt\\Drive List.lnk", L"e:\\PVNMain.exe", L"", L"e:\\"}),
              driveListShortcut(L"c:\\dt", L"e:\\"));
}

} // namespace
} // namespace pvn
