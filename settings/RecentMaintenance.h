#pragma once
// The maintenance of the recent-folder list offered by the page "最近開いたフォルダ" and the word
// "notexist": which lines stay.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

// A path beginning with two backslashes.
bool isNetworkPath(std::wstring_view path);

// Every line that is not a network path, in order.
std::vector<std::wstring> withoutNetworkFolders(const std::vector<std::wstring>& lines);

// In order: every line `keepUnchecked` accepts (network folders, which are never probed), and every
// other line whose folder `folderExists` finds.
std::vector<std::wstring> withoutMissingFolders(const std::vector<std::wstring>& lines,
                                                const std::function<bool(const std::wstring&)>& keepUnchecked,
                                                const std::function<bool(const std::wstring&)>& folderExists);

} // namespace pvn
