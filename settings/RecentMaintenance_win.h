#pragma once
// The three removals from the recent-folder list: each asks first, then rewrites the file at once.
#include <windows.h>

#include <string>

namespace pvn {

// "\\履歴の削除": network folders out.
bool removeNetworkFolders(const std::wstring& recentList, HWND owner);
// "履歴全部の削除": an empty list.
bool removeAllRecentFolders(const std::wstring& recentList, HWND owner);
// "存在しないフォルダの履歴からの削除" and the word "notexist": folders that no longer exist out.
// Network folders and folders on mapped network drives are never probed (an unreachable server
// must not cost the history); removable and CD-ROM drives are probed without system boxes.
bool removeMissingFolders(const std::wstring& recentList, HWND owner);

} // namespace pvn
