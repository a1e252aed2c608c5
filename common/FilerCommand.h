#pragma once
// The user's filer commands: which one the modifier keys choose, how a command's placeholders take
// the folder, and which Explorer window opening a folder makes redundant.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pvn {

// 0 without keys, 1 with Shift, 2 with Ctrl (Ctrl wins when both are held).
int chooseFiler(bool shiftDown, bool ctrlDown);

// Short form of the folder, or nothing when the system cannot give one (the provider reports it).
using ShortPathProvider = std::function<std::optional<std::wstring>()>;

// The first "%s" becomes the folder's short path (the path as given when there is none) and the
// first "%l" the path as given. Both are looked up in the template itself, so that a "%l" inside
// the substituted short path is left alone. The provider is asked only when there is a "%s".
std::wstring expandFilerArguments(std::wstring_view arguments, const std::wstring& folder,
                                  const ShortPathProvider& shortPath);

// Whether the Explorer window with this title shows the folder or one of its ancestors: the path
// begins with title\ or contains \title\. An untitled window matches nothing.
bool originWindowMatches(std::wstring_view path, std::wstring_view title);

} // namespace pvn
