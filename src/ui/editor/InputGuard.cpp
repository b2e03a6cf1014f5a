#include "ui/editor/InputGuard.h"

#include "common/Prompter.h"
#include "ui/Cp1252Text.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace ruvek::ui::editor {

QString refusedCharactersMessage(const QString& refused)
{
    return QStringLiteral("Die Zeichen \"%1\" können in den Zeugnisdaten nicht gespeichert werden\n"
                          "und wurden nicht übernommen.")
        .arg(refused);
}

int storedLength(const QString& plainText)
{
    int n = 0;
    for (const QChar ch : plainText)
        n += (ch == u'\n' || ch == QChar::ParagraphSeparator) ? 2 : 1;
    return n;
}

void guardLineEdit(QLineEdit* edit, Prompter& prompter)
{
    // textEdited fires for the user's typing and pasting only, never for a
    // show.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, &prompter](const QString& text) {
        QString refused;
        const QString kept = withoutNonCp1252(text, &refused);
        if (refused.isEmpty())
            return;
        const int cursor = edit->cursorPosition() - static_cast<int>(text.size() - kept.size());
        edit->setText(kept);
        edit->setCursorPosition(std::max(0, cursor));
        prompter.warning(refusedCharactersMessage(refused).toStdString());
    });
}

namespace {

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
        if (storedLength(now) <= capacity_ && withoutNonCp1252(now).size() == now.size()) {
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
        QString kept = withoutNonCp1252(inserted, &refused);
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
            prompter_.information(QStringLiteral("Dieses Textfeld fasst höchstens %1 Zeichen;\n"
                                                 "der eingefügte Text wurde entsprechend gekürzt.")
                                      .arg(capacity_)
                                      .toStdString());
        else if (cut)
            QApplication::beep();
    }

    QPlainTextEdit* memo_;
    int capacity_;
    Prompter& prompter_;
    QString accepted_;
    bool busy_ = false;
};

} // namespace

void guardMemo(QPlainTextEdit* memo, int capacity, Prompter& prompter)
{
    new MemoGuard(memo, capacity, prompter);
}

} // namespace ruvek::ui::editor
