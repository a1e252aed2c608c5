#pragma once
// The setup uses of PVNSet: the installation dialog (no word) and the removal of every product
// ("alluninstall"). Each returns the program's exit code.
namespace pvn {

int runInstallation();
int runAllUninstall();

} // namespace pvn
