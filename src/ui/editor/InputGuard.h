#pragma once
// Keeps what the user types into the editor's text fields storable: a
// record holds Windows-1252 text of fixed capacity, so characters outside
// Windows-1252 are refused as they are typed or pasted (with one message
// naming them), and a text box takes no more characters than its field
// holds. Nothing is then cut or dropped unseen when the record is stored.
#include <QObject>

class QLineEdit;
class QPlainTextEdit;

namespace ruvek {
class Prompter;
}

namespace ruvek::ui::editor {

// The message for refused characters.
QString refusedCharactersMessage(const QString& refused);

// The status-bar notice of a field that holds as much as its record field:
// "Das Feld ist voll: es fasst höchstens 500 Zeichen."
QString fullFieldMessage(int capacity);

// Line edit: refuses non-Windows-1252 characters (the field's maxLength
// already limits its length; typing into a full field says so in the
// status bar). Text boxes say so when they reach their capacity.
void guardLineEdit(QLineEdit* edit, Prompter& prompter);

// Text box of `capacity` stored characters; a line break is stored as CR LF
// and counts two.
void guardMemo(QPlainTextEdit* memo, int capacity, Prompter& prompter);

// A field holding one short code (a grade): entering it by keyboard or mouse
// selects its whole content, so what is typed replaces the "-" shown
// instead of joining it ("-2", "3-").
void selectAllOnEntry(QLineEdit* edit);

// The stored length of a text box's text.
int storedLength(const QString& plainText);

} // namespace ruvek::ui::editor
