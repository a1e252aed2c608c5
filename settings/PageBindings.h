#pragma once
// The binding table of every settings page, by page (list order). Adding a page's table: write
// pages/<Page>Binding.h (its bindings, using the ids of pages/<Page>Ids.h), include it in
// PageBindings.cpp and name it on the page's line there. Pages without settings (the shortcut page)
// have an empty table.
#include "common/SettingsTable.h"
#include "settings/ControlBinding.h"

namespace pvn {

BindingTable pageBindings(SettingPage page);

} // namespace pvn
