#include "ui/print/PreViewForm.h"

#include "print/CanvasReplay.h"
#include "qtdraw/QtCanvas.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>

namespace ruvek::ui {

namespace {

constexpr int kToolbarHeight = 40;

// A recording canvas that measures text with the real fonts, so that text
// wraps in the preview exactly as on paper.
class MeasuringRecorder : public RecordingCanvas {
public:
    explicit MeasuringRecorder(const DeviceCaps& caps)
        : RecordingCanvas(caps), image_(1, 1, QImage::Format_RGB32), painter_(&image_), measure_(painter_, caps)
    {
    }
    int textWidth(std::string_view utf8) override
    {
        measure_.setFont(font());
        measure_.setCharacterExtra(characterExtra());
        return measure_.textWidth(utf8);
    }

private:
    QImage image_;
    QPainter painter_;
    QtCanvas measure_;
};

// The child area that stands for the printable area: white, with the
// recorded page replayed on it.
class PreviewArea : public QWidget {
public:
    explicit PreviewArea(TPreViewForm& form) : QWidget(&form), form_(form)
    {
        setObjectName(QStringLiteral("PreviewArea"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const PreviewPageLayout& l = form_.pageLayout();
        if (!l.valid)
            return;
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        QtCanvas canvas(painter, DeviceCaps{}, QPointF(0, 0), l.unitX, l.unitY);
        canvas.setMetricMapping();
        form_.replay(canvas);
    }

private:
    TPreViewForm& form_;
};

} // namespace

TPreViewForm::TPreViewForm(Printer printer, QWidget* parent) : QDialog(parent), printer_(std::move(printer))
{
    setObjectName(QStringLiteral("PreViewForm"));
    setWindowTitle(QStringLiteral("Seitenansicht(en) des aktuellen Ausdrucks"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(pal);

    toolbar_ = new QWidget(this);
    toolbar_->setAutoFillBackground(true);
    toolbar_->setPalette(QDialog::style()->standardPalette());
    auto* row = new QHBoxLayout(toolbar_);
    row->setContentsMargins(6, 4, 6, 4);
    const struct {
        const char* name;
        const char* caption;
        void (TPreViewForm::*slot)();
    } buttons[] = {
        {"BitBtn1", "Drucker einrichten", &TPreViewForm::BitBtn1Click},
        {"BitBtn2", "Zeugnis drucken", nullptr},
        {"BitBtn4", "Seite drucken", nullptr},
        {"BitBtn5", "Druck-Optionen", nullptr},
        {"BitBtn3", "Seitenansicht schließen", nullptr},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), toolbar_);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoDefault(false);
        row->addWidget(button);
        const QString name = button->objectName();
        if (b.slot)
            connect(button, &QPushButton::clicked, this, b.slot);
        else if (name == "BitBtn2")
            connect(button, &QPushButton::clicked, this, [this] { if (commands_.printCertificate) commands_.printCertificate(); });
        else if (name == "BitBtn4")
            connect(button, &QPushButton::clicked, this, [this] { if (commands_.printPage) commands_.printPage(); });
        else if (name == "BitBtn5")
            connect(button, &QPushButton::clicked, this, [this] { if (commands_.printOptions) commands_.printOptions(); });
        else
            close_ = button;
    }
    row->addStretch(1);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    shape1_ = new QFrame(this);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setFrameShape(QFrame::Box);
    shape1_->setAutoFillBackground(true);
    QPalette paper = shape1_->palette();
    paper.setColor(QPalette::Window, QColor(236, 236, 236));
    shape1_->setPalette(paper);
    area_ = new PreviewArea(*this);
    resize(900, 700);
}

void TPreViewForm::preparePage(const TDruckAuftrag& job, PageDrawer draw)
{
    setWindowTitle(QString::fromStdString(job.Titel));
    draw_ = std::move(draw);
    redrawPage();
}

void TPreViewForm::showPageModal(const TDruckAuftrag& job, PageDrawer draw)
{
    preparePage(job, std::move(draw));
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void TPreViewForm::redrawPage()
{
    page_.clear();
    if (draw_) {
        MeasuringRecorder recorder(printer_.caps ? printer_.caps() : DeviceCaps{});
        recorder.setMetricMapping();
        draw_(recorder);
        page_ = recorder.ops();
    }
    layoutPage();
}

void TPreViewForm::replay(Canvas& canvas) const
{
    ReplayOps(page_, canvas);
}

void TPreViewForm::layoutPage()
{
    toolbar_->setGeometry(0, 0, width(), kToolbarHeight);
    layout_ = layoutPreviewPage(width(), height(), printer_.paper ? printer_.paper() : PaperGeometry{});
    shape1_->setVisible(layout_.valid);
    area_->setVisible(layout_.valid);
    if (layout_.valid) {
        shape1_->setGeometry(layout_.sheet);
        area_->setGeometry(layout_.area);
    }
    area_->update();
}

void TPreViewForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutPage();
}

void TPreViewForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    layoutPage();
    close_->setFocus();
}

void TPreViewForm::BitBtn1Click()
{
    if (commands_.printerSetup)
        commands_.printerSetup();
    redrawPage();
}

} // namespace ruvek::ui
