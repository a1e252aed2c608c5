// A plug-in of our own for the tests of the plug-in loader and the plug-in page: it follows the
// calling contract and nothing more. Built in variants (CMakeLists.txt):
//   PVN_PLUGIN_VERSION  the API version it reports ("00IN", "00AM", or another)
//   PVN_PLUGIN_CONFIG   0: no ConfigurationDlg; 1: about and settings boxes; 2: answers -1
#include <windows.h>

#include <cstring>

namespace {

struct Info {
    int number;
    const char* text;
};

// Number 1 holds "テスト" in code page 932, to show that the caller converts from the ANSI code page.
constexpr Info kInfos[] = {
    {0, PVN_PLUGIN_VERSION},
    {1, "Parvane \x83\x65\x83\x58\x83\x67 plug-in"},
    {2, "*.pvt"},
    {3, "Parvane test picture"},
    {4, "*.pv2;*.pv3"},
    {5, "Second test picture"},
};

} // namespace

extern "C" __declspec(dllexport) int WINAPI GetPluginInfo(int infoNumber, LPSTR buffer, int bufferLength) {
    for (const Info& info : kInfos) {
        if (info.number != infoNumber)
            continue;
        const int length = static_cast<int>(std::strlen(info.text));
        if (bufferLength <= length)
            return 0;
        std::memcpy(buffer, info.text, static_cast<std::size_t>(length) + 1);
        return length;
    }
    return 0;
}

extern "C" __declspec(dllexport) int WINAPI IsSupported(LPCSTR, void*) {
    return 0;
}

#if PVN_PLUGIN_CONFIG == 1
extern "C" __declspec(dllexport) int WINAPI ConfigurationDlg(HWND parent, int function) {
    MessageBoxW(parent, function == 0 ? L"PvnTestPlugin about" : L"PvnTestPlugin settings", L"PvnTestPlugin",
                MB_OK);
    return 0;
}
#elif PVN_PLUGIN_CONFIG == 2
extern "C" __declspec(dllexport) int WINAPI ConfigurationDlg(HWND, int) {
    return -1;
}
#endif
