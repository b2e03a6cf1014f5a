#pragma once
// Printing for several classes at once from the school overview: the
// certificates, receipt acknowledgements or learning-development reports of
// every selected class in one print command. Each class contributes the
// series its own print command would print from its first student (with the
// same skip and stop rules); the series are joined into one plan that asks
// once, naming how many students of how many classes it prints.
#include "classfile/ClassFile.h"
#include "dispatch/PrintPlan.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ruvek {

// The series the overview prints: certificates, receipts or reports (the
// data sheets are printed from a class only).
using SchoolPrintKind = SeriesKind;

// The choice offered before printing, in the order of SchoolPrintKind; the
// last button cancels.
inline const std::vector<std::string> kSchoolPrintChoices = {"Zeugnisse", "Empfangsbekenntnisse",
                                                             "Lernentwicklungsberichte", "Abbrechen"};

// One class as read for printing.
struct ClassForPrint {
    std::string name;   // UTF-8, for messages
    TDB2 records;
};

struct SchoolPrintPlan {
    PrintPlan plan;
    std::size_t students = 0;                // students with something to print
    std::vector<std::size_t> firstJobs;      // per class: its first job in plan.jobs (plan.jobs.size(): none)
};

// The series of every class joined into one plan. The plan's copies are
// numbered through all classes in order and are the plan's own, so the
// plan stays valid when `classes` is gone. Unless nothing is printed the plan
// asks the question of SchoolPrintQuestion first; questions per student or
// page stay where the print options ask for them.
SchoolPrintPlan PlanForClasses(SchoolPrintKind kind, const std::vector<ClassForPrint>& classes,
                               const PlanSettings& settings);

// "Sollen jetzt die Zeugnisse für 57 Schüler aus 3 Klassen gedruckt werden?"
std::string SchoolPrintQuestion(SchoolPrintKind kind, std::size_t students, std::size_t classes);

// The preview asked for before the print: the pages of the first student of
// each class, each page in the preview window, without questions.
PrintPlan PreviewOfFirstStudents(const SchoolPrintPlan& joined);

} // namespace ruvek
