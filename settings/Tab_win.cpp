#include "settings/Tab_win.h"

#include "common/ErrorBox_win.h"
#include "common/Settings_win.h"
#include "settings/PageBindings.h"
#include "settings/SettingsDialog_win.h"

#include <commctrl.h>

namespace pvn {
namespace {

const SettingDef& defOf(const ControlBinding& binding) {
    return settingDef(binding.setting);
}

} // namespace

Tab::Tab(SettingPage page, int dialogId) : m_page(page), m_dialogId(dialogId) {}

bool Tab::create(SettingsDialog& frame, const SettingsValues& values) {
    m_frame = &frame;
    if (!createModeless(GetModuleHandleW(nullptr), m_dialogId, frame.window())) {
        reportLastError("CreateDialog");
        return false;
    }
    SetWindowPos(m_dialog, nullptr, frame.pageX(), 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    show(values);
    return true;
}

void Tab::prepareControls() {
    for (const ControlBinding& b : pageBindings(m_page)) {
        const SettingDef& def = defOf(b);
        if (b.kind == BindKind::Choice) {
            for (const SettingChoice& c : def.choices) {
                const std::wstring label(c.label);
                const LRESULT at =
                    SendDlgItemMessageW(m_dialog, b.control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
                SendDlgItemMessageW(m_dialog, b.control, CB_SETITEMDATA, at, c.value);
            }
        } else if (b.kind == BindKind::UpDown) {
            SendDlgItemMessageW(m_dialog, b.control, UDM_SETRANGE32, def.min, def.max);
        }
    }
}

void Tab::show(const SettingsValues& values) {
    for (const ControlBinding& b : pageBindings(m_page)) {
        const std::uint32_t number = values.number(b.setting).value_or(0);
        switch (b.kind) {
        case BindKind::Check:
            CheckDlgButton(m_dialog, b.control, number ? BST_CHECKED : BST_UNCHECKED);
            followCheck(b);
            break;
        case BindKind::Radio:
            radioGroupSet(b.control, b.count, static_cast<int>(number));
            break;
        case BindKind::Choice: {
            const LRESULT count = SendDlgItemMessageW(m_dialog, b.control, CB_GETCOUNT, 0, 0);
            LRESULT found = -1;
            for (LRESULT i = 0; i < count && found < 0; ++i)
                if (static_cast<std::uint32_t>(SendDlgItemMessageW(m_dialog, b.control, CB_GETITEMDATA, i, 0)) == number)
                    found = i;
            SendDlgItemMessageW(m_dialog, b.control, CB_SETCURSEL, found, 0);
            break;
        }
        case BindKind::UpDown:
            SendDlgItemMessageW(m_dialog, b.control, UDM_SETPOS32, 0, static_cast<LPARAM>(number));
            break;
        case BindKind::HotKey:
            SendDlgItemMessageW(m_dialog, b.control, HKM_SETHOTKEY, number & 0xFFFF, 0);
            break;
        case BindKind::Text:
            SetDlgItemTextW(m_dialog, b.control, values.text(b.setting).value_or(L"").c_str());
            break;
        case BindKind::Custom:
            showCustom(b, values);
            break;
        }
    }
    afterShow();
}

SettingsValues Tab::collect() const {
    SettingsValues values;
    for (const ControlBinding& b : pageBindings(m_page)) {
        const SettingDef& def = defOf(b);
        switch (b.kind) {
        case BindKind::Check:
            values.setFlag(b.setting, IsDlgButtonChecked(m_dialog, b.control) == BST_CHECKED);
            break;
        case BindKind::Radio:
            values.setNumber(b.setting, static_cast<std::uint32_t>(radioGroupGet(b.control, b.count)));
            break;
        case BindKind::Choice: {
            const LRESULT at = SendDlgItemMessageW(m_dialog, b.control, CB_GETCURSEL, 0, 0);
            values.setNumber(b.setting, at == CB_ERR ? def.fallback
                                                     : static_cast<std::uint32_t>(SendDlgItemMessageW(
                                                           m_dialog, b.control, CB_GETITEMDATA, at, 0)));
            break;
        }
        case BindKind::UpDown: {
            BOOL failed = FALSE;
            const LRESULT pos = SendDlgItemMessageW(m_dialog, b.control, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
            // A field the control cannot read saves the range's end rather than an unlimited number.
            std::uint32_t n = failed ? def.max : static_cast<std::uint32_t>(pos < 0 ? 0 : pos);
            values.setNumber(b.setting, n < def.min ? def.min : n > def.max ? def.max : n);
            break;
        }
        case BindKind::HotKey:
            values.setNumber(b.setting,
                             static_cast<std::uint32_t>(SendDlgItemMessageW(m_dialog, b.control, HKM_GETHOTKEY, 0, 0)) & 0xFFFF);
            break;
        case BindKind::Text:
            values.setText(b.setting, controlText(b.control));
            break;
        case BindKind::Custom:
            collectCustom(b, values);
            break;
        }
    }
    return values;
}

void Tab::ResetToInstall() {
    show(frame().installValues());
}

bool Tab::Save(RegKey& key) {
    const SettingsValues values = collect();
    bool written = true;
    for (const ControlBinding& b : pageBindings(m_page))
        written = writeSetting(key, defOf(b), values) && written;
    return written;
}

void Tab::followCheck(const ControlBinding& binding) {
    const SettingDef& def = defOf(binding);
    if (def.offLabel.empty())
        return;
    const bool on = IsDlgButtonChecked(m_dialog, binding.control) == BST_CHECKED;
    SetDlgItemTextW(m_dialog, binding.control, std::wstring(on ? def.label : def.offLabel).c_str());
}

INT_PTR Tab::handleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        prepareControls();
        onInit();
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (INT_PTR brush = handleColor(wParam, lParam))
            return brush;
        break;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (code == BN_CLICKED)
            for (const ControlBinding& b : pageBindings(m_page))
                if (b.control == id && b.kind == BindKind::Check)
                    followCheck(b);
        if (onCommand(id, code))
            return TRUE;
        break;
    }
    default:
        break;
    }
    return onMessage(message, wParam, lParam);
}

} // namespace pvn
