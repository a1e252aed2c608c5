#include "common/SettingsTable.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pvn {
namespace {

constexpr std::array<std::wstring_view, kSettingsPageCount> kPageLabels = {
    L"メニュー起動",
    L"メニュー表示",
    L"ファイル表示",
    L"ドライブメニュー",
    L"ファイル操作メニュー",
    L"最近開いたフォルダ",
    L"お気に入りフォルダ",
    L"ファイラ等起動",
    L"Ctrl+Key",
    L"ツールチップ(テキスト)",
    L"ツールチップ(その他)",
    L"Susie Plug-in",
    L"ホットキー",
    L"ショートカット作成",
    L"その他",
    L"特別",
};

constexpr SettingChoice kStartTypes[] = {
    {0, L"PVNMain.exe の直接起動のみ"},
    {1, L"ドライブ・フォルダの右クリック後[Parvane(A)]選択"},
    {2, L"ドライブ・フォルダの(ダブル)クリック"},
};
constexpr SettingChoice kOpenKeys[] = {{0, L"設定せず"}, {16, L"Shift"}, {17, L"Ctrl"}, {123, L"F12"}};
constexpr SettingChoice kMenuOverflows[] = {
    {0, L"何もしない(スクロールバーが出る)"},
    {1, L"折り返す"},
    {2, L"more メニューを出す"},
};
constexpr SettingChoice kOrders[] = {{0, L"名前順"}, {1, L"更新日時順"}, {2, L"拡張子順"}};
constexpr SettingChoice kAfterFileOps[] = {
    {0, L"何もしない"},
    {1, L"メッセージボックスを出す"},
    {2, L"そのファイルを含むフォルダを開く"},
};
constexpr SettingChoice kRecentSorts[] = {
    {0, L"最近開いたフォルダを下に"},
    {1, L"フォルダ名でソート"},
    {2, L"最近開いたフォルダを上に"},
};
constexpr SettingChoice kTabWidths[] = {{2, L"2"}, {4, L"4"}, {8, L"8"}};

constexpr std::array<CtrlKeyword, kCtrlKeywordCount> kCtrlKeywords = {{
    {L"none", L"(なし)"},
    {L"fileop", L"PVNファイル操作"},
    {L"rename", L"名前の変更"},
    {L"cut", L"切り取り"},
    {L"copy", L"コピー"},
    {L"paste", L"貼り付け"},
    {L"shortcut", L"ショートカットの作成"},
    {L"delete", L"削除"},
    {L"property", L"プロパティ"},
    {L"command", L"コマンドプロンプト"},
    {L"cliptoname", L"フルパスをクリップボードにコピー"},
    {L"up", L"上位のメニュー表示"},
    {L"undo", L"やりなおし"},
    {L"print", L"プリント"},
    {L"selectopen", L"それを選択した状態でフォルダを開く"},
    {L"startopen", L"それを起動した状態でフォルダを開く"},
    {L"openexe", L"ＤＯＳコマンドの指定"},
}};

// Index A..Z.
constexpr std::array<std::wstring_view, 26> kCtrlInstall = {
    L"up",         L"none",  L"copy",      L"delete",   L"none",     L"fileop", L"none",
    L"none",       L"none",  L"none",      L"command",  L"none",     L"rename", L"cliptoname",
    L"selectopen", L"print", L"startopen", L"property", L"shortcut", L"none",   L"none",
    L"paste",      L"none",  L"cut",       L"none",     L"undo",
};

constexpr const wchar_t* kSettingNames[] = {
#define PVN_SETTING_NAME(name) L"" #name,
    PVN_SETTING_NAMES(PVN_SETTING_NAME)
#undef PVN_SETTING_NAME
};
static_assert(std::size(kSettingNames) == kSettingCount);

constexpr unsigned kSet = kProgramSet;
constexpr unsigned kTray = kProgramTray;
constexpr unsigned kMain = kProgramMain;
constexpr unsigned kExt = kProgramExt;

SettingValue number(std::uint32_t n) {
    return {n, {}, ComputedDefault::None};
}
SettingValue text(std::wstring_view t) {
    return {0, t, ComputedDefault::None};
}
SettingValue computed(ComputedDefault c) {
    return {0, {}, c};
}

SettingDef flag(SettingId id, SettingPage page, unsigned readers, std::uint32_t install,
                std::uint32_t ifAbsent, std::wstring_view label, std::wstring_view offLabel = {}) {
    SettingDef d;
    d.id = id;
    d.name = settingName(id);
    d.kind = SettingKind::Flag;
    d.page = page;
    d.writers = kSet;
    d.readers = readers;
    d.install = number(install);
    d.ifAbsent = number(ifAbsent);
    d.numberRule = NumberRule::Clamp;
    d.min = 0;
    d.max = 1;
    d.label = label;
    d.offLabel = offLabel;
    return d;
}

SettingDef numberDef(SettingId id, SettingPage page, unsigned readers, std::uint32_t install) {
    SettingDef d;
    d.id = id;
    d.name = settingName(id);
    d.kind = SettingKind::Number;
    d.page = page;
    d.writers = kSet;
    d.readers = readers;
    d.install = number(install);
    d.ifAbsent = number(install);
    return d;
}

SettingDef ranged(SettingId id, SettingPage page, unsigned readers, std::uint32_t install, std::uint32_t min,
                  std::uint32_t max, std::wstring_view label = {}) {
    SettingDef d = numberDef(id, page, readers, install);
    d.numberRule = NumberRule::Clamp;
    d.min = min;
    d.max = max;
    d.label = label;
    return d;
}

// A drop-down list or radio group. A stored number that is none of the choices would leave the
// page without a selection and be saved as -1 or 0; it falls back to a valid choice instead.
SettingDef choice(SettingId id, SettingPage page, unsigned readers, std::uint32_t install,
                  std::span<const SettingChoice> choices, std::uint32_t fallback) {
    SettingDef d = numberDef(id, page, readers, install);
    d.numberRule = NumberRule::OneOf;
    d.choices = choices;
    d.fallback = fallback;
    d.min = choices.front().value;
    d.max = choices.back().value;
    return d;
}

SettingDef textDef(SettingId id, SettingPage page, unsigned readers, SettingValue install,
                   SettingValue ifAbsent, TextRule rule = TextRule::Plain) {
    SettingDef d;
    d.id = id;
    d.name = settingName(id);
    d.kind = SettingKind::Text;
    d.page = page;
    d.writers = kSet;
    d.readers = readers;
    d.install = install;
    d.ifAbsent = ifAbsent;
    d.textRule = rule;
    return d;
}

SettingDef hotKey(SettingId id, std::uint32_t install, std::wstring_view label) {
    // The hot-key control's word: virtual key in the low byte, modifiers in the second.
    return ranged(id, SettingPage::HotKey, kTray, install, 0, 0xFFFF, label);
}

SettingDef kept(SettingId id, SettingKind kind, unsigned writers, unsigned readers) {
    SettingDef d;
    d.id = id;
    d.name = settingName(id);
    d.kind = kind;
    d.page = SettingPage::None;
    d.writers = writers;
    d.readers = readers;
    return d;
}

std::vector<SettingDef> buildTable() {
    using P = SettingPage;
    std::vector<SettingDef> t;

    SettingDef startType = choice(SettingId::StartType, P::Open, kTray | kMain, 2, kStartTypes, 2);
    startType.writers = kSet | kTray;
    startType.ifAbsent = computed(ComputedDefault::StartTypeFromShell);
    startType.label = L"フォルダ・ファイルメニューの起動方法";
    t.push_back(startType);
    t.push_back(
        flag(SettingId::OpenBottom, P::Open, kMain, 0, 0, L"最下位のフォルダ（中身がファイルだけ）の場合"));
    t.push_back(flag(SettingId::OpenNet, P::Open, kMain, 0, 0, L"他のパソコンのフォルダの場合"));
    t.push_back(choice(SettingId::OpenKey, P::Open, kMain, 123, kOpenKeys, 0));
    t.push_back(flag(SettingId::OpenPush, P::Open, kMain, 1, 1, L"押していた場合", L"押していない場合"));

    t.push_back(choice(SettingId::MenuOverFlow, P::Show, kTray | kMain, 2, kMenuOverflows, 2));
    t.push_back(flag(SettingId::IncludeHidden, P::Show, kMain, 1, 1, L"隠しファイルを含む"));
    t.push_back(
        flag(SettingId::PosFix, P::Show, kMain, 0, 0, L"フォルダ・ファイルメニューを画面の左上から開始"));
    t.push_back(
        flag(SettingId::OpenShift, P::Show, kMain, 1, 1, L"「開く(&O)」上にマウスカーソルがあるように表示"));
    t.push_back(
        flag(SettingId::FolderIcon, P::Show, kTray | kMain, 1, 1, L"メニューでフォルダのアイコンを表示"));
    SettingDef order = choice(SettingId::Order, P::Show, kMain, 0, kOrders, 0);
    order.label = L"フォルダ・ファイルメニュー表示順序";
    t.push_back(order);

    t.push_back(ranged(SettingId::FileNum, P::File, kMain, 500, 10, 999));
    t.push_back(flag(SettingId::FileUpside, P::File, kMain, 0, 0, L"ファイルメニューを上側に表示する"));
    t.push_back(flag(SettingId::FHistory, P::File, kTray | kMain, 1, 1,
                     L"ファイル選択時それを含むフォルダを履歴にいれる"));
    t.push_back(flag(SettingId::FTogether, P::File, kMain, 0, 0, L"ファイルをまとめて<ファイル>で表示"));

    t.push_back(textDef(SettingId::Drive, P::Drive, kMain, text(L"all"),
                        computed(ComputedDefault::PresentDrives), TextRule::DriveLetters));
    t.push_back(flag(SettingId::DrvOther, P::Drive, kMain, 1, 0,
                     L"上記ドライブメニューに無くても「開く(O)」でなくフォルダ・ファイルメニューを出す"));

    SettingDef rename = choice(SettingId::FOPRename, P::FileOpe, kTray, 1, kAfterFileOps, 1);
    rename.label = L"「名前の変更」後の動作";
    t.push_back(rename);
    SettingDef after = choice(SettingId::FOPAfter, P::FileOpe, kTray, 2, kAfterFileOps, 2);
    after.label = L"「コピー」「移動」「ショートカット作成」後の動作";
    t.push_back(after);

    SettingDef sort = choice(SettingId::RecentSortType, P::Recent, kTray, 1, kRecentSorts, 1);
    sort.label = L"メニュー表示の順序";
    t.push_back(sort);
    t.push_back(flag(SettingId::ExcFav, P::Recent, kTray, 0, 0, L"お気に入りフォルダは履歴から除く"));
    t.push_back(
        flag(SettingId::ExcRC, P::Recent, kTray, 0, 0, L"Removable,CD-ROM 上のフォルダは履歴から除く"));

    t.push_back(flag(SettingId::Favorites, P::Favorites, kTray, 0, 0,
                     L"タスクトレイアイコンでのメニュー起動方法を交換する"));
    t.push_back(flag(SettingId::FavFName, P::Favorites, kTray, 1, 1,
                     L"フルパスでなく最下位のフォルダ名のみ表示する"));

    for (SettingId filer : {SettingId::Filer0, SettingId::Filer1, SettingId::Filer2})
        t.push_back(textDef(filer, P::Filer, kTray | kMain, text(L""), text(L"")));

    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const auto id = static_cast<SettingId>(static_cast<int>(SettingId::CtrlA) + (letter - L'A'));
        t.push_back(
            textDef(id, P::Ctrl, kTray, text(ctrlInstallBinding(letter)), text(ctrlInstallBinding(letter))));
    }

    SettingDef textExts = textDef(SettingId::AsTextExtList, P::TTTxt, kTray, text(L"txt;cpp;h;"),
                                  text(L"txt;cpp;h;"), TextRule::ExtensionList);
    textExts.label = L"*.txt とみなす拡張子";
    t.push_back(textExts);
    t.push_back(ranged(SettingId::TTNumText, P::TTTxt, kTray, 10, 5, 99, L"行迄"));
    SettingDef tabs = choice(SettingId::TabNChar, P::TTTxt, kTray, 4, kTabWidths, 8);
    tabs.ifAbsent = number(8);
    tabs.label = L"タブの文字数";
    t.push_back(tabs);
    SettingDef face =
        textDef(SettingId::TTFName, P::TTTxt, kTray | kMain, text(L"ＭＳ ゴシック"), text(L"ＭＳ ゴシック"));
    face.maxTextLength = 31;
    t.push_back(face);
    t.push_back(numberDef(SettingId::TTFPoint10, P::TTTxt, kTray | kMain, 100));

    t.push_back(ranged(SettingId::TTHeight, P::TTOther, kTray, 500, 10, 2000));
    t.push_back(ranged(SettingId::TTWidth, P::TTOther, kTray, 500, 10, 2000));
    t.push_back(ranged(SettingId::TTFileSize, P::TTOther, kTray, 10, 1, 100, L"ＭＢ以上はエラー"));
    SettingDef movieExts =
        textDef(SettingId::AsMovieExtList, P::TTOther, kTray, text(L"aif;avi;cda;mid;mp3;mpg;rmi;wav;"),
                text(L"aif;avi;cda;mid;mp3;mpg;rmi;wav;"), TextRule::ExtensionList);
    movieExts.label = L"動画として表示する拡張子";
    t.push_back(movieExts);
    t.push_back(flag(SettingId::TTEdgeCut, P::TTOther, kTray, 1, 1, L"画像の場合周りの余白を取る"));

    SettingDef pluginDir =
        textDef(SettingId::SusiePluginDir, P::Susie, kTray, computed(ComputedDefault::ProgramFolder),
                computed(ComputedDefault::ProgramFolder));
    pluginDir.label = L"Susie Plug-in のディレクトリ";
    t.push_back(pluginDir);
    t.push_back(flag(SettingId::SusiePreview, P::Susie, kTray, 1, 1,
                     L"Susie Plug-in の中のプレビュー機能をなるべく使う"));

    t.push_back(hotKey(SettingId::HKDrv, 0x644, L"Drive List"));
    t.push_back(hotKey(SettingId::HKRec, 0x652, L"最近開いたフォルダ"));
    t.push_back(hotKey(SettingId::HKFav, 0x646, L"お気に入りフォルダ"));
    t.push_back(hotKey(SettingId::HKLast, 0x64C, L"さっき開いたフォルダ"));
    t.push_back(hotKey(SettingId::HKLastMenu, 0x65A, L"最後のメニュー"));
    t.push_back(hotKey(SettingId::HKMyDoc, 0x64D, L"My Documents"));

    t.push_back(
        flag(SettingId::OrgClose, P::Other, kMain, 1, 1, L"新規フォルダオープン時に元のフォルダを閉じる"));
    t.push_back(flag(SettingId::ToolTipOn, P::Other, kMain, 1, 1, L"ツールチップテキストを表示"));
    t.push_back(flag(SettingId::SFolSingle, P::Other, kMain, 1, 1,
                     L"サブメニューのフォルダをシングルクリックで開ける",
                     L"サブメニューのフォルダをダブルクリックで開ける"));
    t.push_back(flag(SettingId::AddContext, P::Other, kExt, 1, 1, L"PVN．．．をコンテキストメニューに出す"));

    t.push_back(
        flag(SettingId::QES, P::Special, kTray, 0, 0, L"PVNTray 常駐を Windows の終了確認時に終了させる"));

    t.push_back(kept(SettingId::InstallDir, SettingKind::Text, kSet, kTray | kMain | kSet));
    t.push_back(kept(SettingId::Version, SettingKind::Text, kSet, kSet));
    SettingDef trayHandle = kept(SettingId::PVNTrayHandle, SettingKind::Number, kTray, kMain | kExt | kSet);
    trayHandle.reported = false;
    t.push_back(trayHandle);
    t.push_back(kept(SettingId::MenuHeight, SettingKind::Number, kTray, kTray));
    t.push_back(kept(SettingId::MenuSepHeight, SettingKind::Number, kTray, kMain));
    t.push_back(kept(SettingId::ODMenuHeight, SettingKind::Number, kTray, 0));
    t.push_back(kept(SettingId::IconWidth, SettingKind::Number, kTray, 0));
    t.push_back(kept(SettingId::IconHeight, SettingKind::Number, kTray, 0));
    t.push_back(kept(SettingId::LastMenuItem, SettingKind::Text, kMain, kTray));
    SettingDef curPage = kept(SettingId::CurPage, SettingKind::Number, kSet, kSet);
    // A page index the list does not have opens the first page.
    curPage.numberRule = NumberRule::OneOf;
    curPage.min = 0;
    curPage.max = kSettingsPageCount - 1;
    curPage.fallback = 0;
    t.push_back(curPage);
    return t;
}

wchar_t asciiLower(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool equalsNoAsciiCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return asciiLower(x) == asciiLower(y);
           });
}

} // namespace

std::wstring_view settingsPageLabel(SettingPage page) {
    int index = static_cast<int>(page);
    return index >= 0 && index < kSettingsPageCount ? kPageLabels[index] : std::wstring_view{};
}

bool SettingDef::inRange(std::uint32_t n) const {
    if (!choices.empty())
        return choice(n) != nullptr;
    return n >= min && n <= max;
}

std::uint32_t SettingDef::normalized(std::uint32_t n) const {
    switch (numberRule) {
    case NumberRule::Unchecked:
        return n;
    case NumberRule::Clamp:
        // A flag stored as any non-zero number is on, and is written back as 1.
        return std::clamp(n, min, max);
    case NumberRule::OneOf:
        return inRange(n) ? n : fallback;
    }
    return n;
}

const SettingChoice* SettingDef::choice(std::uint32_t n) const {
    auto it =
        std::find_if(choices.begin(), choices.end(), [n](const SettingChoice& c) { return c.value == n; });
    return it == choices.end() ? nullptr : &*it;
}

std::span<const SettingDef> settingsTable() {
    static const std::vector<SettingDef> table = buildTable();
    return table;
}

const wchar_t* settingName(SettingId id) {
    return kSettingNames[static_cast<std::size_t>(id)];
}

const SettingDef& settingDef(SettingId id) {
    // The table's rows follow the enum; SettingsTableTest holds every row to its id.
    return settingsTable()[static_cast<std::size_t>(id)];
}

std::uint32_t installNumber(SettingId id) {
    return settingDef(id).install.number;
}

bool installFlag(SettingId id) {
    return installNumber(id) != 0;
}

std::wstring installText(SettingId id) {
    return std::wstring(settingDef(id).install.text);
}

const SettingDef* findSetting(std::wstring_view name) {
    auto table = settingsTable();
    auto it = std::find_if(table.begin(), table.end(),
                           [name](const SettingDef& d) { return equalsNoAsciiCase(d.name, name); });
    return it == table.end() ? nullptr : &*it;
}

std::span<const CtrlKeyword> ctrlKeywords() {
    return kCtrlKeywords;
}

std::optional<std::size_t> findCtrlKeyword(std::wstring_view stored) {
    // "openexe" itself is never stored: that binding stores its command line.
    for (std::size_t i = 0; i < kCtrlKeywords.size(); ++i)
        if (i != kCtrlOpenExe && kCtrlKeywords[i].keyword == stored)
            return i;
    return std::nullopt;
}

std::wstring ctrlValueName(wchar_t letter) {
    if (letter < L'A' || letter > L'Z')
        return {};
    return std::wstring(L"Ctrl") + letter;
}

std::wstring_view ctrlInstallBinding(wchar_t letter) {
    if (letter < L'A' || letter > L'Z')
        return {};
    return kCtrlInstall[static_cast<std::size_t>(letter - L'A')];
}

} // namespace pvn
