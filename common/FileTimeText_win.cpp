#include "common/FileTimeText_win.h"

#include "common/Format.h"

namespace pvn {

std::wstring fileTimeText(const FILETIME& time) {
    if (time.dwLowDateTime == 0 && time.dwHighDateTime == 0)
        return kUnknownDate;
    FILETIME local{};
    SYSTEMTIME st{};
    if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &st))
        return kUnknownDate;
    LocalTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.day = st.wDay;
    t.weekday = st.wDayOfWeek;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    return formatDateText(t);
}

} // namespace pvn
