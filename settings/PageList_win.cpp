#include "settings/PageList_win.h"

#include "settings/pages/TabCtrl_win.h"
#include "settings/pages/TabDrive_win.h"
#include "settings/pages/TabFavorites_win.h"
#include "settings/pages/TabFile_win.h"
#include "settings/pages/TabFileOpe_win.h"
#include "settings/pages/TabFiler_win.h"
#include "settings/pages/TabHotKey_win.h"
#include "settings/pages/TabOpen_win.h"
#include "settings/pages/TabOther_win.h"
#include "settings/pages/TabRecent_win.h"
#include "settings/pages/TabScut_win.h"
#include "settings/pages/TabShow_win.h"
#include "settings/pages/TabSpecial_win.h"
#include "settings/pages/TabSusie_win.h"
#include "settings/pages/TabTTOther_win.h"
#include "settings/pages/TabTTTxt_win.h"

#include <array>

namespace pvn {
namespace {

using PageFactory = std::unique_ptr<Tab> (*)(SettingPage);

template <typename Page>
std::unique_ptr<Tab> makePage(SettingPage) {
    return std::make_unique<Page>();
}

} // namespace

std::unique_ptr<Tab> makeSettingsPage(SettingPage page) {
    // One line a page, in list order.
    static constexpr std::array<PageFactory, kSettingsPageCount> kFactories = {
        makePage<TabOpen>,      // メニュー起動
        makePage<TabShow>,      // メニュー表示
        makePage<TabFile>,      // ファイル表示
        makePage<TabDrive>,     // ドライブメニュー
        makePage<TabFileOpe>,   // ファイル操作メニュー
        makePage<TabRecent>,    // 最近開いたフォルダ
        makePage<TabFavorites>, // お気に入りフォルダ
        makePage<TabFiler>,     // ファイラ等起動
        makePage<TabCtrl>,      // Ctrl+Key
        makePage<TabTTTxt>,     // ツールチップ(テキスト)
        makePage<TabTTOther>,   // ツールチップ(その他)
        makePage<TabSusie>,     // Susie Plug-in
        makePage<TabHotKey>,    // ホットキー
        makePage<TabScut>,      // ショートカット作成
        makePage<TabOther>,     // その他
        makePage<TabSpecial>,   // 特別
    };
    const int index = static_cast<int>(page);
    return index >= 0 && index < kSettingsPageCount ? kFactories[index](page) : nullptr;
}

} // namespace pvn
