#pragma once
// Files and folders the Wine tests make and read back.
#include <string>
#include <vector>

namespace pvn::test {

// The whole content, or empty when the file cannot be read; shared so that a writer may hold it.
std::string readWholeFile(const std::wstring& path);
bool writeWholeFile(const std::wstring& path, const std::string& content);
// The lines of a UTF-8 file, CR LF or LF ended.
std::vector<std::wstring> readUtf8Lines(const std::wstring& path);

// Removes the folder and everything below it, read-only files too; links are removed, never
// followed.
void removeTree(const std::wstring& path);

// A fresh folder at a full path, emptied first and removed again at destruction.
class FixtureFolder {
public:
    explicit FixtureFolder(std::wstring path);
    ~FixtureFolder();
    FixtureFolder(const FixtureFolder&) = delete;
    FixtureFolder& operator=(const FixtureFolder&) = delete;

    // A folder of that name under the user's temporary folder.
    static std::wstring inTemp(const std::wstring& name);

    const std::wstring& path() const { return m_path; }
    std::wstring folder(const std::wstring& relative) const;
    std::wstring file(const std::wstring& relative, const std::string& content = "x", unsigned long attributes = 0) const;

private:
    std::wstring m_path;
};

} // namespace pvn::test
