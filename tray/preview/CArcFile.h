#pragma once
// Base of the archive readers: the archive's path, the error text, opening, reading and seeking with
// uniform messages, the busy cursor, and the report of a failure when the reader goes away.
#include "tray/preview/ByteSource.h"
#include "tray/preview/PreviewUi.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace pvn {

class CArcFile {
public:
    static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

    // With keepWorkFolder false the work folder is emptied (or created) first.
    CArcFile(const PreviewEnv& env, std::wstring path, bool keepWorkFolder);
    // Shows a non-empty error text in a message box.
    virtual ~CArcFile();
    CArcFile(const CArcFile&) = delete;
    CArcFile& operator=(const CArcFile&) = delete;

    // Appends the entry names to `out`, stopping once `out` holds `maxLines` lines (the preview needs
    // no more than its line limit, and a listing of folder lines can be far longer than the archive).
    virtual bool listEntries(std::vector<std::wstring>& out, std::size_t maxLines = kNoLimit) = 0;
    // Whether the reader could extract one item, or all of them: only a cabinet whose data blocks
    // carry no reserve area could, and no reader here extracts.
    virtual bool canExtractItem() const { return false; }
    virtual bool canExtractAll() const { return false; }

    const std::wstring& path() const { return m_path; }
    const std::wstring& workFolder() const { return m_workFolder; }
    // Empty while all is well; the last failure's message otherwise.
    const std::wstring& errorText() const { return m_error; }
    bool busy() const { return m_busy; }

protected:
    const PreviewEnv& env() const { return m_env; }
    void setError(std::wstring text) { m_error = std::move(text); }

    // Null on failure, with the error text set. The source is buffered.
    std::unique_ptr<IByteSource> open(AccessHint hint);
    // A short read at the end of the file is not a failure; `got` tells how much arrived.
    bool read(IByteSource& source, void* buffer, std::size_t size, const char* label, std::size_t& got);
    // For fixed-size structures: a short read is a failure ("end of file"), never a stale buffer.
    bool readExact(IByteSource& source, void* buffer, std::size_t size, const char* label);
    bool seek(IByteSource& source, std::int64_t offset, const char* label);
    void cursor(ArcCursor kind);

    // A busy cursor for one scope: the arrow comes back on every way out.
    class BusyScope {
    public:
        BusyScope(CArcFile& file, ArcCursor kind) : m_file(file) { m_file.cursor(kind); }
        ~BusyScope() { m_file.cursor(ArcCursor::Arrow); }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        CArcFile& m_file;
    };

private:
    PreviewEnv m_env;
    std::wstring m_path;
    std::wstring m_workFolder;
    std::wstring m_error;
    bool m_busy = false;
};

std::wstring asciiToWide(const char* text);

} // namespace pvn
