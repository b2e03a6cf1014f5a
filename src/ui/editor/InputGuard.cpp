#include "ui/editor/InputGuard.h"

#include "common/Prompter.h"
#include "editor/TextLimits.h"
#include "ui/Cp1252Text.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace ruvek::ui::editor {

QString refusedCharactersMessage(const QString& refused)
{
    return QString::fromStdString(ruvek::editor::RefusedCharactersMessage(refused.toStdString()));
}

int storedLength(const QString& plainText) { return ruvek::editor::StoredLength(plainText.toStdString()); }

QString fullFieldMessage(int capacity) { return QString::fromStdString(ruvek::editor::FullFieldMessage(capacity)); }

namespace {

// The window's status bar shows it (the main window puts it in its hint
// panel), so typing into a full field is never silently lost.
void sayFull(QWidget* field, int capacity)
{
    QStatusTipEvent tip(fullFieldMessage(capacity));
    QCoreApplication::sendEvent(field->window(), &tip);
}

// Typing a character into a line edit that holds its maximum.
class FullLineEditNotice : public QObject {
public:
    explicit FullLineEditNotice(QLineEdit* edit) : QObject(edit), edit_(edit) { edit->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == edit_ && event->type() == QEvent::KeyPress && !edit_->isReadOnly()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool inserts = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                                 !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
            if (inserts && !edit_->hasSelectedText() && edit_->text().size() >= edit_->maxLength()) {
                sayFull(edit_, edit_->maxLength());
                QApplication::beep();
            }
        }
        return false;
    }

private:
    QLineEdit* edit_;
};

} // namespace

void guardLineEdit(QLineEdit* edit, Prompter& prompter)
{
    // Only fields with a record capacity (the default maximum is 32767).
    if (edit->maxLength() < 1000 && edit->inputMask().isEmpty())
        new FullLineEditNotice(edit);
    // textEdited fires for the user's typing and pasting only, never for a
    // show.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, &prompter](const QString& text) {
        QString refused;
        const QString kept = withoutUntypeable(text, &refused);
        if (refused.isEmpty())
            return;
        const int cursor = edit->cursorPosition() - static_cast<int>(text.size() - kept.size());
        edit->setText(kept);
        edit->setCursorPosition(std::max(0, cursor));
        prompter.warning(refusedCharactersMessage(refused).toStdString());
    });
}

namespace {

class SelectAllOnEntry : public QObject {
public:
    explicit SelectAllOnEntry(QLineEdit* edit) : QObject(edit), edit_(edit) { edit->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != edit_)
            return false;
        switch (event->type()) {
        case QEvent::FocusIn:
            // A click places the cursor after this; the release selects.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
                edit_->selectAll();
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !edit_->hasSelectedText()) {
                // Let the edit finish its own release first.
                edit_->event(event);
                edit_->selectAll();
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    QLineEdit* edit_;
};

// The text a memo held after the last accepted change, to find what the
// next change inserted.
class MemoGuard : public QObject {
public:
    MemoGuard(QPlainTextEdit* memo, int capacity, Prompter& prompter)
        : QObject(memo), memo_(memo), capacity_(capacity), prompter_(prompter), accepted_(memo->toPlainText())
    {
        // The document reports every change, also those of a show while the
        // memo's own signals are blocked.
        connect(memo->document(), &QTextDocument::contentsChanged, this, &MemoGuard::check);
    }

private:
    void check()
    {
        if (busy_)
            return;
        const QString now = memo_->toPlainText();
        if (storedLength(now) <= capacity_ && withoutUntypeable(now).size() == now.size()) {
            // Reaching the limit is said at once, not only at the next key.
            // (A show fills the memo with its signals blocked: no notice.)
            if (storedLength(now) == capacity_ && storedLength(accepted_) < capacity_ && !memo_->signalsBlocked())
                sayFull(memo_, capacity_);
            accepted_ = now;
            return;
        }
        // The inserted part lies between the common beginning and end.
        const qsizetype shorter = std::min(now.size(), accepted_.size());
        qsizetype prefix = 0;
        while (prefix < shorter && now[prefix] == accepted_[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix && now[now.size() - 1 - suffix] == accepted_[accepted_.size() - 1 - suffix])
            ++suffix;
        const QString inserted = now.mid(prefix, now.size() - prefix - suffix);
        QString refused;
        QString kept = withoutUntypeable(inserted, &refused);
        const int others = storedLength(now) - storedLength(inserted);
        bool cut = false;
        while (!kept.isEmpty() && others + storedLength(kept) > capacity_) {
            kept.chop(1);
            cut = true;
        }
        busy_ = true;
        QTextCursor cursor(memo_->document());
        cursor.setPosition(static_cast<int>(prefix));
        cursor.setPosition(static_cast<int>(prefix + inserted.size()), QTextCursor::KeepAnchor);
        cursor.insertText(kept);
        memo_->setTextCursor(cursor);
        busy_ = false;
        accepted_ = memo_->toPlainText();

        if (!refused.isEmpty())
            prompter_.warning(refusedCharactersMessage(refused).toStdString());
        else if (cut && inserted.size() - kept.size() > 1)
            prompter_.information(ruvek::editor::PastedTextCutMessage(capacity_));
        else if (cut) {
            sayFull(memo_, capacity_);
            QApplication::beep();
        }
    }

    QPlainTextEdit* memo_;
    int capacity_;
    Prompter& prompter_;
    QString accepted_;
    bool busy_ = false;
};

} // namespace

void selectAllOnEntry(QLineEdit* edit) { new SelectAllOnEntry(edit); }

void guardMemo(QPlainTextEdit* memo, int capacity, Prompter& prompter)
{
    new MemoGuard(memo, capacity, prompter);
}

} // namespace ruvek::ui::editor
