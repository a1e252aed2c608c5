#include "shellext/Module_win.h"

#include "common/IntegrityCheck_win.h"

#include <atomic>

namespace pvn::shellext {
namespace {

HINSTANCE g_instance = nullptr;
// Explorer may host menus on several apartment threads.
std::atomic<long> g_liveObjects{0};

} // namespace

HINSTANCE moduleInstance() { return g_instance; }

void setModuleInstance(HINSTANCE instance) { g_instance = instance; }

long liveObjects() { return g_liveObjects.load(); }

LiveObject::LiveObject() { ++g_liveObjects; }

LiveObject::~LiveObject() { --g_liveObjects; }

bool moduleIntact() {
    static const bool intact = verifyOwnFile(g_instance);
    return intact;
}

} // namespace pvn::shellext
