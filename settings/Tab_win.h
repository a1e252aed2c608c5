#pragma once
// The base of every settings page. A page is a modeless child dialog of the settings dialog, built
// in an init step (create) once its object is whole, so that WM_INITDIALOG may call its virtual
// functions. Its binding table (pages/<Page>Binding.h) shows the values, restores the Install
// values and saves them; a page adds only what is its own (tooltips, colours, lists, buttons).
//
// Adding a page <Page> for list index n:
//   pages/<Page>Ids.h       the dialog and control ids (#define, read by the resource compiler too)
//   pages/<Page>.rc         the dialog resource, UTF-8 with #pragma code_page(65001), WS_CHILD|DS_CONTROL
//                           (every pages/*.rc is compiled into PVNSet by the folder's CMakeLists)
//   pages/<Page>Binding.h   the binding table, named on line n of PageBindings.cpp
//   pages/<Page>_win.h/.cpp the class: derive from Tab, pass its page and dialog id to Tab's
//                           constructor, override onInit and what else it needs
//   PageList_win.cpp        line n: makePage<Page>
#include "common/RegKey_win.h"
#include "common/SettingsTable.h"
#include "common/SettingsValues.h"
#include "settings/CWinLib_win.h"
#include "settings/ControlBinding.h"

namespace pvn {

class SettingsDialog;

class Tab : public CWinLib {
public:
    // Releases what the page created; some pages also talk to the tray here.
    ~Tab() override = default;

    // Puts the controls to the Install values; writes nothing.
    virtual void ResetToInstall();
    // Whether the controls hold a savable state; a page that refuses has explained why.
    virtual bool Validate() { return true; }
    // Reads the controls and writes every value of the page; false when a write failed.
    virtual bool Save(RegKey& key);

    // The init step: the page's dialog, hidden, at the frame's page position, showing `values`.
    bool create(SettingsDialog& frame, const SettingsValues& values);
    SettingPage page() const { return m_page; }

protected:
    Tab(SettingPage page, int dialogId);

    // WM_INITDIALOG: tooltips, colours, fonts, list contents; the values are shown after it.
    virtual void onInit() {}
    // The values of Custom bindings.
    virtual void showCustom(const ControlBinding&, const SettingsValues&) {}
    virtual void collectCustom(const ControlBinding&, SettingsValues&) const {}
    // After values were shown (construction and ResetToInstall): captions and enabled states.
    virtual void afterShow() {}
    // WM_COMMAND of a control; true when handled.
    virtual bool onCommand(int /*id*/, int /*code*/) { return false; }
    // Any other message (owner draw...); FALSE for the default.
    virtual INT_PTR onMessage(UINT /*message*/, WPARAM, LPARAM) { return FALSE; }

    void show(const SettingsValues& values);
    SettingsValues collect() const;
    SettingsDialog& frame() const { return *m_frame; }

private:
    INT_PTR handleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) final;
    void prepareControls();
    void followCheck(const ControlBinding& binding);

    SettingPage m_page;
    int m_dialogId;
    SettingsDialog* m_frame = nullptr;
};

} // namespace pvn
