#pragma once
// Which document an annex code stands for: its pages, the caption prefix of
// the preview, the title prefix of the printer document and the layout
// routine that draws its pages, as the form catalogue (forms/AnnexCatalogue.h)
// gives them for every form with a printout; the print commands, the preview
// and the command-line tool all read this table.
#include "layouts/CertificatePage.h"

#include <string>

namespace ruvek {

struct CertificateKind {
    int annexCode;
    int firstPage;
    int lastPage;
    // Caption and document title prefixes; nullptr stands for the half-year
    // or year wording chosen by the record's Halbjahr1.
    const char* captionPrefix;
    const char* titlePrefix;
    LayoutRoutine layout; // nullptr for a code without a printout
    // Certificates get the page preamble (correction corners, the frame by
    // MitRahmen); the other sheets (receipt, report) draw everything themselves.
    bool certificatePreamble = true;
    // A document of one page names the page in its title.
    bool titleNamesPage = false;
};

// The row of an annex code; nullptr for a code without one.
const CertificateKind* FindCertificateKind(int annexCode);

// The learning-development report (annex code 170), outside the table: it is
// printed by its own commands.
const CertificateKind& ReportKind();
// The kind of any printed code (table rows and the report); nullptr for none.
inline const CertificateKind* PrintedKind(int annexCode)
{
    return annexCode == ReportKind().annexCode ? &ReportKind() : FindCertificateKind(annexCode);
}
// The layout routine of any printed code; nullptr when none is built in.
inline LayoutRoutine LayoutOf(int annexCode)
{
    const CertificateKind* kind = PrintedKind(annexCode);
    return kind ? kind->layout : nullptr;
}

// "Halbjahreszeugnis: " / "Jahreszeugnis: " or the row's own prefix.
std::string CaptionPrefix(const CertificateKind& kind, bool firstHalfYear);
// The printer document title prefix; `page` 0 means the whole document,
// otherwise the document holds only that page (annex 22 names it).
std::string TitlePrefix(const CertificateKind& kind, bool firstHalfYear, int page);

// Text written on a page whose layout is not built in yet.
inline constexpr const char* kNoLayoutText = " kein Ausdruck verfügbar!!! ";

} // namespace ruvek
