#include "tray/preview/PreviewBuild.h"

#include "tray/preview/PreviewKind.h"

#include <gtest/gtest.h>

#include <map>

namespace pvn {
namespace {

// Answers each step as the case says and records the steps taken, in order.
class FakeSteps final : public IPreviewSteps {
public:
    bool folder = false;
    bool shift = false;
    bool summaryCancelled = false;
    std::vector<std::wstring> text, shortcut, archive;
    std::optional<std::uint64_t> size = 100;
    std::wstring mediaStatus;
    std::map<std::string, StepResult> results; // "media", "picture", "plugin", "thumbnail", "web"

    std::vector<std::string> taken;
    std::vector<std::wstring> shown;

    bool isFolderOrMissing() override { return folder; }
    bool shiftDown() override { return shift; }
    std::optional<std::vector<std::wstring>> folderSummary() override {
        taken.push_back("summary");
        if (summaryCancelled)
            return std::nullopt;
        return std::vector<std::wstring>{L"a", L"b", L"c"};
    }
    std::vector<std::wstring> textPreview() override { return step("text", text); }
    std::vector<std::wstring> shortcutInfo() override { return step("shortcut", shortcut); }
    std::vector<std::wstring> archiveListing() override { return step("archive", archive); }
    std::optional<std::uint64_t> openedSize() override {
        taken.push_back("open");
        return size;
    }
    StepResult mediaPreview(std::wstring& status) override {
        StepResult r = source("media");
        if (r == StepResult::Nothing && !mediaStatus.empty())
            status = mediaStatus;
        return r;
    }
    StepResult builtInPicture() override { return source("picture"); }
    StepResult pluginPicture() override { return source("plugin"); }
    StepResult thumbnail() override { return source("thumbnail"); }
    StepResult webPage() override { return source("web"); }
    void showLines(std::vector<std::wstring> lines) override { shown = std::move(lines); }

private:
    std::vector<std::wstring> step(const char* name, const std::vector<std::wstring>& lines) {
        taken.push_back(name);
        return lines;
    }
    StepResult source(const char* name) {
        taken.push_back(name);
        auto it = results.find(name);
        return it == results.end() ? StepResult::Nothing : it->second;
    }
};

using Steps = std::vector<std::string>;
using Lines = std::vector<std::wstring>;

TEST(PreviewBuild, TextKindsWinInTheirOrder) {
    PreviewSettings settings;
    {
        FakeSteps s;
        s.folder = true;
        s.shift = true;
        EXPECT_EQ(BuildOutcome::Text, runPreviewBuild(s, L"txt", settings));
        EXPECT_EQ(Steps{"summary"}, s.taken) << "a folder is summarised whatever its name and the keys";
    }
    {
        FakeSteps s;
        s.text = {L"t"};
        EXPECT_EQ(BuildOutcome::Text, runPreviewBuild(s, L"cpp", settings));
        EXPECT_EQ(Steps{"text"}, s.taken);
        EXPECT_EQ(Lines{L"t"}, s.shown);
    }
    {
        FakeSteps s;
        s.shift = true;
        s.text = {L"t"};
        s.size = fileSizeLimit(settings.ttFileSize) * 2;
        EXPECT_EQ(BuildOutcome::Text, runPreviewBuild(s, L"zip", settings))
            << "Shift makes any file text, even one past the size limit";
        EXPECT_EQ(Steps{"text"}, s.taken);
    }
    {
        FakeSteps s;
        s.shortcut = {L"パス:c:\\x"};
        EXPECT_EQ(BuildOutcome::Text, runPreviewBuild(s, L"lnk", settings));
        EXPECT_EQ(Steps{"shortcut"}, s.taken);
    }
    {
        FakeSteps s;
        s.archive = {L"a.txt"};
        EXPECT_EQ(BuildOutcome::Text, runPreviewBuild(s, L"zip", settings));
        EXPECT_EQ(Steps{"archive"}, s.taken);
    }
}

TEST(PreviewBuild, StatusLineNamesWhyNothingWasShown) {
    PreviewSettings settings;
    struct Case {
        const char* name;
        std::wstring extension;
        std::optional<std::uint64_t> size;
        std::wstring mediaStatus;
        Steps taken;
        std::wstring status;
    };
    const std::uint64_t limit = fileSizeLimit(settings.ttFileSize);
    const Case cases[] = {
        {"plain file", L"bin", 5, L"", {"archive", "open", "picture", "plugin", "thumbnail"}, kNoPreview},
        {"cannot open", L"bin", std::nullopt, L"", {"archive", "open"}, kOpenError},
        {"one byte too large", L"bin", limit + 1, L"", {"archive", "open"}, kTooLarge},
        {"exactly the limit", L"bin", limit, L"", {"archive", "open", "picture", "plugin", "thumbnail"}, kNoPreview},
        {"shortcut without fields", L"lnk", 5, L"",
         {"shortcut", "archive", "open", "picture", "plugin", "thumbnail"}, kNoShortcutInfo},
        {"shortcut without fields, unopenable", L"lnk", std::nullopt, L"", {"shortcut", "archive", "open"}, kOpenError},
        {"media that fails", L"avi", 5, L"MCI エラー",
         {"archive", "open", "media", "picture", "plugin", "thumbnail"}, L"MCI エラー"},
        {"web page that cannot be opened", L"htm", std::nullopt, L"", {"archive", "open", "web"}, kOpenError},
        {"web page too large", L"html", limit + 1, L"", {"archive", "open", "web"}, kTooLarge},
    };
    for (const Case& c : cases) {
        FakeSteps s;
        s.size = c.size;
        s.mediaStatus = c.mediaStatus;
        EXPECT_EQ(BuildOutcome::Status, runPreviewBuild(s, c.extension, settings)) << c.name;
        EXPECT_EQ(c.taken, s.taken) << c.name;
        EXPECT_EQ(Lines{c.status}, s.shown) << c.name;
    }
}

TEST(PreviewBuild, ShowingStepsEndTheBuildAndCancellingShowsNothing) {
    PreviewSettings settings;
    {
        FakeSteps s;
        s.results["media"] = StepResult::Shown;
        EXPECT_EQ(BuildOutcome::Shown, runPreviewBuild(s, L"mp3", settings));
        EXPECT_EQ((Steps{"archive", "open", "media"}), s.taken);
    }
    {
        FakeSteps s;
        s.results["thumbnail"] = StepResult::Shown;
        EXPECT_EQ(BuildOutcome::Shown, runPreviewBuild(s, L"htm", settings));
        EXPECT_EQ((Steps{"archive", "open", "picture", "plugin", "thumbnail"}), s.taken)
            << "a picture shown leaves out the web page";
    }
    {
        FakeSteps s;
        s.results["plugin"] = StepResult::Cancelled;
        EXPECT_EQ(BuildOutcome::Abandoned, runPreviewBuild(s, L"htm", settings));
        EXPECT_EQ((Steps{"archive", "open", "picture", "plugin"}), s.taken);
        EXPECT_TRUE(s.shown.empty());
    }
    {
        FakeSteps s;
        s.folder = true;
        s.summaryCancelled = true;
        EXPECT_EQ(BuildOutcome::Abandoned, runPreviewBuild(s, L"", settings));
        EXPECT_EQ(Steps{"summary"}, s.taken) << "a cancelled summary opens nothing afterwards";
        EXPECT_TRUE(s.shown.empty());
    }
    {
        FakeSteps s;
        s.results["web"] = StepResult::Shown;
        EXPECT_EQ(BuildOutcome::Shown, runPreviewBuild(s, L"html", settings));
    }
}

TEST(PreviewKind, ExtensionMatchesWholeEntriesOnly) {
    struct Case {
        std::wstring_view ext, list;
        bool match;
    };
    const Case cases[] = {
        {L"htm", L"htm;html;", true}, {L"html", L"htm;html;", true}, {L"tm", L"htm;html;", false},
        {L"HTM", L"htm;html;", true}, {L"txt", L"CPP;TXT;", true},    {L"ht", L"htm;html;", false},
        {L"", L"htm;;", false},       {L"htm", L"htm", false},        {L"h", L"txt;cpp;h;", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.match, extensionInList(c.ext, c.list)) << std::string(c.ext.begin(), c.ext.end());
}

TEST(PreviewKind, SizeLimitInMegabytesIn64Bits) {
    EXPECT_FALSE(tooLargeForPreview(10u * 1048576u, 10));
    EXPECT_TRUE(tooLargeForPreview(10u * 1048576u + 1, 10));
    // 4096 MB overflowed 32 bits to a limit of 0 bytes.
    EXPECT_EQ(std::uint64_t{4096} << 20, fileSizeLimit(4096));
    EXPECT_FALSE(tooLargeForPreview(std::uint64_t{3} << 30, 4096));
    EXPECT_FALSE(tooLargeForPreview(std::uint64_t{4096} << 20, 4096));
    EXPECT_TRUE(tooLargeForPreview((std::uint64_t{4096} << 20) + 1, 4096));
    EXPECT_EQ(std::uint64_t{0xFFFFFFFF} << 20, fileSizeLimit(0xFFFFFFFF));
}

} // namespace
} // namespace pvn
