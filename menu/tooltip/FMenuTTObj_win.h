#pragma once
// A small yellow tooltip window beside a menu item: window, font, show and hide timers, the layout of
// its lines and its placement. Subclasses choose what an item is and which lines it gets (the folder
// menu's FMenuTT, the tray's preview window) and may replace the measure and paint steps; the
// placement rule is shared. The constructor makes no window and lets no message through: create()
// does both once the subclass is built, so every message reaches the whole object.
#include "common/Handle_win.h"
#include "common/MonitorTable_win.h"
#include "common/SelectionPlacement.h"
#include "common/WindowThunk_win.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace pvn {

class FMenuTTObj : public WindowBase {
public:
    static constexpr UINT_PTR kShowTimer = 1;
    static constexpr UINT_PTR kHideTimer = 2;
    static constexpr UINT kShowDelay = 500;
    static constexpr UINT kShowTime = 5000;
    static constexpr COLORREF kBackground = RGB(255, 255, 220);

    // The face is taken only when it fits 32 characters with its terminator; the size is in tenths
    // of a point.
    FMenuTTObj(HINSTANCE instance, std::wstring faceName, int pointTenths);
    ~FMenuTTObj() override;

    // Creates the window (parked, 1×1) and its font, lets the messages its creation queued through
    // (unless a running modal loop, such as a menu's, dispatches them anyway) and shows it. False when
    // the window could not be made (reported).
    bool create(bool letQueuedThrough = true);
    // Another face or size: the DC is released, the font made anew, the DC taken again with it selected.
    void setFont(const std::wstring& faceName, int pointTenths);

    virtual void SetItem(const std::wstring& path, int code, const SelectionPlacement& placement) = 0;
    // Sees every message of the window first; false ends its handling (result in `result`).
    virtual bool FilterMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // After every hide.
    virtual void Clear() {}
    // Composes the lines and shows them (showLines).
    virtual void Build() = 0;

    // Stops both timers, parks the window, calls Clear.
    void Hide();
    const std::vector<std::wstring>& lines() const { return m_lines; }

protected:
    void rememberPlacement(const SelectionPlacement& placement) { m_placement = placement; }
    const SelectionPlacement& placement() const { return m_placement; }
    void startShowDelay();
    // measure, place, showAt: the lines beside the item (or the cursor); nothing for no lines.
    void showLines(std::vector<std::wstring> lines);

    // The window's size for the lines: the widest line plus 4, one line height each.
    virtual SIZE measure(const std::vector<std::wstring>& lines) const;
    // Where a window of the size goes: right of the remembered item (left at the monitor's edge),
    // below its bottom (above at the edge); beside the cursor when the item's menu has gone.
    POINT place(SIZE size) const;
    // Topmost at the place with the size, without activation, then painted.
    void showAt(POINT at, SIZE size);
    // The current lines on the yellow ground in a black frame.
    virtual void paint(HDC target) const;

    // Width of a text in the tooltip's font (of a sample text for an empty one).
    int textWidth(const std::wstring& text) const;
    HDC dc() const { return m_dc ? m_dc->get() : nullptr; }
    HFONT font() const { return m_font.get(); }
    int lineHeight() const { return m_lineHeight; }
    const MonitorTable& monitors() const { return m_monitors; }
    void refreshMonitors() { m_monitors.refresh(); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) final;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void selectFont();
    void park();

    HINSTANCE m_instance;
    std::wstring m_faceName;
    int m_pointTenths;
    // Declared in the order they are taken: the selection goes back first, then the DC, then the font.
    UniqueFont m_font;
    std::optional<ScopedGetDC> m_dc;
    std::optional<ScopedSelect> m_selectedFont;
    int m_lineHeight = 0;
    MonitorTable m_monitors;
    SelectionPlacement m_placement;
    std::vector<std::wstring> m_lines;
};

// A handle carried in 32 bits (a placement's menu window) back to a window handle.
HWND windowFrom32(std::uint32_t value);

} // namespace pvn
