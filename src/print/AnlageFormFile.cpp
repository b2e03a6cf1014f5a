#include "print/AnlageFormFile.h"

#include "forms/AnnexCatalogue.h"

namespace ruvek {
namespace {

constexpr const char* kUnknownAnnexMessage =
    "Die bisherigen Einstellungen lassen keine eindeutige\nAuswahl eines Zeugnisformulars zu!\n\n"
    "Bitte überprüfen Sie die Einstellungen der Schule,\nzum Druck und die gewählte Zeugnisart!";
constexpr const char* kPositionMessage =
    "Die gewählte Wappenposition ist derzeit nicht verfügbar!\n\nBitte korrigieren Sie die Druck-Optionen!";
constexpr const char* kSizeMessage =
    "Die gewählte Wappengröße ist derzeit nicht verfügbar!\n\nBitte korrigieren Sie die Druck-Optionen!";

constexpr int kPublisherBsn = 1;
constexpr int kPublisherKohlhammer = 2;
constexpr int kCoatOfArmsPrintedRight = 3;

void setVariant(FormFileInfo& info, const AnnexForm& form, const char* suffix, const std::string& paper)
{
    info.fileName = std::string(form.formFile) + suffix + ".FST";
    info.description = std::string(form.formTitle) + " " + paper;
}

} // namespace

FormFileInfo FormFileOf(const AnnexForm& form)
{
    if (!form.formFile)
        return {};
    return {std::string(form.formFile) + ".FST", form.formTitle};
}

FormFileInfo AnlageFormFile(int annexCode, const TDrkEinstRec& options, Prompter& prompter)
{
    const AnnexForm* form = FindAnnexForm(annexCode);
    // The report and the data sheet are not printed through this choice.
    if (!form || !form->formFile || form->kind == FormKind::Report) {
        prompter.error(kUnknownAnnexMessage);
        return {};
    }

    FormFileInfo info = FormFileOf(*form);
    if (form->variants == FormVariants::None)
        return info;

    if (options.Papierverlag == kPublisherBsn) {
        if (form->variants == FormVariants::KohlhammerOnly) {
            // There is no bsn form of this certificate.
            info.description = std::string(form->formTitle) + " (bsn ?\?\?)";
        } else if (options.Wappenposition != kCoatOfArmsPrintedRight) {
            prompter.error(kPositionMessage);
        } else if (options.Wappengroesse == 1) {
            setVariant(info, *form, "_1031", form->bsnPaper);
        } else {
            prompter.error(kSizeMessage);
        }
    } else if (options.Papierverlag == kPublisherKohlhammer) {
        if (options.Wappenposition != kCoatOfArmsPrintedRight)
            prompter.error(kPositionMessage);
        else if (options.Wappengroesse == 0)
            setVariant(info, *form, "_2030", "(Kohlhammer 282.20/16-0)");
        else if (options.Wappengroesse == 1)
            setVariant(info, *form, "_2031", "(Kohlhammer 282.20/15-0)");
        else
            prompter.error(kSizeMessage);
    }
    return info;
}

} // namespace ruvek
