// Page "Text-Bereich": the learning-development report and the information
// from the subject teachers, with the buttons that clear, copy, cut and
// paste them.
#include "ui/editor/EditorPages.h"
#include "ui/editor/EditorWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui::editor {

using C = ruvek::editor::ControlId;

QWidget* buildTextPage()
{
    auto* page = new QWidget;

    auto* memo2 = make(C::Memo2);
    auto* label32 = captionFor(C::Memo2, memo2);
    auto* bitBtn12 = make(C::BitBtn12);
    auto* bitBtn25 = make(C::BitBtn25);
    auto* bitBtn10 = make(C::BitBtn10);
    auto* bitBtn13 = make(C::BitBtn13);

    auto* memo4 = make(C::Memo4);
    auto* label4 = captionFor(C::Memo4, memo4);
    auto* bitBtn15 = make(C::BitBtn15);
    auto* bitBtn16 = make(C::BitBtn16);

    auto* reportButtons = new QHBoxLayout;
    for (QWidget* b : {bitBtn12, bitBtn25, bitBtn10})
        reportButtons->addWidget(b);
    reportButtons->addStretch(1);
    reportButtons->addWidget(bitBtn13);

    auto* infoButtons = new QHBoxLayout;
    infoButtons->addStretch(1);
    infoButtons->addWidget(bitBtn15);
    infoButtons->addWidget(bitBtn16);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label32);
    layout->addWidget(memo2, 3);
    layout->addLayout(reportButtons);
    layout->addSpacing(8);
    layout->addWidget(label4);
    layout->addWidget(memo4, 2);
    layout->addLayout(infoButtons);

    chainTabOrder({memo2, bitBtn12, bitBtn25, bitBtn10, bitBtn13, memo4, bitBtn15, bitBtn16});
    return page;
}

} // namespace ruvek::ui::editor
