#pragma once
// Everything a layout needs to draw one page of a certificate, in one place:
// the canvas, the loaded form control table of the page, the page number
// and its device offset, and what the installation says (print options,
// subject catalogue, school type, school name).
//
// The context draws through the print primitives but speaks in slots: a
// layout says "this text at slot 16" or "a caption line at slot 108" and the
// context finds position, font, alignment, page and visibility in the form.
// The table is the context's own copy of the loaded form, so the slot
// changes a layout makes while it draws (caption positions, fonts of the
// name block) end with the page.
//
// Drawing never asks the user anything and never touches files: the form is
// loaded, and its questions asked, before the first page is drawn.
#include "print/Canvas.h"
#include "print/FstTable.h"
#include "print/PageModel.h"
#include "settings/DrkEinst.h"
#include "settings/FachKatalog.h"

#include <bitset>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

// What the installation contributes to every certificate page.
struct CertificateEnvironment {
    const TDrkEinstRec& options;
    const TFachKatalog& katalog;
    SchoolType schoolType = SchoolType::NichtAusgewaehlt;
    std::string schulnameCp1252; // printed in the school line
    std::filesystem::path programFolder{}; // where the coat-of-arms pictures lie
    std::string schulAnschriftCp1252{}; // the school's name and address on the receipt acknowledgement
};

// A free text that did not fit its block: which block, and the text that
// was not printed (UTF-8), so the print job can tell the user.
struct TextCutNotice {
    std::string block;
    std::string rest;
    bool operator==(const TextCutNotice&) const = default;
};

// A horizontal stretch of the page, in stored page x (0.1 mm).
struct HSpan {
    int left = 0;
    int right = 0;
    int length() const { return right - left; }
};

// A rectangle in stored page positions (y downwards).
struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class PageContext {
public:
    PageContext(Canvas& canvas, const CertificateEnvironment& env, const TFstTable& form, int page);

    Canvas& canvas() { return canvas_; }
    const TDrkEinstRec& options() const { return env_.options; }
    const TFachKatalog& katalog() const { return env_.katalog; }
    SchoolType schoolType() const { return env_.schoolType; }
    const std::string& schulnameCp1252() const { return env_.schulnameCp1252; }
    const std::filesystem::path& programFolder() const { return env_.programFolder; }
    const std::string& schulAnschriftCp1252() const { return env_.schulAnschriftCp1252; }
    int page() const { return page_; }
    const TPageOrigins& origins() const { return origins_; }
    DeviceOffsetXY offset() const { return offset_; }

    // The fill character written over printed alternatives that do not
    // apply (NormalStreichzeichen, "#" when it is empty or a blank), UTF-8.
    const std::string& fill() const { return fill_; }
    // Width of the page frame (slot 2 X minus slot 1 X).
    int pageAreaWidth() const;
    // The inner margin (RandInnen) that rules keep from the frame.
    int innerMargin() const { return env_.options.RandInnen; }

    TFstSlot& slot(int index);
    const TFstSlot& slot(int index) const;
    // The slot is visible and belongs to this page.
    bool drawn(int index) const;
    // The slots the layout has looked at on this page (the frame slots 1
    // and 2 always), so that every slot a layout reads can be named.
    const std::bitset<kFstSlotCount>& slotsRead() const { return slotsRead_; }

    // One text (UTF-8) at a slot, or at a slot description of its own (for
    // cells whose position is computed from several slots).
    void text(int index, std::string_view utf8);
    void text(const TFstSlot& at, std::string_view utf8);
    // The same with the character spacing reduced by `narrowing` (0.1 mm per
    // character) for this text only.
    void narrowText(const TFstSlot& at, std::string_view utf8, int narrowing);
    // Width of a text in the slot's font, without extra spacing.
    int textWidthAt(const TFstSlot& at, std::string_view utf8);
    // A text that should stay within `room` (0.1 mm, from the slot's X in
    // the direction of its alignment): drawn as it is when it fits; when it
    // is wider, with the character spacing reduced by just as much as it
    // takes to fit, at most by `maxNarrowing`; when that is not enough and
    // `smallerFont` allows it, one font smaller (narrowed again only as
    // far as needed). What does not fit then runs over.
    void fitText(TFstSlot at, std::string_view utf8, int room, int maxNarrowing, bool smallerFont = false);
    // Record text (Windows-1252) at a slot.
    void recordText(int index, std::string_view cp1252);

    // Strikes one word of a printed label: measures the label as it is drawn
    // at `label` (the label slot's position, alignment and font, no extra
    // spacing), finds the first occurrence of `wordUtf8` in it and covers
    // exactly that word's extent with fill characters of the label's font:
    // a run of as many as fit, and, when the run falls short of the word's
    // end, one more set flush with that end. The run stands on the base line
    // of `at` and is drawn when `at` is drawn on this page (a pre-printed
    // paper carries the label, so the label slot itself may be switched off).
    // Returns the covered extent in stored page x; empty when the word is
    // not in the label.
    // Where a part of a label stands as `label` draws it (stored page x),
    // found by its first occurrence; empty when the part is not in it.
    HSpan partOfLabel(const TFstSlot& label, std::string_view labelUtf8, std::string_view partUtf8);
    HSpan strikeWord(const TFstSlot& label, std::string_view labelUtf8, std::string_view wordUtf8, const TFstSlot& at);
    HSpan strikeWord(int labelSlot, std::string_view labelUtf8, std::string_view wordUtf8, int strikeSlot);

    // Lines below each other, `spacing` apart, the first at the slot.
    void lines(int index, int lineCount, int spacing, const std::vector<std::string>& utf8Lines);

    // A rule centred on the slot's X, ending the inner margin from the nearer
    // side of the page area, at the slot's Y (line type 2), with the caption
    // `drop` below it: at the rule's left end (plus 3 mm), or, for the school
    // line, at the slot's own X. Changes the slot's X and Y as it draws.
    enum class CaptionPlace { UnderLeftEnd, AtSlotX };
    HSpan captionLine(int index, std::string_view captionUtf8, int drop, CaptionPlace place = CaptionPlace::UnderLeftEnd);
    // The rule captionLine draws for a slot X.
    HSpan captionRule(int slotX) const;

    // Rules and boxes at stored page positions.
    void hline(HSpan span, int y, int lineType);
    void box(const PageRect& rect, int boxType);

    // A text turned by `angleDegrees`, 1.6 mm high, at the slot.
    void rotatedText(int index, std::string_view utf8, int angleDegrees);

    // Texts that did not fit their blocks on this page.
    void noteCut(TextCutNotice notice) { cuts_.push_back(std::move(notice)); }
    const std::vector<TextCutNotice>& cuts() const { return cuts_; }

private:
    Canvas& canvas_;
    const CertificateEnvironment& env_;
    TFstTable table_;
    int page_;
    TPageOrigins origins_;
    DeviceOffsetXY offset_;
    std::string fill_;
    std::vector<TextCutNotice> cuts_;
    mutable std::bitset<kFstSlotCount> slotsRead_{0b110};
};

// The fill character of the print options (UTF-8).
std::string FillCharacter(const TDrkEinstRec& options);

// Number of characters of a UTF-8 text.
int CharCount(std::string_view utf8);

} // namespace ruvek
