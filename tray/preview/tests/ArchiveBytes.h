#pragma once
// Archives built byte by byte, so that every field and bound can be set on purpose.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pvn::test {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
inline void put64(Bytes& b, std::uint64_t v) {
    put32(b, static_cast<std::uint32_t>(v));
    put32(b, static_cast<std::uint32_t>(v >> 32));
}
inline void putText(Bytes& b, const std::string& s) { b.insert(b.end(), s.begin(), s.end()); }

inline std::string extraBlock(std::uint16_t id, const std::string& data) {
    Bytes b;
    put16(b, id);
    put16(b, static_cast<std::uint32_t>(data.size()));
    putText(b, data);
    return {b.begin(), b.end()};
}
inline std::string zip64Extra(const std::vector<std::uint64_t>& values) {
    Bytes b;
    for (std::uint64_t v : values)
        put64(b, v);
    return extraBlock(0x0001, {b.begin(), b.end()});
}
inline std::string ntfsExtra(std::uint64_t modified, std::uint64_t accessed, std::uint64_t created) {
    Bytes b;
    put32(b, 0);
    put16(b, 1);
    put16(b, 24);
    put64(b, modified);
    put64(b, accessed);
    put64(b, created);
    return extraBlock(0x000a, {b.begin(), b.end()});
}

struct ZipEntryLayout {
    std::string name;
    std::string data;
    std::uint16_t flags = 0;
    std::string centralExtra;
    std::string localExtra;
    std::string comment;
    // Written instead of the true values when set.
    std::optional<std::uint32_t> compressed32, uncompressed32, offset32;
    bool descriptor = false;          // sets flag bit 3 and writes a descriptor after the data
    bool descriptorSignature = true;
    bool descriptor64 = false;        // 64-bit sizes in the descriptor
    bool badLocalSignature = false;
    bool badCentralSignature = false;
};

struct ZipLayout {
    std::vector<ZipEntryLayout> entries;
    std::string comment;
    std::optional<std::uint16_t> commentLength; // claimed in the end record
    std::optional<std::uint64_t> entryCount;    // claimed in the end record(s)
    std::optional<std::uint64_t> dirSize;
    std::optional<std::uint64_t> dirOffset;
    bool zip64 = false;                         // ZIP64 end record and locator, 32-bit offset 0xFFFFFFFF
    bool zip64KeepsOffset = false;              // ... but the true offset in the 32-bit end record
    std::string zip64Extensible;
    std::optional<std::uint64_t> zip64RecordSize;
    bool badLocatorSignature = false;
    bool badZip64Signature = false;
    std::string prefix; // bytes before the first entry
};

inline Bytes buildZip(const ZipLayout& layout) {
    Bytes out;
    putText(out, layout.prefix);
    std::vector<std::uint64_t> offsets;
    for (const ZipEntryLayout& e : layout.entries) {
        offsets.push_back(out.size());
        const std::uint16_t flags = e.flags | (e.descriptor ? 0x0008 : 0);
        put32(out, e.badLocalSignature ? 0x04034b51 : 0x04034b50);
        put16(out, 20);
        put16(out, flags);
        put16(out, 0); // stored
        put16(out, 0);
        put16(out, 0x21);
        put32(out, 0); // CRC not checked by the reader
        put32(out, e.descriptor ? 0 : static_cast<std::uint32_t>(e.data.size()));
        put32(out, e.descriptor ? 0 : static_cast<std::uint32_t>(e.data.size()));
        put16(out, static_cast<std::uint32_t>(e.name.size()));
        put16(out, static_cast<std::uint32_t>(e.localExtra.size()));
        putText(out, e.name);
        putText(out, e.localExtra);
        putText(out, e.data);
        if (e.descriptor) {
            if (e.descriptorSignature)
                put32(out, 0x08074b50);
            put32(out, 0);
            if (e.descriptor64) {
                put64(out, e.data.size());
                put64(out, e.data.size());
            } else {
                put32(out, static_cast<std::uint32_t>(e.data.size()));
                put32(out, static_cast<std::uint32_t>(e.data.size()));
            }
        }
    }
    const std::uint64_t dirStart = out.size();
    for (std::size_t i = 0; i < layout.entries.size(); ++i) {
        const ZipEntryLayout& e = layout.entries[i];
        put32(out, e.badCentralSignature ? 0x02014b51 : 0x02014b50);
        put16(out, 0x031e);
        put16(out, 20);
        put16(out, e.flags | (e.descriptor ? 0x0008 : 0));
        put16(out, 0);
        put16(out, 0);
        put16(out, 0x21);
        put32(out, 0);
        put32(out, e.compressed32.value_or(static_cast<std::uint32_t>(e.data.size())));
        put32(out, e.uncompressed32.value_or(static_cast<std::uint32_t>(e.data.size())));
        put16(out, static_cast<std::uint32_t>(e.name.size()));
        put16(out, static_cast<std::uint32_t>(e.centralExtra.size()));
        put16(out, static_cast<std::uint32_t>(e.comment.size()));
        put16(out, 0);
        put16(out, 0);
        put32(out, 0);
        put32(out, e.offset32.value_or(static_cast<std::uint32_t>(offsets[i])));
        putText(out, e.name);
        putText(out, e.centralExtra);
        putText(out, e.comment);
    }
    const std::uint64_t dirSize = layout.dirSize.value_or(out.size() - dirStart);
    const std::uint64_t count = layout.entryCount.value_or(layout.entries.size());
    const std::uint64_t dirAt = layout.dirOffset.value_or(dirStart);
    if (layout.zip64) {
        const std::uint64_t end64 = out.size();
        put32(out, layout.badZip64Signature ? 0x06064b51 : 0x06064b50);
        put64(out, layout.zip64RecordSize.value_or(44 + layout.zip64Extensible.size()));
        put16(out, 45);
        put16(out, 45);
        put32(out, 0);
        put32(out, 0);
        put64(out, count);
        put64(out, count);
        put64(out, dirSize);
        put64(out, dirAt);
        putText(out, layout.zip64Extensible);
        put32(out, layout.badLocatorSignature ? 0x07064b51 : 0x07064b50);
        put32(out, 0);
        put64(out, end64);
        put32(out, 1);
    }
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<std::uint32_t>(layout.zip64 ? 0xFFFF : count));
    put16(out, static_cast<std::uint32_t>(layout.zip64 ? 0xFFFF : count));
    put32(out, layout.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(dirSize));
    put32(out, layout.zip64 && !layout.zip64KeepsOffset ? 0xFFFFFFFF : static_cast<std::uint32_t>(dirAt));
    put16(out, layout.commentLength.value_or(static_cast<std::uint16_t>(layout.comment.size())));
    putText(out, layout.comment);
    return out;
}

struct CabFileLayout {
    std::string name; // raw bytes
    std::uint16_t folder = 0;
    std::uint16_t attribs = 0x20;
    bool terminate = true;
};

struct CabLayout {
    std::vector<CabFileLayout> files;
    std::optional<std::uint16_t> fileCount;
    bool reserve = false;
    std::uint8_t folderReserve = 0, dataReserve = 0;
    std::string signature = "MSCF";
    std::optional<std::uint32_t> coffFiles;
    std::size_t tail = 8; // bytes after the last CFFILE (a CFDATA header would be there)
};

inline Bytes buildCab(const CabLayout& layout) {
    Bytes out;
    const std::size_t headerSize = 36 + (layout.reserve ? 4 : 0);
    const std::uint32_t coff = layout.coffFiles.value_or(static_cast<std::uint32_t>(headerSize + 8));
    putText(out, layout.signature);
    put32(out, 0);
    put32(out, 0); // cbCabinet, patched below
    put32(out, 0);
    put32(out, coff);
    put32(out, 0);
    out.push_back(3);
    out.push_back(1);
    put16(out, 1);
    put16(out, layout.fileCount.value_or(static_cast<std::uint16_t>(layout.files.size())));
    put16(out, layout.reserve ? 0x0004 : 0);
    put16(out, 0x1234);
    put16(out, 0);
    if (layout.reserve) {
        put16(out, 0);
        out.push_back(layout.folderReserve);
        out.push_back(layout.dataReserve);
    }
    // One CFFOLDER.
    put32(out, 0);
    put16(out, 1);
    put16(out, 0);
    // An offset given on purpose may point anywhere; the entries then follow the folder.
    while (!layout.coffFiles && out.size() < coff)
        out.push_back(0);
    for (const CabFileLayout& f : layout.files) {
        put32(out, 0);
        put32(out, 0);
        put16(out, f.folder);
        put16(out, 0x5821);
        put16(out, 0x6000);
        put16(out, f.attribs);
        putText(out, f.name);
        if (f.terminate)
            out.push_back(0);
    }
    out.insert(out.end(), layout.tail, 0);
    const auto size = static_cast<std::uint32_t>(out.size());
    for (int i = 0; i < 4; ++i)
        out[8 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    return out;
}

} // namespace pvn::test
