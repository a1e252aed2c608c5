#include "common/tests/support/RequestLog_win.h"

#include "common/Handle_win.h"

#include <cstdio>
#include <sstream>

namespace pvn::test {
namespace {

std::string utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring wide(const std::string& text) {
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string hex(const std::vector<std::byte>& bytes) {
    std::string out;
    char two[3];
    for (std::byte b : bytes) {
        std::snprintf(two, sizeof two, "%02x", static_cast<unsigned>(b));
        out += two;
    }
    return out;
}

std::vector<std::byte> unhex(const std::string& text) {
    std::vector<std::byte> out;
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        out.push_back(static_cast<std::byte>(std::stoul(text.substr(i, 2), nullptr, 16)));
    return out;
}

} // namespace

bool appendLoggedRequest(const std::wstring& path, const LoggedRequest& record) {
    std::ostringstream out;
    out << "request " << record.code << ' ' << record.lParam << '\n';
    out << "section " << hex(record.section) << '\n';
    if (record.parsed) {
        const TrayRequest& r = *record.parsed;
        out << "parsed " << static_cast<unsigned>(r.code) << ' ' << static_cast<long long>(r.lParam) << '\n';
        if (r.point)
            out << "point " << r.point->x << ' ' << r.point->y << '\n';
        if (r.placement)
            out << "placement " << r.placement->window << ' ' << r.placement->left << ' ' << r.placement->top << ' '
                << r.placement->right << ' ' << r.placement->bottom << '\n';
        for (const auto& item : r.items)
            out << "item " << utf8(item) << '\n';
    }
    out << "end\n";
    const std::string text = out.str();
    UniqueFile file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

std::vector<LoggedRequest> readLoggedRequests(const std::wstring& path) {
    std::vector<LoggedRequest> records;
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return records;
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);

    std::istringstream in(content);
    std::string line;
    LoggedRequest current;
    while (std::getline(in, line)) {
        const size_t space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        std::istringstream fields(rest);
        if (key == "request") {
            current = {};
            fields >> current.code >> current.lParam;
        } else if (key == "section") {
            current.section = unhex(rest);
        } else if (key == "parsed") {
            unsigned code = 0;
            long long lParam = 0;
            fields >> code >> lParam;
            current.parsed = TrayRequest{static_cast<RequestCode>(code), static_cast<std::intptr_t>(lParam), {}, {}, {}};
        } else if (key == "point" && current.parsed) {
            ScreenPoint p;
            fields >> p.x >> p.y;
            current.parsed->point = p;
        } else if (key == "placement" && current.parsed) {
            SelectionPlacement p;
            fields >> p.window >> p.left >> p.top >> p.right >> p.bottom;
            current.parsed->placement = p;
        } else if (key == "item" && current.parsed) {
            current.parsed->items.push_back(wide(rest));
        } else if (key == "end") {
            records.push_back(std::move(current));
            current = {};
        }
    }
    return records;
}

} // namespace pvn::test
