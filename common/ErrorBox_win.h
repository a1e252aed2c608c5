#pragma once
// The common error report: every box has the title "Parvane" and is topmost and in the foreground.
#include <windows.h>

#include <string>

namespace pvn {

inline constexpr wchar_t kBoxTitle[] = L"Parvane";

// "<name> Error Code =<GetLastError>" when a Win32 result is zero; returns whether it succeeded.
bool check(BOOL result, const char* callName);
// Reports the last error of the call named, whatever the result was.
void reportLastError(const char* callName);
// "<name> Error Code =0x%08x" when the HRESULT is negative; returns whether it succeeded.
bool checkHr(HRESULT result, const char* callName);
// Error-style box with the text.
void showMessage(const std::wstring& text, HWND owner = nullptr);
// Box with the caller's buttons and icon (MB_YESNO | MB_ICONQUESTION...), topmost and in the foreground.
int askUser(const std::wstring& text, UINT style, HWND owner = nullptr);

// Inside a catch block: the exception being handled, in one box ("メモリが不足しています。" for
// std::bad_alloc). A box already showing from this thread's report is not joined by another.
void reportCurrentException() noexcept;

std::wstring formatErrorCode(const char* callName, DWORD code);
std::wstring formatHresult(const char* callName, HRESULT result);

} // namespace pvn
