#pragma once
#include "settings/ExtensionListControls_win.h"
#include "settings/Tab_win.h"

namespace pvn {

// "ツールチップ(その他)": the largest picture, the file-size limit, the extensions previewed as
// media and the edge cut.
class TabTTOther : public Tab {
public:
    TabTTOther();

private:
    void onInit() override;
    void showCustom(const ControlBinding& binding, const SettingsValues& values) override;
    void collectCustom(const ControlBinding& binding, SettingsValues& values) const override;
    bool onCommand(int id, int code) override { return m_extensions.onCommand(id, code); }

    ExtensionListControls m_extensions;
    // The number fields' font, deleted with the page.
    UniqueFont m_numberFont;
};

} // namespace pvn
