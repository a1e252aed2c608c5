#pragma once
// One enumeration of a folder, ordered as the menu shows it: folders and files each by their sort
// key under the shell's string order, entries with equal keys in enumeration order.
#include "menu/MenuLayout.h"

#include <functional>
#include <string>
#include <vector>

namespace pvn {

class ITextPlatform;

enum class SortOrder { Name = 0, Newest = 1, Extension = 2 };
// Any stored number other than 1 and 2 sorts by name.
SortOrder sortOrderFromSetting(unsigned value);

// A local time broken down to milliseconds.
struct LocalStamp {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, milliseconds = 0;
};

// Every field counted down from its maximum, so that the ascending text order is newest first.
std::wstring newestFirstKey(const LocalStamp& modified);

// Lower-cases a text as the platform does.
using LowerCase = std::wstring (*)(std::wstring_view);

// Name order: the parsing name. Newest: the time key. Extension: files by lower-cased extension of
// the file name, a blank and the parsing name (the parsing name alone without extension), folders
// by name.
std::wstring sortKey(SortOrder order, const std::wstring& path, bool folder, const LocalStamp& modified,
                     LowerCase lower);

class FolderListing {
public:
    void add(std::wstring path, bool folder, std::wstring key);
    std::size_t folderCount() const { return m_folders.size(); }
    std::size_t fileCount() const { return m_files.size(); }
    // A stable sort is the binary insertion after all equal keys, without moving n² entries.
    FolderContents sorted(const ITextPlatform& platform) &&;
    // The same order from collation keys: byte strings whose plain order is the platform's compare.
    // One key per entry instead of a platform comparison per step of the sort.
    using CollationKey = std::function<std::string(const std::wstring&)>;
    FolderContents sortedByCollation(const CollationKey& collationKey) &&;

private:
    struct Entry {
        std::wstring key;
        std::wstring path;
    };
    std::vector<Entry> m_folders;
    std::vector<Entry> m_files;
};

} // namespace pvn
