#pragma once
#include "settings/Tab_win.h"

#include <cstdint>

namespace pvn {

// "メニュー起動": the start type the shell registration shows and the conditions under which a
// folder opens normally. Saving a changed start type registers the verbs again.
class TabOpen : public Tab {
public:
    TabOpen();
    void ResetToInstall() override;
    bool Save(RegKey& key) override;

private:
    void onInit() override;
    void afterShow() override;
    bool onCommand(int id, int code) override;
    void enableConditions();
    std::uint32_t shownStartType() const;

    std::uint32_t m_startTypeAtStart = 0;
    bool m_shown = false;
};

} // namespace pvn
