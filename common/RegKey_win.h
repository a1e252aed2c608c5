#pragma once
// Registry access of every program: keys carry the process-wide view flag, typed reads leave their
// target unchanged when the value is missing or of another type, texts are written with their NUL,
// and closing flushes first.
#include "common/Handle_win.h"
#include "common/RegistryView.h"

#include <optional>
#include <string>

namespace pvn {

// KEY_WOW64_64KEY or KEY_WOW64_32KEY, decided once per process (see RegistryView.h).
REGSAM registryViewFlag();
// The settings program's explicit switch, in force until the next one.
void setRegistryView(RegistryView view);
bool runningUnderWow64();

class RegKey {
public:
    RegKey() = default;
    RegKey(HKEY root, const std::wstring& subKey, REGSAM access, bool create = false) {
        open(root, subKey, access, create);
    }
    ~RegKey() { close(); }
    RegKey(RegKey&& other) noexcept = default;
    RegKey& operator=(RegKey&& other) noexcept;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // RegCreateKeyExW when create is set, else RegOpenKeyExW; the view flag is added to access.
    bool open(HKEY root, const std::wstring& subKey, REGSAM access, bool create = false);
    bool isOpen() const { return static_cast<bool>(m_key); }
    LONG result() const { return m_result; }
    HKEY get() const { return m_key.get(); }

    bool readDword(const wchar_t* name, DWORD& target) const;
    bool readBool(const wchar_t* name, bool& target) const;
    bool readString(const wchar_t* name, std::wstring& target, bool acceptExpandable = false) const;

    bool writeString(const wchar_t* name, const std::wstring& text);
    bool writeDword(const wchar_t* name, DWORD value);
    bool writeBool(const wchar_t* name, bool value) { return writeDword(name, value ? 1 : 0); }

    // RegDeleteKeyExW of one sub-key (not recursive); an empty name deletes this key itself.
    bool deleteSubKey(const std::wstring& name);
    // An empty name deletes the default value.
    bool deleteValue(const std::wstring& name);

    struct ValueInfo {
        std::wstring name;
        DWORD type = 0;
    };
    std::optional<ValueInfo> enumValue(DWORD index) const;

    struct Counts {
        DWORD subKeys = 0;
        DWORD values = 0;
        DWORD longestValueName = 0;
    };
    std::optional<Counts> queryCounts() const;

    bool flush();
    // RegFlushKey, then RegCloseKey.
    void close();

private:
    UniqueKey m_key;
    LONG m_result = ERROR_INVALID_HANDLE;
};

} // namespace pvn
