#include "ui/Cp1252Text.h"

#include "common/Cp1252.h"
#include "editor/TextLimits.h"

#include <QList>

#include <algorithm>

namespace ruvek::ui {

namespace {

// Windows-1252 and Latin-1 agree everywhere but on 0x80..0x9F; most texts
// (names, grades, subjects) avoid that range and cross without the table.
bool latin1Byte(unsigned char b) { return b < 0x80 || b >= 0xA0; }
bool latin1Char(QChar c) { return c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF); }

bool allLatin1(const QString& text) { return std::all_of(text.cbegin(), text.cend(), latin1Char); }

} // namespace

QString fromCp1252(std::string_view cp1252)
{
    if (std::all_of(cp1252.begin(), cp1252.end(), [](char b) { return latin1Byte(static_cast<unsigned char>(b)); }))
        return QString::fromLatin1(cp1252.data(), static_cast<qsizetype>(cp1252.size()));
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

std::optional<std::string> toCp1252(const QString& text)
{
    if (allLatin1(text)) {
        const QByteArray bytes = text.toLatin1();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    bool lossless = true;
    std::string out = utf8ToCp1252(text.toStdString(), &lossless);
    if (!lossless)
        return std::nullopt;
    return out;
}

QString withoutNonCp1252(const QString& text, QString* refused)
{
    if (allLatin1(text))
        return text;
    QString kept;
    kept.reserve(text.size());
    for (const uint cp : text.toUcs4()) {
        const char32_t c32 = cp;
        const QString ch = QString::fromUcs4(&c32, 1);
        if (ruvek::editor::IsStorableCharacter(ch.toStdString())) {
            kept += ch;
        } else if (refused && !refused->contains(ch)) {
            *refused += ch;
        }
    }
    return kept;
}

QString withoutUntypeable(const QString& text, QString* refused)
{
    const auto control = [](QChar c) { return ruvek::editor::IsRefusedWhenTyped(c.unicode()); };
    if (std::none_of(text.cbegin(), text.cend(), control))
        return withoutNonCp1252(text, refused);
    QString typeable;
    typeable.reserve(text.size());
    for (const QChar c : text) {
        if (!control(c)) {
            typeable += c;
            continue;
        }
        const QChar picture(static_cast<char16_t>(ruvek::editor::ControlPicture(c.unicode())));
        if (refused && !refused->contains(picture))
            *refused += picture;
    }
    return withoutNonCp1252(typeable, refused);
}

} // namespace ruvek::ui
