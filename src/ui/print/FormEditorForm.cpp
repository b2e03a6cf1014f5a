#include "ui/print/FormEditorForm.h"

#include "print/PrintFonts.h"
#include "qtdraw/MeasuringRecorder.h"
#include "qtdraw/PageImage.h"
#include "ui/print/FormEditorCaption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ruvek::ui {

namespace {
constexpr int kA4W = 2100, kA4H = 2970;
QString qs(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
} // namespace

// The page with the scan below it and the slot outlines above it.
class FormPageView : public QWidget {
public:
    explicit FormPageView(TFormEditorForm& editor) : QWidget(&editor), editor_(editor)
    {
        setObjectName(QStringLiteral("Seitenansicht"));
        setAccessibleName(QStringLiteral("Seite mit den Feldern des Formulars"));
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
        const QFontMetrics fm(f);
        // The selected slot last, so that its outline lies on top.
        std::vector<const SlotOutline*> order;
        for (const SlotOutline& o : editor_.outlines_)
            if (o.slot != editor_.selected_)
                order.push_back(&o);
        for (const SlotOutline& o : editor_.outlines_)
            if (o.slot == editor_.selected_)
                order.push_back(&o);
        std::vector<QRect> rects;
        for (const SlotOutline* o : order)
            rects.push_back(*editor_.outlineRect(o->slot));
        // Labels go where they cover neither another label nor another
        // outline (one that holds this one, as a table holds its columns,
        // does not count); the selected slot chooses first.
        std::vector<QRect> tags(order.size());
        std::vector<QRect> placed;
        for (std::size_t n = order.size(); n-- > 0;) {
            const QRect r = rects[n];
            const int w = fm.horizontalAdvance(labelOf(*order[n])) + 4, h = fm.height();
            const QRect candidates[] = {QRect(r.left(), r.top() - h, w, h), QRect(r.left(), r.bottom() + 1, w, h),
                                        QRect(r.left() - w - 2, r.top(), w, h), QRect(r.right() + 2, r.top(), w, h),
                                        QRect(r.right() - w, r.top() - h, w, h)};
            auto free = [&](const QRect& tag, bool outlinesToo) {
                if (!rect().contains(tag))
                    return false;
                for (const QRect& other : placed)
                    if (other.intersects(tag))
                        return false;
                if (outlinesToo)
                    for (std::size_t k = 0; k < rects.size(); ++k)
                        if (k != n && !rects[k].contains(r) && rects[k].intersects(tag))
                            return false;
                return true;
            };
            QRect chosen = candidates[0];
            bool found = false;
            for (const bool outlinesToo : {true, false}) {
                for (const QRect& c : candidates)
                    if (!found && free(c, outlinesToo)) {
                        chosen = c;
                        found = true;
                    }
            }
            tags[n] = chosen;
            placed.push_back(chosen);
        }
        for (std::size_t n = 0; n < order.size(); ++n) {
            const SlotOutline* o = order[n];
            const bool sel = o->slot == editor_.selected_;
            const QColor c = sel ? QColor(220, 0, 0) : editor_.model_.slot(o->slot).Visible == 1 ? QColor(0, 90, 200)
                                                                                                : QColor(140, 140, 140);
            p.setPen(QPen(c, sel ? 2 : 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(rects[n]);
            p.fillRect(tags[n], sel ? QColor(255, 235, 235, 235) : QColor(255, 255, 255, 210));
            p.setPen(c);
            p.drawText(tags[n], Qt::AlignCenter, labelOf(*o));
        }
        // Where the selected slot's position is, also when it draws nothing here.
        if (editor_.selected_ >= 0 && editor_.model_.slot(editor_.selected_).Page == editor_.page_) {
            const QPoint at = editor_.viewPointOf(editor_.selected_) +
                              QPoint(static_cast<int>(std::lround(editor_.dragDx_ * kFormViewScale)),
                                     static_cast<int>(std::lround(editor_.dragDy_ * kFormViewScale)));
            p.setPen(QPen(QColor(220, 0, 0), 1));
            p.drawLine(at - QPoint(4, 0), at + QPoint(4, 0));
            p.drawLine(at - QPoint(0, 4), at + QPoint(0, 4));
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        setFocus();
        if (e->button() == Qt::LeftButton)
            editor_.pressAt(e->position().toPoint(), e->modifiers() & Qt::ControlModifier);
    }
    void mouseMoveEvent(QMouseEvent* e) override { editor_.dragTo(e->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            editor_.releaseAt(e->position().toPoint());
    }
    void keyPressEvent(QKeyEvent* e) override { editor_.keyPressEvent(e); }

private:
    QString labelOf(const SlotOutline& o) const
    {
        return QString::number(o.slot) + QLatin1Char(' ') + qs(SlotInfoOf(o.slot, editor_.model_.family()).name);
    }

    TFormEditorForm& editor_;
};

TFormEditorForm::TFormEditorForm(FormModel model, DrawPage draw, int originX, int originY,
                                 std::filesystem::path programFolder, Prompter& prompter, QWidget* parent)
    : QDialog(parent), model_(std::move(model)), draw_(std::move(draw)), originX_(originX), originY_(originY),
      programFolder_(std::move(programFolder)), prompter_(prompter)
{
    DeviceCaps caps;
    caps.physicalOffsetX = caps.physicalOffsetY = 0;
    recorder_ = std::make_unique<MeasuringRecorder>(caps);
    setObjectName(QStringLiteral("FormEditorForm"));
    setWindowTitle(QString::fromUtf8(kFormEditorName) + QStringLiteral(" – ") + qs(model_.file().filename().string()));
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
    auto offsetBox = [this](const char* name, const QString& accessible) {
        auto* b = new QDoubleSpinBox(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(accessible);
        b->setLocale(QLocale(QLocale::German, QLocale::Germany));
        b->setDecimals(1);
        b->setSingleStep(0.1);
        b->setRange(-100.0, 100.0);
        b->setSuffix(QStringLiteral(" mm"));
        connect(b, &QDoubleSpinBox::valueChanged, this, [this] {
            setScanOffset(static_cast<int>(std::lround(scanX_->value() * 10)),
                          static_cast<int>(std::lround(scanY_->value() * 10)));
        });
        return b;
    };
    scanX_ = offsetBox("ScanVersatzX", QStringLiteral("Scan nach rechts verschieben"));
    scanY_ = offsetBox("ScanVersatzY", QStringLiteral("Scan nach unten verschieben"));
    auto* scanMove = new QHBoxLayout;
    scanMove->addWidget(new QLabel(QStringLiteral("Scan verschieben x:"), this));
    scanMove->addWidget(scanX_);
    scanMove->addWidget(new QLabel(QStringLiteral("y:"), this));
    scanMove->addWidget(scanY_);
    side->addLayout(scanMove);
    auto* scanHint = new QLabel(QStringLiteral("(oder den Scan mit gedrückter Strg-Taste ziehen)"), this);
    scanHint->setWordWrap(true);
    side->addWidget(scanHint);
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

QRect TFormEditorForm::viewRect(const PaperBox& box) const
{
    const int left = static_cast<int>(std::floor(box.left * kFormViewScale));
    const int top = static_cast<int>(std::floor(box.top * kFormViewScale));
    const int right = static_cast<int>(std::ceil(box.right * kFormViewScale));
    const int bottom = static_cast<int>(std::ceil(box.bottom * kFormViewScale));
    return QRect(QPoint(left, top), QPoint(std::max(left, right), std::max(top, bottom)));
}

std::optional<QRect> TFormEditorForm::outlineRect(int slot) const
{
    for (const SlotOutline& o : outlines_) {
        if (o.slot != slot)
            continue;
        QRect r = viewRect(o.box);
        // While the slot is dragged its outline goes along.
        if (drag_ == Drag::Slot && slot == selected_)
            r.translate(static_cast<int>(std::lround(dragDx_ * kFormViewScale)),
                        static_cast<int>(std::lround(dragDy_ * kFormViewScale)));
        return r;
    }
    return std::nullopt;
}

int TFormEditorForm::slotAt(QPoint p) const
{
    // The smallest outline with a part under the point (a table's outline
    // holds its columns'; a frame is hit on its sides only).
    int best = -1;
    long long bestArea = 0;
    for (const SlotOutline& o : outlines_) {
        bool hit = false;
        for (const PaperBox& part : o.parts)
            hit = hit || viewRect(part).adjusted(-2, -2, 2, 2).contains(p);
        if (!hit)
            continue;
        const long long area = static_cast<long long>(o.box.width() + 1) * (o.box.height() + 1);
        if (best < 0 || area < bestArea) {
            best = o.slot;
            bestArea = area;
        }
    }
    if (best < 0 && selected_ >= 0 && model_.slot(selected_).Page == page_) {
        // A selected slot that draws nothing here is held at its position.
        const QPoint d = viewPointOf(selected_) - p;
        if (d.manhattanLength() <= 6)
            best = selected_;
    }
    return best;
}

TFstTable TFormEditorForm::shownTable() const
{
    TFstTable table = model_.table();
    if (drag_ == Drag::Slot && selected_ >= 0) {
        TFstSlot& s = table[static_cast<std::size_t>(selected_)];
        s.X = static_cast<std::uint16_t>(s.X + dragDx_);
        s.Y = static_cast<std::uint16_t>(s.Y + dragDy_);
    }
    return table;
}

void TFormEditorForm::renderPage()
{
    DeviceCaps caps;
    caps.physicalOffsetX = caps.physicalOffsetY = 0;
    const TFstTable table = shownTable();
    pageImage_ = renderPageImage(caps, 75.0, [this, &table](Canvas& canvas) {
        if (draw_)
            draw_(canvas, table, page_);
    });
    view_->update();
}

void TFormEditorForm::refresh()
{
    renderPage();
    outlines_.clear();
    if (draw_)
        outlines_ = MeasureSlotOutlines(*recorder_, model_.table(), model_.family(),
                                        [this](Canvas& canvas, const TFstTable& table) { draw_(canvas, table, page_); });
    showSlot();
    view_->update();
}

void TFormEditorForm::pressAt(QPoint at, bool moveScan)
{
    dragStart_ = at;
    dragStarted_ = false;
    dragDx_ = dragDy_ = 0;
    if (moveScan && !scan_.isNull()) {
        drag_ = Drag::Scan;
        scanStartDx_ = scanDx_;
        scanStartDy_ = scanDy_;
        return;
    }
    const int slot = slotAt(at);
    if (slot < 0)
        return;
    selectSlot(slot);
    drag_ = Drag::Slot;
}

void TFormEditorForm::dragTo(QPoint at)
{
    if (drag_ == Drag::None)
        return;
    const QPoint d = at - dragStart_;
    // A small wobble of a click moves nothing.
    if (!dragStarted_ && d.manhattanLength() < 3)
        return;
    dragStarted_ = true;
    int dx = static_cast<int>(std::lround(d.x() / kFormViewScale));
    int dy = static_cast<int>(std::lround(d.y() / kFormViewScale));
    if (drag_ == Drag::Scan) {
        setScanOffset(scanStartDx_ + dx, scanStartDy_ + dy);
        return;
    }
    // The slot stays on the page while it is dragged.
    const TFstSlot& s = model_.slot(selected_);
    dx = std::clamp(dx, -static_cast<int>(s.X), 65535 - static_cast<int>(s.X));
    dy = std::clamp(dy, -static_cast<int>(s.Y), 65535 - static_cast<int>(s.Y));
    if (dx == dragDx_ && dy == dragDy_)
        return;
    dragDx_ = dx;
    dragDy_ = dy;
    renderPage();
}

void TFormEditorForm::releaseAt(QPoint at)
{
    if (drag_ == Drag::None)
        return;
    dragTo(at);
    const Drag was = std::exchange(drag_, Drag::None);
    const int dx = std::exchange(dragDx_, 0), dy = std::exchange(dragDy_, 0);
    if (was == Drag::Slot && (dx != 0 || dy != 0))
        moveSelected(dx, dy); // the whole drag is one change
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
    page = page == 2 ? 2 : 1;
    page_ = page;
    if (pageChoice_->currentIndex() != page - 1)
        pageChoice_->setCurrentIndex(page - 1); // comes back here
    else
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
    // While the mouse drags, the keys wait (the drag is measured from where it began).
    if (drag_ != Drag::None) {
        event->accept();
        return;
    }
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

void TFormEditorForm::done(int result)
{
    if (model_.changed()) {
        const int choice = prompter_.askChoice("Die Änderungen an " + model_.file().filename().string() +
                                                   " sind noch nicht gespeichert.\nSollen sie gespeichert werden?",
                                               {"Speichern", "Verwerfen", "Abbrechen"}, MessageKind::Warning);
        if (choice == 0 ? !save() : choice != 1)
            return; // not saved, or the editor stays open
    }
    QDialog::done(result);
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
    dx = std::clamp(dx, -1000, 1000);
    dy = std::clamp(dy, -1000, 1000);
    scanDx_ = dx;
    scanDy_ = dy;
    const QSignalBlocker bx(scanX_), by(scanY_);
    scanX_->setValue(dx / 10.0);
    scanY_->setValue(dy / 10.0);
    view_->update();
}

} // namespace ruvek::ui
