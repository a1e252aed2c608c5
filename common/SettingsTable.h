#pragma once
// Every value of the settings key, described once: its kind, the value installation writes, the
// value the settings program assumes when it is missing, its range and the rules readers and the
// settings program apply, the page that edits it, who writes and reads it, and the labels the
// pages show. Pages, installation, the environment report and the programs' readers all use this.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pvn {

enum class SettingKind { Flag, Number, Text };

// Every value by its name, in table order: the page values in page order, then the values kept by
// the programs. Code reaches a value only through its SettingId, so a misspelt name does not build.
// clang-format off
#define PVN_SETTING_NAMES(X) \
    X(StartType) X(OpenBottom) X(OpenNet) X(OpenKey) X(OpenPush) X(MenuOverFlow) X(IncludeHidden) \
    X(PosFix) X(OpenShift) X(FolderIcon) X(Order) X(FileNum) X(FileUpside) X(FHistory) X(FTogether) \
    X(Drive) X(DrvOther) X(FOPRename) X(FOPAfter) X(RecentSortType) X(ExcFav) X(ExcRC) X(Favorites) \
    X(FavFName) X(Filer0) X(Filer1) X(Filer2) X(CtrlA) X(CtrlB) X(CtrlC) X(CtrlD) X(CtrlE) X(CtrlF) \
    X(CtrlG) X(CtrlH) X(CtrlI) X(CtrlJ) X(CtrlK) X(CtrlL) X(CtrlM) X(CtrlN) X(CtrlO) X(CtrlP) X(CtrlQ) \
    X(CtrlR) X(CtrlS) X(CtrlT) X(CtrlU) X(CtrlV) X(CtrlW) X(CtrlX) X(CtrlY) X(CtrlZ) X(AsTextExtList) \
    X(TTNumText) X(TabNChar) X(TTFName) X(TTFPoint10) X(TTHeight) X(TTWidth) X(TTFileSize) \
    X(AsMovieExtList) X(TTEdgeCut) X(SusiePluginDir) X(SusiePreview) X(HKDrv) X(HKRec) X(HKFav) \
    X(HKLast) X(HKLastMenu) X(HKMyDoc) X(OrgClose) X(ToolTipOn) X(SFolSingle) X(AddContext) X(QES) \
    X(InstallDir) X(Version) X(PVNTrayHandle) X(MenuHeight) X(MenuSepHeight) X(ODMenuHeight) \
    X(IconWidth) X(IconHeight) X(LastMenuItem) X(CurPage)
// clang-format on

enum class SettingId : int {
#define PVN_SETTING_ID(name) name,
    PVN_SETTING_NAMES(PVN_SETTING_ID)
#undef PVN_SETTING_ID
};
inline constexpr std::size_t kSettingCount = 0
#define PVN_SETTING_COUNT(name) +1
    PVN_SETTING_NAMES(PVN_SETTING_COUNT)
#undef PVN_SETTING_COUNT
    ;

// The settings dialog's pages in list order; the value is the page index.
enum class SettingPage : int {
    Open,
    Show,
    File,
    Drive,
    FileOpe,
    Recent,
    Favorites,
    Filer,
    Ctrl,
    TTTxt,
    TTOther,
    Susie,
    HotKey,
    Scut,
    Other,
    Special,
    // Values the programs keep for themselves: no page edits or restores them.
    None = -1,
};
inline constexpr int kSettingsPageCount = 16;
// The page list's label of a page ("メニュー起動", ...); empty for SettingPage::None.
std::wstring_view settingsPageLabel(SettingPage page);

// Who writes or reads a value (a bit set).
enum SettingsProgram : unsigned {
    kProgramSet = 1,
    kProgramTray = 2,
    kProgramMain = 4,
    kProgramExt = 8,
};

// A default that only the caller can know; it resolves the tag through ComputedDefaults.
enum class ComputedDefault {
    None,
    // The start type the shell registration shows (the settings program never reads StartType).
    StartTypeFromShell,
    // The letters of every drive present, in letter order.
    PresentDrives,
    // The folder of the settings program itself (never the folder it was started in, which may be
    // any folder holding stray plug-ins).
    ProgramFolder,
};

struct ComputedDefaults {
    std::uint32_t startType = 2;
    std::wstring presentDrives;
    std::wstring programFolder;
};

// What the settings program does with a stored number before it shows and saves it.
enum class NumberRule {
    Unchecked,
    // Outside min..max becomes the nearer bound.
    Clamp,
    // Anything but one of the choices becomes `fallback`.
    OneOf,
};

// What the settings program does with a stored text.
enum class TextRule {
    Plain,
    // Extensions each followed by ";": lower case, text after the last ";" dropped.
    ExtensionList,
    // Drive letters in menu order, lower case, or the word "all".
    DriveLetters,
};

// One choice of a drop-down list or radio group: the stored number and the text the page shows.
struct SettingChoice {
    std::uint32_t value;
    std::wstring_view label;
};

struct SettingValue {
    std::uint32_t number = 0;
    std::wstring_view text;
    ComputedDefault computed = ComputedDefault::None;
};

struct SettingDef {
    SettingId id = SettingId::StartType;
    std::wstring name;
    SettingKind kind = SettingKind::Number;
    SettingPage page = SettingPage::None;
    unsigned writers = 0;
    unsigned readers = 0;
    SettingValue install;
    SettingValue ifAbsent;

    NumberRule numberRule = NumberRule::Unchecked;
    std::uint32_t min = 0;
    std::uint32_t max = 0xFFFFFFFFu;
    std::uint32_t fallback = 0;
    std::span<const SettingChoice> choices;

    TextRule textRule = TextRule::Plain;
    // A longer stored text is ignored by every reader, which keeps its previous value.
    std::optional<std::size_t> maxTextLength;

    // The control's caption that names the option, and for a check box whose caption follows its
    // state, the caption while unchecked.
    std::wstring_view label;
    std::wstring_view offLabel;

    // False only for values the environment report must never show.
    bool reported = true;

    bool keptByPrograms() const { return page == SettingPage::None; }

    // Whether a reader takes this stored text (false for a face name that is too long).
    bool acceptsText(std::wstring_view text) const { return !maxTextLength || text.size() <= *maxTextLength; }
    // Whether a number is one of the choices, or lies in min..max when there are none.
    bool inRange(std::uint32_t number) const;
    // The settings program's rule for a stored number.
    std::uint32_t normalized(std::uint32_t number) const;
    const SettingChoice* choice(std::uint32_t number) const;
};

// Every value, the page values in page order first, then the values kept by the programs; row i
// is the value of SettingId i.
std::span<const SettingDef> settingsTable();
const SettingDef& settingDef(SettingId id);
// The registry value name ("StartType"), NUL-terminated.
const wchar_t* settingName(SettingId id);
// The value installation writes, as a program's own default before it reads the key (a computed
// or missing Install value gives 0 and an empty text).
std::uint32_t installNumber(SettingId id);
bool installFlag(SettingId id);
std::wstring installText(SettingId id);
// A registry value name from outside (a key being listed): compared without regard to ASCII case
// as the registry does; null for a name the table does not know.
const SettingDef* findSetting(std::wstring_view name);

// Ctrl+letter bindings: the values "CtrlA" .. "CtrlZ" and the keywords they store.
struct CtrlKeyword {
    std::wstring_view keyword;
    std::wstring_view displayName;
};
inline constexpr std::size_t kCtrlKeywordCount = 17;
inline constexpr std::size_t kCtrlNone = 0;
// "openexe": the binding stores the command line itself, not this keyword.
inline constexpr std::size_t kCtrlOpenExe = 16;
std::span<const CtrlKeyword> ctrlKeywords();
// The keyword a stored binding equals exactly; anything else is a command line ("openexe").
std::optional<std::size_t> findCtrlKeyword(std::wstring_view stored);
// "CtrlA" for 'A'; letters outside A..Z give an empty name.
std::wstring ctrlValueName(wchar_t letter);
// The binding installation writes for a letter A..Z.
std::wstring_view ctrlInstallBinding(wchar_t letter);

} // namespace pvn
