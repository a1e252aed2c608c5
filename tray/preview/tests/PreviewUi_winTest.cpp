// The readers' cursors and boxes on a real desktop.
#include "tray/preview/PreviewContext_win.h"

#include "tray/preview/CCabFileEnum.h"
#include "tray/preview/CZipFileEnum.h"
#include "tray/preview/MemoryByteSource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace pvn {
namespace {

// Waits for the box titled "Parvane", keeps its text and presses OK.
class BoxAnswerer {
public:
    BoxAnswerer()
        : m_thread([this] {
              for (int i = 0; i < 500 && !m_done; ++i) {
                  if (HWND box = FindWindowW(L"#32770", L"Parvane")) {
                      wchar_t text[512] = {};
                      GetDlgItemTextW(box, 0xFFFF, text, 512);
                      m_text = text;
                      PostMessageW(box, WM_COMMAND, IDOK, 0);
                      return;
                  }
                  Sleep(20);
              }
          }) {}
    ~BoxAnswerer() {
        m_done = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    // The box's text once it has been answered; empty when none came within ten seconds.
    std::wstring text() {
        if (m_thread.joinable())
            m_thread.join();
        return m_text;
    }

private:
    std::atomic<bool> m_done{false};
    std::wstring m_text;
    std::thread m_thread;
};

TEST(PreviewUiWinTest, ErrorTextIsShownInABoxWhenTheReaderGoesAway) {
    MemoryFileSystem files;
    files.add(L"C:\\bad.zip", std::vector<std::uint8_t>(40, 'x'));
    WinPreviewUi ui;
    PreviewEnv env{files, textPlatform(), ui};
    BoxAnswerer answer;
    { CZipFileEnum zip(env, L"C:\\bad.zip", true); }
    EXPECT_EQ(answer.text(), L"EndOfCentralDir 署名を見つけられません");
}

TEST(PreviewUiWinTest, ProgramContextListsARealArchive) {
    Win32PreviewContext context;
    std::string p = std::string(PVN_PREVIEW_TEST_DATA) + "/gcab_folders.cab";
    std::wstring path = L"Z:" + std::wstring(p.begin(), p.end());
    CCabFileEnum cab(context.env, path, true);
    EXPECT_EQ(cab.errorText(), L"");
    EXPECT_EQ(cab.names().size(), 2u);
}

TEST(PreviewUiWinTest, FailureReportUsesTheCommonFormat) {
    WinPreviewUi ui;
    BoxAnswerer answer;
    ui.reportFailure("ReadFile", 23);
    EXPECT_EQ(answer.text(), L"ReadFile Error Code =23");
}

TEST(PreviewUiWinTest, CursorsForEachKind) {
    WinPreviewUi ui;
    ui.setCursor(ArcCursor::Arrow);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    // This test program has none of the cursor resources: the wait cursor stands in.
    for (ArcCursor kind : {ArcCursor::Busy1, ArcCursor::Busy2, ArcCursor::Busy3}) {
        ui.setCursor(kind);
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    }
    ui.setCursor(ArcCursor::Arrow);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

} // namespace
} // namespace pvn
