#pragma once
#include "settings/ExtensionListControls_win.h"
#include "settings/Tab_win.h"
#include "settings/TextFontDialog_win.h"

namespace pvn {

// "ツールチップ(テキスト)": the extensions previewed as text, the number of lines, the tab width
// and the font of the text preview.
class TabTTTxt : public Tab {
public:
    TabTTTxt();

private:
    void onInit() override;
    void showCustom(const ControlBinding& binding, const SettingsValues& values) override;
    void collectCustom(const ControlBinding& binding, SettingsValues& values) const override;
    bool onCommand(int id, int code) override;

    ExtensionListControls m_extensions;
    TextFont m_font;
};

} // namespace pvn
