#pragma once
// Carries out a registry plan, each operation in the view it names.
#include "settings/RegistryPlan.h"

#include <functional>
#include <string>

namespace pvn {

// Called with the full name of a key whose deletion (or whose default value's deletion) failed.
using RegFailure = std::function<void(const std::wstring& fullName)>;

// Missing keys and values are skipped. Without `onFailure` failures are not checked one by one.
void applyRegPlan(const RegPlan& plan, const RegFailure& onFailure = {});

// Whether HKEY_CURRENT_USER\<key> exists in the programs' view.
bool userKeyExists(const std::wstring& key);

} // namespace pvn
