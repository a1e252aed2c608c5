#pragma once
// The operating-system class the programs work with: 6 Windows 11, 5 Windows 10, 4 for 6.3,
// 3 for 6.2, 2 for 6.1, 1 for 6.0, and 0 for anything older (unsupported).
#include <functional>

namespace pvn {

struct OsVersionQuery {
    // Is the running system at least major.minor with this service-pack major?
    std::function<bool(unsigned major, unsigned minor, unsigned servicePack)> atLeast;
    // Is its build number at least this one?
    std::function<bool(unsigned build)> buildAtLeast;
};

int classifyOs(const OsVersionQuery& query);

// Token elevation as the settings program reports it: 1 default, 3 full, 2 limited.
int elevationClass(int tokenElevationType);

} // namespace pvn
