#pragma once
// How the tray window answers "PVNMESSAGE": one table keyed by the request code. Each subsystem
// that carries out a request adds its handler; a code whose handler is not there yet answers as a
// request with no effect. The codes the tray posts to itself (6 and 11) never come from another
// program: they travel through the tray's private message, so that no process can post, say, a
// deletion of the last item.
#include "common/RequestCode.h"
#include "common/TrayRequest.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace pvn {

enum class RequestSource {
    OtherProgram, // "PVNMESSAGE"
    TrayItself,   // the tray's private message
};

struct RequestRoute {
    RequestCode code{};
    RequestSource source = RequestSource::OtherProgram;
    // The answer while no handler is set: what the code means by "nothing done".
    std::intptr_t answerWithoutHandler = 1;
};

// The route of a code, or nothing for codes the tray window does not take (answered with
// kUnknownCodeAnswer and otherwise ignored).
const RequestRoute* findRequestRoute(unsigned code);

inline constexpr std::intptr_t kUnknownCodeAnswer = 1;
// A request whose section did not hold what its code needs is carried out by no handler.
inline constexpr std::intptr_t kRefusedRequestAnswer = 0;

class RequestTable {
public:
    using Handler = std::function<std::intptr_t(const TrayRequest&)>;

    void setHandler(RequestCode code, Handler handler);
    bool hasHandler(RequestCode code) const { return m_handlers.count(code) != 0; }

    // `request` is the parsed request, or nothing when its section was refused. A code arriving
    // from the wrong source is treated as unknown.
    std::intptr_t dispatch(unsigned code, RequestSource source, const std::optional<TrayRequest>& request) const;

private:
    std::map<RequestCode, Handler> m_handlers;
};

} // namespace pvn
