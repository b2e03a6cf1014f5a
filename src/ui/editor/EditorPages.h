#pragma once
// The five pages of the record editor. Each page is built in code with Qt
// layouts, one file per page, from the rows of the editor's control list
// (editor/EditorControls.h): every named widget of a page is a control of
// the list, made by makeControl, and the page decides only where it sits.
// The pages hold no behaviour: the binder moves values in and out, the main
// window connects the buttons.
class QTabWidget;
class QWidget;

namespace ruvek::ui::editor {

QWidget* buildKopfPage();      // "Zeugnis-Kopf"
QWidget* buildTextPage();      // "Text-Bereich"
QWidget* buildVermerkePage();  // "Vermerke"
QWidget* buildFaecherPage();   // "Fächer u. Bewertungen"
QWidget* buildFussPage();      // "(Wahlpfl. u.) Zeugnis-Fuß"

// Adds the five pages to the editor's page control, in their order. Each
// page scrolls when the window is too small to show it whole.
void buildEditorPages(QTabWidget* pageControl2);

} // namespace ruvek::ui::editor
