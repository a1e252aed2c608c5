#pragma once
// The per-user key that holds every option of the system.

namespace pvn {

inline constexpr wchar_t kSettingsKey[] = L"Software\\Morrick\\Parvane";

} // namespace pvn
