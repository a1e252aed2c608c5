#pragma once
// PVNSet's start-up: one instance per argument string, OLE and the common controls, then the use
// the command word chooses.
namespace pvn {

int runSetProgram();

} // namespace pvn
