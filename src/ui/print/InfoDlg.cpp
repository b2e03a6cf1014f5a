#include "ui/print/InfoDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace ruvek::ui {

namespace {
constexpr int kProgressStep = 5;
constexpr int kLastTick = 5;
} // namespace

TInfoDlg::TInfoDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InfoDlg"));
    setWindowTitle(QStringLiteral("Info-Dialog"));
    setModal(true);
    auto* column = new QVBoxLayout(this);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setReadOnly(true);
    // Neither text has a label: screen readers get names of their own.
    edit1_->setAccessibleName(QStringLiteral("Überschrift"));
    column->addWidget(edit1_);
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setAccessibleName(QStringLiteral("Meldung"));
    memo1_->setFixedHeight(memo1_->fontMetrics().lineSpacing() * 5 + 16);
    column->addWidget(memo1_);
    auto* row = new QHBoxLayout;
    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 10);
    progressBar1_->setTextVisible(false);
    progressBar1_->setAccessibleName(QStringLiteral("autom. Schließen"));
    row->addWidget(new QLabel(QStringLiteral("autom. Schließen"), this));
    row->addWidget(progressBar1_, 1);
    bitBtn1_ = new QPushButton(QStringLiteral("OK   /   Schließen"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    row->addWidget(bitBtn1_);
    column->addLayout(row);
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    connect(timer1_, &QTimer::timeout, this, &TInfoDlg::Timer1Timer);
    startClock_ = [this](int intervalMs) {
        timer1_->setInterval(intervalMs);
        timer1_->start();
    };
    stopClock_ = [this] { timer1_->stop(); };
    connect(bitBtn1_, &QPushButton::clicked, this, [this] {
        stopClock_();
        accept();
    });
    resize(420, 220);
}

void TInfoDlg::useClock(std::function<void(int intervalMs)> start, std::function<void()> stop)
{
    timer1_->stop();
    startClock_ = std::move(start);
    stopClock_ = std::move(stop);
}

void TInfoDlg::prepare(const QString& caption, const QString& headline, const QStringList& lines, int durationMs)
{
    if (interval_ != 0)
        interval_ = durationMs / kProgressStep;
    setWindowTitle(caption);
    edit1_->setText(headline);
    memo1_->setPlainText(lines.join(u'\n'));
    // Centred lines.
    QTextCursor cursor(memo1_->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
}

void TInfoDlg::ShowInfo(const QString& caption, const QString& headline, const QString& line1, const QString& line2,
                        const QString& line3, const QString& line4, const QString& line5, int durationMs)
{
    prepare(caption, headline, {line1, line2, line3, line4, line5}, durationMs);
    exec();
}

void TInfoDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ticks_ = 1;
    progressBar1_->setValue(1);
    if (interval_ > 0)
        startClock_(interval_);
}

void TInfoDlg::Timer1Timer()
{
    if (ticks_ >= kLastTick) {
        stopClock_();
        accept();
        return;
    }
    ++ticks_;
    progressBar1_->setValue(ticks_);
}

} // namespace ruvek::ui
