#include "menu/tooltip/FMenuTTObj_win.h"

#include "menu/tooltip/TooltipPlacement.h"

#include "common/ErrorBox_win.h"
#include "common/MessagePump_win.h"

#include <algorithm>

namespace pvn {
namespace {

constexpr wchar_t kClassName[] = L"MENUTOOLTIPTEXT";
constexpr wchar_t kSample[] = L"あいうえおabcdefg";

UniqueFont makeFont(const std::wstring& faceName, int pointTenths) {
    LOGFONTW font{};
    if (faceName.size() < LF_FACESIZE)
        faceName.copy(font.lfFaceName, faceName.size());
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    ScopedGetDC screen(nullptr);
    font.lfHeight = -MulDiv(pointTenths, GetDeviceCaps(screen.get(), LOGPIXELSY), 720);
    return UniqueFont(CreateFontIndirectW(&font));
}

} // namespace

HWND windowFrom32(std::uint32_t value) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}

FMenuTTObj::FMenuTTObj(HINSTANCE instance, std::wstring faceName, int pointTenths)
    : m_instance(instance), m_faceName(std::move(faceName)), m_pointTenths(pointTenths) {}

bool FMenuTTObj::create(bool letQueuedThrough) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // Its own DC, so that the font selected once serves painting too.
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = m_instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    registerWindowClass(wc);
    CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, L"", WS_POPUP | WS_DISABLED, CW_USEDEFAULT,
                    CW_USEDEFAULT, 1, 1, nullptr, nullptr, m_instance, creationParameter());
    if (!check(m_window != nullptr, "CreateWindowEx"))
        return false;
    m_font = makeFont(m_faceName, m_pointTenths);
    m_dc.emplace(m_window);
    selectFont();
    if (letQueuedThrough)
        dispatchPendingMessages();
    if (m_window)
        ShowWindow(m_window, SW_SHOWNOACTIVATE);
    return m_window != nullptr;
}

void FMenuTTObj::setFont(const std::wstring& faceName, int pointTenths) {
    m_faceName = faceName;
    m_pointTenths = pointTenths;
    m_selectedFont.reset();
    m_dc.reset();
    m_font = makeFont(m_faceName, m_pointTenths);
    if (m_window) {
        m_dc.emplace(m_window);
        selectFont();
    }
}

void FMenuTTObj::selectFont() {
    if (!dc())
        return;
    if (m_font)
        m_selectedFont.emplace(dc(), m_font.get());
    SIZE size{};
    if (check(GetTextExtentPoint32W(dc(), kSample, static_cast<int>(std::size(kSample) - 1), &size), "GTEP32"))
        m_lineHeight = size.cy;
}

FMenuTTObj::~FMenuTTObj() {
    if (m_window) {
        KillTimer(m_window, kShowTimer);
        KillTimer(m_window, kHideTimer);
    }
    m_selectedFont.reset();
    m_dc.reset();
    m_font.reset();
    if (const HWND window = m_window) {
        detachWindow();
        check(DestroyWindow(window), "DestroyWindow");
    }
}

bool FMenuTTObj::FilterMessage(HWND, UINT, WPARAM, LPARAM, LRESULT&) {
    return true;
}

void FMenuTTObj::Hide() {
    if (m_window) {
        KillTimer(m_window, kShowTimer);
        KillTimer(m_window, kHideTimer);
        park();
    }
    m_lines.clear();
    Clear();
}

void FMenuTTObj::park() {
    check(SetWindowPos(m_window, HWND_NOTOPMOST, 0, 0, 1, 1, SWP_NOACTIVATE), "SetWindowPos");
}

void FMenuTTObj::startShowDelay() {
    if (m_window)
        check(SetTimer(m_window, kShowTimer, kShowDelay, nullptr) != 0, "ST1");
}

int FMenuTTObj::textWidth(const std::wstring& text) const {
    const std::wstring_view measured = text.empty() ? std::wstring_view(kSample) : std::wstring_view(text);
    SIZE size{};
    if (!check(GetTextExtentPoint32W(dc(), measured.data(), static_cast<int>(measured.size()), &size), "GTEP32"))
        return 0;
    return size.cx;
}

void FMenuTTObj::showLines(std::vector<std::wstring> lines) {
    if (lines.empty() || !m_window || !dc())
        return;
    m_lines = std::move(lines);
    const SIZE size = measure(m_lines);
    showAt(place(size), size);
}

SIZE FMenuTTObj::measure(const std::vector<std::wstring>& lines) const {
    int width = 0;
    for (const std::wstring& line : lines)
        width = std::max(width, textWidth(line));
    return {width + 4, static_cast<int>(lines.size()) * m_lineHeight};
}

POINT FMenuTTObj::place(SIZE size) const {
    POINT cursor{};
    GetCursorPos(&cursor);
    TooltipAnchor anchor{cursor.x, cursor.y, 0, false};
    RECT menuRect{};
    const HWND menu = windowFrom32(m_placement.window);
    const int itemWidth = m_placement.right - m_placement.left;
    anchor.offset = itemWidth + 2 * GetSystemMetrics(SM_CXEDGE) + 1;
    if (menu && IsWindow(menu) && GetWindowRect(menu, &menuRect)) {
        anchor.x = menuRect.left + m_placement.left;
        anchor.y = menuRect.top + m_placement.bottom;
        anchor.fromMenu = true;
    }
    const RECT monitor = m_monitors.monitorRect(cursor);
    const TooltipPosition at =
        placeTooltip(anchor, size.cx, size.cy, {monitor.left, monitor.top, monitor.right, monitor.bottom});
    return {at.x, at.y};
}

void FMenuTTObj::showAt(POINT at, SIZE size) {
    check(SetWindowPos(m_window, HWND_TOPMOST, at.x, at.y, size.cx, size.cy, SWP_SHOWWINDOW | SWP_NOACTIVATE),
          "SetWindowPos");
    paint(dc());
}

void FMenuTTObj::paint(HDC target) const {
    ScopedSelect font(target, m_font ? static_cast<HGDIOBJ>(m_font.get()) : GetStockObject(SYSTEM_FONT));
    RECT client{};
    GetClientRect(m_window, &client);
    UniqueBrush background(CreateSolidBrush(kBackground));
    FillRect(target, &client, background.get());
    FrameRect(target, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetTextColor(target, RGB(0, 0, 0));
    SetBkMode(target, TRANSPARENT);
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        TextOutW(target, 2, static_cast<int>(i) * m_lineHeight, m_lines[i].c_str(),
                 static_cast<int>(m_lines[i].size()));
}

LRESULT FMenuTTObj::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!FilterMessage(m_window, message, wParam, lParam, result))
        return result;
    return handle(message, wParam, lParam);
}

LRESULT FMenuTTObj::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kShowTimer) {
            KillTimer(m_window, kShowTimer);
            Build();
            check(SetTimer(m_window, kHideTimer, kShowTime, nullptr) != 0, "ST2");
            return 0;
        }
        if (wParam == kHideTimer) {
            KillTimer(m_window, kHideTimer);
            park();
            return 0;
        }
        break;
    case WM_PAINT: {
        ScopedPaint paintDc(m_window);
        if (!m_lines.empty())
            paint(paintDc.get());
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

} // namespace pvn
