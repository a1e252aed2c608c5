#include "settings/CommandFieldEdit.h"

#include <algorithm>

namespace pvn {

CommandFieldEdit insertCommandFile(const std::wstring& field, std::size_t selStart, std::size_t selEnd,
                                   const std::wstring& path) {
    if (field.empty()) {
        std::wstring text = L"\"" + path + L"\" \"%l\"";
        std::size_t caret = text.size();
        return {std::move(text), caret};
    }
    std::size_t start = std::min({selStart, selEnd, field.size()});
    std::size_t end = std::min(std::max(selStart, selEnd), field.size());
    std::wstring text = field.substr(0, start) + path + field.substr(end);
    return {std::move(text), start + path.size()};
}

} // namespace pvn
