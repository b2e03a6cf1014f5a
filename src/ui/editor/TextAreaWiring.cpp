#include "ui/editor/TextAreaWiring.h"

#include "common/Prompter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QPlainTextEdit>

namespace ruvek::ui::editor {

namespace {

// A memo has a caret position of the user's once the user has been in it
// (focus or a click); until then "Einfügen" would insert at a place the
// user never chose.
const char* const kCaretPlaced = "ruvekCaretPlaced";

class CaretWatcher : public QObject {
public:
    CaretWatcher(QPlainTextEdit* memo) : QObject(memo), memo_(memo)
    {
        memo->installEventFilter(this);
        memo->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress)
            memo_->setProperty(kCaretPlaced, true);
        return QObject::eventFilter(watched, event);
    }

private:
    QPlainTextEdit* memo_;
};

QPlainTextEdit* memoNamed(QWidget* root, const char* name)
{
    auto* memo = root->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    Q_ASSERT(memo);
    return memo;
}

void onClick(QWidget* root, const char* name, std::function<void()> handler)
{
    auto* button = root->findChild<QAbstractButton*>(QString::fromLatin1(name));
    Q_ASSERT(button);
    QObject::connect(button, &QAbstractButton::clicked, button, [handler = std::move(handler)] { handler(); });
}

} // namespace

void copyFromMemo(QPlainTextEdit* memo)
{
    if (!memo->textCursor().hasSelection())
        memo->selectAll();
    memo->copy();
}

void cutFromMemo(QPlainTextEdit* memo)
{
    if (memo->textCursor().hasSelection())
        memo->cut();
}

void pasteIntoMemo(QPlainTextEdit* memo, Prompter& prompter)
{
    if (!memo->property(kCaretPlaced).toBool()) {
        prompter.tell(MessageKind::Information, kMsgChooseInsertPosition);
        return;
    }
    memo->paste();   // replaces the selection, plain text only
}

void connectTextAreas(QWidget* root, Prompter& prompter,
                      std::function<ruvek::editor::PhraseSentence(int entry)> phrase)
{
    QPlainTextEdit* memo2 = memoNamed(root, "Memo2");   // learning-development report
    QPlainTextEdit* memo3 = memoNamed(root, "Memo3");   // remarks
    QPlainTextEdit* memo4 = memoNamed(root, "Memo4");   // information of the subject teachers
    for (QPlainTextEdit* memo : {memo2, memo3, memo4})
        new CaretWatcher(memo);

    // "Text-Bereich"
    onClick(root, "BitBtn13", [memo2] { memo2->setPlainText(kStruckOut); });
    onClick(root, "BitBtn15", [memo4] { memo4->clear(); });
    onClick(root, "BitBtn16", [memo2, memo4] {
        memo2->setPlainText(kStruckOut);
        memo4->clear();
    });
    onClick(root, "BitBtn12", [memo2] { copyFromMemo(memo2); });
    onClick(root, "BitBtn25", [memo2] { cutFromMemo(memo2); });
    onClick(root, "BitBtn10", [memo2, &prompter] { pasteIntoMemo(memo2, prompter); });

    // "Vermerke"
    onClick(root, "BitBtn14", [memo3] { memo3->setPlainText(kStruckOut); });
    onClick(root, "BitBtn27", [memo3] { copyFromMemo(memo3); });
    onClick(root, "BitBtn26", [memo3, &prompter] { pasteIntoMemo(memo3, prompter); });

    auto* comboBox39 = root->findChild<QComboBox*>(QStringLiteral("ComboBox39"));
    Q_ASSERT(comboBox39);
    QObject::connect(comboBox39, &QComboBox::activated, comboBox39,
                     [memo3, &prompter, phrase = std::move(phrase)](int entry) {
                         const ruvek::editor::PhraseSentence s = phrase(entry);
                         if (s.sentence.empty())
                             return;
                         if (s.warning)
                             prompter.tell(MessageKind::Warning, *s.warning);
                         const std::string remarks = memo3->toPlainText().toStdString();
                         memo3->setPlainText(
                             QString::fromStdString(ruvek::editor::AddPhraseToRemarks(remarks, s.sentence)));
                     });
}

} // namespace ruvek::ui::editor
