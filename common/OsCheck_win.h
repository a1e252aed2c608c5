#pragma once
#include "common/OsCheck.h"

namespace pvn {

// The class of the running system; 0 shows "このＯＳではサポートされていません。".
int checkOs();
// 1 default, 3 full, 2 limited; failures of the token calls are reported and give 1.
int tokenElevation();

} // namespace pvn
