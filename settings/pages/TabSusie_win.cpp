#include "settings/pages/TabSusie_win.h"

#include "common/ErrorBox_win.h"
#include "common/Paths.h"
#include "settings/FolderBrowser_win.h"
#include "settings/ListBoxEntries_win.h"
#include "settings/PluginInfoText.h"
#include "settings/pages/TabSusieIds.h"

namespace pvn {

TabSusie::TabSusie() : Tab(SettingPage::Susie, IDD_TAB_SUSIE) {}

void TabSusie::onInit() {
    addTooltip(IDC_SUSIE_FOLDER, L"「参照...」ボタンをクリックして変更してください");
    addTooltip(IDC_SUSIE_BROWSE, L"例えば Susie のインストールディレクトリの中を指定してください");
    addTooltip(IDC_SUSIE_LIST,
               L"使用できる Susie Plug-in 一覧が表示されます\nダブルクリックすると設定画面を開きます");
    addTooltip(IDC_SUSIE_INFO, L"Susie Plug-in の情報表示");
    addTooltip(IDC_SUSIE_ABOUT, L"Susie Plug-in の About");
    addTooltip(IDC_SUSIE_SETUP, L"Susie Plug-in の中の設定画面の呼び出し");
}

void TabSusie::showCustom(const ControlBinding& binding, const SettingsValues& values) {
    SetDlgItemTextW(m_dialog, binding.control,
                    stripQuotes(values.text(binding.setting).value_or(L"")).c_str());
}

void TabSusie::collectCustom(const ControlBinding& binding, SettingsValues& values) const {
    values.setText(binding.setting, stripQuotes(controlText(binding.control)));
}

bool TabSusie::onCommand(int id, int code) {
    switch (id) {
    case IDC_SUSIE_LIST:
        if (code == LBN_SELCHANGE)
            updateButtons();
        else if (code == LBN_DBLCLK && IsWindowEnabled(item(IDC_SUSIE_SETUP)))
            configure(1);
        return true;
    case IDC_SUSIE_BROWSE:
        if (code == BN_CLICKED)
            browse();
        return true;
    case IDC_SUSIE_INFO:
        if (code == BN_CLICKED)
            showInformation();
        return true;
    case IDC_SUSIE_ABOUT:
        if (code == BN_CLICKED)
            configure(0);
        return true;
    case IDC_SUSIE_SETUP:
        if (code == BN_CLICKED)
            configure(1);
        return true;
    default:
        return false;
    }
}

void TabSusie::rebuildList() {
    HWND list = item(IDC_SUSIE_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    m_plugins.clear();
    m_plugins = loadSusiePlugins(stripQuotes(controlText(IDC_SUSIE_FOLDER)), true, true);
    int widest = 0;
    {
        ScopedGetDC dc(list);
        ScopedSelect font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
        for (const SusiePlugin& plugin : m_plugins) {
            appendListEntry(list, plugin.listText);
            SIZE size{};
            GetTextExtentPoint32W(dc.get(), plugin.listText.c_str(), static_cast<int>(plugin.listText.size()),
                                  &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
    }
    // Long pattern lists stay readable by scrolling sideways.
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
    updateButtons();
}

void TabSusie::updateButtons() {
    const bool selected = selectedPlugin() != nullptr;
    for (int id : {IDC_SUSIE_INFO, IDC_SUSIE_ABOUT, IDC_SUSIE_SETUP})
        EnableWindow(item(id), selected);
}

const SusiePlugin* TabSusie::selectedPlugin() const {
    const int at = selectedListEntry(item(IDC_SUSIE_LIST));
    return at >= 0 && static_cast<std::size_t>(at) < m_plugins.size()
               ? &m_plugins[static_cast<std::size_t>(at)]
               : nullptr;
}

void TabSusie::browse() {
    auto chosen = browseForFolder(m_dialog, L"Susie Plug-in ディレクトリの指定",
                                  stripQuotes(controlText(IDC_SUSIE_FOLDER)));
    if (!chosen)
        return;
    SetDlgItemTextW(m_dialog, IDC_SUSIE_FOLDER, chosen->c_str());
    rebuildList();
}

void TabSusie::showInformation() {
    const SusiePlugin* plugin = selectedPlugin();
    if (!plugin)
        return;
    HMODULE module = plugin->module.get();
    const std::wstring text = pluginInfoText([module](int n) { return susiePluginInfo(module, n); });
    MessageBoxW(m_dialog, text.c_str(), plugin->listText.c_str(), MB_OK | MB_ICONINFORMATION);
}

void TabSusie::configure(int function) {
    const SusiePlugin* plugin = selectedPlugin();
    if (!plugin)
        return;
    const auto answer = susiePluginConfiguration(plugin->module.get(), m_dialog, function);
    if (answer && *answer != -1)
        return;
    showMessage(function == 0 ? L"このプラグインはAboutがサポートされていません"
                              : L"このプラグインは設定画面がサポートされていません",
                m_dialog);
}

} // namespace pvn
