#pragma once
// The folder summary's view of the file system: FindFirstFileW, with the system's "no disk" box
// kept away while removable and CD-ROM drives are walked.
#include "tray/preview/FolderSummary.h"

#include <windows.h>

namespace pvn {

class Win32FolderLister final : public IFolderLister {
public:
    // Reads the find data of the listing itself: a second look-up of every file would only repeat it.
    std::vector<FolderEntry> list(const std::wstring& folder) override;
};

// Keeps the critical-error box away (SEM_FAILCRITICALERRORS) while it lives, when `path` lies on a
// removable or CD-ROM drive: probing a drive without a medium then fails quietly.
class QuietDriveErrors {
public:
    explicit QuietDriveErrors(const std::wstring& path);
    ~QuietDriveErrors();
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;
    bool active() const { return m_active; }

private:
    bool m_active = false;
    UINT m_old = 0;
};

} // namespace pvn
