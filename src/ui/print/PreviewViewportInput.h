#pragma once
// Mouse input on the scrolled page of the preview window: Ctrl+wheel zooms
// around the pointer, dragging with the left button moves a page that is
// larger than the window. The page's own widgets let the mouse through, so
// everything arrives at the scroll area's viewport.
#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QScrollArea;

namespace ruvek::ui {

class PreviewViewportInput : public QObject {
public:
    // Called with the wheel's angle and the pointer in viewport coordinates.
    using WheelZoom = std::function<void(int angleDelta, QPoint at)>;

    PreviewViewportInput(QScrollArea& scroll, WheelZoom zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool scrollable() const;
    void updateCursor();

    QScrollArea& scroll_;
    WheelZoom zoom_;
    std::optional<QPoint> dragFrom_; // where the drag began, while it lasts
    QPoint dragValues_;              // the scroll positions at that moment
};

} // namespace ruvek::ui
