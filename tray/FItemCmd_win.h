#pragma once
// The Ctrl+letter commands of the folder menus (request 10) and what the tray finishes of them once
// the sender has been released (request 11). One per resident tray.
#include "tray/ItemCommand.h"

#include <windows.h>

#include <cstdint>
#include <deque>
#include <string>

namespace pvn {

class FTray;
struct TrayRequest;

class FItemCmd {
public:
    explicit FItemCmd(FTray& tray);
    ~FItemCmd();
    FItemCmd(const FItemCmd&) = delete;
    FItemCmd& operator=(const FItemCmd&) = delete;

private:
    std::intptr_t onCtrlLetter(const TrayRequest& request);
    std::intptr_t onFinish(std::intptr_t lParam);
    void carryOut(const ItemCommandPlan& plan);
    void postFinish(const ItemCommandPlan& plan);
    void startFolderMenu(const ItemCommandPlan& plan);
    void runMenuVerb(const ItemCommandPlan& plan);
    void startCommandPrompt(const std::wstring& folder);
    void print(const std::wstring& file);
    void shellCommand(const std::wstring& item, const wchar_t* verb);
    void openFolderSelecting(const std::wstring& item);
    void startOpen(const std::wstring& item);

    HWND window() const;

    FTray& m_tray;
    // The item each posted finish acts on, taken when its request arrived: by the time the finish
    // runs, another request may have replaced the tray's item list.
    struct PendingFinish {
        FinishCode code;
        std::wstring item;
    };
    std::deque<PendingFinish> m_pending;
};

} // namespace pvn
