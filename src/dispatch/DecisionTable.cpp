#include "dispatch/DecisionTable.h"

#include "layouts/LayoutAbschluss.h"
#include "layouts/LayoutEmpfangsbekenntnis.h"
#include "layouts/LayoutGrundschule.h"
#include "layouts/LayoutGymnasiumAbschluss.h"
#include "layouts/LayoutLernentwicklungsbericht.h"
#include "layouts/LayoutSekundar.h"

#include <array>

namespace ruvek {

namespace {

constexpr const char* kUebergang = "Übergangszeugnis: ";
constexpr const char* kUebergangT = "Übergangs-Zeugnis: ";
constexpr const char* kAbgang = "Abgangszeugnis: ";
constexpr const char* kAbgangT = "Abgangs-Zeugnis: ";
constexpr const char* kZwischen = "Zwischenzeugnis: ";

// nullptr prefixes: half-year or year certificate.
constexpr std::array<CertificateKind, 36> kKinds = {{
    {1, 1, 1, nullptr, nullptr, LayoutGrundschule1},
    {2, 1, 1, kUebergang, kUebergangT, LayoutGrundschule1},
    {3, 1, 2, nullptr, nullptr, LayoutGrundschule},
    {4, 1, 2, kUebergang, kUebergangT, LayoutGrundschule},
    {104, 1, 2, nullptr, nullptr, LayoutOrientierungsstufe},
    {5, 1, 2, nullptr, nullptr, LayoutHauptschule},
    {6, 1, 2, kUebergang, kUebergangT, LayoutHauptschule},
    {7, 1, 2, kAbgang, kAbgangT, LayoutHauptschuleAbschluss},
    {8, 1, 2, "Abschlusszeugnis (Hauptschulabschluss): ", "Abschluss-Zeugnis (Hauptschulabschluss): ",
     LayoutHauptschuleAbschluss},
    {9, 1, 2, "Abschlusszeugnis (qual. Hauptschulabs.): ", "Abschluss-Zeugnis (qual. Hauptschulabschluss)",
     LayoutHauptschuleAbschluss},
    {105, 1, 2, kZwischen, kZwischen, LayoutHauptschule},
    {10, 1, 2, nullptr, nullptr, LayoutRealschule},
    {11, 1, 2, kUebergang, kUebergangT, LayoutRealschule},
    {12, 1, 2, kAbgang, kAbgangT, LayoutRealschuleAbschluss},
    {13, 1, 2,
     "Abschlusszeugnis (Realschulabschluss): ", "Abschluss-Zeugnis (Realschulabschluss): ", LayoutRealschuleAbschluss},
    {14, 1, 2, "Abschlusszeugnis (qual. Realschulabs.): ", "Abschluss-Zeugnis (qual. Realschulabschluss)",
     LayoutRealschuleAbschluss},
    {110, 1, 2, kZwischen, kZwischen, LayoutRealschule},
    {15, 1, 2, nullptr, nullptr, LayoutRegionaleSchule},
    {16, 1, 2, kUebergang, kUebergangT, LayoutRegionaleSchule},
    {17, 1, 2, kAbgang, kAbgangT, LayoutRegionaleSchuleAbschluss},
    {18, 1, 2, "Abschlusszeugnis (Berufsreife): ", "Abschluss-Zeugnis (Berufsreife): ", LayoutRegionaleSchuleAbschluss},
    {19, 1, 2, "Abschlusszeugnis (Berufsreife m. Leistungsf.): ", "Abschluss-Zeugnis (Berufsreife m. Leist.): ",
     LayoutRegionaleSchuleAbschluss},
    {20, 1, 2,
     "Abschlusszeugnis (Mittlere Reife): ", "Abschluss-Zeugnis (Mittlere Reife): ", LayoutRegionaleSchuleAbschluss},
    {115, 1, 2, kZwischen, kZwischen, LayoutRegionaleSchule},
    {21, 1, 2, nullptr, nullptr, LayoutGymnasium},
    {22, 1, 2, kUebergang, kUebergangT, LayoutGymnasium},
    {23, 1, 1, kAbgang, kAbgangT, LayoutGymnasiumAbgang},
    {24, 1, 1, "Prüfungszeugnis (BESTANDEN): ", "Versetzungs-/Prüfungs-Zeugnis (BESTANDEN): ", LayoutGymnasiumPruefung},
    {25, 1, 1,
     "Prüfungszeugnis (NICHT bestanden): ", "Versetzungs-/Prüfungs-Zeugnis (NICHT best.): ", LayoutGymnasiumPruefung},
    {121, 1, 2, kZwischen, "Zwischen-Zeugnis: ", LayoutGymnasium},
    {26, 1, 2, nullptr, nullptr, LayoutGesamtschule56},
    {27, 1, 2, nullptr, nullptr, LayoutGesamtschule},
    {28, 1, 2, kAbgang, kAbgangT, LayoutGesamtschuleAbgang},
    {29, 1, 2, kUebergang, kUebergangT, LayoutGesamtschule},
    {127, 1, 2, kZwischen, kZwischen, LayoutGesamtschule},
    {41, 1, 1, "Empfangsbekenntnis: ", "Empfangsbekenntnis: ", LayoutEmpfangsbekenntnis, false},
}};

// The learning-development report is printed by its own commands, never
// through the certificate dispatcher, so it has no row in the table above.
constexpr CertificateKind kReport {
    170, 1, 1, "Lernentwicklungsbericht: ", "Lernentwicklungsberichte", LayoutLernentwicklungsbericht, false};

} // namespace

const CertificateKind* FindCertificateKind(int annexCode)
{
    for (const CertificateKind& k : kKinds)
        if (k.annexCode == annexCode)
            return &k;
    return nullptr;
}

const CertificateKind& ReportKind() { return kReport; }

std::string CaptionPrefix(const CertificateKind& kind, bool firstHalfYear)
{
    if (kind.captionPrefix)
        return kind.captionPrefix;
    return firstHalfYear ? "Halbjahreszeugnis: " : "Jahreszeugnis: ";
}

std::string TitlePrefix(const CertificateKind& kind, bool firstHalfYear, int page)
{
    if (kind.annexCode == 22 && page > 0)
        return "Übergangs-Zeugnis (Seite: " + std::to_string(page) + "/2): ";
    if (kind.titlePrefix)
        return kind.titlePrefix;
    return firstHalfYear ? "Halbjahres-Zeugnis: " : "Jahres-Zeugnis: ";
}

} // namespace ruvek
