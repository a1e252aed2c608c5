#include "tray/InputBox_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/WindowThunk_win.h"
#include "tray/InputBoxLayout.h"
#include "tray/res/InputBoxResource.h"

#include <vector>

namespace pvn {
namespace {

class InputBox final : public DialogBase {
public:
    InputBox(std::wstring title, std::wstring prompt, std::wstring text, int iconId)
        : m_title(std::move(title)), m_prompt(std::move(prompt)), m_text(std::move(text)), m_iconId(iconId) {}

    std::optional<std::wstring> run(HWND owner) {
        if (runModal(GetModuleHandleW(nullptr), IDD_INPUTBOX, owner) != 1)
            return std::nullopt;
        return m_text;
    }

private:
    INT_PTR handleDialogMessage(UINT message, WPARAM wParam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            onInit();
            return FALSE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
            case IDOK:
            case IDC_INPUT_OK:
                onOk();
                return TRUE;
            case IDCANCEL:
            case IDC_INPUT_CANCEL:
                EndDialog(m_dialog, 0);
                return TRUE;
            default:
                return FALSE;
            }
        case WM_CLOSE:
            EndDialog(m_dialog, 0);
            return TRUE;
        default:
            return FALSE;
        }
    }

    void onInit() {
        SetWindowPos(m_dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(m_dialog);
        m_icon.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_iconId), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
        if (m_icon)
            SendMessageW(m_dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon.get()));
        HWND prompt = GetDlgItem(m_dialog, IDC_INPUT_PROMPT);
        setPromptFont(prompt);
        fitPrompt(prompt);
        SetWindowTextW(m_dialog, m_title.c_str());
        SetWindowTextW(prompt, m_prompt.c_str());
        HWND edit = GetDlgItem(m_dialog, IDC_INPUT_TEXT);
        SetWindowTextW(edit, m_text.c_str());
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
    }

    void setPromptFont(HWND prompt) {
        ScopedGetDC screen(nullptr);
        LOGFONTW font{};
        font.lfHeight = -MulDiv(10, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
        font.lfCharSet = SHIFTJIS_CHARSET;
        lstrcpynW(font.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE);
        m_promptFont.reset(CreateFontIndirectW(&font));
        if (m_promptFont)
            SendMessageW(prompt, WM_SETFONT, reinterpret_cast<WPARAM>(m_promptFont.get()), FALSE);
    }

    // Grows the box and the prompt by what the prompt's lines need, and moves the controls below
    // the prompt down by the extra height.
    void fitPrompt(HWND prompt) {
        RECT promptRect{};
        GetWindowRect(prompt, &promptRect);
        MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&promptRect), 2);
        std::vector<BoxSize> extents;
        {
            ScopedGetDC dc(prompt);
            ScopedSelect font(dc.get(), m_promptFont.get());
            for (const auto& line : promptLines(m_prompt)) {
                SIZE size{};
                GetTextExtentPoint32W(dc.get(), line.c_str(), static_cast<int>(line.size()), &size);
                extents.push_back({size.cx, size.cy});
            }
        }
        const BoxSize growth = promptGrowth(
            {promptRect.right - promptRect.left, promptRect.bottom - promptRect.top}, extents);
        if (growth.width == 0 && growth.height == 0)
            return;
        RECT box{};
        GetWindowRect(m_dialog, &box);
        SetWindowPos(m_dialog, nullptr, 0, 0, box.right - box.left + growth.width,
                     box.bottom - box.top + growth.height, SWP_NOMOVE | SWP_NOZORDER);
        SetWindowPos(prompt, nullptr, 0, 0, promptRect.right - promptRect.left + growth.width,
                     promptRect.bottom - promptRect.top + growth.height, SWP_NOMOVE | SWP_NOZORDER);
        for (int id : {IDC_INPUT_TEXT, IDC_INPUT_OK, IDC_INPUT_CANCEL}) {
            HWND control = GetDlgItem(m_dialog, id);
            RECT r{};
            GetWindowRect(control, &r);
            MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&r), 2);
            SetWindowPos(control, nullptr, r.left, r.top + growth.height, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
    }

    void onOk() {
        HWND edit = GetDlgItem(m_dialog, IDC_INPUT_TEXT);
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
        if (text.empty()) {
            showMessage(L"入力されていません", m_dialog);
            return;
        }
        m_text = std::move(text);
        EndDialog(m_dialog, 1);
    }

    std::wstring m_title;
    std::wstring m_prompt;
    std::wstring m_text;
    int m_iconId;
    UniqueIcon m_icon;
    UniqueFont m_promptFont;
};

} // namespace

std::optional<std::wstring> askText(HWND owner, const std::wstring& title, const std::wstring& prompt,
                                    const std::wstring& text, int iconId) {
    InputBox box(title, prompt, text, iconId);
    return box.run(owner);
}

} // namespace pvn
