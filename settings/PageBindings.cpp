#include "settings/PageBindings.h"

#include "settings/pages/TabCtrlBinding.h"
#include "settings/pages/TabDriveBinding.h"
#include "settings/pages/TabFavoritesBinding.h"
#include "settings/pages/TabFileBinding.h"
#include "settings/pages/TabFileOpeBinding.h"
#include "settings/pages/TabFilerBinding.h"
#include "settings/pages/TabHotKeyBinding.h"
#include "settings/pages/TabOpenBinding.h"
#include "settings/pages/TabOtherBinding.h"
#include "settings/pages/TabRecentBinding.h"
#include "settings/pages/TabShowBinding.h"
#include "settings/pages/TabSpecialBinding.h"
#include "settings/pages/TabSusieBinding.h"
#include "settings/pages/TabTTOtherBinding.h"
#include "settings/pages/TabTTTxtBinding.h"

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
        kTabFilerBindings,     // ファイラ等起動
        kTabCtrlBindings,      // Ctrl+Key
        kTabTTTxtBindings,     // ツールチップ(テキスト)
        kTabTTOtherBindings,   // ツールチップ(その他)
        kTabSusieBindings,     // Susie Plug-in
        kTabHotKeyBindings,    // ホットキー
        BindingTable{},        // ショートカット作成: no settings
        kTabOtherBindings,     // その他
        kTabSpecialBindings,   // 特別
    };
    const int index = static_cast<int>(page);
    return index >= 0 && index < kSettingsPageCount ? kTables[index] : BindingTable{};
}

} // namespace pvn
