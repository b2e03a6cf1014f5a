#include "ui/print/PreviewViewportInput.h"

#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace ruvek::ui {

PreviewViewportInput::PreviewViewportInput(QScrollArea& scroll, WheelZoom zoom)
    : QObject(&scroll), scroll_(scroll), zoom_(std::move(zoom))
{
    scroll_.viewport()->installEventFilter(this);
    for (QScrollBar* bar : {scroll_.horizontalScrollBar(), scroll_.verticalScrollBar()})
        connect(bar, &QScrollBar::rangeChanged, this, &PreviewViewportInput::updateCursor);
}

// The scroll area is only asked inside the mouse cases: the viewport also
// sends events while the scroll area around it is being destroyed.
bool PreviewViewportInput::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Wheel: {
        // Without Ctrl the wheel scrolls, as in every scrolled view.
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0)
            break;
        zoom_(wheel->angleDelta().y(), wheel->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !scrollable())
            break;
        dragFrom_ = mouse->position().toPoint();
        dragValues_ = QPoint(scroll_.horizontalScrollBar()->value(), scroll_.verticalScrollBar()->value());
        scroll_.viewport()->setCursor(Qt::ClosedHandCursor);
        return true;
    }
    case QEvent::MouseMove:
        if (!dragFrom_)
            break;
        {
            const QPoint moved = static_cast<QMouseEvent*>(event)->position().toPoint() - *dragFrom_;
            scroll_.horizontalScrollBar()->setValue(dragValues_.x() - moved.x());
            scroll_.verticalScrollBar()->setValue(dragValues_.y() - moved.y());
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (!dragFrom_ || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            break;
        dragFrom_.reset();
        updateCursor();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool PreviewViewportInput::scrollable() const
{
    return scroll_.horizontalScrollBar()->maximum() > 0 || scroll_.verticalScrollBar()->maximum() > 0;
}

void PreviewViewportInput::updateCursor()
{
    if (dragFrom_)
        return;
    if (scrollable())
        scroll_.viewport()->setCursor(Qt::OpenHandCursor);
    else
        scroll_.viewport()->unsetCursor();
}

} // namespace ruvek::ui
