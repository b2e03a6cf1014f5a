// Page "Vermerke": the remarks on the certificate with the list of standard
// phrases (editor/RemarkPhrases.h), and the automatic school-career
// recommendation.
#include "ui/editor/EditorPages.h"
#include "ui/editor/EditorWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui::editor {

using C = ruvek::editor::ControlId;

QWidget* buildVermerkePage()
{
    auto* page = new QWidget;

    auto* memo3 = make(C::Memo3);
    auto* memoLabel = captionFor(C::Memo3, memo3);
    auto* bitBtn27 = make(C::BitBtn27);
    auto* bitBtn26 = make(C::BitBtn26);
    auto* bitBtn14 = make(C::BitBtn14);
    auto* comboBox39 = make(C::ComboBox39);
    auto* phraseLabel = captionFor(C::ComboBox39, comboBox39);

    auto* memoButtons = new QHBoxLayout;
    memoButtons->addWidget(bitBtn27);
    memoButtons->addWidget(bitBtn26);
    memoButtons->addStretch(1);
    memoButtons->addWidget(bitBtn14);

    auto* phraseRow = new QHBoxLayout;
    phraseRow->addWidget(phraseLabel);
    phraseRow->addWidget(comboBox39, 1);

    auto* radioGroup4 = make(C::RadioGroup4);
    auto* bitBtn9 = make(C::BitBtn9);
    auto* label63 = make<QLabel>(C::Label63);
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
