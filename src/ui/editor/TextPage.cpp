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

QWidget* buildTextPage()
{
    auto* page = new QWidget;

    auto* memo2 = memo("Memo2");
    auto* label32 = buddyLabel("Label32", QStringLiteral("&Lernentwicklungsbericht (für Zeugnis und Zensurenkonferenz):"),
                               memo2);
    auto* bitBtn12 = button("BitBtn12", QStringLiteral("Kopieren"));
    auto* bitBtn25 = button("BitBtn25", QStringLiteral("Ausschn."));
    auto* bitBtn10 = button("BitBtn10", QStringLiteral("Einfügen"));
    auto* bitBtn13 = button("BitBtn13", QStringLiteral("\"Lernentwicklungsbericht ...\" löschen"));

    auto* memo4 = memo("Memo4");
    auto* label4 = buddyLabel(nullptr, QStringLiteral("&Informationen der Fachlehrer (Inform. d. FL):"), memo4);
    auto* bitBtn15 = button("BitBtn15", QStringLiteral("\"Inform. d. FL\" löschen"));
    auto* bitBtn16 = button("BitBtn16", QStringLiteral("alle Texte löschen"));

    auto* reportButtons = new QHBoxLayout;
    for (QPushButton* b : {bitBtn12, bitBtn25, bitBtn10})
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
