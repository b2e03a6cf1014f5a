#pragma once
// Helpers for class file tests: a temporary folder per test and class files
// put together byte by byte at the documented offsets.
#include "common/ByteFields.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace ruvek::test {

using ByteVec = std::vector<std::uint8_t>;

inline void putPStr(ByteVec& b, std::size_t off, const std::string& s)
{
    b[off] = static_cast<std::uint8_t>(s.size());
    std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(off) + 1);
}

// A header image: Anzahl, the magic and the version.
inline ByteVec headerBytes(std::uint16_t anzahl, std::uint16_t version, const std::string& magic = "jvq Ruvek DB")
{
    ByteVec b(92, 0);
    putU16(b, 0, anzahl);
    putPStr(b, 2, magic);
    putU16(b, 20, version);
    putU16(b, 22, version);
    return b;
}

// A version-2 record image with a name and a key number.
inline ByteVec recordV2Bytes(const std::string& name, std::int32_t schlNr, std::int16_t status = 1)
{
    ByteVec b(6044, 0);
    putI16(b, 2, status);
    putI32(b, 16, schlNr);
    putPStr(b, 20, name);
    return b;
}

inline ByteVec concat(std::initializer_list<ByteVec> parts)
{
    ByteVec out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

inline void writeBytes(const std::filesystem::path& path, const ByteVec& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline ByteVec readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return ByteVec(std::istreambuf_iterator<char>(in), {});
}

} // namespace ruvek::test
