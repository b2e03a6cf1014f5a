#include "ui/print/FormEditorForm.h"

#include "print/PrintFonts.h"
#include "qtdraw/PageImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace ruvek::ui {

namespace {
constexpr int kA4W = 2100, kA4H = 2970;
QString qs(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
} // namespace

// The page with the scan below it and the slot markers above it.
class FormPageView : public QWidget {
public:
    explicit FormPageView(TFormEditorForm& editor) : QWidget(&editor), editor_(editor)
    {
        setObjectName(QStringLiteral("Seitenansicht"));
        setFixedSize(static_cast<int>(kA4W * kFormViewScale) + 1, static_cast<int>(kA4H * kFormViewScale) + 1);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        if (!editor_.scan_.isNull()) {
            const double scale = 254.0 / editor_.scanDpi_ * kFormViewScale;
            p.setOpacity(editor_.scanOpacity_ / 100.0);
            p.drawImage(QRectF(editor_.scanDx_ * kFormViewScale, editor_.scanDy_ * kFormViewScale,
                               editor_.scan_.width() * scale, editor_.scan_.height() * scale),
                        editor_.scan_);
            p.setOpacity(1.0);
        }
        // The page drawn by the layout is white paper: multiply keeps the scan visible under it.
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        p.drawImage(0, 0, editor_.pageImage_);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        QFont f = p.font();
        f.setPixelSize(9);
        p.setFont(f);
        for (int i = 0; i < static_cast<int>(kFstSlotCount); ++i) {
            const TFstSlot& s = editor_.model_.slot(i);
            const SlotUse use = SlotInfoOf(i, editor_.model_.family()).use;
            if (s.Page != editor_.page_ || (use != SlotUse::Position && use != SlotUse::RuleStart))
                continue;
            const QPoint at = editor_.viewPointOf(i);
            const bool sel = i == editor_.selected_;
            QColor c = s.Visible == 1 ? QColor(0, 90, 200) : QColor(150, 150, 150);
            if (sel)
                c = QColor(220, 0, 0);
            p.setPen(QPen(c, sel ? 2 : 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(at.x() - 2, at.y() - 12, 24, 12));
            p.drawText(QRect(at.x(), at.y() - 12, 22, 12), Qt::AlignCenter, QString::number(i));
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        setFocus();
        const int slot = editor_.slotAt(e->position().toPoint());
        if (slot >= 0)
            editor_.selectSlot(slot);
    }
    void keyPressEvent(QKeyEvent* e) override { editor_.keyPressEvent(e); }

private:
    TFormEditorForm& editor_;
};

TFormEditorForm::TFormEditorForm(FormModel model, DrawPage draw, int originX, int originY,
                                 std::filesystem::path programFolder, Prompter& prompter, QWidget* parent)
    : QDialog(parent), model_(std::move(model)), draw_(std::move(draw)), originX_(originX), originY_(originY),
      programFolder_(std::move(programFolder)), prompter_(prompter)
{
    setObjectName(QStringLiteral("FormEditorForm"));
    setWindowTitle(QStringLiteral("Formular-Steuerdatei bearbeiten – ") + qs(model_.file().filename().string()));
    auto* outer = new QHBoxLayout(this);
    view_ = new FormPageView(*this);
    outer->addWidget(view_, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout;
    outer->addLayout(side);
    title_ = new QLabel(qs(model_.title()), this);
    title_->setWordWrap(true);
    side->addWidget(title_);
    pageChoice_ = new QComboBox(this);
    pageChoice_->setObjectName(QStringLiteral("SeitenWahl"));
    pageChoice_->addItems({QStringLiteral("Seite 1"), QStringLiteral("Seite 2")});
    side->addWidget(pageChoice_);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("FelderListe"));
    for (int i = 0; i < static_cast<int>(kFstSlotCount); ++i)
        list_->addItem(QString::number(i) + QStringLiteral("  ") + qs(SlotInfoOf(i, model_.family()).name));
    list_->setMinimumWidth(300);
    side->addWidget(list_, 1);

    auto* form = new QFormLayout;
    auto spin = [this](const char* name, int max) {
        auto* s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, max);
        return s;
    };
    x_ = spin("FeldX", 65535);
    y_ = spin("FeldY", 65535);
    align_ = new QComboBox(this);
    align_->setObjectName(QStringLiteral("FeldAusrichtung"));
    align_->addItems({QStringLiteral("0 links"), QStringLiteral("1 zentriert"), QStringLiteral("2 rechts")});
    font_ = spin("FeldSchrift", 65535);
    fontName_ = new QLabel(this);
    slotPage_ = spin("FeldSeite", 3);
    visible_ = new QCheckBox(QStringLiteral("drucken"), this);
    visible_->setObjectName(QStringLiteral("FeldSichtbar"));
    form->addRow(QStringLiteral("X (1/10 mm):"), x_);
    form->addRow(QStringLiteral("Y (1/10 mm):"), y_);
    form->addRow(QStringLiteral("Ausrichtung:"), align_);
    form->addRow(QStringLiteral("Schrift:"), font_);
    form->addRow(QString(), fontName_);
    form->addRow(QStringLiteral("Seite:"), slotPage_);
    form->addRow(QStringLiteral("Sichtbar:"), visible_);
    side->addLayout(form);

    auto button = [this, side](const char* name, const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        side->addWidget(b);
        return b;
    };
    auto* pageMove = new QHBoxLayout;
    auto* pageDx = new QSpinBox(this);
    auto* pageDy = new QSpinBox(this);
    pageDx->setObjectName(QStringLiteral("SeiteDx"));
    pageDy->setObjectName(QStringLiteral("SeiteDy"));
    for (QSpinBox* b : {pageDx, pageDy})
        b->setRange(-500, 500);
    pageMove->addWidget(new QLabel(QStringLiteral("ganze Seite (1/10 mm) x:"), this));
    pageMove->addWidget(pageDx);
    pageMove->addWidget(new QLabel(QStringLiteral("y:"), this));
    pageMove->addWidget(pageDy);
    side->addLayout(pageMove);
    button("SeiteVerschieben", QStringLiteral("Seite verschieben"),
           [this, pageDx, pageDy] { movePage(pageDx->value(), pageDy->value()); });
    button("Rueckgaengig", QStringLiteral("Rückgängig"), [this] { undo(); });
    button("Wiederholen", QStringLiteral("Wiederholen"), [this] { redo(); });
    button("Speichern", QStringLiteral("Speichern"), [this] { save(); });
    button("Auslieferungszustand", QStringLiteral("Auslieferungszustand"), [this] { restoreShipped(); });
    button("ScanLaden", QStringLiteral("Scan des Vordrucks laden …"), [this] {
        FileDialogRequest request{"Scan des leeren Vordrucks", programFolder_, "Bilder (*.png *.jpg *.jpeg)|*.png;*.jpg;*.jpeg", ""};
        if (const auto file = prompter_.chooseOpenFile(request))
            loadScan(*file);
    });
    opacity_ = new QSlider(Qt::Horizontal, this);
    opacity_->setObjectName(QStringLiteral("ScanDeckkraft"));
    opacity_->setRange(0, 100);
    opacity_->setValue(scanOpacity_);
    side->addWidget(new QLabel(QStringLiteral("Deckkraft des Scans:"), this));
    side->addWidget(opacity_);
    connect(opacity_, &QSlider::valueChanged, this, &TFormEditorForm::setScanOpacity);
    button("Schliessen", QStringLiteral("Schließen"), [this] { accept(); });

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_ && row >= 0)
            selectSlot(row);
    });
    connect(pageChoice_, &QComboBox::currentIndexChanged, this, [this](int i) { setPage(i + 1); });
    for (QSpinBox* s : {x_, y_, font_, slotPage_})
        connect(s, &QSpinBox::valueChanged, this, &TFormEditorForm::fieldEdited);
    connect(align_, &QComboBox::currentIndexChanged, this, &TFormEditorForm::fieldEdited);
    connect(visible_, &QCheckBox::toggled, this, &TFormEditorForm::fieldEdited);
    refresh();
}

TFormEditorForm::~TFormEditorForm() = default;

QPoint TFormEditorForm::viewPointOf(int slot) const
{
    const TFstSlot& s = model_.slot(slot);
    return {static_cast<int>(std::lround((originX_ + s.X) * kFormViewScale)),
            static_cast<int>(std::lround((originY_ + s.Y) * kFormViewScale))};
}

int TFormEditorForm::slotAt(QPoint p) const
{
    int best = -1;
    int bestDistance = 15 * 15;
    for (int i = 0; i < static_cast<int>(kFstSlotCount); ++i) {
        const SlotUse use = SlotInfoOf(i, model_.family()).use;
        if (model_.slot(i).Page != page_ || (use != SlotUse::Position && use != SlotUse::RuleStart))
            continue;
        const QPoint at = viewPointOf(i) + QPoint(10, -6);
        const int d = (at.x() - p.x()) * (at.x() - p.x()) + (at.y() - p.y()) * (at.y() - p.y());
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void TFormEditorForm::refresh()
{
    DeviceCaps caps;
    caps.physicalOffsetX = caps.physicalOffsetY = 0;
    pageImage_ = renderPageImage(caps, 75.0, [this](Canvas& canvas) {
        if (draw_)
            draw_(canvas, model_.table(), page_);
    });
    showSlot();
    view_->update();
}

void TFormEditorForm::showSlot()
{
    showing_ = true;
    const bool any = selected_ >= 0;
    for (QWidget* w : std::initializer_list<QWidget*>{x_, y_, align_, font_, slotPage_, visible_})
        w->setEnabled(any);
    if (any) {
        const TFstSlot& s = model_.slot(selected_);
        list_->setCurrentRow(selected_);
        x_->setValue(s.X);
        y_->setValue(s.Y);
        align_->setCurrentIndex(s.Align <= 2 ? s.Align : 0);
        font_->setValue(s.Font);
        const FontSpec f = PrintFontSpec(s.Font, false);
        fontName_->setText(qs(f.face) + QStringLiteral(", %1 mm").arg(f.cellHeight / 10.0, 0, 'f', 1) +
                           (f.bold ? QStringLiteral(", fett") : QString()) +
                           (f.italic ? QStringLiteral(", kursiv") : QString()));
        slotPage_->setValue(s.Page);
        visible_->setChecked(s.Visible == 1);
    }
    showing_ = false;
}

void TFormEditorForm::fieldEdited()
{
    if (showing_ || selected_ < 0)
        return;
    TFstSlot s = model_.slot(selected_);
    s.X = static_cast<std::uint16_t>(x_->value());
    s.Y = static_cast<std::uint16_t>(y_->value());
    s.Align = static_cast<std::uint16_t>(align_->currentIndex());
    s.Font = static_cast<std::uint16_t>(font_->value());
    s.Page = static_cast<std::uint16_t>(slotPage_->value());
    s.Visible = visible_->isChecked() ? 1 : 0;
    if (const std::string e = model_.setSlot(selected_, s); !e.empty())
        prompter_.error(e);
    refresh();
}

void TFormEditorForm::selectSlot(int slot)
{
    selected_ = slot;
    showSlot();
    view_->update();
}

void TFormEditorForm::setPage(int page)
{
    page_ = page;
    refresh();
}

void TFormEditorForm::moveSelected(int dx, int dy)
{
    if (selected_ < 0)
        return;
    if (const std::string e = model_.moveSlot(selected_, dx, dy); !e.empty())
        prompter_.error(e);
    refresh();
}

void TFormEditorForm::movePage(int dx, int dy)
{
    if (const std::string e = model_.movePage(page_, dx, dy); !e.empty())
        prompter_.error(e);
    refresh();
}

void TFormEditorForm::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        moveSelected(-step, 0);
        return;
    case Qt::Key_Right:
        moveSelected(step, 0);
        return;
    case Qt::Key_Up:
        moveSelected(0, -step);
        return;
    case Qt::Key_Down:
        moveSelected(0, step);
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::Undo)) {
        undo();
        return;
    }
    if (event->matches(QKeySequence::Redo)) {
        redo();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormEditorForm::undo()
{
    model_.undo();
    refresh();
}

void TFormEditorForm::redo()
{
    model_.redo();
    refresh();
}

bool TFormEditorForm::save()
{
    if (const std::string e = model_.save(); !e.empty()) {
        prompter_.error(e);
        return false;
    }
    return true;
}

void TFormEditorForm::restoreShipped()
{
    if (const std::string e = model_.restoreShipped(programFolder_); !e.empty())
        prompter_.error(e);
    refresh();
}

bool TFormEditorForm::loadScan(const std::filesystem::path& file, double dpi)
{
    QImage image(QString::fromStdString(file.string()));
    if (image.isNull()) {
        prompter_.error("Das Bild " + file.filename().string() + " kann nicht gelesen werden (PNG oder JPEG).");
        return false;
    }
    const double own = image.dotsPerMeterX() * 0.0254;
    scanDpi_ = dpi > 0 ? dpi : (own > 50 && std::abs(own - 72) > 1 && std::abs(own - 96) > 1) ? own : 300.0;
    scan_ = image;
    view_->update();
    return true;
}

void TFormEditorForm::setScanOpacity(int percent)
{
    scanOpacity_ = percent;
    if (opacity_->value() != percent)
        opacity_->setValue(percent);
    view_->update();
}

void TFormEditorForm::setScanOffset(int dx, int dy)
{
    scanDx_ = dx;
    scanDy_ = dy;
    view_->update();
}

} // namespace ruvek::ui
