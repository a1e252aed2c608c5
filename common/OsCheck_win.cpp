#include "common/OsCheck_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"

namespace pvn {
namespace {

bool verify(OSVERSIONINFOEXW& info, DWORD mask, DWORDLONG conditions) {
    info.dwOSVersionInfoSize = sizeof info;
    return VerifyVersionInfoW(&info, mask, conditions) != FALSE;
}

bool atLeast(unsigned major, unsigned minor, unsigned servicePack) {
    OSVERSIONINFOEXW info{};
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    info.wServicePackMajor = static_cast<WORD>(servicePack);
    DWORDLONG c = 0;
    c = VerSetConditionMask(c, VER_MAJORVERSION, VER_GREATER_EQUAL);
    c = VerSetConditionMask(c, VER_MINORVERSION, VER_GREATER_EQUAL);
    c = VerSetConditionMask(c, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return verify(info, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, c);
}

bool buildAtLeast(unsigned build) {
    OSVERSIONINFOEXW info{};
    info.dwBuildNumber = build;
    DWORDLONG c = VerSetConditionMask(0, VER_BUILDNUMBER, VER_GREATER_EQUAL);
    return verify(info, VER_BUILDNUMBER, c);
}

} // namespace

int checkOs() {
    int os = classifyOs({atLeast, buildAtLeast});
    if (os == 0)
        showMessage(L"このＯＳではサポートされていません。");
    return os;
}

int tokenElevation() {
    HANDLE raw = nullptr;
    if (!check(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw), "OpenProcessToken"))
        return 1;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    BOOL ok = GetTokenInformation(raw, TokenElevationType, &type, sizeof type, &size);
    int result = ok ? elevationClass(static_cast<int>(type)) : 1;
    if (!ok)
        reportLastError("GetTokenInformation");
    check(CloseHandle(raw), "CloseHandle");
    return result;
}

} // namespace pvn
