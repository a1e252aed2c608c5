#pragma once
// Constants and layouts of the ZIP directory structures the reader touches.
#include <cstddef>
#include <cstdint>

namespace pvn::zip {

inline constexpr std::uint32_t kCentralSignature = 0x02014b50;
inline constexpr std::uint32_t kLocalSignature = 0x04034b50;
inline constexpr std::uint32_t kEndSignature = 0x06054b50;
inline constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
inline constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
inline constexpr std::uint32_t kDescriptorSignature = 0x08074b50;

inline constexpr std::size_t kEndSize = 22;
inline constexpr std::size_t kMaxComment = 65535;
inline constexpr std::size_t kEndWindow = kMaxComment + kEndSize; // 65,557
inline constexpr std::size_t kZip64LocatorSize = 20;
inline constexpr std::size_t kZip64EndSize = 56;
inline constexpr std::uint64_t kZip64EndFixedAfterSize = 44; // the record size counts from offset 12
inline constexpr std::size_t kCentralSize = 46;
inline constexpr std::size_t kLocalSize = 30;

inline constexpr std::uint32_t kNotSet32 = 0xFFFFFFFF;

inline constexpr std::uint16_t kFlagDataDescriptor = 0x0008;
inline constexpr std::uint16_t kFlagUtf8 = 0x0800;

inline constexpr std::uint16_t kExtraZip64 = 0x0001;
inline constexpr std::uint16_t kExtraNtfs = 0x000a;

// Offsets in the end record.
namespace end {
inline constexpr std::size_t kTotalEntries = 10, kDirSize = 12, kDirOffset = 16, kCommentLength = 20;
}
namespace end64 {
inline constexpr std::size_t kRecordSize = 4, kTotalEntries = 32, kDirSize = 40, kDirOffset = 48;
}
namespace locator {
inline constexpr std::size_t kEndOffset = 8;
}
// Offsets in the central directory header.
namespace central {
inline constexpr std::size_t kFlags = 8, kCompressed = 20, kUncompressed = 24, kNameLength = 28,
                             kExtraLength = 30, kCommentLength = 32, kLocalOffset = 42;
}
// Offsets in the local header.
namespace local {
inline constexpr std::size_t kFlags = 6, kNameLength = 26, kExtraLength = 28;
}

} // namespace pvn::zip
