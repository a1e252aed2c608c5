#pragma once
// What "alluninstall" removes of this product and of the two older products of the same maker, in
// the order it asks and deletes.
#include "settings/RegistryPlan.h"

#include <string>
#include <vector>

namespace pvn {

inline constexpr wchar_t kRemoveAllQuestion[] = L"Tamsel, Ostrid, Parvane 全てをアンインストールします。よろしいですか？";
inline constexpr wchar_t kRemoveFileQuestion[] = L" を削除します。よろしいですか？";
inline constexpr wchar_t kRemoveFailed[] = L" の削除に失敗しました。";
inline constexpr wchar_t kRemoveAllDone[] = L"処理は完了しました\nインストールディレクトリは手動で削除してください。";

struct RemoveAllFolders {
    std::wstring data;    // <application data>\Morrick
    std::wstring windows; // CSIDL_WINDOWS
    std::wstring startup;
    std::wstring desktop;
};

// Full paths, each asked about and deleted only when present.
std::vector<std::wstring> removeAllFiles(const RemoveAllFolders& folders);

// The 32-bit view under every root first, then on 64-bit Windows the 64-bit view of the user's own
// keys. A shell key's default value goes only when it names one of the three products: under
// HKEY_CLASSES_ROOT it may be another program's verb.
RegPlan removeAllRegistry(bool is64BitWindows);

} // namespace pvn
