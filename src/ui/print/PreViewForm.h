#pragma once
// TPreViewForm: the preview window. It shows one page of the print job as it
// will come out of the printer: the sheet outlined, the printer's printable
// area white on it, and the page drawn by its layout. The layout runs once
// per page shown (and again after the printer set-up changed the device);
// every repaint replays that recording at the window's scale. Zooming only
// changes that scale: the whole page fitted into the window, as the window
// opens, or a magnification that scrolls.
#include "dispatch/DruckAuftrag.h"
#include "print/Canvas.h"
#include "print/RecordingCanvas.h"
#include "ui/print/PreviewGeometry.h"

#include <QDialog>

#include <QPointF>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QFrame;
class QHBoxLayout;
class QPushButton;
class QScrollArea;

namespace ruvek::ui {

class TPreViewForm : public QDialog {
    Q_OBJECT
public:
    using PageDrawer = std::function<void(Canvas&)>;
    // What the buttons do beyond the window itself.
    struct Commands {
        std::function<void()> printerSetup;      // BitBtn1: the printer set-up dialog
        std::function<void()> printPage;         // BitBtn4 "Seite drucken"
        std::function<void()> printCertificate;  // BitBtn2 "Zeugnis drucken"
        std::function<void()> printOptions;      // BitBtn5 "Druck-Optionen"
    };
    // The printer the page is laid out for: its paper and its capabilities.
    struct Printer {
        std::function<PaperGeometry()> paper;
        std::function<DeviceCaps()> caps;
    };

    TPreViewForm(Printer printer, QWidget* parent = nullptr);

    void setCommands(Commands commands) { commands_ = std::move(commands); }
    // "Formular-Steuerdatei bearbeiten …" for the page shown: the button is
    // shown while there is a form file to open (empty: none).
    void setFormEditor(std::function<void()> open);

    // Draws the page of `job` once and shows it; exec() then runs it modally.
    void preparePage(const TDruckAuftrag& job, PageDrawer draw);
    // The modal preview of one page (maximised), as the dispatcher opens it.
    void showPageModal(const TDruckAuftrag& job, PageDrawer draw);
    // Lays the page out and draws it again (after a printer set-up).
    void redrawPage();

    // Where the sheet and the printable area lie, in the window's coordinates
    // while nothing is scrolled (the whole-page view never scrolls).
    const PreviewPageLayout& pageLayout() const { return layout_; }
    // Where the recorded page's origin lies on the sheet, in pixels from the
    // sheet's corner: the printer's exact physical offsets at the sheet's scale
    // (the printable area of pageLayout() is in whole millimetres).
    QPointF pageOriginOnSheet() const;
    const std::vector<CanvasOp>& recordedPage() const { return page_; }
    void replay(Canvas& canvas) const;

    // The magnification: 1 shows the paper at its real size. The whole-page
    // view has the factor that its fitted sheet amounts to.
    bool fitsWindow() const { return !zoom_.has_value(); }
    double zoomFactor() const;
    // These keep the middle of the view where it is.
    void setZoom(double factor);
    void zoomIn();
    void zoomOut();
    void zoomToFit();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layoutPage();
    // The zoom box at the end of the button row, and the zoom keys.
    void addZoomControls(QHBoxLayout& row);
    void fitToolbar();
    // Zooms to `factor` (none: the whole page) keeping the point of the page
    // under `at` (viewport coordinates) in its place.
    void zoomAround(std::optional<double> factor, QPoint at);
    QPoint viewCentre() const;
    double screenPixelsPerMm() const;
    void showZoom();
    void BitBtn1Click();

    Printer printer_;
    Commands commands_;
    PageDrawer draw_;
    std::vector<CanvasOp> page_;
    PreviewPageLayout layout_;
    PaperGeometry paper_;
    DeviceCaps recordedCaps_{}; // the printer the page was recorded for
    std::optional<double> zoom_; // none: the whole page fitted into the window
    QWidget* toolbar_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* surface_ = nullptr; // the scrolled widget that carries sheet and area
    QFrame* shape1_ = nullptr;
    QWidget* area_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* editForm_ = nullptr;
    std::function<void()> openFormEditor_;
};

} // namespace ruvek::ui
