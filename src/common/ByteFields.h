#pragma once
// Fixed-layout byte images of records and settings files.
//
// A record type lists its fields once, with their byte offsets, in a
// visitFields(record, visitor) function:   v("Name", 20, r.Name);
// decodeRecord/encodeRecord walk that list, so a record is read from and
// written to its file image field by field at the stated offsets (little
// endian), never by casting a struct over a buffer. Bytes that are not
// interpreted (reserved gaps, the unused tail of a string) are held as they
// were read, so a record that is not edited is written back byte for byte.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace ruvek {

using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;

inline std::int16_t getI16(ConstBytes b, std::size_t off)
{
    return static_cast<std::int16_t>(b[off] | (b[off + 1] << 8));
}
inline std::uint16_t getU16(ConstBytes b, std::size_t off)
{
    return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}
inline std::int32_t getI32(ConstBytes b, std::size_t off)
{
    return static_cast<std::int32_t>(std::uint32_t(b[off]) | (std::uint32_t(b[off + 1]) << 8) |
                                     (std::uint32_t(b[off + 2]) << 16) | (std::uint32_t(b[off + 3]) << 24));
}
inline void putU16(Bytes b, std::size_t off, std::uint16_t v)
{
    b[off] = static_cast<std::uint8_t>(v);
    b[off + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void putI16(Bytes b, std::size_t off, std::int16_t v) { putU16(b, off, static_cast<std::uint16_t>(v)); }
inline void putI32(Bytes b, std::size_t off, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        b[off + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

// Bytes that are carried but not interpreted.
template <std::size_t N>
struct Raw {
    static constexpr std::size_t Size = N;
    std::array<std::uint8_t, N> bytes{};
    bool operator==(const Raw&) const = default;
};

// Length-prefixed Windows-1252 string of capacity N: one length byte, then N
// character bytes. Only the first `length` characters are significant.
template <std::size_t N>
struct PStr {
    static_assert(N >= 1 && N <= 255);
    static constexpr std::size_t Capacity = N;
    static constexpr std::size_t Size = N + 1;
    std::array<std::uint8_t, N + 1> bytes{};

    PStr() = default;
    PStr(std::string_view cp1252) { set(cp1252); }
    PStr& operator=(std::string_view cp1252) { set(cp1252); return *this; }

    std::size_t length() const { return std::min<std::size_t>(bytes[0], N); }
    std::string_view view() const { return {reinterpret_cast<const char*>(bytes.data() + 1), length()}; }
    std::string str() const { return std::string(view()); }
    bool empty() const { return length() == 0; }

    // A longer value keeps its first N characters. The bytes behind the new
    // length are left as they are: they are not significant.
    void set(std::string_view cp1252)
    {
        const std::size_t n = std::min(cp1252.size(), N);
        bytes[0] = static_cast<std::uint8_t>(n);
        std::copy_n(reinterpret_cast<const std::uint8_t*>(cp1252.data()), n, bytes.begin() + 1);
    }
    // Compares the significant characters only.
    bool operator==(std::string_view other) const { return view() == other; }
    bool operator==(const PStr& other) const { return view() == other.view(); }
};

// Zero-terminated Windows-1252 text field of N characters plus the final 0.
template <std::size_t N>
struct CText {
    static constexpr std::size_t Capacity = N;
    static constexpr std::size_t Size = N + 1;
    std::array<std::uint8_t, N + 1> bytes{};

    CText() = default;
    CText(std::string_view cp1252) { set(cp1252); }
    CText& operator=(std::string_view cp1252) { set(cp1252); return *this; }

    std::string_view view() const
    {
        const auto* b = reinterpret_cast<const char*>(bytes.data());
        std::size_t n = 0;
        while (n < N && b[n] != 0)
            ++n;
        return {b, n};
    }
    std::string str() const { return std::string(view()); }

    // Cuts to N characters and fills the rest of the field with 0 bytes.
    void set(std::string_view cp1252)
    {
        const std::size_t n = std::min(cp1252.size(), N);
        std::copy_n(reinterpret_cast<const std::uint8_t*>(cp1252.data()), n, bytes.begin());
        std::fill(bytes.begin() + n, bytes.end(), 0);
    }
    bool operator==(std::string_view other) const { return view() == other; }
    bool operator==(const CText& other) const { return view() == other.view(); }
};

namespace detail {
template <class T> struct IsArray : std::false_type {};
template <class T, std::size_t N> struct IsArray<std::array<T, N>> : std::true_type {};
template <class T> struct IsByteField : std::false_type {};
template <std::size_t N> struct IsByteField<Raw<N>> : std::true_type {};
template <std::size_t N> struct IsByteField<PStr<N>> : std::true_type {};
template <std::size_t N> struct IsByteField<CText<N>> : std::true_type {};
} // namespace detail

// Byte size a field occupies in its image.
template <class T>
constexpr std::size_t fieldSize()
{
    if constexpr (std::is_integral_v<T>)
        return sizeof(T);
    else if constexpr (detail::IsArray<T>::value)
        return std::tuple_size_v<T> * fieldSize<typename T::value_type>();
    else
        return T::Size;
}

template <class Rec>
void decodeRecord(Rec& rec, ConstBytes image);

template <class Rec>
void encodeRecord(const Rec& rec, Bytes image);

namespace detail {
template <class T>
void readField(ConstBytes b, std::size_t off, T& f)
{
    if constexpr (std::is_same_v<T, std::int16_t>)
        f = getI16(b, off);
    else if constexpr (std::is_same_v<T, std::uint16_t>)
        f = getU16(b, off);
    else if constexpr (std::is_same_v<T, std::int32_t>)
        f = getI32(b, off);
    else if constexpr (IsByteField<T>::value)
        std::copy_n(b.begin() + off, T::Size, f.bytes.begin());
    else if constexpr (IsArray<T>::value) {
        constexpr std::size_t stride = fieldSize<typename T::value_type>();
        for (std::size_t i = 0; i < f.size(); ++i)
            decodeRecord(f[i], b.subspan(off + i * stride, stride));
    } else
        static_assert(sizeof(T) == 0, "unsupported field type");
}

template <class T>
void writeField(Bytes b, std::size_t off, const T& f)
{
    if constexpr (std::is_same_v<T, std::int16_t>)
        putI16(b, off, f);
    else if constexpr (std::is_same_v<T, std::uint16_t>)
        putU16(b, off, f);
    else if constexpr (std::is_same_v<T, std::int32_t>)
        putI32(b, off, f);
    else if constexpr (IsByteField<T>::value)
        std::copy_n(f.bytes.begin(), T::Size, b.begin() + off);
    else if constexpr (IsArray<T>::value) {
        constexpr std::size_t stride = fieldSize<typename T::value_type>();
        for (std::size_t i = 0; i < f.size(); ++i)
            encodeRecord(f[i], b.subspan(off + i * stride, stride));
    } else
        static_assert(sizeof(T) == 0, "unsupported field type");
}
} // namespace detail

// Reads every field of rec from image (which must hold Rec::Size bytes).
template <class Rec>
void decodeRecord(Rec& rec, ConstBytes image)
{
    visitFields(rec, [&](const char*, std::size_t off, auto& field) { detail::readField(image, off, field); });
}

// Writes every field of rec into image (which must hold Rec::Size bytes).
template <class Rec>
void encodeRecord(const Rec& rec, Bytes image)
{
    visitFields(rec, [&](const char*, std::size_t off, const auto& field) { detail::writeField(image, off, field); });
}

template <class Rec>
bool storesImage();

namespace detail {
// Whether a field's bytes in memory are its image.
template <class T>
bool fieldStoresImage()
{
    if constexpr (std::is_integral_v<T>)
        return true; // little endian is checked for the whole record
    else if constexpr (IsByteField<T>::value)
        return sizeof(T) == T::Size;
    else if constexpr (IsArray<T>::value)
        return sizeof(T) == fieldSize<T>() && fieldStoresImage<typename T::value_type>();
    else
        return storesImage<T>();
}
} // namespace detail

// Whether a Rec object holds exactly its image: every field at its stated
// offset, the fields following one another without a gap and filling the
// whole object (sizeof(Rec) == Rec::Size), integers little endian. Then the
// object's bytes are what encodeRecord writes, and copying an image into it
// is what decodeRecord does, so whole lists of records can be read and
// written without a copy. Worked out once per type from visitFields.
template <class Rec>
bool storesImage()
{
    if constexpr (std::endian::native != std::endian::little || !std::is_trivially_copyable_v<Rec> ||
                  !std::is_standard_layout_v<Rec>) {
        return false;
    } else {
        static const bool result = [] {
            if (sizeof(Rec) != Rec::Size)
                return false;
            const Rec probe{};
            const auto* base = reinterpret_cast<const unsigned char*>(&probe);
            std::size_t next = 0;
            bool ok = true;
            visitFields(probe, [&](const char*, std::size_t off, const auto& field) {
                using T = std::remove_cvref_t<decltype(field)>;
                const auto at = static_cast<std::size_t>(reinterpret_cast<const unsigned char*>(&field) - base);
                ok = ok && at == off && off == next && detail::fieldStoresImage<T>();
                next = off + fieldSize<T>();
            });
            return ok && next == Rec::Size;
        }();
        return result;
    }
}

// The bytes of a record in memory; its image when storesImage<Rec>().
template <class Rec>
std::span<const std::uint8_t, Rec::Size> imageBytes(const Rec& rec)
{
    return std::span<const std::uint8_t, Rec::Size>(reinterpret_cast<const std::uint8_t*>(&rec), Rec::Size);
}

template <class Rec>
std::array<std::uint8_t, Rec::Size> toBytes(const Rec& rec)
{
    std::array<std::uint8_t, Rec::Size> image{};
    encodeRecord(rec, image);
    return image;
}

template <class Rec>
Rec fromBytes(ConstBytes image)
{
    Rec rec{};
    decodeRecord(rec, image);
    return rec;
}

} // namespace ruvek
