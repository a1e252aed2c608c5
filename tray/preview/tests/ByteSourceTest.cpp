#include "tray/preview/BufferedByteSource.h"
#include "tray/preview/MemoryByteSource.h"
#include "tray/preview/PosixByteSource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <numeric>

namespace pvn {
namespace {

std::vector<std::uint8_t> counting(std::size_t n) {
    std::vector<std::uint8_t> v(n);
    std::iota(v.begin(), v.end(), std::uint8_t{0});
    return v;
}

// Counts what reaches the source beneath.
class CountingSource final : public IByteSource {
public:
    explicit CountingSource(const std::vector<std::uint8_t>& bytes) : m_inner(bytes) {}
    std::uint32_t read(void* b, std::size_t n, std::size_t& got) override {
        ++reads;
        return failRead ? failRead : m_inner.read(b, n, got);
    }
    std::uint32_t seek(std::int64_t o) override {
        ++seeks;
        return m_inner.seek(o);
    }
    std::uint32_t size(std::uint64_t& out) override { return m_inner.size(out); }
    int reads = 0, seeks = 0;
    std::uint32_t failRead = 0;

private:
    MemoryByteSource m_inner;
};

TEST(BufferedByteSourceTest, SmallReadsShareOneReadBeneath) {
    auto data = counting(1000);
    auto inner = std::make_unique<CountingSource>(data);
    CountingSource* raw = inner.get();
    BufferedByteSource b(std::move(inner), 256);
    std::uint8_t out[10];
    std::size_t got = 0;
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(b.read(out, 10, got), 0u);
        ASSERT_EQ(got, 10u);
        EXPECT_EQ(out[0], static_cast<std::uint8_t>(i * 10));
    }
    EXPECT_EQ(raw->reads, 1);
    // A read across the end of the window continues in the next one.
    ASSERT_EQ(b.seek(250), 0u);
    ASSERT_EQ(b.read(out, 10, got), 0u);
    EXPECT_EQ(got, 10u);
    EXPECT_EQ(out[0], 250);
    EXPECT_EQ(out[9], 3); // 259 mod 256
    EXPECT_EQ(raw->reads, 2);
}

TEST(BufferedByteSourceTest, SeeksInsideTheWindowStayThereOthersGoThrough) {
    auto data = counting(1000);
    auto inner = std::make_unique<CountingSource>(data);
    CountingSource* raw = inner.get();
    BufferedByteSource b(std::move(inner), 256);
    std::uint8_t out[4];
    std::size_t got = 0;
    b.read(out, 4, got);
    const int seeksBefore = raw->seeks;
    ASSERT_EQ(b.seek(100), 0u);
    b.read(out, 4, got);
    EXPECT_EQ(out[0], 100);
    EXPECT_EQ(raw->seeks, seeksBefore);
    ASSERT_EQ(b.seek(900), 0u);
    EXPECT_EQ(raw->seeks, seeksBefore + 1);
    b.read(out, 4, got);
    EXPECT_EQ(out[0], static_cast<std::uint8_t>(900));
}

TEST(BufferedByteSourceTest, EndOfFileAndBeyond) {
    auto data = counting(10);
    BufferedByteSource b(std::make_unique<MemoryByteSource>(data), 4);
    std::uint8_t out[16];
    std::size_t got = 0;
    ASSERT_EQ(b.read(out, 16, got), 0u);
    EXPECT_EQ(got, 10u);
    EXPECT_EQ(b.read(out, 1, got), 0u);
    EXPECT_EQ(got, 0u);
    ASSERT_EQ(b.seek(1000), 0u);
    EXPECT_EQ(b.read(out, 3, got), 0u);
    EXPECT_EQ(got, 0u);
    ASSERT_EQ(b.seek(8), 0u);
    EXPECT_EQ(b.read(out, 3, got), 0u);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(out[1], 9);
    EXPECT_EQ(b.seek(-1), win32_error::kNegativeSeek);
}

TEST(BufferedByteSourceTest, ErrorsBeneathArePassedOn) {
    auto data = counting(100);
    auto inner = std::make_unique<CountingSource>(data);
    inner->failRead = 23;
    BufferedByteSource b(std::move(inner), 16);
    std::uint8_t out[4];
    std::size_t got = 0;
    EXPECT_EQ(b.read(out, 4, got), 23u);
    EXPECT_EQ(b.read(out, 64, got), 23u);
}

TEST(BufferedByteSourceTest, LargeReadsGoStraightThrough) {
    auto data = counting(5000);
    auto inner = std::make_unique<CountingSource>(data);
    CountingSource* raw = inner.get();
    BufferedByteSource b(std::move(inner), 64);
    std::vector<std::uint8_t> out(4000);
    std::size_t got = 0;
    ASSERT_EQ(b.seek(7), 0u);
    ASSERT_EQ(b.read(out.data(), out.size(), got), 0u);
    EXPECT_EQ(got, 4000u);
    EXPECT_EQ(out[0], 7);
    EXPECT_EQ(out[3999], static_cast<std::uint8_t>(4006));
    EXPECT_EQ(raw->reads, 1);
}

TEST(PosixByteSourceTest, ReadsSeeksAndReportsMissingFiles) {
    char name[] = "/tmp/pvn_posix_XXXXXX";
    int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, "hello world", 11), 11);
    close(fd);
    PosixFileSystem fs;
    std::wstring path(name, name + sizeof name - 1);
    EXPECT_TRUE(fs.exists(path));
    OpenResult r = fs.openRead(path, AccessHint::RandomAccess);
    ASSERT_TRUE(r.source);
    std::uint64_t size = 0;
    EXPECT_EQ(r.source->size(size), 0u);
    EXPECT_EQ(size, 11u);
    EXPECT_EQ(r.source->seek(6), 0u);
    char buf[16] = {};
    std::size_t got = 0;
    EXPECT_EQ(r.source->read(buf, sizeof buf, got), 0u);
    EXPECT_EQ(std::string(buf, got), "world");
    EXPECT_EQ(r.source->seek(-5), win32_error::kNegativeSeek);
    std::remove(name);
    EXPECT_FALSE(fs.exists(path));
    EXPECT_EQ(fs.openRead(path, AccessHint::SequentialScan).error, win32_error::kFileNotFound);
    EXPECT_EQ(fs.openRead(L"/tmp", AccessHint::SequentialScan).error, win32_error::kAccessDenied);
    EXPECT_EQ(pathToUtf8(L"日"), "\xe6\x97\xa5");
}

} // namespace
} // namespace pvn
