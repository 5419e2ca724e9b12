#include "platform/ControlSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "platform/Controls.h"

namespace vcl {

TControlSurface::TControlSurface(TWinControl* control, QWidget* parent)
    : QWidget(parent), FControl(control) {
    // The paint pass covers every pixel from its own back buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TControlSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    FControl->PaintPass(painter, event->rect());
}

void TControlSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        FControl->MousePressed(TPoint{p.x(), p.y()});
    }
    QWidget::mousePressEvent(event);
}

void TControlSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        FControl->MouseReleased(TPoint{p.x(), p.y()});
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace vcl
