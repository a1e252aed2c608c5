#pragma once
// Keeps preview builds from nesting. A build pumps messages (folder summaries, plug-ins), and a show
// request dispatched inside that pump must not start a second build on top of the first: the
// running build is marked outdated, stops at its next cancel test, and the newest request is built
// once the outer one has unwound.
namespace pvn {

class BuildGate {
public:
    // A show request. True: build now (the cancel flag is cleared). False: a build is running; it is
    // now outdated and the request waits for it to end.
    bool begin();
    // The item changed (SetItem): a running build describes the old one.
    void itemChanged();
    // A hide request: the running build stops, and a waiting request is dropped, as it would have
    // been shown and then hidden had the two arrived in order.
    void hide();
    // Tested after every message pump: the running build must stop.
    bool cancelled() const { return m_cancelled || m_outdated; }
    bool running() const { return m_running; }
    // The build has unwound. True when a request waits: send the show request again.
    bool end();

private:
    bool m_running = false;
    bool m_cancelled = false;
    bool m_outdated = false;
    bool m_waiting = false;
};

} // namespace pvn
