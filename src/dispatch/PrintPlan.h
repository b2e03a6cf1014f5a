#pragma once
// What a print command will do, worked out before anything is printed: which
// records, which documents with which titles and pages, which questions come
// before which document, which students the series skipped and why. The
// plan is a plain value; the dispatcher carries it out on a device.
//
// Questions stand in the plan where they are asked: a job's confirmation
// (No skips the student's whole job), a document's page question (No skips
// that document). Messages that belong to a job (the form-file messages of
// the annex lookup, "no valid certificate yet") are shown when the job's turn
// comes, in the order the questions would have been asked.
#include "classfile/ZgnRec.h"
#include "common/Prompter.h"
#include "dispatch/DruckAuftrag.h"
#include "print/AnlageFormFile.h"
#include "settings/DrkEinst.h"
#include "settings/ProgEinst.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ruvek {

// A record in the list position `listIndex` (-1: a copy that is not in the
// list, as the page of a preview). A series plan refers to the class's own
// records (a class of thousands is not copied again); a plan of a single
// record keeps its own copy, so it stays what it was when planned, also when
// the record it came from is overwritten while the plan runs (the print job
// of a preview).
struct PlannedRecord {
    long listIndex = -1;
    const TZgnRec* record = nullptr;
    std::shared_ptr<const TZgnRec> own; // holds `record` when the plan copied it
};

// One call of a layout routine: page `page` of record copy `copy`, moved
// down by `raiseTop` (0.1 mm) for the lower half of an A4 sheet.
struct PlannedDraw {
    std::size_t copy = 0;
    int annexCode = 0;
    int page = 1;
    int raiseTop = 0;
    FormFileInfo form;    // the form control file the layout loads (empty: none)
    bool operator==(const PlannedDraw&) const = default;
};

// One side of paper (or the one page a preview shows).
struct PlannedSheet {
    std::vector<PlannedDraw> draws;
    bool operator==(const PlannedSheet&) const = default;
};

enum class PlannedOutput { Preview, Printer };

struct PlannedDocument {
    PlannedOutput output = PlannedOutput::Printer;
    std::string title;                    // printer document title
    std::string caption;                  // Titel of the print job (preview caption)
    int page = 0;                         // Seite of the job: the page, 0 for a whole document
    std::optional<std::string> question;  // asked first; No skips the document
    std::optional<std::string> error;     // shown instead of printing (examination data)
    std::vector<PlannedSheet> sheets;
};

struct PlannedNote {
    MessageKind kind = MessageKind::Information;
    std::string text;
    bool operator==(const PlannedNote&) const = default;
};

// One student's print job (the report series: the whole series).
struct PlannedJob {
    std::size_t copy = 0;                 // the record the job is about
    int annexCode = 0;                    // DruckAnlage
    int vonSeite = 0, bisSeite = 0;
    int ausgabeziel = 0;
    std::vector<PlannedNote> notes;       // shown first
    std::optional<std::string> confirm;   // then asked; No ends the job
    std::vector<PlannedDocument> documents;
};

enum class SkipReason { Deleted, NichtDrucken, NoCertificate };

struct PlannedSkip {
    std::size_t listIndex = 0;
    SkipReason reason{};
    bool operator==(const PlannedSkip&) const = default;
};

struct PrintPlan {
    std::vector<PlannedRecord> copies;
    std::vector<PlannedJob> jobs;
    std::vector<PlannedSkip> skipped;        // records the series passed over
    std::optional<std::size_t> stoppedAt;    // list position of the record that ended the series
    std::optional<std::string> seriesQuestion; // asked once before everything; No prints nothing

    const TZgnRec& record(std::size_t copy) const { return *copies.at(copy).record; }
    // A record of the class the plan is made from, referred to: it must stay
    // in place and unchanged until the plan has been carried out.
    std::size_t referTo(const TZgnRec& rec, long listIndex);
    // A record the plan keeps a copy of.
    std::size_t copyOf(const TZgnRec& rec, long listIndex);
    // Everything printed, for summaries and tests.
    std::size_t documentCount() const;
    std::size_t sheetCount() const;
};

// What the plans read of the settings.
struct PlanSettings {
    const TDrkEinstRec& options;
    bool zeigeFst = false;   // the print question names the form control file
};

// The messages the plans and the dispatcher give.
inline constexpr const char* kMsgNoCertificate =
    "Die derzeitigen Daten erlauben noch\nkeine gültige Auswahl eines Zeugnises!";
inline constexpr const char* kMsgExamData = "Nicht genügend oder falsche Angaben zu den Prüfungen!";

// A transfer-examination certificate (annex 24 or 25) whose examination data
// are missing or wrong: no participation in the examination, or no fourth
// examination subject before 2006. Every way of printing a certificate
// refuses such a record with kMsgExamData.
bool ExamDataMissing(int annexCode, const TZgnRec& rec);

// Certificate of one record: target 1 (preview) or the printer (3 when the
// option "doppelseitig" is set, else 2), with the dispatcher's questions.
PrintPlan PlanCertificate(const TZgnRec& rec, long listIndex, bool preview, const PlanSettings& settings);
// The records a series from `start` takes, in list order: records left out
// of series printing (NichtDrucken) are noted in `plan` as skipped, and the
// walk ends at the first active record that ends the class (plan.stoppedAt).
std::vector<std::size_t> SeriesStudents(std::span<const TZgnRec> records, std::size_t start, PrintPlan& plan);
// Notes the deleted records between `start` and where the series stopped,
// and puts all skipped records into list order.
void NoteDeletedInSeries(PrintPlan& plan, std::span<const TZgnRec> records, std::size_t start);

// The series plans below refer to `records` instead of copying them: the
// records must stay in place and unchanged until the plan has been carried
// out.
//
// Certificates of the records from `start` on, with the series' skip and stop
// rules. The series asks once, naming the number of certificates; the
// question per student and the page questions only when the print options
// ask for them (SerieSeitenweise).
PrintPlan PlanCertificateSeries(std::span<const TZgnRec> records, std::size_t start, const PlanSettings& settings);
// The part of the certificate series that is about the record at
// `listIndex` (one the series takes, see SeriesStudents): its certificate
// job, or its skip for want of a valid certificate. A check that walks the
// series student by student plans with this, so it never holds the plan of
// a whole school at once.
PrintPlan PlanSeriesCertificate(std::span<const TZgnRec> records, std::size_t listIndex,
                                const PlanSettings& settings);
// The one question of a series: drops the questions per student and page
// and asks instead whether the certificates (counted) are to be printed.
void AskOnceForSeries(PrintPlan& plan);
std::string SeriesQuestion(std::size_t certificates);
// Receipt acknowledgement of one record (printer or preview).
PrintPlan PlanReceipt(const TZgnRec& rec, long listIndex, bool preview, const PlanSettings& settings);
PrintPlan PlanReceiptSeries(std::span<const TZgnRec> records, std::size_t start, const PlanSettings& settings);
// The part of the receipt series that is about the record at `listIndex`
// (one the series takes): its receipt job, referring to `records`.
PrintPlan PlanSeriesReceipt(std::span<const TZgnRec> records, std::size_t listIndex, const PlanSettings& settings);
// Learning-development report of one record, and the series for the grade conference.
PrintPlan PlanReport(const TZgnRec& rec, long listIndex, const PlanSettings& settings);
PrintPlan PlanReportSeries(std::span<const TZgnRec> records, std::size_t start, const PlanSettings& settings);

// What a series prints for each student of a class.
enum class SeriesKind { Certificates, Receipts, Reports, DataSheets };
// The plan of the series of `kind` from `start` (PlanCertificateSeries,
// PlanReceiptSeries, PlanReportSeries or PlanDatenblattSeries).
PrintPlan PlanSeries(SeriesKind kind, std::span<const TZgnRec> records, std::size_t start,
                     const PlanSettings& settings);
// The same series handed out in parts, each as soon as it is planned, so
// that printing a class of thousands never holds the plan of all of them:
// the certificates and receipts one part per student (the student's job),
// the reports and data sheets, whose one document holds the sheets of every
// student, in one part. A part is a plan of its own (its copies counted from
// 0) that refers to `records`; `take` may change or move it, and stops the
// walk by returning false. Returns what belongs to the whole series: the
// records passed over, in list order, and where the series stopped (all of
// it only when the walk was not stopped). Taken together the parts' jobs
// are those of PlanSeries; only the one question of a certificate series,
// which counts the certificates first, is left out.
PrintPlan PlanSeriesInParts(SeriesKind kind, std::span<const TZgnRec> records, std::size_t start,
                            const PlanSettings& settings, const std::function<bool(PrintPlan&)>& take);

// From the preview of `job`: "Seite drucken" (the page shown, no questions)
// and "Zeugnis drucken" (the whole document with the page questions).
PrintPlan PlanPreviewPage(const TDruckAuftrag& job, const PlanSettings& settings);
PrintPlan PlanPreviewCertificate(const TDruckAuftrag& job, const PlanSettings& settings);

} // namespace ruvek
