#include "ui/grades/BewHilfForm.h"

#include "grades/BewHilfText.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvek::ui {

TBewHilfForm::TBewHilfForm(const Settings& settings, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool), settings_(settings)
{
    setObjectName("BewHilfForm");
    setWindowTitle(QStringLiteral("mögliche Einträge bei Bew., Zus. u. Niv."));
    setWindowModality(Qt::NonModal);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName("Memo1");
    memo1_->setReadOnly(true);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont bold = memo1_->font();
    bold.setBold(true);
    memo1_->setFont(bold);

    button1_ = new QPushButton(QStringLiteral("ausblenden"), this);
    button1_->setObjectName("Button1");
    connect(button1_, &QPushButton::clicked, this, &TBewHilfForm::Button1Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button1_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo1_);
    layout->addLayout(buttons);
    resize(420, 480);
}

void TBewHilfForm::Open()
{
    if (isVisible())
        return;
    if (QWidget* main = parentWidget()) {
        const QRect frame = main->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
    show();
}

void TBewHilfForm::FormShow()
{
    memo1_->clear();
    QStringList lines;
    for (const std::string& line : BewHilfLines(schoolTypeFromStored(settings_.schule.Schultyp), settings_.prog.ZeigeZusatz != 0))
        lines << QString::fromStdString(line);
    memo1_->setPlainText(lines.join('\n'));
}

void TBewHilfForm::Button1Click() { hide(); }

void TBewHilfForm::showEvent(QShowEvent* event)
{
    FormShow();
    QWidget::showEvent(event);
}

} // namespace ruvek::ui
