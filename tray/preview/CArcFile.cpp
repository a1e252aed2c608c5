#include "tray/preview/CArcFile.h"

#include "tray/preview/BufferedByteSource.h"
#include "tray/preview/WorkFolder.h"

namespace pvn {

std::wstring asciiToWide(const char* text) {
    std::wstring out;
    for (; *text; ++text)
        out += static_cast<wchar_t>(static_cast<unsigned char>(*text));
    return out;
}

CArcFile::CArcFile(const PreviewEnv& env, std::wstring path, bool keepWorkFolder)
    : m_env(env), m_path(std::move(path)), m_workFolder(workFolderPath(env.files.tempFolder())) {
    if (!keepWorkFolder)
        m_env.files.clearWorkFolder(m_workFolder);
}

CArcFile::~CArcFile() {
    if (m_busy)
        m_env.ui.setCursor(ArcCursor::Arrow);
    if (!m_error.empty())
        m_env.ui.showMessage(m_error);
}

std::unique_ptr<IByteSource> CArcFile::open(AccessHint hint) {
    OpenResult r = m_env.files.openRead(m_path, hint);
    if (!r.source) {
        if (r.error == win32_error::kSharingViolation)
            setError(m_path + L"\nアーカイブファイル使用中");
        else
            setError(L"OpenArc Error = " + std::to_wstring(r.error));
        return nullptr;
    }
    return std::make_unique<BufferedByteSource>(std::move(r.source));
}

bool CArcFile::read(IByteSource& source, void* buffer, std::size_t size, const char* label, std::size_t& got) {
    if (std::uint32_t e = source.read(buffer, size, got)) {
        setError(L"Read Error = " + std::to_wstring(e) + L" at " + asciiToWide(label));
        return false;
    }
    return true;
}

bool CArcFile::readExact(IByteSource& source, void* buffer, std::size_t size, const char* label) {
    std::size_t got = 0;
    if (!read(source, buffer, size, label, got))
        return false;
    if (got != size) {
        setError(L"Read Error = " + std::to_wstring(win32_error::kHandleEof) + L" at " + asciiToWide(label));
        return false;
    }
    return true;
}

bool CArcFile::seek(IByteSource& source, std::int64_t offset, const char* label) {
    if (std::uint32_t e = source.seek(offset)) {
        setError(L"Set Pointer Error code = " + std::to_wstring(e) + L" at " + asciiToWide(label));
        return false;
    }
    return true;
}

void CArcFile::cursor(ArcCursor kind) {
    m_env.ui.setCursor(kind);
    m_busy = kind != ArcCursor::Arrow;
}

} // namespace pvn
