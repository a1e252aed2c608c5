#pragma once
// Answers the "Parvane" message boxes that code under test shows, from another thread, as a user
// would: reads the box's text and presses a button. Boxes of other processes are found the same way.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pvn::test {

// Text of a message box (the static control with id 0xFFFF).
std::wstring messageBoxText(HWND box);
// Finds a top-level dialog ("#32770") with the title, in any process.
HWND findBox(const wchar_t* title = L"Parvane");
// Presses the button with the id (IDOK, IDYES, IDNO...) of a box.
void pressButton(HWND box, int id);

class BoxWatcher {
public:
    explicit BoxWatcher(int answer = IDOK, const wchar_t* title = L"Parvane");
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    // The texts of the boxes seen so far.
    std::vector<std::wstring> texts() const;
    // Waits up to the time for at least n boxes to have been answered and gone.
    bool waitFor(size_t n, DWORD milliseconds = 5000) const;

private:
    void run();

    int m_answer;
    std::wstring m_title;
    std::atomic<bool> m_stop{false};
    std::atomic<size_t> m_answered{0};
    mutable std::mutex m_mutex;
    std::vector<std::wstring> m_texts;
    std::thread m_thread;
};

} // namespace pvn::test
