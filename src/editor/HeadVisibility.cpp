#include "editor/HeadVisibility.h"

#include "grades/Annex.h"

namespace ruvek {

HeadVisibility RadioGroup1Click(const HeadVisibility& current, int radioGroup1, CertificateType zgnTyp)
{
    HeadVisibility v = current;
    v.Label71 = v.ComboBox44 = (radioGroup1 == 2 || zgnTyp == CertificateType::AbschlussQualifiziert);
    return v;
}

HeadVisibility ComboBox41Change(const HeadVisibility& current, CertificateType zgnTyp, SchoolType schultyp,
                                int radioGroup1)
{
    HeadVisibility v = current;
    const auto set = [&v](bool groupBox3, bool jahrgang, bool praedikat, bool abschluss, bool pruefung,
                          bool fehlzeiten, bool bericht) {
        v.GroupBox3 = groupBox3;
        v.Label45 = v.Edit68 = jahrgang;
        v.Label71 = v.ComboBox44 = praedikat;
        v.RadioGroup1 = v.BitBtn19 = abschluss;
        v.GroupBox6 = pruefung;
        v.GroupBox8 = fehlzeiten;
        v.Memo2 = v.Label32 = v.BitBtn13 = bericht;
    };
    using enum SchoolType;
    const SchoolType s = schultyp;
    switch (zgnTyp) {
    case CertificateType::NichtGewaehlt:
        // The predicate, qualification and examination controls stay as they are.
        v.GroupBox3 = true;
        v.Label45 = v.Edit68 = true;
        v.GroupBox8 = true;
        v.Memo2 = v.Label32 = v.BitBtn13 = true;
        break;
    case CertificateType::Jahreszeugnis: set(false, false, false, false, false, true, true); break;
    case CertificateType::Uebergang: set(true, true, false, false, false, false, true); break;
    case CertificateType::Abgang: set(false, s != Gymnasium, false, s == Gymnasium, false, false, false); break;
    case CertificateType::Abschluss:
        set(false, false, s == RegionaleSchule || s == IntegrierteGesamtschule || s == Realschule, true, false,
            false, false);
        break;
    case CertificateType::AbschlussQualifiziert:
        set(false, false, SecondaryFinalSchool(s), true, false, false, false);
        break;
    case CertificateType::VersetzungOberstufe: set(false, false, false, false, true, true, false); break;
    case CertificateType::Zwischen: set(false, false, false, false, false, true, true); break;
    default: break; // no valid selection: nothing to switch
    }
    return RadioGroup1Click(v, radioGroup1, zgnTyp);
}

HeadVisibility ComboBox42Change(const HeadVisibility& current, CertificateType zgnTyp)
{
    HeadVisibility v = current;
    if (zgnTyp == CertificateType::NichtGewaehlt)
        v.GroupBox6 = true;
    return v;
}

} // namespace ruvek
