#pragma once
// The computer's drives as the drive page lists them.
#include "common/Handle_win.h"

#include <string>
#include <vector>

namespace pvn {

struct DriveRoot {
    wchar_t letter = 0; // lower case
    std::wstring root;  // "c:\"
    UINT type = DRIVE_UNKNOWN;
    std::wstring display; // root and "[label]" (with details only)
    UniqueIcon icon;      // small icon with the link overlay (with details only)
};

// Every logical drive of a known type, in letter order. Details add the label (volume label, or
// "share in server" for a network drive) and the icon. Drives are probed in critical-error mode: an
// empty card reader must not stop the page with a system box. A drive of unknown type is reported
// ("DRIVE_UNKNOWN or DRIVE_NO_ROOT_DIR") when details are asked for, and left out.
std::vector<DriveRoot> listDriveRoots(bool details);

} // namespace pvn
