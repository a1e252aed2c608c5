#include "common/ErrorBox_win.h"

#include <cstdio>
#include <exception>
#include <new>

namespace pvn {
namespace {

std::wstring widen(const char* ascii) {
    std::wstring out;
    for (const char* p = ascii; p && *p; ++p)
        out += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return out;
}

} // namespace

std::wstring formatErrorCode(const char* callName, DWORD code) {
    return widen(callName) + L" Error Code =" + std::to_wstring(static_cast<int>(code));
}

std::wstring formatHresult(const char* callName, HRESULT result) {
    wchar_t hex[16];
    std::swprintf(hex, 16, L"0x%08x", static_cast<unsigned>(result));
    return widen(callName) + L" Error Code =" + hex;
}

int askUser(const std::wstring& text, UINT style, HWND owner) {
    return MessageBoxW(owner, text.c_str(), kBoxTitle, style | MB_TOPMOST | MB_SETFOREGROUND);
}

void showMessage(const std::wstring& text, HWND owner) { askUser(text, MB_OK | MB_ICONERROR, owner); }

void reportLastError(const char* callName) { showMessage(formatErrorCode(callName, GetLastError())); }

void reportCurrentException() noexcept {
    // The box pumps messages: a procedure that throws again meanwhile must not stack boxes.
    thread_local bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    try {
        try {
            throw;
        } catch (const std::bad_alloc&) {
            showMessage(L"メモリが不足しています。");
        } catch (const std::exception& e) {
            showMessage(L"内部エラー: " + widen(e.what()));
        } catch (...) {
            showMessage(L"内部エラーが発生しました。");
        }
    } catch (...) {
        // Not even the box could be shown (no memory left for its text): nothing more to do.
    }
    reporting = false;
}

bool check(BOOL result, const char* callName) {
    if (result)
        return true;
    reportLastError(callName);
    return false;
}

bool checkHr(HRESULT result, const char* callName) {
    if (SUCCEEDED(result))
        return true;
    showMessage(formatHresult(callName, result));
    return false;
}

} // namespace pvn
