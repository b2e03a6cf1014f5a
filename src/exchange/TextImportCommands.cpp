#include "exchange/TextImportCommands.h"

#include "exchange/GradeImport.h"
#include "exchange/ImportConfig.h"
#include "exchange/ImportText.h"
#include "exchange/StudentImport.h"

namespace ruvek {

namespace {

std::optional<std::filesystem::path> chooseImportFile(const char* title, const OpenClass& oc, Prompter& prompter)
{
    return prompter.chooseOpenFile(FileDialogRequest{title, oc.dataFolder, kImportFilter, {}, false});
}

// The characters that do not survive, as a paragraph of the question.
std::string unmappableParagraph(const ImportText& text)
{
    if (text.unmappable.empty())
        return {};
    return "\nAchtung:\n" + unmappableReport(text.unmappable);
}

} // namespace

std::string unreadableFileText(const std::string& reason)
{
    return reason + "\n\nEs wurden keine Daten geändert.";
}

std::string refusedFileText(const std::filesystem::path& path, const std::string& reason)
{
    return "Die Datei „" + path.string() + "“ wird nicht importiert.\n" + reason +
           "\n\nEs wurden keine Daten geändert.";
}

std::string refusalOf(const ImportText& text, const ImportLayout& layout)
{
    if (!text.refused.empty())
        return text.refused;
    return studentLinesRefusal(text.lines, layout);
}

bool runStudentImport(OpenClass& oc, const Installation& installation, Prompter& prompter)
{
    const auto file = chooseImportFile("Schülerdaten importieren ...", oc, prompter);
    if (!file)
        return false;
    const ImportLayoutResult layout = loadImportLayout(installation.settings.programFolder);
    if (!layout.layout) {
        prompter.error(layout.error);
        return false;
    }
    std::string error;
    const auto text = readImportText(*file, error);
    if (!text) {
        prompter.error(unreadableFileText(error));
        return false;
    }
    if (const std::string refused = refusalOf(*text, *layout.layout); !refused.empty()) {
        prompter.error(refusedFileText(*file, refused));
        return false;
    }
    const std::string question = "Aus der Datei\n" + file->filename().string() + "\nwerden " +
                                 std::to_string(text->lines.size()) + " Schüler hinzugefügt.\n" +
                                 unmappableParagraph(*text) + "\nSoll der Import jetzt ausgeführt werden?";
    if (text->lines.empty() || !prompter.askOkCancel(question))
        return false;
    return importStudents(oc, text->lines, *layout.layout, installation.settings.prog.VorgaengerDaten == 1) > 0;
}

bool runGradeImport(OpenClass& oc, const Installation& installation, Prompter& prompter)
{
    const auto file = chooseImportFile("Bewertungsdaten importieren ...", oc, prompter);
    if (!file)
        return false;
    std::string error;
    const auto text = readImportText(*file, error);
    if (!text) {
        prompter.error(unreadableFileText(error));
        return false;
    }
    if (!text->refused.empty()) {
        prompter.error(refusedFileText(*file, text->refused));
        return false;
    }
    const GradeImportPlan plan = planGradeImport(oc.records, text->lines, installation.katalog,
                                                 installation.schoolType());
    std::string question = "Aus der Datei\n" + file->filename().string() + "\nwerden " +
                           std::to_string(plan.assignments.size()) + " Bewertungen bei " +
                           std::to_string(plan.studentsChanged) + " Schülern eingetragen.\n";
    if (plan.studentsNotFound > 0)
        question += std::to_string(plan.studentsNotFound) + " Schüler wurden nicht gefunden.\n";
    if (plan.unassigned > 0)
        question += std::to_string(plan.unassigned) + " Bewertungen können nicht zugeordnet werden.\n";
    question += unmappableParagraph(*text) + "\nSoll der Import jetzt ausgeführt werden?";
    if (!prompter.askOkCancel(question))
        return false;
    if (applyGradeImport(oc.records, plan))
        oc.changed = true;
    prompter.information(gradeImportSummary(plan));
    if (plan.unassigned > 0)
        prompter.warning(unassignedWarningText(plan.unassigned));
    return true;
}

} // namespace ruvek
