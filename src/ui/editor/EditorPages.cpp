#include "ui/editor/EditorPages.h"

#include <QFrame>
#include <QScrollArea>
#include <QTabWidget>

namespace ruvek::ui::editor {

void buildEditorPages(QTabWidget* pageControl2)
{
    struct Page {
        QWidget* (*build)();
        const char* caption;
    };
    const Page pages[] = {{buildKopfPage, "Zeugnis-Kopf"},
                          {buildTextPage, "Text-Bereich"},
                          {buildVermerkePage, "Vermerke"},
                          {buildFaecherPage, "Fächer u. Bewertungen"},
                          {buildFussPage, "(Wahlpfl. u.) Zeugnis-Fuß"}};
    int n = 3;
    for (const Page& p : pages) {
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("TabSheet%1").arg(n++));
        scroll->setFrameShape(QFrame::NoFrame);
        // The page is no stop of its own for Tab: the keys go from the page's
        // tab straight to its first control, and the area still scrolls to
        // the control that has the focus.
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setWidgetResizable(true);
        scroll->setWidget(p.build());
        pageControl2->addTab(scroll, QString::fromUtf8(p.caption));
    }
}

} // namespace ruvek::ui::editor
