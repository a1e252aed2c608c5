#include "settings/PageBindings.h"

#include "settings/pages/TabDriveBinding.h"
#include "settings/pages/TabFavoritesBinding.h"
#include "settings/pages/TabFileBinding.h"
#include "settings/pages/TabFileOpeBinding.h"
#include "settings/pages/TabHotKeyBinding.h"
#include "settings/pages/TabOpenBinding.h"
#include "settings/pages/TabOtherBinding.h"
#include "settings/pages/TabRecentBinding.h"
#include "settings/pages/TabShowBinding.h"
#include "settings/pages/TabSpecialBinding.h"

#include <array>

namespace pvn {

BindingTable pageBindings(SettingPage page) {
    // One line a page, in list order.
    static const std::array<BindingTable, kSettingsPageCount> kTables = {
        kTabOpenBindings,      // メニュー起動
        kTabShowBindings,      // メニュー表示
        kTabFileBindings,      // ファイル表示
        kTabDriveBindings,     // ドライブメニュー
        kTabFileOpeBindings,   // ファイル操作メニュー
        kTabRecentBindings,    // 最近開いたフォルダ
        kTabFavoritesBindings, // お気に入りフォルダ
        BindingTable{},        // ファイラ等起動 (placeholder)
        BindingTable{},        // Ctrl+Key (placeholder)
        BindingTable{},        // ツールチップ(テキスト) (placeholder)
        BindingTable{},        // ツールチップ(その他) (placeholder)
        BindingTable{},        // Susie Plug-in (placeholder)
        kTabHotKeyBindings,    // ホットキー
        BindingTable{},        // ショートカット作成: no settings
        kTabOtherBindings,     // その他
        kTabSpecialBindings,   // 特別
    };
    const int index = static_cast<int>(page);
    return index >= 0 && index < kSettingsPageCount ? kTables[index] : BindingTable{};
}

} // namespace pvn
