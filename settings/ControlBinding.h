#pragma once
// How a settings page binds its controls to the settings values. Each page lists its bindings in
// a table beside its resource id header (pages/<Page>Binding.h); the page base then shows the
// values, restores the Install values and saves, written once for every page. Platform-free, so
// that a native test can check that every value the settings program writes is bound exactly once.
#include "common/SettingsTable.h"

#include <span>

namespace pvn {

enum class BindKind {
    // Check box: a flag. A flag with an off label (SettingDef::offLabel) gets the caption that
    // follows its state.
    Check,
    // Group box `control` with `count` radio buttons control+1.. : the index, -1 when none is checked.
    Radio,
    // Drop-down list filled from the value's choices (label, item data = value): the data of the
    // selected entry, the value's fallback when nothing is selected.
    Choice,
    // Up-down control with a number field as buddy, ranged to the value's min..max.
    UpDown,
    // Hot-key control (msctls_hotkey32): the control's word.
    HotKey,
    // Edit or static control: a text.
    Text,
    // The page shows and reads this value itself (Tab::showCustom, Tab::collectCustom).
    Custom,
};

struct ControlBinding {
    int control = 0;
    SettingId setting = SettingId::StartType;
    BindKind kind = BindKind::Check;
    int count = 0; // radio buttons of a Radio group
};

using BindingTable = std::span<const ControlBinding>;

} // namespace pvn
