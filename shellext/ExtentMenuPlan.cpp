#include "shellext/ExtentMenuPlan.h"

namespace pvn {

bool selectedPathFits(std::wstring_view path) { return !path.empty() && path.size() <= kLongestSelectedPath; }

unsigned ExtentMenuPlan::commandCount() const {
    unsigned count = 0;
    for (const auto& entry : entries)
        count = entry.offset + 1 > count ? entry.offset + 1 : count;
    return count;
}

std::optional<ExtentCommand> ExtentMenuPlan::commandAt(unsigned offset) const {
    for (const auto& entry : entries)
        if (entry.offset == offset)
            return entry.command;
    return std::nullopt;
}

ExtentMenuPlan planExtentMenu(std::size_t selectedCount, bool singleIsFolder, bool menuHasItems) {
    ExtentMenuPlan plan;
    if (selectedCount == 0)
        return plan;
    plan.separator = menuHasItems;
    unsigned next = 0;
    plan.entries.push_back({ExtentCommand::FileOperations, next++, kFileOperationsText});
    if (selectedCount == 1) {
        if (singleIsFolder)
            plan.entries.push_back({ExtentCommand::CommandPrompt, next++, kCommandPromptText});
        plan.entries.push_back({ExtentCommand::CopyName, next++, kCopyNameText});
    }
    return plan;
}

} // namespace pvn
