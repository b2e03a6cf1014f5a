#include "dispatch/DecisionTable.h"

#include "forms/AnnexCatalogue.h"
#include "layouts/LayoutIds.h"

#include <vector>

namespace ruvek {

namespace {

CertificateKind kindOf(const AnnexForm& f)
{
    return {f.code,        f.firstPage,           f.lastPage,          f.captionPrefix,
            f.titlePrefix, LayoutRoutineOf(f.layout), f.certificatePreamble, f.titleNamesPage};
}

// The forms of the catalogue with a printout, in catalogue order. The
// learning-development report is printed by its own commands, never through
// the certificate dispatcher, and the data sheet by a routine of its own, so
// neither is a row here.
const std::vector<CertificateKind>& kinds()
{
    static const std::vector<CertificateKind> rows = [] {
        std::vector<CertificateKind> v;
        for (const AnnexForm& f : AnnexCatalogue())
            if (f.layout != LayoutId::None && f.kind != FormKind::Report && f.kind != FormKind::DataSheet)
                v.push_back(kindOf(f));
        return v;
    }();
    return rows;
}

} // namespace

const CertificateKind* FindCertificateKind(int annexCode)
{
    for (const CertificateKind& k : kinds())
        if (k.annexCode == annexCode)
            return &k;
    return nullptr;
}

const CertificateKind& ReportKind()
{
    static const CertificateKind report = kindOf(*FindAnnexForm(annex::Lernentwicklungsbericht));
    return report;
}

std::string CaptionPrefix(const CertificateKind& kind, bool firstHalfYear)
{
    if (kind.captionPrefix)
        return kind.captionPrefix;
    return firstHalfYear ? "Halbjahreszeugnis: " : "Jahreszeugnis: ";
}

std::string TitlePrefix(const CertificateKind& kind, bool firstHalfYear, int page)
{
    if (kind.titleNamesPage && page > 0)
        return "Übergangs-Zeugnis (Seite: " + std::to_string(page) + "/2): ";
    if (kind.titlePrefix)
        return kind.titlePrefix;
    return firstHalfYear ? "Halbjahres-Zeugnis: " : "Jahres-Zeugnis: ";
}

} // namespace ruvek
