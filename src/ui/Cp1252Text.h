#pragma once
// Crossing between the Windows-1252 texts of records and settings and the
// QStrings of the widgets.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace ruvek::ui {

QString fromCp1252(std::string_view cp1252);

// The text as Windows-1252; nullopt when it holds a character that
// Windows-1252 cannot store.
std::optional<std::string> toCp1252(const QString& text);

// The text without the characters the editor's storage rule refuses
// (editor/TextLimits.h); those are collected in `refused` (when given),
// each once.
QString withoutNonCp1252(const QString& text, QString* refused = nullptr);

// What typing and pasting may put into a field: withoutNonCp1252, and
// without the control characters no key types either (a pasted tab, NUL,
// …; the line breaks of text boxes stay). A control character is named in
// `refused` by its visible picture (␉ for the tab), so the message can show
// it. Texts already stored are not filtered with this: what a record holds
// stays as it is unless the teacher changes it.
QString withoutUntypeable(const QString& text, QString* refused = nullptr);

} // namespace ruvek::ui
