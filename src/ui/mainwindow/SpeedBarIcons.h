#pragma once
// Icons of the speed bar: the style's standard icons where one fits, simple
// drawn pictures for the rest (printer, clipboard, sorting, ...).
#include <QIcon>

class QStyle;

namespace ruvek::ui {

enum class SpeedIcon {
    New, Open, Save, SaveAs, PrinterSetup, Cut, Copy, Paste, Help, About, Exit,
    PrintCertificate, PrintReceipt, PreviewCertificate, PreviewReceipt,
    SortNameUp, SortNameDown, SortKeyUp, SortKeyDown, SortGirlsFirst, SortBoysFirst,
    SubjectEntry, Statistics,
};

QIcon speedIcon(SpeedIcon which, const QStyle* style);

// The program's window icon: a certificate sheet with a seal.
QIcon applicationIcon();

} // namespace ruvek::ui
