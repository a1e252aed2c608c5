#pragma once
// Reads the directory of a ZIP archive (with the ZIP64 extensions), checks its structure and lists
// its entry names, without extracting anything. All the work is done by the constructor.
#include "tray/preview/CArcFile.h"
#include "tray/preview/CDataList.h"
#include "tray/preview/ZipFormat.h"

#include <array>
#include <optional>

namespace pvn {

struct ZipEntryRecord {
    std::array<std::uint8_t, zip::kCentralSize> header{}; // the central directory header as read
    std::uint64_t compressedSize = 0;
    std::uint64_t uncompressedSize = 0;
    std::uint64_t localHeaderOffset = 0;
    // FILETIME values of the NTFS extra field, zero when absent.
    std::uint64_t modified = 0;
    std::uint64_t accessed = 0;
    std::uint64_t created = 0;
    int centralExtra = -1; // indices in the data store
    int comment = -1;
    int localExtra = -1;

    std::uint16_t flags() const;
    std::uint32_t field32(std::size_t offset) const;
    std::uint16_t field16(std::size_t offset) const;
};

class CZipFileEnum final : public CArcFile {
public:
    static constexpr std::uint32_t kUnknownCount = 0xFFFFFFFF;

    CZipFileEnum(const PreviewEnv& env, std::wstring path, bool keepWorkFolder);

    // Names in their sorted order, "/" shown as "\".
    bool listEntries(std::vector<std::wstring>& out, std::size_t maxLines = kNoLimit) override;

    // Sorted names and their records, at the same positions.
    const std::vector<std::wstring>& names() const { return m_names; }
    const std::vector<ZipEntryRecord>& records() const { return m_records; }
    const CDataList& data() const { return m_data; }
    std::uint32_t entryCount() const { return m_entryCount; }
    std::uint64_t centralDirOffset() const { return m_dirOffset; }
    bool zip64() const { return m_zip64; }
    bool sorted() const { return m_sorted; }
    int archiveComment() const { return m_commentIndex; }
    int zip64ExtensibleData() const { return m_extensibleIndex; }

private:
    struct Pending;

    void readDirectory();
    bool findEndRecords(IByteSource& source, std::uint64_t fileSize);
    // The ZIP64 locator before the end record at `endPos`, and the record it points to.
    bool readZip64End(IByteSource& source, std::uint64_t fileSize, std::uint64_t endPos);
    bool readCentralDirectory(IByteSource& source, std::uint64_t fileSize);
    void readLocalHeaders(IByteSource& source, std::uint64_t fileSize);
    // Checks one local header and fills `record` from it; `extraBudget` is what local extra fields
    // may still take from the data store.
    bool readLocalHeader(IByteSource& source, ZipEntryRecord& record, std::size_t position,
                         std::uint64_t& extraBudget);
    // Fills the 64-bit sizes, offset and times of `record` from an extra field.
    bool parseExtraField(const std::uint8_t* bytes, std::size_t length, ZipEntryRecord& record, bool central);

    std::vector<std::wstring> m_names;
    std::vector<ZipEntryRecord> m_records;
    CDataList m_data;
    std::uint32_t m_entryCount = kUnknownCount;
    std::uint64_t m_dirOffset = ~std::uint64_t{0};
    std::uint64_t m_dirSize = 0;
    bool m_zip64 = false;
    bool m_sorted = false;
    int m_commentIndex = -1;
    int m_extensibleIndex = -1;
    std::vector<std::uint8_t> m_localExtra; // read buffer of the local header pass
};

} // namespace pvn
