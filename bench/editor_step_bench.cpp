// Store + move to the next student + show, through the real editor widgets
// (offscreen), in a class of 1,000 students: the cost of one press of ">".
// Prints the median and the worst step in milliseconds. Optional argument:
// the editor page in front (0..4).
#include "common/Cp1252.h"
#include "common/Prompter.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <vector>

namespace {

// Answers every question with yes and shows nothing.
class SilentPrompter : public ruvek::Prompter {
public:
    bool askYesNo(const std::string&, ruvek::MessageKind) override { return true; }
    bool askOkCancel(const std::string&, ruvek::MessageKind) override { return true; }
    void tell(ruvek::MessageKind, const std::string&) override {}
    std::optional<std::filesystem::path> chooseOpenFile(const ruvek::FileDialogRequest&) override { return {}; }
    std::optional<std::filesystem::path> chooseSaveFile(const ruvek::FileDialogRequest&) override { return {}; }
    std::optional<std::filesystem::path> chooseFolder(const std::string&, const std::filesystem::path&) override
    {
        return {};
    }
};

// CPU time the calling thread has used, in milliseconds.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto programFolder = std::filesystem::temp_directory_path() / "ruvek-editor-bench";
    std::filesystem::create_directories(programFolder);

    SilentPrompter prompter;
    ruvek::ui::TMainForm form(ruvek::ui::MainFormSetup{programFolder, &prompter});
    ruvek::ui::createApplicationForms(form);
    form.state().settings.schule.Schultyp = 2;   // Regionale Schule
    form.state().settings.prog.InfoHinweise = 0;
    form.resize(1100, 760);
    form.show();

    // 1,000 students with a year certificate of class 7, stored once so
    // their annex and subject rows are settled.
    ruvek::OpenClass& k = form.klasse();
    ruvek::TZgnRec rec = k.records[0];
    rec.ZgnTyp = 1;
    rec.Klassenstufe = 7;
    rec.SjBeginn = "2024";
    k.records.assign(1000, rec);
    for (std::size_t i = 0; i < k.records.size(); ++i) {
        k.records[i].Name = ruvek::utf8ToCp1252("Schüler " + std::to_string(i + 1));
        k.records[i].Vorname = "Vorname";
    }
    auto* next = form.findChild<QAbstractButton*>("Button3");
    auto* first = form.findChild<QAbstractButton*>("Button1");
    first->click();
    for (int i = 0; i < 999; ++i)
        next->click();
    first->click();
    app.processEvents();   // the setup's own painting is not a step

    // The page in front: the first argument (0..4), "Zeugnis-Kopf" by default.
    if (argc > 1)
        form.findChild<QTabWidget*>("PageControl2")->setCurrentIndex(std::atoi(argv[1]));
    app.processEvents();

    // Each step: a name is typed, then ">" stores, moves and shows.
    auto* edit6 = form.findChild<QLineEdit*>("Edit6");
    std::vector<double> ms, logic, cpu;
    for (int i = 0; i < 999; ++i) {
        edit6->setText(QStringLiteral("Vorname %1").arg(i));
        const double cpu0 = threadCpuMs();
        const auto t0 = std::chrono::steady_clock::now();
        next->click();
        logic.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        app.processEvents();   // layout and painting of the new values
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        cpu.push_back(threadCpuMs() - cpu0);
    }
    std::vector<std::pair<double, int>> slowest;
    for (std::size_t i = 0; i < cpu.size(); ++i)
        slowest.emplace_back(cpu[i], static_cast<int>(i));
    std::sort(slowest.rbegin(), slowest.rend());
    std::sort(ms.begin(), ms.end());
    std::sort(logic.begin(), logic.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("editor step (store + next + show), %zu steps in a class of %zu: median %.3f ms, worst %.3f ms\n",
                ms.size(), k.records.size(), ms[ms.size() / 2], ms.back());
    std::printf("  of which store + next + show before painting: median %.3f ms, worst %.3f ms\n",
                logic[logic.size() / 2], logic.back());
    // On a busy machine the wall-clock worst includes waiting for a free
    // core; the thread's CPU time is the editor's own work.
    std::printf("  CPU time of the GUI thread per step: median %.3f ms, worst %.3f ms\n", cpu[cpu.size() / 2],
                cpu.back());
    std::printf("  99th percentile %.3f ms; steps with the most CPU time:", ms[ms.size() * 99 / 100]);
    for (std::size_t i = 0; i < 5 && i < slowest.size(); ++i)
        std::printf(" #%d %.1f ms", slowest[i].second, slowest[i].first);
    std::printf("\n");
    std::filesystem::remove_all(programFolder);
    return 0;
}
