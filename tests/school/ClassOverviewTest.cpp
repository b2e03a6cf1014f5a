// The school overview on a folder of class files: the shipped example
// classes under other names, a class made from one of them with its own
// class, teacher and a gap, a damaged and a foreign file, a version-1 file,
// locked classes, kept versions and a subfolder. Reading the rows must
// change nothing on disk and give the same rows on several threads at once.
#include "classfile/ClassFolder.h"
#include "classfile/ClassLock.h"
#include "classfile/VersionBackups.h"
#include "common/ByteFields.h"
#include "completeness/Completeness.h"
#include "school/ClassOverview.h"
#include "school/SchoolPrint.h"

#include "common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <set>
#include <thread>

namespace fs = std::filesystem;
using namespace ruvek;

namespace {

const fs::path kExamples = fs::path(RUVEK_SOURCE_DIR) / "data" / "examples";

std::vector<std::uint8_t> bytesOf(const fs::path& p)
{
    const std::string text = test::readText(p);
    return {text.begin(), text.end()};
}

// A version-1 file of two students of class "6b" (4144-byte records, the
// class at offset 185, its teacher at 191).
std::vector<std::uint8_t> versionOneClass()
{
    std::vector<std::uint8_t> header(92, 0), a(4144, 0), b(4144, 0);
    putU16(header, 0, 2);
    const std::string magic = "jvq Ruvek DB";
    header[2] = static_cast<std::uint8_t>(magic.size());
    std::copy(magic.begin(), magic.end(), header.begin() + 3);
    putU16(header, 20, 1);
    putU16(header, 22, 1);
    for (auto* r : {&a, &b}) {
        putI16(*r, 2, 1);
        (*r)[185] = 2;
        (*r)[186] = '6';
        (*r)[187] = 'b';
        (*r)[191] = 3;
        (*r)[192] = 'K';
        (*r)[193] = 'r';
        (*r)[194] = 'z';
    }
    a[20] = 4;
    std::copy_n("Beta", 4, a.begin() + 21);
    b[20] = 5;
    std::copy_n("Alpha", 5, b.begin() + 21);
    std::vector<std::uint8_t> out = header;
    out.insert(out.end(), b.begin(), b.end());
    out.insert(out.end(), a.begin(), a.end());
    return out;
}

class ClassOverviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The shipped form files; the school's copies would lie in the data folder.
        inst_.settings.programFolder = RUVEK_PROGRAM_DIR;
        inst_.settings.dataFolder = dir_.path();
        me_ = currentLockOwner();
        now_ = std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::system_clock::now().time_since_epoch())
                   .count();

        fs::copy_file(kExamples / "Klasse8b-Regionale.RVK", dir_ / "8b.RVK");
        fs::copy_file(kExamples / "Klasse10a-Gymnasium.RVK", dir_ / "10a.rvk");
        fs::create_directories(dir_ / "Oberstufe");
        fs::copy_file(kExamples / "Beispielklasse.RVK", dir_ / "Oberstufe" / "Beispiel.Rvk");
        // 7c: the 8b example as another class with its own teacher (a
        // Windows-1252 umlaut), one student without a class teacher.
        ClassFileContent c;
        ASSERT_EQ(readClassFile(kExamples / "Klasse8b-Regionale.RVK", c), ReadError::None);
        for (TZgnRec& r : c.records) {
            r.Klasse = "7c";
            r.KlLehrer = "M\xFCl";
        }
        c.records.back().KlLehrer = "";   // the list's first student is stored last
        ASSERT_TRUE(writeClassFile(dir_ / "7c.RVK", newFileHeader(static_cast<std::uint16_t>(c.records.size())),
                                   c.records));
        // Damaged: cut off in the middle of a record; foreign: some text.
        const auto whole = bytesOf(dir_ / "8b.RVK");
        test::writeText(dir_ / "kaputt.RVK", std::string(whole.begin(), whole.begin() + 3000));
        test::writeText(dir_ / "fremd.RVK", "Dies ist keine Klassendatei, sondern ein Brief.\n");
        const auto v1 = versionOneClass();
        test::writeText(dir_ / "alt.RVK", std::string(v1.begin(), v1.end()));
        test::writeText(dir_ / "notizen.txt", "kein RVK");
        // Two kept versions of 8b, which are no classes of their own.
        ASSERT_EQ(keepCurrentVersion(dir_ / "8b.RVK"), KeepResult::Kept);
        fs::copy_file(versionFolderFor(dir_ / "8b.RVK") / fs::directory_iterator(versionFolderFor(dir_ / "8b.RVK"))
                                                                 ->path()
                                                                 .filename(),
                      versionFolderFor(dir_ / "8b.RVK") / "8b 2020-01-01 10-00-00.RVK");
        // 10a is open on another computer, 7c in this very program.
        LockOwner colleague{"Sekretariat-PC", "frau.berg", 4242, now_ - 600};
        test::writeText(lockPathFor(dir_ / "10a.rvk"), formatLockFile(colleague));
        ownLock_ = ClassLock::acquire(dir_ / "7c.RVK", me_);
        ASSERT_TRUE(ownLock_);
    }

    ClassOverviewRow row(const std::string& name) const
    {
        return readClassOverview(dir_ / name, dir_.path(), inst_, me_, now_);
    }

    // Every file below the folder with its bytes and time.
    std::map<std::string, std::pair<std::string, fs::file_time_type>> snapshot() const
    {
        std::map<std::string, std::pair<std::string, fs::file_time_type>> out;
        for (const auto& e : fs::recursive_directory_iterator(dir_.path()))
            if (e.is_regular_file())
                out[e.path().string()] = {test::readText(e.path()), e.last_write_time()};
        return out;
    }

    test::ScratchFolder dir_;
    Installation inst_;
    LockOwner me_;
    std::int64_t now_ = 0;
    std::optional<ClassLock> ownLock_;
};

std::vector<std::string> names(const std::vector<fs::path>& files, const fs::path& folder)
{
    std::vector<std::string> out;
    for (const fs::path& f : files)
        out.push_back(fs::relative(f, folder).generic_string());
    return out;
}

TEST_F(ClassOverviewTest, ClassFilesAreRvkInAnyCaseAndSubfoldersOnlyWhenAsked)
{
    EXPECT_EQ(names(classFilesIn(dir_.path()), dir_.path()),
              (std::vector<std::string>{"10a.rvk", "7c.RVK", "8b.RVK", "alt.RVK", "fremd.RVK", "kaputt.RVK"}));
    // The kept versions in "Sicherungen" are never classes.
    EXPECT_EQ(names(classFilesIn(dir_.path(), true), dir_.path()),
              (std::vector<std::string>{"10a.rvk", "7c.RVK", "8b.RVK", "Oberstufe/Beispiel.Rvk", "alt.RVK",
                                        "fremd.RVK", "kaputt.RVK"}));
    EXPECT_TRUE(classFilesIn(dir_ / "fehlt").empty());
    EXPECT_TRUE(classFilesIn(dir_ / "notizen.txt").empty());
}

TEST_F(ClassOverviewTest, EachRowTellsItsClassOrWhyItCannotBeRead)
{
    const ClassOverviewRow b8 = row("8b.RVK");
    ASSERT_TRUE(b8.readable()) << b8.error;
    EXPECT_EQ(b8.shownName, "8b.RVK");
    EXPECT_EQ(b8.fileVersion, 2);
    EXPECT_FALSE(b8.className.empty());
    EXPECT_GT(b8.students, 0u);
    EXPECT_EQ(b8.findings, 0u);   // the example class is complete
    EXPECT_EQ(b8.versionsKept, 2u);
    EXPECT_EQ(b8.lock, LockState::Free);
    EXPECT_EQ(lockText(b8), "");
    ASSERT_TRUE(b8.lastSaved);
    EXPECT_EQ(lastSavedText(b8), dateText(*b8.lastSaved) + " " + timeText(*b8.lastSaved));

    // Every student of a readable class counts under exactly one form.
    for (const std::string name : {"8b.RVK", "7c.RVK", "10a.rvk", "Oberstufe/Beispiel.Rvk", "alt.RVK"}) {
        const ClassOverviewRow r = row(name);
        ASSERT_TRUE(r.readable()) << name << ": " << r.error;
        std::size_t counted = 0;
        for (const FormUse& use : r.forms)
            counted += use.students;
        EXPECT_EQ(counted, r.students) << name;
        EXPECT_EQ(r.shownName, name);
        TDB2 records;
        std::string error;
        ASSERT_TRUE(readClassRecords(dir_ / name, records, error));
        EXPECT_EQ(r.findings, CheckCompleteness(records, inst_).size()) << name;
    }

    const ClassOverviewRow c7 = row("7c.RVK");
    EXPECT_EQ(c7.className, "7c");
    EXPECT_EQ(c7.classTeacher, "Mül");        // converted from Windows-1252
    EXPECT_EQ(c7.students, b8.students);
    EXPECT_EQ(c7.forms, b8.forms);
    EXPECT_GE(c7.findings, 1u);               // the student without a class teacher
    EXPECT_EQ(formsText(c7), formsText(b8));
    EXPECT_FALSE(formsText(c7).empty());

    const ClassOverviewRow old = row("alt.RVK");
    EXPECT_EQ(old.fileVersion, 1);
    EXPECT_EQ(old.className, "6b");
    EXPECT_EQ(old.classTeacher, "Krz");
    EXPECT_EQ(old.students, 2u);
    ASSERT_EQ(old.forms.size(), 1u);
    EXPECT_EQ(old.forms[0].annexCode, 0);
    EXPECT_EQ(formsText(old), "ohne (2)");

    struct Bad {
        const char* file;
        ReadError error;
    };
    for (const Bad bad : {Bad{"kaputt.RVK", ReadError::Truncated}, Bad{"fremd.RVK", ReadError::WrongFormat}}) {
        const ClassOverviewRow r = row(bad.file);
        EXPECT_FALSE(r.readable()) << bad.file;
        EXPECT_EQ(r.error, readErrorText(bad.error)) << bad.file;
        EXPECT_EQ(r.students, 0u);
        EXPECT_TRUE(r.lastSaved) << "the file's own facts are still given";
    }
    const ClassOverviewRow missing = row("weg.RVK");
    EXPECT_EQ(missing.error, readErrorText(ReadError::CannotOpen));
    EXPECT_FALSE(missing.lastSaved);
}

TEST_F(ClassOverviewTest, LocksAreShownAsOpeningWouldJudgeThem)
{
    const ClassOverviewRow a10 = row("10a.rvk");
    EXPECT_EQ(a10.lock, LockState::HeldByOther);
    ASSERT_TRUE(a10.lockOwner);
    EXPECT_EQ(a10.lockOwner->user, "frau.berg");
    EXPECT_EQ(lockText(a10), "frau.berg auf Sekretariat-PC");
    EXPECT_EQ(lockDetails(a10), describeLockOwner(*a10.lockOwner));
    EXPECT_TRUE(a10.readable()) << "a class open elsewhere can still be read";

    EXPECT_EQ(row("7c.RVK").lock, LockState::Own);
    EXPECT_EQ(lockText(row("7c.RVK")), "in diesem Programm");

    // A lock older than a day is stale.
    LockOwner gone{"Altrechner", "herr.alt", 1, now_ - 3 * kStaleLockSeconds};
    test::writeText(lockPathFor(dir_ / "8b.RVK"), formatLockFile(gone));
    const ClassOverviewRow b8 = row("8b.RVK");
    EXPECT_EQ(b8.lock, LockState::Stale);
    EXPECT_NE(lockText(b8).find("(verwaist)"), std::string::npos);
}

TEST_F(ClassOverviewTest, ReadingEveryRowChangesNothingOnDisk)
{
    const auto before = snapshot();
    for (const fs::path& file : classFilesIn(dir_.path(), true))
        (void)readClassOverview(file, dir_.path(), inst_, me_, now_);
    EXPECT_EQ(snapshot(), before);
    // Above all no lock was taken: 10a's lock still names the colleague.
    EXPECT_EQ(parseLockFile(test::readText(lockPathFor(dir_ / "10a.rvk")))->user, "frau.berg");
    EXPECT_FALSE(fs::exists(lockPathFor(dir_ / "8b.RVK")));
}

TEST_F(ClassOverviewTest, RowsReadOnSeveralThreadsAreTheRowsReadOneByOne)
{
    const std::vector<fs::path> files = classFilesIn(dir_.path(), true);
    auto sameRow = [](const ClassOverviewRow& a, const ClassOverviewRow& b) {
        return a.file == b.file && a.error == b.error && a.className == b.className &&
               a.classTeacher == b.classTeacher && a.students == b.students && a.forms == b.forms &&
               a.findings == b.findings && a.lock == b.lock && a.lastSaved == b.lastSaved &&
               a.versionsKept == b.versionsKept && a.fileVersion == b.fileVersion;
    };
    std::vector<ClassOverviewRow> expected;
    for (const fs::path& f : files)
        expected.push_back(readClassOverview(f, dir_.path(), inst_, me_, now_));
    constexpr int kThreads = 4;
    std::vector<std::vector<ClassOverviewRow>> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            // Each thread walks the files from another starting point.
            for (std::size_t k = 0; k < files.size(); ++k) {
                const std::size_t i = (k + static_cast<std::size_t>(t) * 3) % files.size();
                results[static_cast<std::size_t>(t)].resize(files.size());
                results[static_cast<std::size_t>(t)][i] = readClassOverview(files[i], dir_.path(), inst_, me_, now_);
            }
        });
    for (std::thread& t : threads)
        t.join();
    for (int t = 0; t < kThreads; ++t)
        for (std::size_t i = 0; i < files.size(); ++i)
            EXPECT_TRUE(sameRow(results[static_cast<std::size_t>(t)][i], expected[i])) << files[i];
}

TEST_F(ClassOverviewTest, SeveralClassesPrintInOnePlanThatAsksOnce)
{
    std::vector<ClassForPrint> classes;
    for (const std::string name : {"8b.RVK", "7c.RVK", "10a.rvk"}) {
        ClassForPrint c;
        c.name = name;
        std::string error;
        ASSERT_TRUE(readClassRecords(dir_ / name, c.records, error)) << error;
        classes.push_back(std::move(c));
    }
    TDrkEinstRec options{};
    const PlanSettings settings{options, false};
    for (const SchoolPrintKind kind :
         {SchoolPrintKind::Certificates, SchoolPrintKind::Receipts, SchoolPrintKind::Reports}) {
        const SchoolPrintPlan joined = PlanForClasses(kind, classes, settings);
        const PrintPlan& plan = joined.plan;
        // The joined plan prints what the series of the classes print, each
        // draw on a copy of a record of its own class.
        std::size_t copies = 0, documents = 0, sheets = 0;
        std::vector<std::size_t> firstCopy;
        for (const ClassForPrint& c : classes) {
            const PrintPlan single =
                kind == SchoolPrintKind::Certificates ? PlanCertificateSeries(c.records, 0, settings)
                : kind == SchoolPrintKind::Receipts   ? PlanReceiptSeries(c.records, 0, settings)
                                                      : PlanReportSeries(c.records, 0, settings);
            firstCopy.push_back(copies);
            copies += single.copies.size();
            documents += single.documentCount();
            sheets += single.sheetCount();
        }
        firstCopy.push_back(copies);
        ASSERT_EQ(plan.copies.size(), copies);
        EXPECT_EQ(plan.documentCount(), documents);
        EXPECT_EQ(plan.sheetCount(), sheets);
        std::set<std::size_t> printed;
        for (std::size_t ci = 0; ci < classes.size(); ++ci)
            for (std::size_t k = firstCopy[ci]; k < firstCopy[ci + 1]; ++k) {
                EXPECT_EQ(plan.copies[k].listIndex, static_cast<long>(k));
                // The plan's own copy: it stays valid after the classes read for it are gone.
                ASSERT_TRUE(plan.copies[k].own);
                const TZgnRec& rec = plan.record(k);
                EXPECT_TRUE(std::any_of(classes[ci].records.begin(), classes[ci].records.end(),
                                        [&](const TZgnRec& r) { return r.SchlNr == rec.SchlNr && r.Name == rec.Name; }));
            }
        for (const PlannedJob& job : plan.jobs) {
            EXPECT_LT(job.copy, copies);
            EXPECT_FALSE(job.confirm) << "the print options ask once";
            for (const PlannedDocument& doc : job.documents)
                for (const PlannedSheet& sheet : doc.sheets)
                    for (const PlannedDraw& draw : sheet.draws)
                        printed.insert(draw.copy);
        }
        EXPECT_EQ(joined.students, printed.size());
        ASSERT_GT(joined.students, 0u);
        EXPECT_EQ(plan.seriesQuestion, SchoolPrintQuestion(kind, joined.students, 3));

        // The preview shows the first student of each class, page by page.
        const PrintPlan preview = PreviewOfFirstStudents(joined);
        ASSERT_EQ(preview.jobs.size(), 3u);
        EXPECT_FALSE(preview.seriesQuestion);
        for (std::size_t ci = 0; ci < 3; ++ci) {
            const PlannedJob& job = preview.jobs[ci];
            EXPECT_GE(job.copy, firstCopy[ci]);
            EXPECT_LT(job.copy, firstCopy[ci + 1]);
            EXPECT_FALSE(job.documents.empty());
            for (const PlannedDocument& doc : job.documents) {
                EXPECT_EQ(doc.output, PlannedOutput::Preview);
                EXPECT_FALSE(doc.question);
                ASSERT_EQ(doc.sheets.size(), 1u);
                EXPECT_EQ(doc.sheets[0].draws.front().copy, job.copy);
            }
        }
    }
    EXPECT_EQ(SchoolPrintQuestion(SchoolPrintKind::Receipts, 1, 1),
              "Sollen jetzt die Empfangsbekenntnisse für 1 Schüler aus 1 Klasse gedruckt werden?");
    // Nothing to print: nothing is asked.
    const SchoolPrintPlan none = PlanForClasses(SchoolPrintKind::Certificates, {}, settings);
    EXPECT_TRUE(none.plan.jobs.empty());
    EXPECT_FALSE(none.plan.seriesQuestion);
    EXPECT_TRUE(PreviewOfFirstStudents(none).jobs.empty());
}

} // namespace
