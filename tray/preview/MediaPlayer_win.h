#pragma once
// The media preview: plays a file through MCI inside the preview window, video scaled into the box,
// with its length and a progress bar that a 200 ms thread timer advances. One device at a time.
#include "common/SelectionPlacement.h"
#include "tray/preview/MediaLayout.h"

#include <windows.h>

#include <functional>
#include <string>

namespace pvn {

// An MCI failure after the device opened: "<command> <MCI's error text>".
struct MediaError {
    std::wstring text;
};

class MediaPlayer {
public:
    // Moves and shows the preview window at the given size beside the item (the tooltip's placement).
    using PlaceWindow = std::function<void(SizeWH size)>;

    MediaPlayer(HWND window, std::wstring path, HFONT font, SizeWH box, PlaceWindow place);
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Opens, lays out, paints and plays. False when MCI cannot open the file; throws MediaError for
    // any later MCI failure, after the device has been closed again.
    bool Start();
    // Kills the progress timer, stops and closes the device.
    void Stop();

    MCIDEVICEID device() const { return m_device; }
    std::uint64_t length() const { return m_length; }
    std::uint64_t start() const { return m_start; }
    const std::wstring& lengthText() const { return m_lengthText; }
    const MediaLayout& layout() const { return m_layout; }
    // The bar's right edge at the last tick (4 before the first).
    int barRight() const { return m_barRight; }

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD);
    void tick();
    // Sends a command to the open device; a failure closes it and throws with the label.
    void send(UINT command, DWORD_PTR flags, void* parameters, const char* label);
    [[noreturn]] void fail(const char* label, MCIERROR error);
    void layOutAndPaint();

    HWND m_window;
    std::wstring m_path;
    HFONT m_font;
    SizeWH m_box;
    PlaceWindow m_place;
    MCIDEVICEID m_device = 0;
    std::uint64_t m_start = 0;
    std::uint64_t m_length = 0;
    std::wstring m_lengthText;
    MediaLayout m_layout;
    SizeWH m_textSize;
    int m_barRight = kProgressLeft + 1;
};

} // namespace pvn
