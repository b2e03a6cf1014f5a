#include "layouts/LayoutLernentwicklungsbericht.h"

#include "common/Cp1252.h"
#include "layouts/Sections.h"
#include "layouts/TextHelpers.h"

namespace ruvek {
namespace {

// A free-text block as on the certificates, but never with ruled lines: the
// sheet is a working paper for the conference.
void PlainTextBlock(PageContext& ctx, const TextBlock& block, std::string_view textCp1252)
{
    const TFstSlot params = ctx.slot(block.paramSlot);
    const int lineCount = params.X;
    const WrappedText wrapped = FinishTextLines(textCp1252, block.maxLength, lineCount, params.Font,
                                                ctx.options().Streichungsart, ctx.options().Streichzeichen.view());
    std::vector<std::string> lines;
    lines.reserve(wrapped.lines.size());
    for (const std::string& line : wrapped.lines)
        lines.push_back(cp1252ToUtf8(line));
    ctx.lines(block.firstLineSlot, lineCount <= kMaxTextBlockLines ? lineCount : 0, params.Y, lines);
    if (ctx.drawn(block.firstLineSlot) && wrapped.cut())
        ctx.noteCut({block.name, cp1252ToUtf8(wrapped.overflow)});
}

} // namespace

void LayoutLernentwicklungsbericht(PageContext& ctx, const TZgnRec& rec, int /*annexCode*/)
{
    NameBlock(ctx, rec);
    ctx.text(slot::TextHeading, "Lernentwicklungsbericht");
    PlainTextBlock(ctx, kLearningReportBlock, rec.LEBText.view());
    if (ctx.options().Zensurenkonferenz != 1)
        return;
    ctx.text(slot::RemarksHeading, "Vermerke:");
    PlainTextBlock(ctx, kRemarksBlock, rec.Vermerke.view());
}

} // namespace ruvek
