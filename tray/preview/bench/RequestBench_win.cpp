// Request 100 to the preview shown, against the bare work it stands on, in one process and one run:
//   PvnRequestBench RUNS OUTPUT TREE ARCHIVE RESET
// Each run, alternating so that a busy moment of the machine falls on both sides:
//   walk     a bare recursive FindFirstFileW/FindNextFileW walk of TREE
//   summary  the preview's folder summary of TREE, in this process (no window, no request)
//   folder   request 100 for TREE to the resident tray's preview window shown (its folder summary)
//   list     the archive reader listing ARCHIVE alone
//   lines    the preview's archive lines of ARCHIVE, in this process (no window, no request)
//   archive  request 100 for ARCHIVE to the preview window shown
// Before each request the preview shows RESET (a small item), so that every request is a change.
// Appends "LABEL milliseconds" a measurement to OUTPUT, and "count LABEL N" once for each bare side.
#include "common/RequestMessage_win.h"
#include "common/RequestPayload.h"
#include "common/TraySender_win.h"
#include "common/tests/support/PreviewWindow_win.h"
#include "tray/preview/ArchivePreview.h"
#include "tray/preview/CZipFileEnum.h"
#include "tray/preview/FolderLister_win.h"
#include "tray/preview/PreviewContext_win.h"
#include "tray/preview/bench/BenchClock_win.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

using pvn::bench::now;

// What the summary adds up, so that the walk does no less than the preview needs.
struct WalkTotals {
    unsigned long long files = 0, folders = 0, bytes = 0, latest = 0;
};

void walk(const std::wstring& folder, WalkTotals& totals) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (data.cFileName[0] == L'.' &&
            (!data.cFileName[1] || (data.cFileName[1] == L'.' && !data.cFileName[2])))
            continue;
        const unsigned long long written =
            (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
            data.ftLastWriteTime.dwLowDateTime;
        if (written > totals.latest)
            totals.latest = written;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ++totals.folders;
            walk(folder + L"\\" + data.cFileName, totals);
        } else {
            ++totals.files;
            totals.bytes += (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

class Requester {
public:
    Requester() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PvnRequestBenchMenu";
        RegisterClassW(&wc);
        m_menu = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 100, 100, 200, 300, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        m_tray = FindWindowW(pvn::kTrayWindowClass, L"PVNTray.exe");
        DWORD pid = 0;
        if (m_tray)
            GetWindowThreadProcessId(m_tray, &pid);
        m_preview = pid ? pvn::test::previewWindowOf(pid) : nullptr;
    }
    ~Requester() {
        if (m_menu)
            DestroyWindow(m_menu);
    }
    bool ready() const { return m_menu && m_tray && m_preview; }

    // Milliseconds from the send to the window shown, or a negative number when it never showed.
    double show(const std::wstring& path) {
        pvn::SelectionPlacement p;
        p.window = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(m_menu));
        p.left = 3;
        p.top = 20;
        p.right = 150;
        p.bottom = 39;
        const double start = now();
        if (pvn::TraySender(m_tray).answer(pvn::makePreviewRequest(p, path)) != 1)
            return -1;
        // A minute at most: a preview that never shows is no figure.
        while (pvn::test::isParked(m_preview)) {
            if (now() - start > 60000)
                return -1;
            Sleep(0);
        }
        return now() - start;
    }

private:
    HWND m_menu = nullptr, m_tray = nullptr, m_preview = nullptr;
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 6)
        return 2;
    const int runs = _wtoi(argv[1]);
    const std::wstring output = argv[2], tree = argv[3], archive = argv[4], reset = argv[5];
    FILE* out = _wfopen(output.c_str(), L"a");
    if (!out)
        return 1;
    Requester requester;
    if (!requester.ready()) {
        std::fprintf(out, "no tray\n");
        return 1;
    }
    auto record = [&](const char* label, double milliseconds) {
        if (milliseconds < 0)
            std::fprintf(out, "%s failed\n", label);
        else
            std::fprintf(out, "%s %.2f\n", label, milliseconds);
        std::fflush(out);
    };
    for (int run = 0; run < runs; ++run) {
        WalkTotals totals;
        double start = now();
        walk(tree, totals);
        record("walk", now() - start);
        if (run == 0)
            std::fprintf(out, "count walk %llu files %llu folders\n", totals.files, totals.folders);

        {
            pvn::Win32FolderLister lister;
            pvn::FolderSummary summary;
            start = now();
            pvn::summariseFolder(lister, tree, [] { return true; }, summary);
            record("summary", now() - start);
        }

        requester.show(reset);
        record("folder", requester.show(tree));

        {
            pvn::Win32PreviewContext context;
            start = now();
            pvn::CZipFileEnum zip(context.env, archive, true);
            std::vector<std::wstring> names;
            zip.listEntries(names);
            record("list", now() - start);
            if (run == 0)
                std::fprintf(out, "count list %zu entries\n", names.size());
            std::vector<std::wstring> lines;
            start = now();
            pvn::archivePreview(context.env, archive, 10, lines);
            record("lines", now() - start);
        }

        requester.show(reset);
        record("archive", requester.show(archive));
    }
    std::fclose(out);
    LocalFree(argv);
    return 0;
}
