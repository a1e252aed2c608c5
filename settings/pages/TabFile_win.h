#pragma once
#include "settings/Tab_win.h"

namespace pvn {

// "ファイル表示": the file count limit (10..999), files above folders, history, "<ファイル>".
class TabFile : public Tab {
public:
    TabFile();
    // A count the up-down control does not hold (0, empty, out of range) is refused.
    bool Validate() override;

private:
    void onInit() override;

    UniqueFont m_numberFont;
};

} // namespace pvn
