#pragma once
// Whether this folder may be installed from: every deliverable present, no older product of the
// maker left installed, no stored version below 3.00.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pvn {

inline constexpr wchar_t kVersionText[] = L"Ver.3.12";

// The twenty files, relative to the installation folder, in the order they are checked.
std::span<const wchar_t* const> requiredFiles();

struct InstallFacts {
    // Relative name -> present in the installation folder.
    std::function<bool(std::wstring_view relative)> fileExists;
    bool tamselInstalled = false; // HKEY_CURRENT_USER\Software\Morrick\Tamsel
    bool ostridInstalled = false;
    // The settings key's Version; nothing when the key does not exist, empty when it has no Version.
    std::optional<std::wstring> storedVersion;
};

// The refusal to show, or nothing when installation may go ahead. The first failing check wins.
std::optional<std::wstring> installRefusal(const InstallFacts& facts);

// A stored "Ver.x.yy" whose text after "Ver." sorts below "3.00" as a string.
bool versionBelowThree(std::wstring_view stored);

} // namespace pvn
