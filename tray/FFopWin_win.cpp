#include "tray/FFopWin_win.h"

#include "tray/FTray_win.h"

namespace pvn {

FFopWin* FFopWin::s_instance = nullptr;

FFopWin::FFopWin(FTray& tray) : m_tray(tray) {
    s_instance = this;
    m_tray.requests().setHandler(RequestCode::RunFileOperationMenu, [this](const TrayRequest&) -> std::intptr_t {
        showMenu(m_tray.items().items());
        return 1;
    });
}

FFopWin::~FFopWin() {
    m_tray.requests().setHandler(RequestCode::RunFileOperationMenu, nullptr);
    s_instance = nullptr;
}

void FFopWin::showMenu(std::vector<std::wstring>) {}

void FFopWin::rename(const std::wstring&) {}

} // namespace pvn
