#pragma once
// The buttons of the text pages ("Text-Bereich", "Vermerke") that clear,
// copy, cut and paste the memos on the system clipboard, and the phrase list
// ComboBox39 that adds a sentence about the student to the remarks (Memo3).
#include "editor/RemarkPhrases.h"

#include <QString>
#include <functional>

class QPlainTextEdit;
class QWidget;

namespace ruvek {
class Prompter;
}

namespace ruvek::ui::editor {

// The mark of a crossed-out text: what "löschen" leaves in the report and
// the remarks.
inline const QString kStruckOut = QStringLiteral("  - - - - -");

inline constexpr const char* kMsgChooseInsertPosition =
    "Wählen Sie zuerst mit dem Cursor\ndie gewünschte Einfügeposition aus!";

// The clipboard actions of one memo.
void copyFromMemo(QPlainTextEdit* memo);    // the selection, or the whole text selected first
void cutFromMemo(QPlainTextEdit* memo);     // the selection; without one nothing
void pasteIntoMemo(QPlainTextEdit* memo, Prompter& prompter);

// Connects the buttons of both text pages and ComboBox39 under `root`.
// `phrase` builds the sentence of a list entry for the current student.
void connectTextAreas(QWidget* root, Prompter& prompter,
                      std::function<ruvek::editor::PhraseSentence(int entry)> phrase);

} // namespace ruvek::ui::editor
