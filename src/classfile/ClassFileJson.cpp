#include "classfile/ClassFileJson.h"

#include "common/Cp1252.h"

#include <cstdio>
#include <type_traits>

namespace ruvek {

std::string jsonString(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}

namespace {
template <class T> struct IsPStr : std::false_type {};
template <std::size_t N> struct IsPStr<PStr<N>> : std::true_type {};
template <class T> struct IsCText : std::false_type {};
template <std::size_t N> struct IsCText<CText<N>> : std::true_type {};
template <class T> struct IsRaw : std::false_type {};
template <std::size_t N> struct IsRaw<Raw<N>> : std::true_type {};
template <class T> struct IsArray : std::false_type {};
template <class T, std::size_t N> struct IsArray<std::array<T, N>> : std::true_type {};

template <class Rec>
void writeObject(std::ostream& out, const Rec& rec);

template <class T>
void writeValue(std::ostream& out, const T& field)
{
    if constexpr (std::is_integral_v<T>)
        out << static_cast<long long>(field);
    else if constexpr (IsPStr<T>::value || IsCText<T>::value)
        out << jsonString(cp1252ToUtf8(field.view()));
    else if constexpr (IsArray<T>::value) {
        out << '[';
        for (std::size_t i = 0; i < field.size(); ++i) {
            if (i)
                out << ", ";
            writeObject(out, field[i]);
        }
        out << ']';
    } else
        static_assert(sizeof(T) == 0, "field type without JSON form");
}

template <class Rec>
void writeObject(std::ostream& out, const Rec& rec)
{
    out << '{';
    bool first = true;
    visitFields(rec, [&](const char* name, std::size_t, const auto& field) {
        using T = std::remove_cvref_t<decltype(field)>;
        if constexpr (IsRaw<T>::value)
            return; // reserved bytes have no name and no meaning
        else {
            if (!name)
                return;
            if (!first)
                out << ", ";
            first = false;
            out << jsonString(name) << ": ";
            writeValue(out, field);
        }
    });
    out << '}';
}
} // namespace

void writeHeaderJson(std::ostream& out, const TDateiKopf& header) { writeObject(out, header); }

void writeRecordJson(std::ostream& out, const TZgnRec& record) { writeObject(out, record); }

void writeClassJson(std::ostream& out, const TDateiKopf& header, const TDB2& records)
{
    out << "{\"header\": ";
    writeHeaderJson(out, header);
    out << ",\n \"records\": [";
    for (std::size_t i = 0; i < records.size(); ++i) {
        out << (i ? ",\n  " : "\n  ");
        writeRecordJson(out, records[i]);
    }
    out << "\n ]}\n";
}

} // namespace ruvek
