// ruvek-cli zeugnis KLASSE.RVK --nr N -o DATEI.pdf: the certificate of one
// student (all its pages) as a PDF file, drawn by the same layouts that
// print it. The record is printed as stored, on the form of its stored
// annex code, with the installation's settings and form control files.
// Texts that did not fit their blocks are reported on stderr.
#include "Commands.h"

#include "classfile/ClassFile.h"
#include "common/Cp1252.h"
#include "GuiApplication.h"
#include "dispatch/DecisionTable.h"
#include "dispatch/PrintPlan.h"
#include "layouts/CertificatePage.h"
#include "qtdraw/PdfDevice.h"
#include "settings/ProgEinst.h"

#include <charconv>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

namespace {

constexpr const char* kUsage = "Aufruf: ruvek-cli zeugnis KLASSE.RVK --nr N -o DATEI.pdf\n"
                               "  --nr N   Nummer des Schülers in der Liste (ab 1)\n";

std::optional<int> parsePositive(const std::string& text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 1)
        return std::nullopt;
    return value;
}

} // namespace

int cmdZeugnis(const CliArgs& args, CliContext& context)
{
    std::optional<std::string> classFile;
    std::optional<int> nr;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--nr" && i + 1 < args.size()) {
            nr = parsePositive(args[++i]);
            if (!nr) {
                std::cerr << "Die Nummer muss eine ganze Zahl ab 1 sein: " << args[i] << '\n';
                return exitcode::kUnreadable;
            }
        } else if (args[i] == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (!classFile && !args[i].starts_with("-")) {
            classFile = args[i];
        } else {
            std::cerr << kUsage;
            return exitcode::kUnreadable;
        }
    }
    if (!classFile || !nr || output.empty()) {
        std::cerr << kUsage;
        return exitcode::kUnreadable;
    }

    CliPrompter& prompter = context.prompter;
    ruvek::ClassFileContent content;
    if (const auto error = ruvek::readClassFile(*classFile, content); error != ruvek::ReadError::None) {
        prompter.error(ruvek::readErrorText(error));
        return exitcode::kUnreadable;
    }
    if (static_cast<std::size_t>(*nr) > content.records.size()) {
        std::cerr << "Die Klasse hat nur " << content.records.size() << " Schüler.\n";
        return 1;
    }
    const ruvek::TZgnRec& rec = content.records[static_cast<std::size_t>(*nr - 1)];
    const std::string name = ruvek::cp1252ToUtf8(rec.Vorname.str() + " " + rec.Name.str());

    const ruvek::Installation& inst = context.installation;
    const ruvek::TDrkEinstRec& options = inst.settings.druck;
    const int annexCode = static_cast<int>(rec.Anlage);
    if (annexCode == ruvek::annex::Keine) {
        prompter.error("Die derzeitigen Daten erlauben noch\nkeine gültige Auswahl eines Zeugnises!");
        return 1;
    }
    if (ruvek::ExamDataMissing(annexCode, rec)) {
        prompter.error(ruvek::kMsgExamData);
        return 1;
    }
    const ruvek::FormFileInfo info = ruvek::AnlageFormFile(annexCode, options, prompter);
    if (info.fileName.empty())
        return 1;
    const ruvek::CertificateKind* layout = ruvek::FindCertificateKind(annexCode);
    if (!layout || !layout->layout) {
        std::cerr << "Für die Anlage " << annexCode << " gibt es noch kein Zeugnis-Layout.\n";
        return 1;
    }
    // A tool for looking at certificates does not create form files: a
    // missing one is declined and reported.
    prompter.defaultAnswer = false;
    const ruvek::LoadedForm form =
        ruvek::LoadCertificateForm(info, {inst.settings.programFolder, inst.settings.dataFolder}, options, prompter);
    if (!form.loaded)
        return 1;

    const auto app = makeGuiApplication();
    const ruvek::CertificateEnvironment env{options, inst.katalog, inst.schoolType(),
                                            ruvek::SchulnameText(inst.settings.prog), inst.settings.programFolder};
    ruvek::PdfDevice device(output);
    device.setTitle(info.description + ": " + name);
    if (const ruvek::DeviceResult opened = device.beginDocument(); !opened) {
        std::cerr << "Fehler: " << opened.error << '\n';
        return 1;
    }
    for (int page = layout->firstPage; page <= layout->lastPage; ++page) {
        if (page > layout->firstPage) {
            if (const ruvek::DeviceResult next = device.newPage(); !next) {
                std::cerr << "Fehler: " << next.error << '\n';
                return 1;
            }
        }
        device.canvas().setMetricMapping();
        for (const ruvek::TextCutNotice& cut :
             ruvek::DrawCertificatePage(device.canvas(), env, form, layout->layout, rec, annexCode, page))
            std::cerr << "Text gekürzt: " << name << ", " << cut.block << ", nicht gedruckt: \"" << cut.rest << "\"\n";
    }
    if (const ruvek::DeviceResult closed = device.endDocument(); !closed) {
        std::cerr << "Fehler: " << closed.error << '\n';
        return 1;
    }
    std::cout << "Zeugnis geschrieben: " << output << '\n';
    return 0;
}
