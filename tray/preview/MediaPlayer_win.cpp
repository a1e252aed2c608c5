#include "tray/preview/MediaPlayer_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"

#include <digitalv.h>
#include <mmsystem.h>

namespace pvn {
namespace {

constexpr UINT kTickInterval = 200;
constexpr COLORREF kBackground = RGB(255, 255, 220);

// The one progress timer of the program and the player it advances.
UINT_PTR g_timer = 0;
MediaPlayer* g_player = nullptr;

void killProgressTimer() {
    if (g_timer != 0)
        ::KillTimer(nullptr, g_timer);
    g_timer = 0;
}

std::wstring mciErrorText(MCIERROR error) {
    wchar_t text[260] = {};
    ::mciGetErrorStringW(error, text, 260);
    return text;
}

std::wstring widen(const char* label) {
    return std::wstring(label, label + std::char_traits<char>::length(label));
}

} // namespace

MediaPlayer::MediaPlayer(HWND window, std::wstring path, HFONT font, SizeWH box, PlaceWindow place)
    : m_window(window), m_path(std::move(path)), m_font(font), m_box(box), m_place(std::move(place)) {}

MediaPlayer::~MediaPlayer() {
    Stop();
}

void MediaPlayer::Stop() {
    if (g_player == this) {
        killProgressTimer();
        g_player = nullptr;
    }
    if (m_device != 0) {
        MCI_GENERIC_PARMS none{};
        ::mciSendCommandW(m_device, MCI_STOP, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&none));
        ::mciSendCommandW(m_device, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&none));
        m_device = 0;
    }
}

void MediaPlayer::fail(const char* label, MCIERROR error) {
    // Closed first: an open device keeps the file locked and its video could draw over the next preview.
    Stop();
    throw MediaError{widen(label) + L" " + mciErrorText(error)};
}

void MediaPlayer::send(UINT command, DWORD_PTR flags, void* parameters, const char* label) {
    if (const MCIERROR error =
            ::mciSendCommandW(m_device, command, flags, reinterpret_cast<DWORD_PTR>(parameters)))
        fail(label, error);
}

bool MediaPlayer::Start() {
    Stop();
    killProgressTimer();
    g_player = nullptr;
    MCI_GENERIC_PARMS none{};
    if (const MCIERROR error =
            ::mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&none)))
        fail("MCI_ALL_DEVICE_ID Close", error);

    MCI_OPEN_PARMSW open{};
    open.lpstrElementName = m_path.c_str();
    if (::mciSendCommandW(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open)) != 0)
        return false;
    m_device = open.wDeviceID;

    MCI_SET_PARMS set{};
    set.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    send(MCI_SET, MCI_WAIT | MCI_SET_TIME_FORMAT, &set, "MCI_SET");
    MCI_GETDEVCAPS_PARMS caps{};
    caps.dwItem = MCI_GETDEVCAPS_DEVICE_TYPE;
    send(MCI_GETDEVCAPS, MCI_WAIT | MCI_GETDEVCAPS_ITEM, &caps, "MCI_GETDEVCAPS");
    const int track = caps.dwReturn == MCI_DEVTYPE_CD_AUDIO ? cdTrackNumber(m_path) : 0;

    MCI_STATUS_PARMS status{};
    status.dwItem = MCI_STATUS_LENGTH;
    status.dwTrack = static_cast<DWORD>(track);
    const DWORD_PTR trackFlag = track > 0 ? MCI_TRACK : 0;
    send(MCI_STATUS, MCI_STATUS_ITEM | trackFlag, &status, "MCI_STATUS");
    m_length = status.dwReturn;
    m_start = 0;
    if (track > 0) {
        status.dwItem = MCI_STATUS_POSITION;
        send(MCI_STATUS, MCI_STATUS_ITEM | MCI_TRACK, &status, "MCI_STATUS");
        m_start = status.dwReturn;
    }
    m_lengthText = mediaLengthText(m_length);

    layOutAndPaint();

    MCI_PLAY_PARMS play{};
    DWORD_PTR playFlags = 0;
    if (track > 0) {
        play.dwFrom = static_cast<DWORD>(m_start);
        play.dwTo = static_cast<DWORD>(m_start + m_length);
        playFlags = MCI_FROM | MCI_TO;
    }
    send(MCI_PLAY, playFlags, &play, "MCI_PLAY");

    g_player = this;
    g_timer = ::SetTimer(nullptr, 0, kTickInterval, onTimer);
    return true;
}

void MediaPlayer::layOutAndPaint() {
    ScopedGetDC dc(m_window);
    {
        ScopedSelect font(dc.get(), m_font ? static_cast<HGDIOBJ>(m_font) : ::GetStockObject(SYSTEM_FONT));
        SIZE text{};
        check(::GetTextExtentPoint32W(dc.get(), m_lengthText.c_str(), static_cast<int>(m_lengthText.size()),
                                      &text),
              "GetTextExtentPoint32");
        m_textSize = {text.cx, text.cy};
    }

    MCI_GETDEVCAPS_PARMS caps{};
    caps.dwItem = MCI_GETDEVCAPS_HAS_VIDEO;
    send(MCI_GETDEVCAPS, MCI_WAIT | MCI_GETDEVCAPS_ITEM, &caps, "MCI_GETDEVCAPS");
    std::optional<SizeWH> video;
    if (caps.dwReturn != 0) {
        MCI_DGV_RECT_PARMS where{};
        send(MCI_WHERE, MCI_WAIT | MCI_DGV_WHERE_SOURCE, &where, "MCI_WHERE");
        // The rectangle's right and bottom carry the width and height.
        video = SizeWH{where.rc.right, where.rc.bottom};
    }
    m_layout = mediaLayout(m_textSize, video, m_box);
    m_place(m_layout.window);

    const HBRUSH black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    const RECT whole{0, 0, m_layout.window.width, m_layout.window.height};
    UniqueBrush background(::CreateSolidBrush(kBackground));
    if (video) {
        MCI_DGV_WINDOW_PARMSW window{};
        window.hWnd = m_window;
        send(MCI_WINDOW, MCI_WAIT | MCI_DGV_WINDOW_HWND | MCI_OVLY_WINDOW_ENABLE_STRETCH, &window,
             "MCI_WINDOW");
        MCI_DGV_RECT_PARMS put{};
        put.rc = {kVideoMargin, kVideoMargin, m_layout.video.width, m_layout.video.height};
        send(MCI_PUT, MCI_WAIT | MCI_DGV_RECT | MCI_DGV_PUT_DESTINATION, &put, "MCI_PUT");
        // The margins around the video and below it; the video paints the rest.
        const int videoRight = kVideoMargin + m_layout.video.width;
        const int videoBottom = kVideoMargin + m_layout.video.height;
        const RECT margins[] = {{0, 0, whole.right, kVideoMargin},
                                {0, 0, kVideoMargin, whole.bottom},
                                {videoRight, 0, whole.right, whole.bottom},
                                {0, videoBottom, whole.right, whole.bottom}};
        for (const RECT& r : margins)
            check(::FillRect(dc.get(), &r, background.get()), "FillRect");
        check(::FrameRect(dc.get(), &whole, black), "FrameRect");
        const RECT frame{kVideoMargin, kVideoMargin, videoRight, videoBottom};
        check(::FrameRect(dc.get(), &frame, black), "FrameRect");
    } else {
        check(::FillRect(dc.get(), &whole, background.get()), "FillRect");
        check(::FrameRect(dc.get(), &whole, black), "FrameRect");
    }

    const RECT bar{kProgressLeft, m_layout.textTop, kProgressRight, m_layout.textTop + m_textSize.height};
    check(::FillRect(dc.get(), &bar, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH))), "FillRect");
    check(::FrameRect(dc.get(), &bar, black), "FrameRect");
    ScopedSelect font(dc.get(), m_font ? static_cast<HGDIOBJ>(m_font) : ::GetStockObject(SYSTEM_FONT));
    ::SetTextColor(dc.get(), RGB(0, 0, 0));
    check(::SetBkMode(dc.get(), TRANSPARENT) != 0, "SetBkMode");
    check(::TextOutW(dc.get(), kLengthTextLeft, m_layout.textTop + 2, m_lengthText.c_str(),
                     static_cast<int>(m_lengthText.size())),
          "TextOut");
}

void CALLBACK MediaPlayer::onTimer(HWND, UINT, UINT_PTR id, DWORD) {
    // A tick already queued when the player stopped finds nothing to advance.
    if (id == g_timer && g_player)
        g_player->tick();
}

void MediaPlayer::tick() {
    MCI_STATUS_PARMS status{};
    status.dwItem = MCI_STATUS_POSITION;
    if (::mciSendCommandW(m_device, MCI_STATUS, MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status)) != 0)
        return;
    m_barRight = progressBarRight(status.dwReturn, m_start, m_length);
    ScopedGetDC dc(m_window);
    const RECT filled{kProgressLeft + 1, m_layout.textTop + 1, m_barRight,
                      m_layout.textTop + m_textSize.height - 1};
    UniqueBrush blue(::CreateSolidBrush(RGB(0, 0, 255)));
    ::FillRect(dc.get(), &filled, blue.get());
}

} // namespace pvn
