#pragma once
// Sends one request to the tray: the data goes into the section "PVN_CurDirFile", which lives only
// for the send. Every failure (no tray, a stale handle, a busy or failed section, a tray that hangs
// or dies) ends as answer 0, the "tray absent" of every caller; `status` says which it was.
#include "common/RequestPayload.h"

#include <windows.h>

namespace pvn {

enum class TraySendStatus {
    Answered,      // the tray's handler returned `answer`
    NotTray,       // no window, or a window of another class: nothing was sent
    NoMessage,     // "PVNMESSAGE" could not be registered: nothing was sent
    SectionBusy,   // another request holds the section: nothing was sent, the section left alone
    SectionFailed, // the section could not be created or mapped: nothing was sent
    NotAnswered,   // sent, but the tray hung, timed out or went away
};

struct TrayReply {
    LRESULT answer = 0;
    TraySendStatus status = TraySendStatus::NotTray;
};

class TraySender {
public:
    explicit TraySender(HWND tray) : m_tray(tray) {}

    TrayReply send(const RequestPayload& request) const;
    LRESULT answer(const RequestPayload& request) const { return send(request).answer; }
    HWND tray() const { return m_tray; }

private:
    HWND m_tray;
};

} // namespace pvn
