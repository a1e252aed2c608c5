#pragma once
// Named points of the folder-menu program's start-up. The shipped program records nothing (its entry
// file defines markPhase empty); the start-up benchmark links a recorder in its place.
namespace pvn {

void markPhase(const char* name);

} // namespace pvn
