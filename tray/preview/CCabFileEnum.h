#pragma once
// Reads the file names of a Microsoft cabinet and lists them with their folders.
#include "tray/preview/CArcFile.h"

#include <array>

namespace pvn {

namespace cab {
inline constexpr std::size_t kHeaderSize = 36;
inline constexpr std::size_t kReserveSize = 4;
inline constexpr std::size_t kFileFixedSize = 16;
inline constexpr std::size_t kMaxName = 260;
inline constexpr std::uint16_t kFlagReservePresent = 0x0004;
inline constexpr std::uint16_t kAttribUtf8Name = 0x80;
namespace header {
inline constexpr std::size_t kCoffFiles = 16, kCFolders = 26, kCFiles = 28, kFlags = 30;
}
namespace file {
inline constexpr std::size_t kFolder = 8, kAttribs = 14, kName = 16;
}
} // namespace cab

struct CabEntryRecord {
    std::uint32_t nameBytes = 0; // the name's length in bytes plus one
    std::uint16_t folder = 0;    // iFolder of the CFFILE entry
};

class CCabFileEnum final : public CArcFile {
public:
    CCabFileEnum(const PreviewEnv& env, std::wstring path, bool keepWorkFolder);

    // File names in sorted order, then each folder prefix once, in order of first appearance.
    bool listEntries(std::vector<std::wstring>& out, std::size_t maxLines = kNoLimit) override;
    bool canExtractItem() const override { return m_plainDataBlocks; }
    bool canExtractAll() const override { return m_plainDataBlocks; }

    const std::array<std::uint8_t, cab::kHeaderSize>& header() const { return m_header; }
    bool plainDataBlocks() const { return m_plainDataBlocks; }
    bool sorted() const { return m_sorted; }
    const std::vector<std::wstring>& names() const { return m_names; }
    const std::vector<CabEntryRecord>& records() const { return m_records; }

private:
    void readCabinet();

    std::array<std::uint8_t, cab::kHeaderSize> m_header{};
    bool m_plainDataBlocks = true;
    bool m_sorted = true;
    std::vector<std::wstring> m_names;
    std::vector<CabEntryRecord> m_records;
};

} // namespace pvn
