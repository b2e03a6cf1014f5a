#include "qtdraw/CellFont.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <cmath>
#include <map>
#include <mutex>
#include <tuple>

namespace ruvek {

namespace {

constexpr int kMeasureSize = 1000;

struct FaceMetrics {
    double ascentPerEm = 0.9;
    double descentPerEm = 0.2;
};

QFont baseFont(const std::string& face, bool bold, bool italic)
{
    QFont f(QString::fromStdString(face.empty() ? std::string("Arial") : face));
    f.setBold(bold);
    f.setItalic(italic);
    // Outlines as designed: the page is laid out once for printer, PDF and
    // preview, so no size-dependent hinting may move glyphs or metrics.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

FaceMetrics faceMetrics(const std::string& face, bool bold, bool italic)
{
    static std::mutex mutex;
    static std::map<std::tuple<std::string, bool, bool>, FaceMetrics> cache;
    const std::lock_guard lock(mutex);
    const auto key = std::make_tuple(face, bold, italic);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    QFont f = baseFont(face, bold, italic);
    f.setPixelSize(kMeasureSize);
    const QFontMetricsF m(f);
    FaceMetrics fm;
    if (m.ascent() + m.descent() > 0) {
        fm.ascentPerEm = m.ascent() / kMeasureSize;
        fm.descentPerEm = m.descent() / kMeasureSize;
    }
    cache.emplace(key, fm);
    return fm;
}

} // namespace

double cellToEmRatio(const std::string& face, bool bold, bool italic)
{
    const FaceMetrics fm = faceMetrics(face, bold, italic);
    return fm.ascentPerEm + fm.descentPerEm;
}

CellFont makeCellFont(const FontSpec& fontSpec)
{
    const FaceMetrics fm = faceMetrics(fontSpec.face, fontSpec.bold, fontSpec.italic);
    const double ratio = fm.ascentPerEm + fm.descentPerEm;
    // A negative height asks for the em itself (the character height without
    // internal leading), as the classic font model does.
    const double emUnits = fontSpec.cellHeight < 0 ? -fontSpec.cellHeight : fontSpec.cellHeight / ratio;
    const int em = std::max(1, static_cast<int>(std::lround(emUnits * kTextSubunits)));
    CellFont result;
    result.font = baseFont(fontSpec.face, fontSpec.bold, fontSpec.italic);
    result.font.setPixelSize(em);
    result.font.setUnderline(fontSpec.underline);
    result.ascent = fm.ascentPerEm * em / kTextSubunits;
    result.descent = fm.descentPerEm * em / kTextSubunits;
    return result;
}

QString resolvedFamily(const std::string& face)
{
    QFont f = baseFont(face, false, false);
    f.setPixelSize(100);
    return QFontInfo(f).family();
}

} // namespace ruvek
