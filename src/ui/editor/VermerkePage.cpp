// Page "Vermerke": the remarks on the certificate with the list of standard
// phrases, and the automatic school-career recommendation.
#include "ui/editor/EditorPages.h"
#include "ui/editor/EditorWidgets.h"

#include "editor/EditorForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui::editor {

namespace {

// The phrase list as shown; "%%" stands for the student's first name.
QStringList phrases()
{
    return {QString(),
            QStringLiteral("versetzt"),
            QStringLiteral("versetzt in Klasse %%"),
            QStringLiteral("nicht versetzt"),
            QStringLiteral("%% nahm am Betriebspraktikum teil."),
            QStringLiteral("Am Betriebspraktikum nahm %% teil."),
            QStringLiteral("Die Kl.konf. ... zur allgemeinen Hochschulreife führt."),
            QStringLiteral("Die Kl.konf. ... zur Berufsreife und zur mittleren Reife führt."),
            QString(),
            QStringLiteral("Durch Konferenzbeschluss ... versetzt."),
            QStringLiteral("%% hat einen dem ??abschluss gleichwertigen Abschluss erreicht."),
            QStringLiteral("%% ist endgültig in die Jahrgangsstufe 7 versetzt worden."),
            QStringLiteral("%% hat die Probezeit nicht erfolgreich bestanden und verlässt das Gymnasium."),
            QStringLiteral("Das Aufsteigen erfolgt auf Grund der früheren Versetzungsentscheidung."),
            QStringLiteral("Bei %% wurde eine Legasthenie förmlich anerkannt."),
            QStringLiteral("Die Leistungsbeurteilung erfolgt aufgrund erhöhter Anforderungen.")};
}

} // namespace

QWidget* buildVermerkePage()
{
    auto* page = new QWidget;

    auto* memo3 = memo("Memo3");
    auto* memoLabel = buddyLabel(nullptr, QStringLiteral("&Vermerke:"), memo3);
    auto* bitBtn27 = button("BitBtn27", QStringLiteral("Kopieren"));
    auto* bitBtn26 = button("BitBtn26", QStringLiteral("Einfügen"));
    auto* bitBtn14 = button("BitBtn14", QStringLiteral("\"Vermerke\" löschen"));
    auto* comboBox39 = comboBox("ComboBox39", phrases(), QStringLiteral("Standard-Vermerk-Floskeln hinzufügen"));
    auto* phraseLabel = buddyLabel(nullptr, QStringLiteral("Standard-&Floskel hinzufügen"), comboBox39);

    auto* memoButtons = new QHBoxLayout;
    memoButtons->addWidget(bitBtn27);
    memoButtons->addWidget(bitBtn26);
    memoButtons->addStretch(1);
    memoButtons->addWidget(bitBtn14);

    auto* phraseRow = new QHBoxLayout;
    phraseRow->addWidget(phraseLabel);
    phraseRow->addWidget(comboBox39, 1);

    auto* radioGroup4 = radioGroup("RadioGroup4", QStringLiteral("Schullaufbahnempfehlung"),
                                   selectorItems(ruvek::editor::RecommendationItems()));
    auto* bitBtn9 = takeOverButton(
        "BitBtn9", QStringLiteral("automatische Schullaufbahnempfehlung für ALLE nachfolgenden Schüler übernehmen"));
    auto* label63 = label("Label63", QStringLiteral(" "));
    label63->setWordWrap(true);

    auto* recommendation = new QGridLayout;
    recommendation->setColumnStretch(2, 1);
    recommendation->addWidget(radioGroup4, 0, 0);
    recommendation->addWidget(bitBtn9, 0, 1, Qt::AlignBottom);
    recommendation->addWidget(label63, 0, 2, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(memoLabel);
    layout->addWidget(memo3, 1);
    layout->addLayout(memoButtons);
    layout->addLayout(phraseRow);
    layout->addSpacing(8);
    layout->addLayout(recommendation);

    chainTabOrder({memo3, bitBtn27, bitBtn26, bitBtn14, comboBox39, radioGroup4, bitBtn9});
    return page;
}

} // namespace ruvek::ui::editor
