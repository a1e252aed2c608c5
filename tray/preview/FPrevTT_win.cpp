#include "tray/preview/FPrevTT_win.h"

#include "common/ErrorBox_win.h"
#include "common/MessagePump_win.h"
#include "common/Paths.h"
#include "common/RequestCode.h"
#include "common/RequestMessage_win.h"
#include "tray/preview/ArchivePreview.h"
#include "tray/preview/PictureGeometry.h"
#include "tray/preview/PreviewSteps_win.h"

#include <cstdlib>

namespace pvn {

FPrevTT::FPrevTT(HINSTANCE instance, const std::wstring& faceName, int pointTenths)
    : FMenuTTObj(instance, faceName, pointTenths), m_requestMessage(requestMessage()) {}

FPrevTT::~FPrevTT() {
    m_web.reset();
    m_media.reset();
}

void FPrevTT::SetItem(const std::wstring& path, const SelectionPlacement& placement) {
    Hide();
    m_path = path;
    rememberPlacement(placement);
    m_gate.itemChanged();
}

void FPrevTT::SetItem(const std::wstring& path, int, const SelectionPlacement& placement) { SetItem(path, placement); }

bool FPrevTT::FilterMessage(HWND, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    result = 0;
    if (m_requestMessage && message == m_requestMessage) {
        if (wParam == toWParam(RequestCode::PreviewShow)) {
            Build();
            return false;
        }
        if (wParam == toWParam(RequestCode::PreviewHide)) {
            m_gate.hide();
            m_media.reset();
            parkKeepingTimers();
            return false;
        }
        return true;
    }
    if (message == WM_DISPLAYCHANGE) {
        refreshMonitors();
        return true;
    }
    if (message == WM_PAINT && m_picture) {
        PAINTSTRUCT ps;
        HDC target = BeginPaint(window(), &ps);
        paint(target);
        EndPaint(window(), &ps);
        return false;
    }
    return true;
}

void FPrevTT::Clear() {
    m_picture.reset();
    m_media.reset();
    m_web.reset();
}

void FPrevTT::Build() {
    // A build only for an item the tray gave: an empty path would summarise the current drive.
    if (m_path.empty() || !m_gate.begin())
        return;
    const std::wstring path = m_path;
    const std::wstring ext = lowerExtension(fileName(path));
    {
        PreviewSteps steps(*this, path, ext);
        runPreviewBuild(steps, ext, m_settings);
    }
    if (m_gate.end())
        PostMessageW(window(), m_requestMessage, toWParam(RequestCode::PreviewShow), 0);
}

bool FPrevTT::pumpAndTestCancel() {
    if (!dispatchPendingMessages())
        m_gate.hide();
    return !m_gate.cancelled();
}

void FPrevTT::showText(std::vector<std::wstring> lines) {
    if (m_gate.cancelled())
        return;
    m_picture.reset();
    showLines(std::move(lines));
}

bool FPrevTT::showPicture(Picture picture) {
    if (m_gate.cancelled() || !pictureDrawable(picture))
        return false;
    const DibHeader h = *DibHeader::parse(picture.info);
    const bool reported = picture.width > 0 && picture.height > 0;
    const PictureLayout layout =
        scalePictureIntoBox(reported ? picture.width : h.width, reported ? picture.height : std::abs(h.height),
                            static_cast<int>(m_settings.ttWidth),
                            static_cast<int>(m_settings.ttHeight), lineHeight());
    m_picture = std::move(picture);
    m_pictureWidth = layout.drawnWidth;
    m_pictureHeight = layout.drawnHeight;
    showSized(layout.windowWidth, layout.windowHeight);
    return true;
}

void FPrevTT::showSized(int width, int height) {
    const SIZE size{width, height};
    showAt(place(size), size);
}

void FPrevTT::paint(HDC target) const {
    FMenuTTObj::paint(target);
    paintPicture(target);
}

void FPrevTT::parkKeepingTimers() {
    check(SetWindowPos(window(), HWND_NOTOPMOST, 0, 0, 1, 1, SWP_NOACTIVATE), "SetWindowPos");
}

void FPrevTT::paintPicture(HDC target) const {
    if (!m_picture)
        return;
    // The header's own size: a reduced read or an edge cut holds fewer pixels than the size reported.
    const DibHeader h = *DibHeader::parse(m_picture->info);
    check(SetStretchBltMode(target, COLORONCOLOR) != 0, "SetStretchBltMode");
    const int drawn = StretchDIBits(target, 1, 1, m_pictureWidth, m_pictureHeight, 0, 0, h.width,
                                    std::abs(h.height), m_picture->bits.data(),
                                    reinterpret_cast<const BITMAPINFO*>(m_picture->info.data()), DIB_RGB_COLORS,
                                    SRCCOPY);
    check(drawn != 0 && drawn != static_cast<int>(GDI_ERROR), "StretchDIBits");
    check(SetBkMode(target, TRANSPARENT) != 0, "SetBkMode");
    SetTextColor(target, RGB(0, 0, 0));
    check(TextOutW(target, 3, m_pictureHeight + 1, m_picture->caption.c_str(),
                   static_cast<int>(m_picture->caption.size())),
          "TextOut");
}

} // namespace pvn
