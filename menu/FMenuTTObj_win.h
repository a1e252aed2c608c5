#pragma once
// A small yellow tooltip window beside a menu item: window, font, show and hide timers, the layout of
// its lines and its placement. Derived classes choose what an item is and which lines it gets
// (the folder menu's FMenuTT, the tray's preview window).
#include "common/Handle_win.h"
#include "common/MonitorTable_win.h"
#include "common/SelectionPlacement.h"

#include <windows.h>

#include <string>
#include <vector>

namespace pvn {

class FMenuTTObj {
public:
    static constexpr UINT_PTR kShowTimer = 1;
    static constexpr UINT_PTR kHideTimer = 2;
    static constexpr UINT kShowDelay = 500;
    static constexpr UINT kShowTime = 5000;
    static constexpr COLORREF kBackground = RGB(255, 255, 220);

    // The face is taken only when it fits 32 characters with its terminator; the size is in tenths
    // of a point.
    FMenuTTObj(HINSTANCE instance, const std::wstring& faceName, int pointTenths);
    virtual ~FMenuTTObj();
    FMenuTTObj(const FMenuTTObj&) = delete;
    FMenuTTObj& operator=(const FMenuTTObj&) = delete;

    virtual void SetItem(const std::wstring& path, int code, const SelectionPlacement& placement) = 0;
    // Sees every message of the window first; false ends its handling (result in `result`).
    virtual bool FilterMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // After every hide.
    virtual void Clear() {}
    // Composes the lines and shows them (showLines).
    virtual void Build() = 0;

    // Stops both timers, parks the window, calls Clear.
    void Hide();
    HWND window() const { return m_window; }
    const std::vector<std::wstring>& lines() const { return m_lines; }

protected:
    void rememberPlacement(const SelectionPlacement& placement) { m_placement = placement; }
    const SelectionPlacement& placement() const { return m_placement; }
    void startShowDelay();
    // Lays the lines out beside the item (or the cursor) and shows them; nothing for no lines.
    void showLines(std::vector<std::wstring> lines);
    HDC dc() const { return m_dc; }
    int lineHeight() const { return m_lineHeight; }
    const MonitorTable& monitors() const { return m_monitors; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    int textWidth(const std::wstring& text) const;
    void paint(HDC target) const;
    void park();

    HWND m_window = nullptr;
    HDC m_dc = nullptr;
    UniqueFont m_font;
    HGDIOBJ m_oldFont = nullptr;
    int m_lineHeight = 0;
    MonitorTable m_monitors;
    SelectionPlacement m_placement;
    std::vector<std::wstring> m_lines;
};

// A handle carried in 32 bits (a placement's menu window) back to a window handle.
HWND windowFrom32(std::uint32_t value);

} // namespace pvn
