#include "settings/AboutBox_win.h"

#include "common/ErrorBox_win.h"
#include "settings/CWinLib_win.h"
#include "settings/res/AboutBoxIds.h"
#include "settings/res/SetResource.h"

#include <shellapi.h>

namespace pvn {
namespace {

constexpr wchar_t kFontFace[] = L"ＭＳ Ｐゴシック";
constexpr wchar_t kMailTarget[] = L"mailto:parvane@morrick.example";
constexpr wchar_t kHomePage[] = L"https://morrick.example/parvane/";

class AboutBox : public CWinLib {
public:
    INT_PTR run(HWND owner) { return runModal(GetModuleHandleW(nullptr), IDD_ABOUT, owner); }

private:
    INT_PTR handleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_INITDIALOG:
            init();
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return handleColor(wParam, lParam);
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
            case IDOK:
            case IDCANCEL:
                EndDialog(m_dialog, LOWORD(wParam));
                return TRUE;
            case IDC_ABOUT_CREDIT2:
            case IDC_ABOUT_CREDIT3:
                if (HIWORD(wParam) == STN_DBLCLK)
                    openTarget(LOWORD(wParam) == IDC_ABOUT_CREDIT2 ? kMailTarget : kHomePage);
                return TRUE;
            default:
                break;
            }
            break;
        case WM_DESTROY:
            m_nameFont.reset();
            m_versionFont.reset();
            m_icon.reset();
            break;
        default:
            break;
        }
        return FALSE;
    }

    void init() {
        m_icon.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
        SendDlgItemMessageW(m_dialog, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(m_icon.get()), 0);
        m_nameFont = createControlFont(kFontFace, 17, IDC_ABOUT_NAME);
        m_versionFont = createControlFont(kFontFace, 13, IDC_ABOUT_VERSION);
        setTextColor(IDC_ABOUT_DESCRIPTION, kGreen);
        for (int id : {IDC_ABOUT_CREDIT1, IDC_ABOUT_CREDIT2, IDC_ABOUT_CREDIT3})
            setTextColor(id, kBlue);
        addTooltip(IDC_ABOUT_CREDIT1, L"私の詳細は秘密です");
        addTooltip(IDC_ABOUT_CREDIT2, L"ダブルクリックすると作者にメールが送れます");
        addTooltip(IDC_ABOUT_CREDIT3, L"ダブルクリックするとホームページに飛びます");
    }

    void openTarget(const wchar_t* target) {
        const auto result =
            reinterpret_cast<INT_PTR>(ShellExecuteW(m_dialog, L"open", target, nullptr, nullptr, SW_SHOWNORMAL));
        if (result <= 32)
            showMessage(formatErrorCode("ShellExecute", static_cast<DWORD>(result)), m_dialog);
    }

    UniqueIcon m_icon;
    UniqueFont m_nameFont;
    UniqueFont m_versionFont;
};

} // namespace

void showAboutBox(HWND owner) {
    AboutBox box;
    box.run(owner);
}

} // namespace pvn
