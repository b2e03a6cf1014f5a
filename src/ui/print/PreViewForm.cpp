#include "ui/print/PreViewForm.h"

#include "print/CanvasReplay.h"
#include "qtdraw/MeasuringRecorder.h"
#include "qtdraw/QtCanvas.h"
#include "ui/print/FormEditorCaption.h"
#include "ui/print/PreviewViewportInput.h"
#include "ui/print/PreviewZoom.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRegion>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace ruvek::ui {

namespace {

constexpr int kToolbarHeight = 40;
// The grey border round a magnified sheet.
constexpr int kZoomMargin = 10;

// The child area that covers the sheet: white, the recorded page replayed
// on it with its origin at the printable area's corner, the printable area
// outlined by a thin grey line and everything outside it shaded, so that
// what the printer cannot print is seen as such.
class PreviewArea : public QWidget {
public:
    PreviewArea(TPreViewForm& form, QWidget* parent) : QWidget(parent), form_(form)
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
        const QRect printable = l.area.translated(-l.sheet.topLeft());
        painter.save();
        {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            QtCanvas canvas(painter, DeviceCaps{}, form_.pageOriginOnSheet(), l.unitX, l.unitY);
            canvas.setMetricMapping();
            form_.replay(canvas);
        }
        painter.restore();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setClipRegion(QRegion(rect()).subtracted(QRegion(printable)));
        painter.fillRect(rect(), QColor(128, 128, 128, 60));
        painter.setClipping(false);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(150, 150, 150), 0));
        painter.drawRect(printable.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
    editForm_ = new QPushButton(QString::fromUtf8(kFormEditorCommand), toolbar_);
    editForm_->setObjectName(QStringLiteral("FormularBearbeiten"));
    editForm_->setAutoDefault(false);
    editForm_->setToolTip(QStringLiteral("Die Positionen auf dem Formular dieser Seite anpassen"));
    editForm_->hide();
    row->insertWidget(row->count() - 1, editForm_);
    connect(editForm_, &QPushButton::clicked, this, [this] {
        if (openFormEditor_)
            openFormEditor_();
    });
    row->addStretch(1);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    addZoomControls(*row);

    // The page lies on a surface in a scroll area below the toolbar band. In
    // the whole-page view the surface is exactly the area's size, so that
    // sheet and printable area keep their places in the window.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PreviewScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setPalette(QDialog::style()->standardPalette());
    scroll_->viewport()->setPalette(pal);
    scroll_->viewport()->setAutoFillBackground(true);
    surface_ = new QWidget;
    surface_->setPalette(pal);
    // Mouse input goes to the viewport, which zooms and pans.
    surface_->setAttribute(Qt::WA_TransparentForMouseEvents);
    scroll_->setWidget(surface_);
    new PreviewViewportInput(*scroll_, [this](int angle, QPoint at) { zoomAround(zoomByWheel(zoomFactor(), angle), at); });

    shape1_ = new QFrame(surface_);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setFrameShape(QFrame::Box);
    shape1_->setAutoFillBackground(true);
    QPalette paper = shape1_->palette();
    paper.setColor(QPalette::Window, QColor(236, 236, 236));
    shape1_->setPalette(paper);
    area_ = new PreviewArea(*this, surface_);
    resize(900, 700);
    fitToolbar();
}

void TPreViewForm::addZoomControls(QHBoxLayout& row)
{
    zoomBox_ = new QComboBox(toolbar_);
    zoomBox_->setObjectName(QStringLiteral("ZoomBox"));
    zoomBox_->setToolTip(QStringLiteral("Vergrößerung der Seitenansicht\n"
                                        "Strg+Mausrad, Strg++ und Strg+- vergrößern und verkleinern,\n"
                                        "Strg+0 zeigt wieder die ganze Seite.\n"
                                        "Eine vergrößerte Seite lässt sich mit der Maus verschieben."));
    zoomBox_->addItem(QStringLiteral("Ganze Seite"), 0.0);
    for (double factor : {0.5, 1.0, 1.5, 2.0, 3.0, 4.0})
        zoomBox_->addItem(zoomLabel(factor), factor);
    row.addWidget(zoomBox_);
    connect(zoomBox_, &QComboBox::activated, this, [this](int index) {
        const double factor = zoomBox_->itemData(index).toDouble();
        if (factor > 0)
            setZoom(factor);
        else
            zoomToFit();
    });
    const struct {
        const char* caption;
        QList<QKeySequence> keys;
        void (TPreViewForm::*slot)();
    } zoomKeys[] = {
        // Ctrl+= is Ctrl++ without Shift on keyboards where + needs Shift.
        {"Vergrößern", QKeySequence::keyBindings(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal),
         &TPreViewForm::zoomIn},
        {"Verkleinern", QKeySequence::keyBindings(QKeySequence::ZoomOut), &TPreViewForm::zoomOut},
        {"Ganze Seite", {QKeySequence(Qt::CTRL | Qt::Key_0)}, &TPreViewForm::zoomToFit},
    };
    for (const auto& z : zoomKeys) {
        auto* action = new QAction(QString::fromUtf8(z.caption), this);
        action->setShortcuts(z.keys);
        connect(action, &QAction::triggered, this, z.slot);
        addAction(action);
    }
}

void TPreViewForm::setFormEditor(std::function<void()> open)
{
    openFormEditor_ = std::move(open);
    editForm_->setVisible(static_cast<bool>(openFormEditor_));
    fitToolbar();
}

// The toolbar band is placed by hand, so its layout cannot hold the window
// open; the window is kept at least as wide as the toolbar's buttons need,
// so no caption is ever cut off.
void TPreViewForm::fitToolbar()
{
    const int needed = toolbar_->layout()->minimumSize().width();
    setMinimumWidth(needed);
    if (width() < needed)
        resize(needed, height());
}

void TPreViewForm::preparePage(const TDruckAuftrag& job, PageDrawer draw)
{
    setWindowTitle(QString::fromStdString(job.Titel));
    draw_ = std::move(draw);
    // Every page opens as a whole page.
    zoom_.reset();
    showZoom();
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
        recordedCaps_ = printer_.caps ? printer_.caps() : DeviceCaps{};
        MeasuringRecorder recorder(recordedCaps_);
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
    scroll_->setGeometry(0, kToolbarHeight, width(), std::max(0, height() - kToolbarHeight));
    paper_ = printer_.paper ? printer_.paper() : PaperGeometry{};
    // The scroll bars' policy first: the surface's new size then sets their ranges.
    const Qt::ScrollBarPolicy bars = zoom_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    scroll_->setHorizontalScrollBarPolicy(bars);
    scroll_->setVerticalScrollBarPolicy(bars);
    QSize surface = scroll_->size();
    if (zoom_) {
        layout_ = layoutPreviewPageAt(*zoom_ * screenPixelsPerMm(), QPoint(kZoomMargin, kToolbarHeight + kZoomMargin),
                                      paper_);
        if (layout_.valid)
            surface = QSize(layout_.sheet.right() + 1 + kZoomMargin,
                            layout_.sheet.bottom() + 1 + kZoomMargin - kToolbarHeight);
    } else {
        layout_ = layoutPreviewPage(width(), height(), paper_);
    }
    surface_->resize(surface);
    // The scroll area shows or hides its bars through a queued call; deliver
    // it now, so that the viewport has its final size before a zoom places
    // the view and before the next paint.
    QCoreApplication::sendPostedEvents(scroll_, QEvent::MetaCall);
    shape1_->setVisible(layout_.valid);
    area_->setVisible(layout_.valid);
    if (layout_.valid) {
        shape1_->setGeometry(layout_.sheet.translated(0, -kToolbarHeight));
        area_->setGeometry(layout_.sheet.translated(0, -kToolbarHeight));
    }
    area_->update();
}

QPointF TPreViewForm::pageOriginOnSheet() const
{
    const double pixelsPerMm = layout_.unitX * 10;
    if (recordedCaps_.dpiX <= 0 || recordedCaps_.dpiY <= 0)
        return QPointF(layout_.area.topLeft() - layout_.sheet.topLeft());
    return {recordedCaps_.physicalOffsetX * 25.4 / recordedCaps_.dpiX * pixelsPerMm,
            recordedCaps_.physicalOffsetY * 25.4 / recordedCaps_.dpiY * pixelsPerMm};
}

double TPreViewForm::screenPixelsPerMm() const
{
    return logicalDpiY() / 25.4;
}

double TPreViewForm::zoomFactor() const
{
    if (zoom_)
        return *zoom_;
    if (!layout_.valid)
        return 1.0;
    return layout_.sheet.height() / (paper_.ph * screenPixelsPerMm());
}

QPoint TPreViewForm::viewCentre() const
{
    return scroll_->viewport()->rect().center();
}

void TPreViewForm::setZoom(double factor)
{
    zoomAround(factor, viewCentre());
}

void TPreViewForm::zoomIn()
{
    zoomAround(zoomStepIn(zoomFactor()), viewCentre());
}

void TPreViewForm::zoomOut()
{
    zoomAround(zoomStepOut(zoomFactor()), viewCentre());
}

void TPreViewForm::zoomToFit()
{
    zoomAround(std::nullopt, viewCentre());
}

void TPreViewForm::zoomAround(std::optional<double> factor, QPoint at)
{
    // The point under `at` as a fraction of the sheet, to be found there again.
    std::optional<QPointF> held;
    if (layout_.valid) {
        const QRect sheet = layout_.sheet.translated(0, -kToolbarHeight);
        const QPointF p = surface_->mapFrom(scroll_->viewport(), at) - QPointF(sheet.topLeft());
        held = QPointF(p.x() / sheet.width(), p.y() / sheet.height());
    }
    zoom_ = factor ? std::optional(clampZoom(*factor)) : std::nullopt;
    layoutPage();
    showZoom();
    if (held && zoom_ && layout_.valid) {
        const QRect sheet = layout_.sheet.translated(0, -kToolbarHeight);
        const QPointF target = QPointF(sheet.topLeft()) + QPointF(held->x() * sheet.width(), held->y() * sheet.height());
        // A surface larger than the viewport lies at minus the scroll values.
        scroll_->horizontalScrollBar()->setValue(qRound(target.x() - at.x()));
        scroll_->verticalScrollBar()->setValue(qRound(target.y() - at.y()));
    }
}

void TPreViewForm::showZoom()
{
    const int index = zoom_ ? zoomBox_->findData(*zoom_) : 0;
    zoomBox_->setCurrentIndex(index);
    // A factor between the listed ones (from the wheel) shows as the hint text.
    if (index < 0)
        zoomBox_->setPlaceholderText(zoomLabel(*zoom_));
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
