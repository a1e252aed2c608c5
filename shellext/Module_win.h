#pragma once
// What the extension DLL keeps for its whole time in Explorer: its instance handle, the count of
// live COM objects that decides whether it may be unloaded, and the outcome of its self-check.
#include <windows.h>

namespace pvn::shellext {

// {E8843021-9D99-11D2-975A-444553540000}; declared as a constant because mingw cannot link
// __uuidof on our own classes.
inline constexpr CLSID kExtentClassId = {0xE8843021, 0x9D99, 0x11D2, {0x97, 0x5A, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

HINSTANCE moduleInstance();
void setModuleInstance(HINSTANCE instance);

long liveObjects();

// Held by every class factory and extension object for its lifetime.
class LiveObject {
public:
    LiveObject();
    ~LiveObject();
    LiveObject(const LiveObject&) = delete;
    LiveObject& operator=(const LiveObject&) = delete;
};

// Checks the DLL's own file the first time it is asked and remembers the answer. Never called from
// DllMain: a failed check shows a box.
bool moduleIntact();

} // namespace pvn::shellext
