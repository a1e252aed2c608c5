#pragma once
// The order in which the preview window tries the kinds of preview for one item. The window side
// carries out each step (PreviewSteps_win); this file only decides which step runs next, so that
// the order, the status texts and the give-up rules are tested without a window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

// The settings a build reads, copied from the tray's settings at start and on every reload.
struct PreviewSettings {
    std::wstring asTextExtList = L"txt;cpp;h;";
    std::uint32_t ttNumText = 10;
    std::uint32_t tabNChar = 4;
    std::uint32_t ttWidth = 500;
    std::uint32_t ttHeight = 500;
    std::uint32_t ttFileSize = 10;
    bool ttEdgeCut = true;
    std::wstring asMovieExtList = L"aif;avi;cda;mid;mp3;mpg;rmi;wav;";
    std::wstring susiePluginDir;
    bool susiePreview = true;
};

inline constexpr wchar_t kNoPreview[] = L"プレビュー不可";
inline constexpr wchar_t kOpenError[] = L"ファイルオープンエラー";
inline constexpr wchar_t kTooLarge[] = L"ファイルが大きすぎます";
inline constexpr wchar_t kNoShortcutInfo[] = L"ショートカット情報なし";
inline constexpr wchar_t kWebPageExtensions[] = L"htm;html;";

// What a step that shows something itself (media, pictures, web page) did.
enum class StepResult {
    Nothing,   // try the next step
    Shown,     // the window shows it; the build is done
    Cancelled, // a hide or a newer request came while the step pumped messages: give up silently
};

// The thirteen steps, in the order the build takes them. Text steps return their lines (empty for
// "nothing"); the window shows them.
class IPreviewSteps {
public:
    virtual ~IPreviewSteps() = default;
    // Step 2: the path's attributes carry the directory bit (a missing path reads as all bits set).
    virtual bool isFolderOrMissing() = 0;
    // Step 3: Shift is down at this moment.
    virtual bool shiftDown() = 0;
    // Step 2: the folder summary; nothing when it was cancelled.
    virtual std::optional<std::vector<std::wstring>> folderSummary() = 0;
    // Step 3: empty only when the file cannot be opened.
    virtual std::vector<std::wstring> textPreview() = 0;
    // Step 4: empty when the shortcut yields no field.
    virtual std::vector<std::wstring> shortcutInfo() = 0;
    // Step 5: empty when no archive reader took the file.
    virtual std::vector<std::wstring> archiveListing() = 0;
    // Step 7: the file's size, opened with shared access; nothing when it cannot be opened.
    virtual std::optional<std::uint64_t> openedSize() = 0;
    // Step 8 (extension in AsMovieExtList): a start that fails sets `status` to the player's text.
    virtual StepResult mediaPreview(std::wstring& status) = 0;
    virtual StepResult builtInPicture() = 0; // step 9
    virtual StepResult pluginPicture() = 0;  // step 10
    virtual StepResult thumbnail() = 0;      // step 11
    virtual StepResult webPage() = 0;        // step 12 (extension "htm" or "html")
    // Steps 6 and 13.
    virtual void showLines(std::vector<std::wstring> lines) = 0;
};

enum class BuildOutcome {
    Text,      // lines of a text step
    Shown,     // media, a picture or a web page
    Status,    // the one status line
    Abandoned, // cancelled: nothing shown
};

// Runs the steps for an item whose lower-case extension is `extension`.
BuildOutcome runPreviewBuild(IPreviewSteps& steps, std::wstring_view extension, const PreviewSettings& settings);

} // namespace pvn
