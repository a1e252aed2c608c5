#pragma once
// How full the menu being filled is, and what the overflow mode does about it: nothing (the system
// scrolls), a new column (mode 1) or a "more" sub-menu (mode 2).
namespace pvn {

enum class OverflowMode { None = 0, Wrap = 1, More = 2 };

// Any stored number other than 1 and 2 behaves as 0.
OverflowMode overflowModeFromSetting(unsigned value);

class ColumnTracker {
public:
    // monitorHeight: height of the monitor under the cursor (its rectangle, not the work area).
    ColumnTracker(OverflowMode mode, int monitorHeight, int itemHeight, int separatorHeight)
        : m_mode(mode), m_monitorHeight(monitorHeight), m_itemHeight(itemHeight),
          m_separatorHeight(separatorHeight) {}

    void reset() { m_height = 0; }
    int height() const { return m_height; }
    OverflowMode mode() const { return m_mode; }

    // Mode 2, before a folder or file item: whether it must go into a new "more" sub-menu. The
    // "more" entry itself is not counted; the new sub-menu starts empty.
    bool startsMoreMenu();
    // Counts an item; true when it must start a new column (mode 1), which then holds just it.
    bool addItem();
    void addSeparator() { m_height += m_separatorHeight; }
    // Counts the separator and "About" when they fit; mode 1 leaves "About" out rather than break.
    bool addAbout();

private:
    OverflowMode m_mode;
    int m_monitorHeight;
    int m_itemHeight;
    int m_separatorHeight;
    int m_height = 0;
};

} // namespace pvn
