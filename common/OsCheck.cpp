#include "common/OsCheck.h"

namespace pvn {

int classifyOs(const OsVersionQuery& query) {
    if (query.atLeast(10, 0, 0))
        return query.buildAtLeast(22000) ? 6 : 5;
    if (query.atLeast(6, 3, 0))
        return 4;
    if (query.atLeast(6, 2, 0))
        return 3;
    if (query.atLeast(6, 1, 0))
        return 2;
    if (query.atLeast(6, 0, 0))
        return 1;
    return 0;
}

int elevationClass(int tokenElevationType) {
    // TOKEN_ELEVATION_TYPE: 1 default, 2 full, 3 limited.
    switch (tokenElevationType) {
    case 2:
        return 3;
    case 3:
        return 2;
    default:
        return 1;
    }
}

} // namespace pvn
