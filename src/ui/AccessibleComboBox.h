#pragma once
// Screen readers name a selector (combo box) by what it is for, not by its
// current entry. Qt's own accessibility interface of a combo box reports
// the current entry as the name on Linux (AT-SPI), so a reader says "B" or
// "???" and never which subject or setting the selector belongs to. The
// interface installed here names a combo box like every other control: its
// accessible name, else the caption of the label that points to it, else
// the title of the group it stands in; the current entry is its value.
class QComboBox;
class QString;

namespace ruvek::ui {

// Installs the interface for every combo box of the program. Call once the
// QApplication exists; calling it again changes nothing.
void installAccessibleComboBoxes();

// The name a screen reader is given for the combo box (for tests).
QString accessibleNameOf(QComboBox* combo);

} // namespace ruvek::ui
