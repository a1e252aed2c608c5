#include "tray/preview/CCabFileEnum.h"

#include "tray/preview/ArchiveNames.h"
#include "tray/preview/LittleEndian.h"
#include "tray/preview/SortedNames.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace pvn {

CCabFileEnum::CCabFileEnum(const PreviewEnv& env, std::wstring path, bool keepWorkFolder)
    : CArcFile(env, std::move(path), keepWorkFolder) {
    readCabinet();
}

void CCabFileEnum::readCabinet() {
    if (!errorText().empty() || !env().files.exists(path()))
        return;
    std::unique_ptr<IByteSource> source = open(AccessHint::RandomAccess);
    if (!source)
        return;
    if (!readExact(*source, m_header.data(), m_header.size(), "CFHEADER"))
        return;
    if (std::memcmp(m_header.data(), "MSCF", 4) != 0) {
        setError(L"*.cab ファイルではありません");
        return;
    }
    if (le16(m_header.data() + cab::header::kFlags) & cab::kFlagReservePresent) {
        std::uint8_t reserve[cab::kReserveSize];
        if (!readExact(*source, reserve, sizeof reserve, "CFHEADERRESERVE"))
            return;
        if (reserve[2] != 0 || reserve[3] != 0)
            m_plainDataBlocks = false;
    }

    const std::uint16_t count = le16(m_header.data() + cab::header::kCFiles);
    std::uint64_t fileSize = 0;
    if (source->size(fileSize) != 0)
        fileSize = 0;
    std::vector<std::wstring> names;
    std::vector<CabEntryRecord> records;
    // Every entry takes at least its fixed part and a terminating zero.
    const auto room = static_cast<std::size_t>(std::min<std::uint64_t>(count, fileSize / (cab::kFileFixedSize + 1)));
    names.reserve(room);
    records.reserve(room);

    std::uint32_t position = le32(m_header.data() + cab::header::kCoffFiles);
    std::uint8_t entry[cab::kFileFixedSize + cab::kMaxName];
    for (std::uint32_t i = 0; i < count; ++i) {
        std::size_t got = 0;
        if (!seek(*source, position, "CFFILE") || !read(*source, entry, sizeof entry, "CFFILE", got))
            break;
        // The name may end near the end of the file, but the fixed part must be there.
        if (got < cab::kFileFixedSize) {
            setError(L"Read Error = " + std::to_wstring(win32_error::kHandleEof) + L" at CFFILE");
            break;
        }
        const char* name = reinterpret_cast<const char*>(entry + cab::file::kName);
        // A name without its zero within the bytes read is cut at their end.
        const std::size_t available = got - cab::kFileFixedSize;
        const void* zero = std::memchr(name, 0, available);
        const std::size_t length =
            zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - name) : available;
        names.push_back(decodeArchiveName(env().text, std::string_view(name, length),
                                          le16(entry + cab::file::kAttribs) & cab::kAttribUtf8Name));
        records.push_back({static_cast<std::uint32_t>(length + 1), le16(entry + cab::file::kFolder)});
        position += static_cast<std::uint32_t>(cab::kFileFixedSize + length + 1);
    }

    // Equal names are all kept, each after the ones before it.
    const std::vector<std::size_t> order = insertionOrder(env().text, names);
    m_names.reserve(order.size());
    m_records.reserve(order.size());
    for (std::size_t i : order) {
        m_names.push_back(std::move(names[i]));
        m_records.push_back(records[i]);
    }
}

bool CCabFileEnum::listEntries(std::vector<std::wstring>& out, std::size_t maxLines) {
    BusyScope busy(*this, ArcCursor::Busy3);
    const std::size_t first = out.size();
    for (const std::wstring& name : m_names) {
        if (out.size() >= maxLines)
            return true;
        out.push_back(name);
    }
    // Folder lines: every prefix ending in "\", once, in order of first appearance, the appended
    // lines walked too. The set of seen prefixes holds every shorter prefix of each of its members,
    // so the unseen prefixes of a line are its longest ones, found by a binary search.
    std::unordered_set<std::wstring> seen;
    for (std::size_t line = first; line < out.size() && out.size() < maxLines; ++line) {
        const std::wstring text = out[line];
        std::vector<std::size_t> ends; // positions just after each "\"
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == L'\\')
                ends.push_back(i + 1);
        std::size_t known = 0, unknown = ends.size();
        while (known < unknown) {
            std::size_t mid = (known + unknown + 1) / 2;
            if (seen.count(text.substr(0, ends[mid - 1])))
                known = mid;
            else
                unknown = mid - 1;
        }
        for (std::size_t k = known; k < ends.size() && out.size() < maxLines; ++k) {
            std::wstring prefix = text.substr(0, ends[k]);
            seen.insert(prefix);
            out.push_back(std::move(prefix));
        }
    }
    return true;
}

} // namespace pvn
