#include "settings/PageBindings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace pvn {
namespace {

// Pages whose controls come with later work; they bind nothing yet. Remove a page from here when
// its table is named in PageBindings.cpp.
const std::set<SettingPage> kPendingPages = {};

TEST(PageBindings, EveryValueTheSettingsProgramWritesIsBoundOnceOnItsPage) {
    std::map<std::wstring, int> bound;
    for (int p = 0; p < kSettingsPageCount; ++p) {
        const auto page = static_cast<SettingPage>(p);
        for (const ControlBinding& b : pageBindings(page)) {
            const SettingDef* def = &settingDef(b.setting);
            EXPECT_EQ(page, def->page) << "value bound on another page than its own, page " << p;
            ++bound[def->name];
        }
    }
    for (const SettingDef& def : settingsTable()) {
        if (def.keptByPrograms() || !(def.writers & kProgramSet))
            continue;
        const std::string name(def.name.begin(), def.name.end());
        if (kPendingPages.contains(def.page)) {
            EXPECT_EQ(0, bound[def.name]) << name << ": its page is still listed as pending";
            continue;
        }
        EXPECT_EQ(1, bound[def.name]) << name;
    }
}

TEST(PageBindings, PendingPagesAndTheShortcutPageBindNothing) {
    for (SettingPage page : kPendingPages)
        EXPECT_TRUE(pageBindings(page).empty());
    EXPECT_TRUE(pageBindings(SettingPage::Scut).empty());
    EXPECT_TRUE(pageBindings(SettingPage::None).empty());
}

TEST(PageBindings, ControlIdsAreUniqueAndKindsFitTheValues) {
    std::set<int> ids;
    for (int p = 0; p < kSettingsPageCount; ++p) {
        for (const ControlBinding& b : pageBindings(static_cast<SettingPage>(p))) {
            const SettingDef* def = &settingDef(b.setting);
            // A page may show several of its own values in one control (a list of entries).
            if (b.kind != BindKind::Custom) {
                EXPECT_TRUE(ids.insert(b.control).second) << "control id " << b.control << " bound twice";
            }
            if (b.kind == BindKind::Radio) {
                EXPECT_GT(b.count, 0);
                // Radio buttons g+1.. must not collide with another binding's control.
                for (int i = 1; i <= b.count; ++i)
                    EXPECT_TRUE(ids.insert(b.control + i).second) << "radio " << b.control + i;
                EXPECT_EQ(static_cast<std::size_t>(b.count), def->choices.size());
            }
            if (b.kind == BindKind::Check) {
                EXPECT_EQ(SettingKind::Flag, def->kind) << b.control;
            } else if (b.kind == BindKind::Choice) {
                EXPECT_FALSE(def->choices.empty()) << b.control;
            } else if (b.kind == BindKind::UpDown || b.kind == BindKind::HotKey) {
                EXPECT_EQ(SettingKind::Number, def->kind) << b.control;
            } else if (b.kind == BindKind::Text) {
                EXPECT_EQ(SettingKind::Text, def->kind) << b.control;
            }
        }
    }
}

} // namespace
} // namespace pvn
