#include "ui/Cp1252Text.h"

#include "common/Cp1252.h"

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

} // namespace ruvek::ui
