#include "common/TraySender_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/RequestMessage_win.h"
#include "common/SectionWriter.h"

#include <cstdint>

namespace pvn {
namespace {

struct Wait {
    UINT flags;
    UINT milliseconds;
};

// The tray holds codes 3 and 10 while the user works in its context or file-operation menu, and 9
// and 13 while it may show a box: wait for as long as it goes on pumping messages, and give up only
// once it has stopped (hung) for the timeout. Everything else it answers at once, so a tray that
// takes longer is treated as absent rather than freezing the menu that sent it. Systems that do not
// honour SMTO_NOTIMEOUTIFNOTHUNG apply the long timeout as it is, which a menu rarely outlasts.
Wait waitFor(RequestCode code) {
    constexpr UINT always = SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT;
    switch (code) {
    case RequestCode::ItemContextMenu:
    case RequestCode::CtrlLetterCommand:
    case RequestCode::ReloadSettings:
    case RequestCode::HotKeys:
        return {always | SMTO_NOTIMEOUTIFNOTHUNG, 30000};
    default:
        return {always, 5000};
    }
}

bool grantsForeground(RequestCode code) {
    return code == RequestCode::ItemContextMenu || code == RequestCode::CtrlLetterCommand;
}

// The tray's menus must be able to take the foreground from this process.
void grantForeground(HWND tray) {
    DWORD processId = 0;
    if (!check(GetWindowThreadProcessId(tray, &processId) != 0, "GetWindowThreadProcessId"))
        return;
    check(AllowSetForegroundWindow(processId), "AllowSetForegroundWindow");
}

} // namespace

TrayReply TraySender::send(const RequestPayload& request) const {
    if (!isTrayWindow(m_tray))
        return {0, TraySendStatus::NotTray};
    const UINT message = requestMessage();
    if (message == 0)
        return {0, TraySendStatus::NoMessage};

    // Declared in this order so that the view is unmapped before the section is closed.
    UniqueMapping section;
    UniqueView view;
    if (!request.data.empty()) {
        const auto size = static_cast<std::uint64_t>(request.data.size());
        SetLastError(ERROR_SUCCESS);
        section.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                         static_cast<DWORD>(size >> 32), static_cast<DWORD>(size),
                                         kRequestSectionName));
        if (!section)
            return {0, TraySendStatus::SectionFailed};
        // Someone else's request is in flight: writing into its section would corrupt it.
        if (GetLastError() == ERROR_ALREADY_EXISTS)
            return {0, TraySendStatus::SectionBusy};
        view.reset(MapViewOfFile(section.get(), FILE_MAP_WRITE, 0, 0, request.data.size()));
        if (!view)
            return {0, TraySendStatus::SectionFailed};
        SectionWriter writer({static_cast<std::byte*>(view.get()), request.data.size()});
        if (!writer.write(request.data))
            return {0, TraySendStatus::SectionFailed};
    }

    if (grantsForeground(request.code))
        grantForeground(m_tray);

    const Wait wait = waitFor(request.code);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(m_tray, message, toWParam(request.code), request.lParam, wait.flags,
                             wait.milliseconds, &result))
        return {0, TraySendStatus::NotAnswered};
    return {static_cast<LRESULT>(result), TraySendStatus::Answered};
}

} // namespace pvn
