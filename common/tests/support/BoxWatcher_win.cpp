#include "common/tests/support/BoxWatcher_win.h"

namespace pvn::test {

std::wstring messageBoxText(HWND box) {
    wchar_t text[4096] = L"";
    GetDlgItemTextW(box, 0xFFFF, text, 4096);
    return text;
}

HWND findBox(const wchar_t* title) { return FindWindowW(L"#32770", title); }

void pressButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    if (button)
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

BoxWatcher::BoxWatcher(int answer, const wchar_t* title)
    : m_answer(answer), m_title(title), m_thread([this] { run(); }) {}

BoxWatcher::~BoxWatcher() {
    m_stop = true;
    m_thread.join();
}

void BoxWatcher::run() {
    HWND last = nullptr;
    while (!m_stop) {
        HWND box = findBox(m_title.c_str());
        if (box && box != last && IsWindowVisible(box)) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_texts.push_back(messageBoxText(box));
            }
            pressButton(box, m_answer);
            // Answered once the box has gone: until then its owner is still inside the box's loop
            // and may ignore what the test does next, as it would a user's click.
            for (int i = 0; i < 100 && IsWindow(box) && !m_stop; ++i)
                Sleep(20);
            ++m_answered;
            last = box;
        } else if (!box) {
            last = nullptr;
        }
        Sleep(20);
    }
}

std::vector<std::wstring> BoxWatcher::texts() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_texts;
}

bool BoxWatcher::waitFor(size_t n, DWORD milliseconds) const {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        if (m_answered >= n)
            return true;
        Sleep(20);
    }
    return false;
}

} // namespace pvn::test
