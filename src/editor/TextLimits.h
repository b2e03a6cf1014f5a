#pragma once
// What the text controls of the editor may hold. Records keep their texts in
// Windows-1252 with fixed capacities, so the input side refuses characters
// Windows-1252 cannot hold and stops typing at the capacity, rather than the
// store cutting or replacing text the user never saw go.
#include "editor/EditorControls.h"

#include <string>
#include <string_view>

namespace ruvek::editor {

// The memo capacities in characters (one byte each in the record).
inline constexpr int kMemo2Capacity = 2000; // LEBText
inline constexpr int kMemo3Capacity = 500;  // Vermerke
inline constexpr int kMemo4Capacity = 2000; // FLInfo

// The number of characters the control's field keeps (memos, line edits,
// mask edits); 0 for controls without a stored text.
int TextCapacity(ControlId control);

// True when every character of the UTF-8 text exists in Windows-1252 (and
// the text is well-formed UTF-8).
bool IsCp1252Representable(std::string_view utf8);

// The storage rule of the editor's text fields: a character (one UTF-8
// sequence) can be stored when Windows-1252 holds it; line and paragraph
// breaks are stored as CR LF.
bool IsStorableCharacter(std::string_view utf8Character);

// The characters of a UTF-8 text that cannot be stored, each once, in the
// order met (UTF-8); empty when the whole text can be stored.
std::string UnstorableCharacters(std::string_view utf8);

// The number of characters a text takes in its record field: one per
// character, two for a line break (stored as CR LF).
int StoredLength(std::string_view utf8);

// The typing rule on top of the storage rule: control characters no key
// types into a field (a pasted tab, NUL, DEL, …) are refused as they come
// in; the line breaks of text boxes are not. Texts already stored are not
// held to this: what a record holds stays as it is unless it is edited.
bool IsRefusedWhenTyped(char32_t character);

// How a refused control character is named in the message: its picture
// from the Unicode block "Control Pictures" (␉ for the tab, ␡ for DEL).
char32_t ControlPicture(char32_t control);

// The message for characters refused as they were typed or pasted.
std::string RefusedCharactersMessage(std::string_view refusedUtf8);

// The notice of a field that holds as much as its record field.
std::string FullFieldMessage(int capacity);

// The message for a pasted text cut to the capacity of a text box.
std::string PastedTextCutMessage(int capacity);

// Whether `text` is what a date field's mask ("  .  .19  ": two digits, a
// dot, two digits, a dot, four digits, each digit possibly left blank) can
// hold: ten characters of that form, or nothing at all (the blank mask).
bool IsDateMaskText(std::string_view text);

// How the messages describe the date fields' form.
inline constexpr const char* kDateMaskForm = "TT.MM.JJJJ";

} // namespace ruvek::editor
