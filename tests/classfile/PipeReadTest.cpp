// A class file read from a pipe has no size to check in advance: the reader
// must not allocate for the records the header announces before they arrive.
// This program's operator new records the largest single request, so the
// test sees what the reader asked for.
#include "classfile/ClassFile.h"

#include "Fixtures.h"

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
std::atomic<std::size_t> g_largestRequest{0};
}

// Kept out of line: inlined into a caller, gcc takes the malloc/free pair
// for a mismatch with the new expression.
[[gnu::noinline]] void* operator new(std::size_t size)
{
    std::size_t seen = g_largestRequest.load(std::memory_order_relaxed);
    while (size > seen && !g_largestRequest.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
    }
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
// Every other plain form goes the same way, so that no block taken by one
// allocator is returned to another (the sanitizers report that, e.g. for
// the temporary buffer of std::stable_sort, which uses the nothrow form).
[[gnu::noinline]] void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}
[[gnu::noinline]] void* operator new[](std::size_t size) { return ::operator new(size); }
[[gnu::noinline]] void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return ::operator new(size, tag);
}
[[gnu::noinline]] void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete[](void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace ruvek {
namespace {
using namespace test;

TEST(ClassFileFromPipe, RefusedWhenTheDataEndsWithoutAllocatingTheAnnouncedCount)
{
    TempDir dir;
    const auto fifo = dir / "Klasse.RVK";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // The header announces 65535 records (about 400 MB); two arrive.
    const ByteVec data = concat({headerBytes(65535, 2), recordV2Bytes("A", 1), recordV2Bytes("B", 2)});
    std::thread writer([&] {
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        if (fd < 0)
            return;
        for (std::size_t done = 0; done < data.size();) {
            const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
    });
    g_largestRequest = 0;
    ClassFileContent content;
    const ReadError result = readClassFile(fifo, content);
    const std::size_t largest = g_largestRequest;
    writer.join();
    EXPECT_EQ(result, ReadError::Truncated);
    EXPECT_TRUE(content.records.empty());
    EXPECT_LT(largest, std::size_t{4} << 20) << "the reader allocated for records that never came";
}

TEST(ClassFileFromPipe, CompleteDataIsReadInListOrder)
{
    TempDir dir;
    const auto fifo = dir / "Klasse.RVK";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Stored last entry first: "B" is the first of the list.
    const ByteVec data = concat({headerBytes(2, 2), recordV2Bytes("A", 1), recordV2Bytes("B", 2)});
    std::thread writer([&] {
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t n = ::write(fd, data.data(), data.size());
            ::close(fd);
        }
    });
    ClassFileContent content;
    const ReadError result = readClassFile(fifo, content);
    writer.join();
    ASSERT_EQ(result, ReadError::None);
    ASSERT_EQ(content.records.size(), 2u);
    EXPECT_EQ(content.records[0].Name.view(), "B");
    EXPECT_EQ(content.records[1].Name.view(), "A");
}

} // namespace
} // namespace ruvek
