#pragma once
// Builds Faecher.DAT images for tests. The program only reads this file, so
// the tests make their own: 51 blocks of 588 bytes, entry 50 first. The
// builder starts from the default catalogue and patches bytes at their file
// offsets, written out here independently of the record definition.
#include "common/ByteFields.h"
#include "common/Cp1252.h"
#include "settings/FachKatalog.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace ruvek::test {

class FaecherDatBuilder {
public:
    static constexpr std::size_t kEntrySize = 588;

    FaecherDatBuilder() : m_image(51 * kEntrySize)
    {
        const TFachKatalog defaults = defaultFachKatalog();
        for (int entry = 0; entry < 51; ++entry)
            encodeRecord(defaults[entry], Bytes(m_image).subspan(offsetOf(entry), kEntrySize));
    }

    // name and kurz are UTF-8.
    FaecherDatBuilder& name(int entry, std::string_view utf8) { return str(entry, 0, 40, utf8); }
    FaecherDatBuilder& kurz(int entry, std::string_view utf8) { return str(entry, 41, 5, utf8); }
    FaecherDatBuilder& foreignLanguage(int entry, int v) { return i16(entry, 56, v); }
    FaecherDatBuilder& religion(int entry, int v) { return i16(entry, 60, v); }
    FaecherDatBuilder& exam(int entry, int v) { return i16(entry, 528, v); }
    FaecherDatBuilder& position(int entry, int annex, int row)
    {
        putI32(m_image, offsetOf(entry) + 104 + 4 * static_cast<std::size_t>(annex), row);
        return *this;
    }

    const std::vector<std::uint8_t>& image() const { return m_image; }

    void write(const std::filesystem::path& path, std::size_t size = 51 * kEntrySize) const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(m_image.data()),
                  static_cast<std::streamsize>(std::min(size, m_image.size())));
    }

private:
    // Entry 50 is the first block of the file, entry 0 the last.
    static std::size_t offsetOf(int entry) { return static_cast<std::size_t>(50 - entry) * kEntrySize; }

    FaecherDatBuilder& str(int entry, std::size_t off, std::size_t cap, std::string_view utf8)
    {
        const std::string cp = utf8ToCp1252(utf8);
        const std::size_t n = std::min(cp.size(), cap);
        const std::size_t at = offsetOf(entry) + off;
        m_image[at] = static_cast<std::uint8_t>(n);
        for (std::size_t i = 0; i < cap; ++i)
            m_image[at + 1 + i] = i < n ? static_cast<std::uint8_t>(cp[i]) : 0;
        return *this;
    }
    FaecherDatBuilder& i16(int entry, std::size_t off, int v)
    {
        putI16(m_image, offsetOf(entry) + off, static_cast<std::int16_t>(v));
        return *this;
    }

    std::vector<std::uint8_t> m_image;
};

} // namespace ruvek::test
