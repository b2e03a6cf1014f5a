#include "ui/Cp1252Text.h"

#include "common/Cp1252.h"

#include <QList>

namespace ruvek::ui {

QString fromCp1252(std::string_view cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }

std::optional<std::string> toCp1252(const QString& text)
{
    bool lossless = true;
    std::string out = utf8ToCp1252(text.toStdString(), &lossless);
    if (!lossless)
        return std::nullopt;
    return out;
}

QString withoutNonCp1252(const QString& text, QString* refused)
{
    QString kept;
    kept.reserve(text.size());
    for (const uint cp : text.toUcs4()) {
        const char32_t c32 = cp;
        const QString ch = QString::fromUcs4(&c32, 1);
        // Line and paragraph breaks of the text boxes become CR LF when stored.
        if (cp == U'\n' || cp == U'\r' || cp == 0x2029 || toCp1252(ch)) {
            kept += ch;
        } else if (refused && !refused->contains(ch)) {
            *refused += ch;
        }
    }
    return kept;
}

} // namespace ruvek::ui
