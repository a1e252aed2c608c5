#include "menu/FolderMenu_win.h"

#include "menu/CDropSource_win.h"
#include "menu/MenuItemCode.h"

#include "common/ListFile_win.h"
#include "common/Paths.h"

#include <cstdlib>

namespace pvn {
namespace {

unsigned buttonState() {
    unsigned bits = 0;
    if (GetKeyState(VK_LBUTTON) < 0)
        bits |= 1;
    if (GetKeyState(VK_RBUTTON) < 0)
        bits |= 2;
    if (GetKeyState(VK_SHIFT) < 0)
        bits |= 4;
    if (GetKeyState(VK_CONTROL) < 0)
        bits |= 8;
    if (GetKeyState(VK_MBUTTON) < 0)
        bits |= 16;
    return bits;
}

bool parseIn(IShellFolder* folder, const std::wstring& name, UniqueItemList& out) {
    std::wstring text = name;
    return folder &&
           SUCCEEDED(folder->ParseDisplayName(nullptr, nullptr, text.data(), nullptr, out.put(), nullptr));
}

} // namespace

void FolderMenu::trackDrag() {
    const unsigned previous = m_buttons;
    const unsigned now = buttonState();
    m_buttons = now;
    POINT cursor{};
    GetCursorPos(&cursor);
    switch (m_dragState) {
    case 0: {
        const bool pressed = ((now & 1) && !(previous & 1)) || ((now & 2) && !(previous & 2));
        if (pressed && m_table.contains(m_highlighted) &&
            isRealItem(codeOf(m_highlighted), pathOf(m_highlighted))) {
            m_dragState = 1;
            m_dragIndex = m_highlighted;
            m_dragPoint = cursor;
        }
        break;
    }
    case 1:
        if (now != previous) {
            m_dragState = 0;
            break;
        }
        if (std::abs(cursor.x - m_dragPoint.x) > GetSystemMetrics(SM_CXDRAG) ||
            std::abs(cursor.y - m_dragPoint.y) > GetSystemMetrics(SM_CYDRAG)) {
            hideTooltip();
            m_dragState = 2;
            runDrag(m_dragIndex);
            m_dragState = 3;
        }
        break;
    default:
        break;
    }
}

void FolderMenu::runDrag(long index) {
    const std::wstring path = pathOf(index);
    ComPtr<IShellFolder> parentFolder;
    UniqueItemList parentList;
    UniqueItemList child;
    DWORD effects = DROPEFFECT_LINK;
    bool ready = false;
    if (path.empty() || isDriveRoot(path)) {
        UniqueItemList computer;
        if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, computer.put()))) {
            if (path.empty()) {
                parentFolder = m_desktop;
                ready = SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, child.put()));
            } else if (m_desktop && SUCCEEDED(m_desktop->BindToObject(
                                        computer.get(), nullptr, IID_IShellFolder, parentFolder.putVoid()))) {
                ready = parseIn(parentFolder.get(), path, child);
            }
        }
    } else {
        effects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        if (parseIn(m_desktop.get(), pvn::parentFolder(path), parentList) &&
            SUCCEEDED(
                m_desktop->BindToObject(parentList.get(), nullptr, IID_IShellFolder, parentFolder.putVoid())))
            ready = parseIn(parentFolder.get(), fileName(path), child);
    }
    ComPtr<IDataObject> data;
    if (ready) {
        LPCITEMIDLIST items[] = {child.get()};
        if (FAILED(parentFolder->GetUIObjectOf(m_window, 1, items, IID_IDataObject, nullptr, data.putVoid())))
            data.reset();
    }
    if (data) {
        CDropSource* source = new CDropSource;
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT result = DoDragDrop(data.get(), source, effects, &effect);
        source->Release();
        const std::wstring parent =
            path.empty() || isDriveRoot(path) ? std::wstring() : pvn::parentFolder(path);
        if (result == DRAGDROP_S_DROP && m_options.fHistory && !parent.empty())
            AppendRecentFolder(parent);
    }
    PostMessageW(m_window, WM_CANCELMODE, 0, 0);
}

} // namespace pvn
