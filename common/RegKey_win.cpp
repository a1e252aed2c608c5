#include "common/RegKey_win.h"

#include <vector>

namespace pvn {
namespace {

REGSAM flagOf(RegistryView view) { return view == RegistryView::Bits64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY; }

REGSAM& viewFlag() {
    static REGSAM flag = flagOf(chooseRegistryView(sizeof(void*) == 8, runningUnderWow64()));
    return flag;
}

} // namespace

bool runningUnderWow64() {
    BOOL wow = FALSE;
    using Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    // Looked up at run time: the call is missing on the oldest systems the programs start on.
    auto fn = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process")));
    return fn && fn(GetCurrentProcess(), &wow) && wow;
}

REGSAM registryViewFlag() { return viewFlag(); }
void setRegistryView(RegistryView view) { viewFlag() = flagOf(view); }

RegKey& RegKey::operator=(RegKey&& other) noexcept {
    if (this != &other) {
        close();
        m_key = std::move(other.m_key);
        m_result = other.m_result;
    }
    return *this;
}

bool RegKey::open(HKEY root, const std::wstring& subKey, REGSAM access, bool create) {
    close();
    HKEY key = nullptr;
    access |= registryViewFlag();
    if (create)
        m_result = RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                   &key, nullptr);
    else
        m_result = RegOpenKeyExW(root, subKey.c_str(), 0, access, &key);
    if (m_result == ERROR_SUCCESS)
        m_key.reset(key);
    return isOpen();
}

bool RegKey::readDword(const wchar_t* name, DWORD& target) const {
    if (!isOpen())
        return false;
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExW(m_key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return false;
    target = value;
    return true;
}

bool RegKey::readBool(const wchar_t* name, bool& target) const {
    DWORD value = 0;
    if (!readDword(name, value))
        return false;
    target = value != 0;
    return true;
}

bool RegKey::readString(const wchar_t* name, std::wstring& target, bool acceptExpandable) const {
    if (!isOpen())
        return false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0, size = 0;
        if (RegQueryValueExW(m_key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return false;
        if (type != REG_SZ && !(acceptExpandable && type == REG_EXPAND_SZ))
            return false;
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        LONG r = RegQueryValueExW(m_key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (r == ERROR_MORE_DATA)
            continue; // grew between the two queries
        if (r != ERROR_SUCCESS || (type != REG_SZ && !(acceptExpandable && type == REG_EXPAND_SZ)))
            return false;
        // The stored data need not end with a NUL: take what is there, up to the first NUL.
        size_t chars = got / sizeof(wchar_t);
        size_t length = 0;
        while (length < chars && buffer[length] != L'\0')
            ++length;
        target.assign(buffer.data(), length);
        return true;
    }
    return false;
}

bool RegKey::writeString(const wchar_t* name, const std::wstring& text) {
    if (!isOpen())
        return false;
    DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    m_result = RegSetValueExW(m_key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    return m_result == ERROR_SUCCESS;
}

bool RegKey::writeDword(const wchar_t* name, DWORD value) {
    if (!isOpen())
        return false;
    m_result = RegSetValueExW(m_key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    return m_result == ERROR_SUCCESS;
}

bool RegKey::deleteSubKey(const std::wstring& name) {
    if (!isOpen())
        return false;
    m_result = RegDeleteKeyExW(m_key.get(), name.c_str(), registryViewFlag(), 0);
    return m_result == ERROR_SUCCESS;
}

bool RegKey::deleteValue(const std::wstring& name) {
    if (!isOpen())
        return false;
    m_result = RegDeleteValueW(m_key.get(), name.empty() ? nullptr : name.c_str());
    return m_result == ERROR_SUCCESS;
}

std::optional<RegKey::ValueInfo> RegKey::enumValue(DWORD index) const {
    if (!isOpen())
        return std::nullopt;
    wchar_t name[261];
    DWORD chars = 261, type = 0;
    if (RegEnumValueW(m_key.get(), index, name, &chars, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    return ValueInfo{std::wstring(name, chars), type};
}

std::optional<RegKey::Counts> RegKey::queryCounts() const {
    if (!isOpen())
        return std::nullopt;
    Counts c;
    if (RegQueryInfoKeyW(m_key.get(), nullptr, nullptr, nullptr, &c.subKeys, nullptr, nullptr, &c.values,
                         &c.longestValueName, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    return c;
}

bool RegKey::flush() { return isOpen() && RegFlushKey(m_key.get()) == ERROR_SUCCESS; }

void RegKey::close() {
    if (isOpen()) {
        RegFlushKey(m_key.get());
        m_key.reset();
    }
}

} // namespace pvn
