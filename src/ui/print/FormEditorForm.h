#pragma once
// "Formular-Steuerdatei bearbeiten": the page of a form drawn by its real
// layout with the current student's data; every slot that places something
// on the page shows as an outline of what it draws (measured from the
// drawing, with its number and German name). A slot is selected by click or
// from the list and moved by dragging it (0.1 mm steps at the view's scale,
// one undo step per drag) or with the arrow keys (0.1 mm, with Shift 1 mm);
// a side panel edits X, Y, alignment, font, page and visibility; undo/redo,
// "Speichern" (atomic, keeping the replaced version) and
// "Auslieferungszustand". A scan of the blank pre-printed sheet can lie
// under the page at true scale, with its opacity and its offset (set in the
// panel or dragged with Ctrl held); it is never printed.
#include "common/Prompter.h"
#include "print/Canvas.h"
#include "print/FormModel.h"
#include "print/SlotOutlines.h"

#include <QDialog>
#include <QImage>
#include <QRect>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QSlider;
class QSpinBox;

namespace ruvek {
class MeasuringRecorder;
}

namespace ruvek::ui {

class FormPageView;

class TFormEditorForm : public QDialog {
    Q_OBJECT
public:
    // Draws `page` of the form with these slots onto the canvas (0.1 mm
    // mapping set, origin at the paper's corner).
    using DrawPage = std::function<void(Canvas&, const TFstTable&, int page)>;
    // originX/Y: where the layouts put the page origin (the margins), 0.1 mm.
    TFormEditorForm(FormModel model, DrawPage draw, int originX, int originY, std::filesystem::path programFolder,
                    Prompter& prompter, QWidget* parent = nullptr);
    ~TFormEditorForm() override;

    FormModel& model() { return model_; }
    int selectedSlot() const { return selected_; }
    int page() const { return page_; }
    void selectSlot(int slot);
    void setPage(int page);
    // Moves the selected slot (0.1 mm).
    void moveSelected(int dx, int dy);
    // Moves every positional slot of the page shown (0.1 mm).
    void movePage(int dx, int dy);
    void undo();
    void redo();
    bool save();
    void restoreShipped();
    // A scan of the blank sheet: dpi 0 takes the picture's own resolution,
    // or 300 when it names none.
    bool loadScan(const std::filesystem::path& file, double dpi = 0);
    void setScanOpacity(int percent);
    void setScanOffset(int dx, int dy); // 0.1 mm
    int scanOffsetX() const { return scanDx_; }
    int scanOffsetY() const { return scanDy_; }
    // The slot whose outline lies at a point of the page view (the smallest
    // one there), -1 for none.
    int slotAt(QPoint viewPoint) const;
    // Where a slot's position lies in the page view.
    QPoint viewPointOf(int slot) const;
    // The outlines of the page shown, and one slot's in view pixels.
    const std::vector<SlotOutline>& outlines() const { return outlines_; }
    std::optional<QRect> outlineRect(int slot) const;

    // Closing with changes not saved asks first: save, discard, or stay.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class FormPageView;
    // Draws the page again and measures the outlines.
    void refresh();
    // Draws the page again with a slot being dragged where it is now.
    void renderPage();
    void showSlot();
    void fieldEdited();
    // The slots as drawn: the model's, with the slot being dragged moved.
    TFstTable shownTable() const;
    QRect viewRect(const PaperBox& box) const;
    // Mouse input of the page view.
    void pressAt(QPoint at, bool moveScan);
    void dragTo(QPoint at);
    void releaseAt(QPoint at);

    FormModel model_;
    DrawPage draw_;
    int originX_;
    int originY_;
    std::filesystem::path programFolder_;
    Prompter& prompter_;
    int selected_ = -1;
    int page_ = 1;
    bool showing_ = false;
    QImage pageImage_;
    QImage scan_;
    double scanDpi_ = 300;
    int scanOpacity_ = 50;
    int scanDx_ = 0;
    int scanDy_ = 0;
    std::unique_ptr<MeasuringRecorder> recorder_;
    std::vector<SlotOutline> outlines_;
    enum class Drag { None, Slot, Scan };
    Drag drag_ = Drag::None;
    QPoint dragStart_;
    bool dragStarted_ = false;
    int dragDx_ = 0; // the slot's or the scan's shift so far, 0.1 mm
    int dragDy_ = 0;
    int scanStartDx_ = 0;
    int scanStartDy_ = 0;

    FormPageView* view_;
    QListWidget* list_;
    QLabel* title_;
    QSpinBox* x_;
    QSpinBox* y_;
    QComboBox* align_;
    QSpinBox* font_;
    QLabel* fontName_;
    QSpinBox* slotPage_;
    QCheckBox* visible_;
    QComboBox* pageChoice_;
    QSlider* opacity_;
    QDoubleSpinBox* scanX_;
    QDoubleSpinBox* scanY_;
};

// Pixels per 0.1 mm of the page view (about 75 dpi).
inline constexpr double kFormViewScale = 75.0 / 254.0;

} // namespace ruvek::ui
