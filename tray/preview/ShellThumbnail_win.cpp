#include "tray/preview/ShellThumbnail_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/Paths.h"

#include <shlobj.h>
#include <shobjidl.h>

namespace pvn {
namespace {

std::optional<Picture> copyBitmap(HWND owner, HBITMAP bitmap) {
    BITMAP size{};
    if (::GetObjectW(bitmap, sizeof size, &size) == 0 || size.bmWidth <= 0 || size.bmHeight <= 0)
        return std::nullopt;
    DibHeader header;
    header.width = size.bmWidth;
    header.height = size.bmHeight;
    header.bitCount = 32;
    Picture picture;
    picture.info = header.block();
    picture.bits.resize(static_cast<std::size_t>(dibStride(size.bmWidth, 32)) * size.bmHeight);
    ScopedGetDC dc(owner);
    if (::GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(size.bmHeight), picture.bits.data(),
                    reinterpret_cast<BITMAPINFO*>(picture.info.data()), DIB_RGB_COLORS) == 0) {
        reportLastError("GetDIBits");
        return std::nullopt;
    }
    header.sizeImage = static_cast<std::uint32_t>(picture.bits.size());
    header.store(picture.info);
    picture.width = size.bmWidth;
    picture.height = size.bmHeight;
    picture.caption = thumbnailCaption(size.bmWidth, size.bmHeight);
    return picture;
}

} // namespace

std::wstring thumbnailCaption(int width, int height) {
    return std::to_wstring(width) + L"x" + std::to_wstring(height) + L"(32bits)縮小版";
}

std::optional<Picture> shellThumbnail(HWND owner, const std::wstring& path, SizeWH box) {
    ComPtr<IShellFolder> desktop;
    if (!checkHr(::SHGetDesktopFolder(desktop.put()), "SHGetDesktopFolder"))
        return std::nullopt;
    std::wstring folderPath = parentFolder(path);
    std::wstring name = fileName(path);
    UniqueItemList folderId;
    if (!checkHr(
            desktop->ParseDisplayName(owner, nullptr, folderPath.data(), nullptr, folderId.put(), nullptr),
            "ParseDisplayName"))
        return std::nullopt;
    ComPtr<IShellFolder> folder;
    if (!checkHr(desktop->BindToObject(folderId.get(), nullptr, IID_IShellFolder, folder.putVoid()),
                 "BindToObject"))
        return std::nullopt;
    UniqueItemList itemId;
    if (!checkHr(folder->ParseDisplayName(owner, nullptr, name.data(), nullptr, itemId.put(), nullptr),
                 "ParseDisplayName"))
        return std::nullopt;
    ComPtr<IExtractImage> extractor;
    LPCITEMIDLIST items[] = {itemId.get()};
    if (FAILED(folder->GetUIObjectOf(owner, 1, items, IID_IExtractImage, nullptr, extractor.putVoid())) ||
        !extractor)
        return std::nullopt;
    wchar_t location[520] = {};
    DWORD priority = 0;
    SIZE size{box.width, box.height};
    DWORD flags = IEIFLAG_QUALITY | IEIFLAG_ORIGSIZE | IEIFLAG_SCREEN;
    if (FAILED(extractor->GetLocation(location, 520, &priority, &size, 32, &flags)))
        return std::nullopt;
    UniqueBitmap bitmap;
    if (FAILED(extractor->Extract(bitmap.put())) || !bitmap)
        return std::nullopt;
    return copyBitmap(owner, bitmap.get());
}

} // namespace pvn
