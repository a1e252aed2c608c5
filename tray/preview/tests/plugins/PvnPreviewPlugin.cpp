// Our own image and archive plug-ins for the preview tests, written from the plug-in calling contract
// alone (the loader's own tests use common/tests/plugins).
// One source, built once per kind (PVN_PLUGIN_<kind>, CMakeLists.txt):
//   Image      "00IN", takes "PVT1" files, with GetPreview (its picture has a red block, the full one black)
//   Plain      "00IN", takes "PVP1" files, no GetPreview
//   Archive    "00AM", takes "PVA1" files: names, one per line, after the magic
//   Broken     "00IN", takes "PVB1" files and answers with malformed blocks (the byte after the magic
//              chooses how); its information never ends and is never terminated
//   BrokenArc  "00AM", the same for archive listings
//   Other      "00XX"
//   NoInfo     no GetPluginInfo at all
// Files: magic (4), mode (1), pad (3), width (4), height (4).
#include <windows.h>

#include <cstring>

namespace {

#pragma pack(push, 1)
struct PictureInfo {
    long left, top;
    long width, height;
    WORD xDensity, yDensity;
    short colorDepth;
#ifdef _WIN64
    char alignment[2];
#endif
    HLOCAL info;
};
struct FileInfo {
    unsigned char method[8];
    ULONG_PTR position, compressedSize, fileSize, timestamp;
    char path[200];
    char fileName[200];
    unsigned long crc;
#ifdef _WIN64
    char alignment[4];
#endif
};
#pragma pack(pop)

using Progress = int(WINAPI*)(int, int, LONG_PTR);

#if defined(PVN_PLUGIN_Image)
const char kVersion[] = "00IN";
const char kMagic[] = "PVT1";
#elif defined(PVN_PLUGIN_Plain)
const char kVersion[] = "00IN";
const char kMagic[] = "PVP1";
#elif defined(PVN_PLUGIN_Archive)
const char kVersion[] = "00AM";
const char kMagic[] = "PVA1";
#elif defined(PVN_PLUGIN_Broken)
const char kVersion[] = "00IN";
const char kMagic[] = "PVB1";
#define PVN_BROKEN 1
#elif defined(PVN_PLUGIN_BrokenArc)
const char kVersion[] = "00AM";
const char kMagic[] = "PVB1";
#define PVN_BROKEN 1
#elif defined(PVN_PLUGIN_Other)
const char kVersion[] = "00XX";
const char kMagic[] = "PVX1";
#else
const char kMagic[] = "PVN1";
#endif

struct Header {
    char magic[4];
    char mode;
    char pad[3];
    long width;
    long height;
};

bool readFile(LPCSTR name, char* out, DWORD size, DWORD* got) {
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const BOOL ok = ReadFile(file, out, size, got, nullptr);
    CloseHandle(file);
    return ok != 0;
}

bool header(LPCSTR buffer, LONG_PTR length, unsigned flag, Header& h) {
    DWORD got = 0;
    if ((flag & 7) == 0) {
        if (!readFile(buffer, reinterpret_cast<char*>(&h), sizeof h, &got))
            return false;
    } else {
        if (length < static_cast<LONG_PTR>(sizeof h))
            return false;
        std::memcpy(&h, buffer, sizeof h);
        got = sizeof h;
    }
    return got == sizeof h && std::memcmp(h.magic, kMagic, 4) == 0;
}

HLOCAL block(SIZE_T size) {
    return LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, size);
}

// White, with a block over the middle third in the colour given (blue, green, red).
int picture(const Header& h, BYTE blue, BYTE green, BYTE red, HLOCAL* info, HLOCAL* bits) {
    const LONG_PTR stride = (h.width * 3 + 3) / 4 * 4;
    *info = block(sizeof(BITMAPINFOHEADER));
    *bits = block(static_cast<SIZE_T>(stride * h.height));
    auto* bi = static_cast<BITMAPINFOHEADER*>(LocalLock(*info));
    bi->biSize = sizeof *bi;
    bi->biWidth = h.width;
    bi->biHeight = h.height;
    bi->biPlanes = 1;
    bi->biBitCount = 24;
    LocalUnlock(*info);
    auto* p = static_cast<BYTE*>(LocalLock(*bits));
    for (long y = 0; y < h.height; ++y)
        for (long x = 0; x < h.width; ++x) {
            BYTE* px = p + y * stride + x * 3;
            const bool inner =
                x >= h.width / 3 && x < 2 * h.width / 3 && y >= h.height / 3 && y < 2 * h.height / 3;
            px[0] = inner ? blue : 255;
            px[1] = inner ? green : 255;
            px[2] = inner ? red : 255;
        }
    LocalUnlock(*bits);
    return 0;
}

#ifdef PVN_BROKEN
// Blocks that do not match what they claim: s short header, b short bits, h a table the block lacks,
// n success without blocks.
int brokenPicture(const Header& h, HLOCAL* info, HLOCAL* bits) {
    switch (h.mode) {
    case 's':
        *info = block(20);
        *bits = block(16);
        return 0;
    case 'b': {
        Header big = h;
        big.width = 100;
        big.height = 100;
        picture(big, 0, 0, 0, info, bits);
        LocalFree(*bits);
        *bits = block(10);
        return 0;
    }
    case 'h': {
        picture(h, 0, 0, 0, info, bits);
        auto* bi = static_cast<BITMAPINFOHEADER*>(LocalLock(*info));
        bi->biBitCount = 8;
        bi->biClrUsed = 0x0FFFFFFF;
        LocalUnlock(*info);
        return 0;
    }
    default:
        return 0;
    }
}
#endif

} // namespace

extern "C" {

#ifndef PVN_PLUGIN_NoInfo
__declspec(dllexport) int WINAPI GetPluginInfo(int number, LPSTR buffer, int length) {
    if (length <= 0)
        return 0;
#ifdef PVN_BROKEN
    if (number > 0) {
        std::memset(buffer, 'x', static_cast<size_t>(length));
        return length;
    }
#endif
    const char* text = nullptr;
    switch (number) {
    case 0:
        text = kVersion;
        break;
    case 1:
        text = "Parvane test plug-in";
        break;
    case 2:
        text = "*.pvt";
        break;
    case 3:
        text = "Parvane test picture";
        break;
    case 4:
        text = "*.htm";
        break;
    case 5:
        text = "Parvane test page";
        break;
    default:
        return 0;
    }
    lstrcpynA(buffer, text, length);
    return lstrlenA(buffer);
}
#endif

__declspec(dllexport) int WINAPI IsSupported(LPCSTR, void* data) {
    // Memory input only: the whole 2 KiB must be readable.
    const auto* bytes = static_cast<const unsigned char*>(data);
    unsigned sum = 0;
    for (int i = 0; i < 2048; ++i)
        sum += bytes[i];
    return sum != 0 && std::memcmp(bytes, kMagic, 4) == 0;
}

__declspec(dllexport) int WINAPI
    GetPictureInfo(LPCSTR buffer, LONG_PTR length, unsigned flag, PictureInfo* info) {
    Header h{};
    if (!header(buffer, length, flag, h))
        return 2;
    std::memset(info, 0, sizeof *info);
    info->width = h.width;
    info->height = h.height;
    info->colorDepth = 24;
    info->info = block(32);
    return 0;
}

__declspec(dllexport) int WINAPI GetPicture(LPCSTR buffer, LONG_PTR length, unsigned flag, HLOCAL* info,
                                            HLOCAL* bits, Progress progress, LONG_PTR data) {
    Header h{};
    if (!header(buffer, length, flag, h))
        return 2;
    if (progress && progress(0, 1, data) != 0)
        return 1;
#ifdef PVN_BROKEN
    return brokenPicture(h, info, bits);
#else
    return picture(h, 0, 0, 0, info, bits);
#endif
}

#ifdef PVN_PLUGIN_Image
__declspec(dllexport) int WINAPI GetPreview(LPCSTR buffer, LONG_PTR length, unsigned flag, HLOCAL* info,
                                            HLOCAL* bits, Progress, LONG_PTR) {
    Header h{};
    if (!header(buffer, length, flag, h))
        return 2;
    return picture(h, 0, 0, 255, info, bits);
}
#endif

__declspec(dllexport) int WINAPI GetArchiveInfo(LPCSTR buffer, LONG_PTR, unsigned flag, HLOCAL* out) {
    if ((flag & 7) != 0)
        return 2; // file names only
    static char content[65536];
    DWORD got = 0;
    if (!readFile(buffer, content, sizeof content - 1, &got) || got < 4 ||
        std::memcmp(content, kMagic, 4) != 0)
        return 2;
    content[got] = '\0';
#ifdef PVN_BROKEN
    // Two and a half entries, no terminator, names without their zero; or (mode c) ten thousand.
    const SIZE_T count = content[4] == 'c' ? 10000 : 2;
    *out = block(count * sizeof(FileInfo) + sizeof(FileInfo) / 2);
    auto* entries = static_cast<unsigned char*>(LocalLock(*out));
    std::memset(entries, 'n', count * sizeof(FileInfo) + sizeof(FileInfo) / 2);
    LocalUnlock(*out);
    return 0;
#else
    SIZE_T lines = 1;
    for (DWORD i = 4; i < got; ++i)
        lines += content[i] == '\n';
    *out = block((lines + 1) * sizeof(FileInfo));
    auto* entries = static_cast<FileInfo*>(LocalLock(*out));
    SIZE_T n = 0;
    for (char* name = content + 4; *name;) {
        char* end = std::strchr(name, '\n');
        if (end)
            *end = '\0';
        if (*name) {
            FileInfo& e = entries[n++];
            std::memcpy(e.method, "-pv0-", 5);
            const char* slash = std::strrchr(name, '\\');
            if (slash) {
                lstrcpynA(e.path, name, static_cast<int>(slash - name + 2));
                lstrcpynA(e.fileName, slash + 1, 200);
            } else {
                lstrcpynA(e.fileName, name, 200);
            }
        }
        if (!end)
            break;
        name = end + 1;
    }
    LocalUnlock(*out);
    return 0;
#endif
}

__declspec(dllexport) int WINAPI ConfigurationDlg(HWND, int function) {
    return function == 0 ? 0 : -1;
}

} // extern "C"
