#pragma once
// "Formular-Steuerdatei bearbeiten": the page of a form drawn by its real
// layout with the current student's data; every slot of the page as a
// numbered marker that can be selected by click or from the list and moved
// with the arrow keys (0.1 mm, with Shift 1 mm); a side panel with X, Y,
// alignment, font, page and visibility; undo/redo, "Speichern" (atomic,
// keeping the replaced version) and "Auslieferungszustand". A scan of the
// blank pre-printed sheet can lie under the page at true scale, with its
// opacity and shift; it is never printed.
#include "common/Prompter.h"
#include "print/Canvas.h"
#include "print/FormModel.h"

#include <QDialog>
#include <QImage>

#include <filesystem>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QSlider;
class QSpinBox;

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
    // The slot whose marker lies at a point of the page view, -1 for none.
    int slotAt(QPoint viewPoint) const;
    QPoint viewPointOf(int slot) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class FormPageView;
    void refresh();
    void showSlot();
    void fieldEdited();

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
};

// Pixels per 0.1 mm of the page view (about 75 dpi).
inline constexpr double kFormViewScale = 75.0 / 254.0;

} // namespace ruvek::ui
