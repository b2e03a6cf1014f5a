#pragma once
// The five pages of the record editor. Each page is built in code with Qt
// layouts, one file per page; the controls carry the objectNames the
// editor's rules know them by (editor/EditorControls.h). The pages hold no
// behaviour: the binder moves values in and out, the main window connects
// the buttons.
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
