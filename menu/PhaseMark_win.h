#pragma once
// Named points of the folder-menu program's start-up. The shipped program records nothing
// (PhaseMark_win.cpp); the start-up benchmark links a recorder in its place.
namespace pvn {

void markPhase(const char* name);

} // namespace pvn
