#include "tray/preview/CZipFileEnum.h"

#include "tray/preview/ArchiveNames.h"
#include "tray/preview/LittleEndian.h"
#include "tray/preview/SortedNames.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace pvn {

std::uint16_t ZipEntryRecord::field16(std::size_t offset) const { return le16(header.data() + offset); }
std::uint32_t ZipEntryRecord::field32(std::size_t offset) const { return le32(header.data() + offset); }
std::uint16_t ZipEntryRecord::flags() const { return field16(zip::central::kFlags); }

struct CZipFileEnum::Pending {
    std::wstring name;
    ZipEntryRecord record;
};

namespace {

std::wstring hex4(unsigned value) {
    wchar_t buf[8];
    std::swprintf(buf, 8, L"%04x", value & 0xFFFF);
    return buf;
}

} // namespace

CZipFileEnum::CZipFileEnum(const PreviewEnv& env, std::wstring path, bool keepWorkFolder)
    : CArcFile(env, std::move(path), keepWorkFolder) {
    readDirectory();
}

void CZipFileEnum::readDirectory() {
    if (!errorText().empty())
        return;
    if (!env().files.exists(path())) {
        m_entryCount = 0;
        return;
    }
    std::unique_ptr<IByteSource> source = open(AccessHint::RandomAccess);
    if (!source)
        return;
    std::uint64_t size = 0;
    if (std::uint32_t e = source->size(size)) {
        env().ui.reportFailure("GetFileSizeEx", e);
        size = 0;
    }
    if (!findEndRecords(*source, size))
        return;
    if (!readCentralDirectory(*source, size))
        return;
    readLocalHeaders(*source, size);
}

bool CZipFileEnum::findEndRecords(IByteSource& source, std::uint64_t fileSize) {
    const auto window = static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, zip::kEndWindow));
    const std::uint64_t windowStart = fileSize - window;
    std::vector<std::uint8_t> buf(window);
    if (!seek(source, static_cast<std::int64_t>(windowStart), "EndOfCentralDir") ||
        !readExact(source, buf.data(), window, "EndOfCentralDir"))
        return false;

    // A file shorter than the end record has none.
    std::optional<std::size_t> match;
    for (std::size_t pos = window >= zip::kEndSize ? window - zip::kEndSize + 1 : 0; pos-- > 0;) {
        if (le32(buf.data() + pos) == zip::kEndSignature) {
            match = pos;
            break;
        }
    }
    if (!match) {
        setError(L"EndOfCentralDir 署名を見つけられません");
        return false;
    }
    const std::uint8_t* end = buf.data() + *match;
    const std::size_t commentLength = le16(end + zip::end::kCommentLength);
    if (commentLength != 0) {
        if (window < *match + zip::kEndSize + commentLength) {
            setError(L"コメント領域不十分");
            return false;
        }
        m_commentIndex = m_data.addCopy(end + zip::kEndSize, commentLength);
    }
    const std::uint32_t dirOffset = le32(end + zip::end::kDirOffset);
    const std::uint64_t endPos = windowStart + *match;
    if (dirOffset == zip::kNotSet32) {
        m_zip64 = true;
        return readZip64End(source, fileSize, endPos);
    }
    m_entryCount = le16(end + zip::end::kTotalEntries);
    m_dirOffset = dirOffset;
    m_dirSize = le32(end + zip::end::kDirSize);
    // Writers keep the offset here whenever it fits and saturate only the count or the size: an
    // archive of more than 65,535 entries would otherwise list 65,535 of them. The ZIP64 record is
    // then taken when there is one; when there is none the 32-bit values stand.
    if (m_entryCount == 0xFFFF || m_dirSize == zip::kNotSet32) {
        const std::wstring before = errorText();
        const std::uint32_t count = m_entryCount;
        const std::uint64_t size = m_dirSize;
        if (readZip64End(source, fileSize, endPos)) {
            m_zip64 = true;
        } else {
            setError(before);
            m_entryCount = count;
            m_dirOffset = dirOffset;
            m_dirSize = size;
        }
    }
    return true;
}

bool CZipFileEnum::readZip64End(IByteSource& source, std::uint64_t fileSize, std::uint64_t endPos) {
    std::uint8_t loc[zip::kZip64LocatorSize];
    if (!seek(source, static_cast<std::int64_t>(endPos) - static_cast<std::int64_t>(zip::kZip64LocatorSize),
              "Z64EndOfCentralDirLoc") ||
        !readExact(source, loc, sizeof loc, "Z64EndOfCentralDirLoc"))
        return false;
    if (le32(loc) != zip::kZip64LocatorSignature) {
        setError(L"Z64EndOfCentralDirLoc 署名を見つけられません");
        return false;
    }
    const std::uint64_t end64Pos = le64(loc + zip::locator::kEndOffset);
    std::uint8_t end64[zip::kZip64EndSize];
    if (!seek(source, static_cast<std::int64_t>(end64Pos), "Z64EndOfCentralDir") ||
        !readExact(source, end64, sizeof end64, "Z64EndOfCentralDir"))
        return false;
    if (le32(end64) != zip::kZip64EndSignature) {
        setError(L"Z64EndOfCentralDir 署名を見つけられません");
        return false;
    }
    const std::uint64_t recordSize = le64(end64 + zip::end64::kRecordSize);
    std::vector<std::uint8_t> extensible;
    if (recordSize > zip::kZip64EndFixedAfterSize) {
        const std::uint64_t length = recordSize - zip::kZip64EndFixedAfterSize;
        // The size comes from the file: it must fit in what follows the record before it is allocated.
        const std::uint64_t after = end64Pos + zip::kZip64EndSize;
        if (after > fileSize || length > fileSize - after) {
            setError(L"Z64ExtendData サイズ不正");
            return false;
        }
        extensible.resize(static_cast<std::size_t>(length));
        if (!readExact(source, extensible.data(), extensible.size(), "Z64ExtendData"))
            return false;
    }
    m_entryCount = static_cast<std::uint32_t>(le64(end64 + zip::end64::kTotalEntries));
    m_dirOffset = le64(end64 + zip::end64::kDirOffset);
    m_dirSize = le64(end64 + zip::end64::kDirSize);
    if (recordSize > zip::kZip64EndFixedAfterSize)
        m_extensibleIndex = m_data.add(std::move(extensible));
    return true;
}

bool CZipFileEnum::readCentralDirectory(IByteSource& source, std::uint64_t fileSize) {
    if (!seek(source, static_cast<std::int64_t>(m_dirOffset), "CentralDir start"))
        return false;
    m_sorted = true;

    std::vector<Pending> pending;
    // The count comes from the file: reserve no more than the directory and the file can hold.
    pending.reserve(static_cast<std::size_t>(
        std::min({std::uint64_t{m_entryCount}, m_dirSize / zip::kCentralSize, fileSize / zip::kCentralSize})));
    bool stopped = false;
    std::vector<std::uint8_t> nameBytes, extra;
    for (std::uint32_t index = 0; index < m_entryCount; ++index) {
        Pending entry;
        ZipEntryRecord& record = entry.record;
        if (!readExact(source, record.header.data(), zip::kCentralSize, "CentralDir")) {
            stopped = true;
            break;
        }
        if (record.field32(0) != zip::kCentralSignature) {
            setError(L"CentralDir 署名を見つけられません index = " + std::to_wstring(index));
            stopped = true;
            break;
        }
        nameBytes.resize(record.field16(zip::central::kNameLength));
        if (!readExact(source, nameBytes.data(), nameBytes.size(), "FileName")) {
            stopped = true;
            break;
        }
        entry.name = decodeArchiveName(env().text, {reinterpret_cast<const char*>(nameBytes.data()), nameBytes.size()},
                                       record.flags() & zip::kFlagUtf8);
        record.compressedSize = record.field32(zip::central::kCompressed);
        record.uncompressedSize = record.field32(zip::central::kUncompressed);
        record.localHeaderOffset = record.field32(zip::central::kLocalOffset);

        if (std::size_t extraLength = record.field16(zip::central::kExtraLength)) {
            extra.resize(extraLength);
            if (!readExact(source, extra.data(), extra.size(), "ExtraField")) {
                stopped = true;
                break;
            }
            record.centralExtra = m_data.addCopy(extra.data(), extra.size());
            if (!parseExtraField(extra.data(), extra.size(), record, true)) {
                stopped = true;
                break;
            }
        }
        if (record.field32(zip::central::kLocalOffset) == zip::kNotSet32 &&
            record.localHeaderOffset == ~std::uint64_t{0}) {
            setError(entry.name + L"\nOffset が定義されていません");
            stopped = true;
            break;
        }
        if (std::size_t commentLength = record.field16(zip::central::kCommentLength)) {
            std::vector<std::uint8_t> comment(commentLength);
            if (!readExact(source, comment.data(), comment.size(), "FileComment")) {
                stopped = true;
                break;
            }
            record.comment = m_data.add(std::move(comment));
        }
        pending.push_back(std::move(entry));
    }

    // Sorted insertion, done at once: each name after all that compare less or equal, a name equal
    // to one already present skipped. Only the last skipped one's message survives, and only when
    // no failure came after it.
    std::vector<std::wstring> names;
    names.reserve(pending.size());
    for (Pending& p : pending)
        names.push_back(std::move(p.name));
    const std::vector<std::size_t> order = insertionOrder(env().text, names);
    std::vector<std::size_t> kept;
    kept.reserve(order.size());
    std::optional<std::size_t> lastDuplicate, lastDuplicateOf; // its index, and its kept equal's slot
    for (std::size_t i : order) {
        if (!kept.empty() && env().text.compare(names[kept.back()], names[i]) == 0) {
            if (!lastDuplicate || i > *lastDuplicate) {
                lastDuplicate = i;
                lastDuplicateOf = kept.size() - 1;
            }
            continue;
        }
        kept.push_back(i);
    }
    if (lastDuplicate && !stopped) {
        // Where the binary search found the equal name: among the names inserted before this one.
        std::size_t position = 0;
        for (std::size_t k = 0; k < *lastDuplicateOf; ++k)
            position += kept[k] < *lastDuplicate;
        setError(L"重複したファイル名 " + names[*lastDuplicate] + L" index1, 2 = " + std::to_wstring(position) + L" " +
                 std::to_wstring(*lastDuplicate));
    }
    m_names.reserve(kept.size());
    m_records.reserve(kept.size());
    for (std::size_t i : kept) {
        m_names.push_back(std::move(names[i]));
        m_records.push_back(pending[i].record);
    }
    return !stopped;
}

bool CZipFileEnum::readLocalHeader(IByteSource& source, ZipEntryRecord& record, std::size_t position,
                                   std::uint64_t& extraBudget) {
    const std::uint64_t offset = record.localHeaderOffset;
    std::uint8_t local[zip::kLocalSize];
    if (!seek(source, static_cast<std::int64_t>(offset), "LocalHeader") ||
        !readExact(source, local, sizeof local, "LocalHeader"))
        return false;
    if (le32(local) != zip::kLocalSignature) {
        setError(L"LocalHeader 署名を見つけられません index = " + std::to_wstring(position));
        return false;
    }
    const std::uint16_t flags = le16(local + zip::local::kFlags);
    const std::uint64_t nameLength = le16(local + zip::local::kNameLength);
    const std::uint64_t extraLength = le16(local + zip::local::kExtraLength);
    if (flags & zip::kFlagDataDescriptor) {
        const auto central = static_cast<std::uint16_t>(record.flags() & ~zip::kFlagDataDescriptor);
        record.header[zip::central::kFlags] = static_cast<std::uint8_t>(central);
        record.header[zip::central::kFlags + 1] = static_cast<std::uint8_t>(central >> 8);
        const std::uint64_t at = offset + zip::kLocalSize + nameLength + extraLength + record.compressedSize;
        std::uint8_t descriptor[20];
        if (!seek(source, static_cast<std::int64_t>(at), "DataDescriptor") ||
            !readExact(source, descriptor, 4, "DataDescriptor"))
            return false;
        // The signature is optional: without it the descriptor starts where the signature would.
        if (le32(descriptor) != zip::kDescriptorSignature && !seek(source, static_cast<std::int64_t>(at), "DataDescriptor"))
            return false;
        if (!readExact(source, descriptor, m_zip64 ? 20 : 12, "DataDescriptor64"))
            return false;
    }
    if (extraLength != 0) {
        m_localExtra.resize(static_cast<std::size_t>(extraLength));
        if (!seek(source, static_cast<std::int64_t>(offset + zip::kLocalSize + nameLength), "LocalHeader") ||
            !readExact(source, m_localExtra.data(), m_localExtra.size(), "ExtraField"))
            return false;
        // Local extra fields of a sound archive lie apart from each other inside the file; entries
        // that share one could otherwise make a small file keep gigabytes.
        if (extraLength > extraBudget) {
            setError(L"ExtraField 領域が他のエントリーと重なっています index = " + std::to_wstring(position));
            return false;
        }
        extraBudget -= extraLength;
        record.localExtra = m_data.addCopy(m_localExtra.data(), m_localExtra.size());
        if (!parseExtraField(m_localExtra.data(), m_localExtra.size(), record, false))
            return false;
    }
    return true;
}

void CZipFileEnum::readLocalHeaders(IByteSource& source, std::uint64_t fileSize) {
    // Entries are taken in sorted order and the pass stops at the first failure. Each entry's outcome
    // depends on the file alone, so they are read in file order (one sweep through the buffer), and
    // entries after the first failure in sorted order get back what they had before.
    const std::size_t n = m_records.size();
    std::vector<std::pair<std::uint64_t, std::size_t>> byOffset(n);
    for (std::size_t i = 0; i < n; ++i)
        byOffset[i] = {m_records[i].localHeaderOffset, i};
    std::sort(byOffset.begin(), byOffset.end());

    struct Before {
        std::size_t index;
        std::uint8_t flags[2];
        std::uint64_t compressed, uncompressed, modified, accessed, created;
    };
    std::vector<Before> before;
    before.reserve(n);
    std::uint64_t extraBudget = fileSize;
    std::size_t firstFailure = n;
    std::wstring failure;
    const std::wstring earlier = errorText();
    for (auto [offset, i] : byOffset) {
        if (i > firstFailure)
            continue;
        ZipEntryRecord& r = m_records[i];
        before.push_back({i, {r.header[zip::central::kFlags], r.header[zip::central::kFlags + 1]}, r.compressedSize,
                          r.uncompressedSize, r.modified, r.accessed, r.created});
        setError({});
        if (!readLocalHeader(source, r, i, extraBudget)) {
            firstFailure = i;
            failure = errorText();
        }
    }
    for (const Before& b : before) {
        if (b.index <= firstFailure)
            continue;
        ZipEntryRecord& r = m_records[b.index];
        r.header[zip::central::kFlags] = b.flags[0];
        r.header[zip::central::kFlags + 1] = b.flags[1];
        r.compressedSize = b.compressed;
        r.uncompressedSize = b.uncompressed;
        r.modified = b.modified;
        r.accessed = b.accessed;
        r.created = b.created;
        r.localExtra = -1;
    }
    setError(firstFailure < n ? failure : earlier);
}

bool CZipFileEnum::parseExtraField(const std::uint8_t* bytes, std::size_t length, ZipEntryRecord& record,
                                   bool central) {
    std::size_t pos = 0;
    while (pos < length) {
        if (length - pos < 4) {
            setError(L"ExtraField ヘッダー不足");
            return false;
        }
        const std::uint16_t id = le16(bytes + pos);
        const std::size_t size = le16(bytes + pos + 2);
        pos += 4;
        if (size > length - pos) {
            setError(L"ExtraField データサイズ(HeaderID:0x" + hex4(id) + L")不整合");
            return false;
        }
        const std::uint8_t* data = bytes + pos;
        if (id == zip::kExtraZip64) {
            const bool uncompressed = record.field32(zip::central::kUncompressed) == zip::kNotSet32;
            const bool compressed = record.field32(zip::central::kCompressed) == zip::kNotSet32;
            const bool offset = central && record.field32(zip::central::kLocalOffset) == zip::kNotSet32;
            if (8u * (uncompressed + compressed + offset) > size) {
                setError(L"ExtraField サイズデータ(HeaderID:0x0001)不足");
                return false;
            }
            const std::uint8_t* p = data;
            if (uncompressed) {
                record.uncompressedSize = le64(p);
                p += 8;
            }
            if (compressed) {
                record.compressedSize = le64(p);
                p += 8;
            }
            if (offset)
                record.localHeaderOffset = le64(p);
        } else if (id == zip::kExtraNtfs) {
            if (size != 32) {
                setError(L"ExtraField 日時データ(HeaderID:0x000a)不整合");
                return false;
            }
            record.modified = le64(data + 8);
            record.accessed = le64(data + 16);
            record.created = le64(data + 24);
        }
        pos += size;
    }
    return true;
}

bool CZipFileEnum::listEntries(std::vector<std::wstring>& out, std::size_t maxLines) {
    BusyScope busy(*this, ArcCursor::Busy1);
    for (const std::wstring& name : m_names) {
        if (out.size() >= maxLines)
            break;
        std::wstring shown = name;
        std::replace(shown.begin(), shown.end(), L'/', L'\\');
        out.push_back(std::move(shown));
    }
    return true;
}

} // namespace pvn
