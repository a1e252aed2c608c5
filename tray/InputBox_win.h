#pragma once
// The input box (dialog 9100): a prompt that the box grows to fit, one edit line, OK and cancel.
#include <windows.h>

#include <optional>
#include <string>

namespace pvn {

// Modal, owned by `owner`, topmost; `iconId` is a program icon shown as the box's small icon. The
// typed text, never empty ("入力されていません" keeps the box open), or nothing when cancelled.
std::optional<std::wstring> askText(HWND owner, const std::wstring& title, const std::wstring& prompt,
                                    const std::wstring& text, int iconId);

} // namespace pvn
