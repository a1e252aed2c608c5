#include "tray/RequestTable.h"

#include <array>

namespace pvn {
namespace {

constexpr std::array kRoutes{
    // 2: nothing chosen, so that the menu does not record the item as opened.
    RequestRoute{RequestCode::ItemContextMenu, RequestSource::OtherProgram, 2},
    RequestRoute{RequestCode::PresenceTest, RequestSource::OtherProgram, 1},
    RequestRoute{RequestCode::FileOperationItems, RequestSource::OtherProgram, 1},
    RequestRoute{RequestCode::RunFileOperationMenu, RequestSource::TrayItself, 1},
    RequestRoute{RequestCode::ReloadSettings, RequestSource::OtherProgram, 1},
    // 0: nothing done.
    RequestRoute{RequestCode::CtrlLetterCommand, RequestSource::OtherProgram, 0},
    RequestRoute{RequestCode::FinishCommand, RequestSource::TrayItself, 1},
    RequestRoute{RequestCode::HotKeys, RequestSource::OtherProgram, 1},
    RequestRoute{RequestCode::Preview, RequestSource::OtherProgram, 1},
};

} // namespace

const RequestRoute* findRequestRoute(unsigned code) {
    for (const auto& route : kRoutes)
        if (toWParam(route.code) == code)
            return &route;
    return nullptr;
}

void RequestTable::setHandler(RequestCode code, Handler handler) {
    if (handler)
        m_handlers[code] = std::move(handler);
    else
        m_handlers.erase(code);
}

std::intptr_t RequestTable::dispatch(unsigned code, RequestSource source,
                                     const std::optional<TrayRequest>& request) const {
    const RequestRoute* route = findRequestRoute(code);
    if (!route || route->source != source)
        return kUnknownCodeAnswer;
    if (!request)
        return kRefusedRequestAnswer;
    auto handler = m_handlers.find(route->code);
    if (handler == m_handlers.end())
        return route->answerWithoutHandler;
    return handler->second(*request);
}

} // namespace pvn
