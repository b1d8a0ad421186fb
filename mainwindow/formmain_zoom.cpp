// FormMain zoom and pan of the diagram. The view window lives in the diagram's one plot mapping, so the
// drawing, the marker and curve drags and the read-out follow it; printing and the report image always
// show the whole square. Ctrl + wheel zooms about the pointer, Shift + drag zooms into a rectangle, a
// middle-button drag or the arrow keys pan a zoomed view, Ctrl+0 or Ctrl + double click show it whole.
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "diagramview.h"
#include "formmain.h"

namespace zorvek {

namespace {

constexpr double kSmallestSpan = 0.001; // a thousand times closer than the whole square
constexpr double kZoomStep = 1.25;      // per wheel notch or menu entry
constexpr double kPanStep = 0.1;        // of the view, per arrow key

// One axis of a view: at least the smallest span, at most the whole axis, inside 0 .. 1.
void FitAxis(double& lo, double& hi) {
    if (!(hi - lo < 1 - 1e-12)) {
        lo = 0, hi = 1; // exactly the whole axis, so that the unzoomed mapping is the one of old
        return;
    }
    const double span = std::max(hi - lo, kSmallestSpan);
    const double centre = (lo + hi) / 2;
    lo = centre - span / 2;
    hi = centre + span / 2;
    if (lo < 0) hi -= lo, lo = 0;
    if (hi > 1) lo -= hi - 1, hi = 1;
    lo = std::max(lo, 0.0);
}

ViewWindow Fitted(ViewWindow view) {
    if (!std::isfinite(view.x0 + view.x1 + view.y0 + view.y1)) return {};
    FitAxis(view.x0, view.x1);
    FitAxis(view.y0, view.y1);
    return view;
}

} // namespace

void FormMain::SetDiagramView(const ViewWindow& view) {
    const ViewWindow fitted = Fitted(view);
    if (fitted == Picture1->View()) return;
    Picture1->SetView(fitted);
    // The markers' places belong to the old view; Calcular puts each one it reaches where it belongs.
    for (QLabel* marker : Label2) marker->move(-2 * marker->width(), -2 * marker->height());
    Calcular();
}

void FormMain::ZoomAbout(double factor, QPointF at) {
    if (!(factor > 0)) return;
    const ViewWindow& v = Picture1->View();
    const double sx = (v.x1 - v.x0) / factor, sy = (v.y1 - v.y0) / factor;
    if (!(sx < 1 - 1e-12) && !(sy < 1 - 1e-12)) {
        ZoomWhole();
        return;
    }
    // The composition at stays on the pixel it is on, in the plot box of the zoomed view (whose left
    // margin is wider than the whole square's).
    const QPointF pixel = Picture1->Box().Map(at.x(), at.y());
    const PlotBox zoomed = PicturePlotBox(Picture1->width(), Picture1->height(), ViewWindow{0, 0.5, 0, 0.5});
    ViewWindow next;
    next.x0 = at.x() - (pixel.x() - zoomed.e) / zoomed.f * sx;
    next.x1 = next.x0 + sx;
    next.y0 = at.y() - (zoomed.h - pixel.y()) / zoomed.K * sy;
    next.y1 = next.y0 + sy;
    SetDiagramView(next);
}

void FormMain::ZoomWhole() {
    SetDiagramView(ViewWindow{});
}

bool FormMain::MarkerInView(double X, double Y) const {
    const PlotBox box = Picture1->Box();
    if (!box.Zoomed()) return true;
    return X >= box.e - 0.5 && X <= box.e + box.f + 0.5 && Y >= box.h - box.K - 0.5 && Y <= box.h + 0.5;
}

bool FormMain::ZoomEvent(QEvent* event) {
    const PlotBox box = Picture1->Box();
    const ViewWindow& view = Picture1->View();
    switch (event->type()) {
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
        const int delta = wheel->angleDelta().y();
        if (delta == 0) return true;
        QPointF at = box.Unmap(wheel->position().x(), wheel->position().y());
        at.setX(std::clamp(at.x(), view.x0, view.x1));
        at.setY(std::clamp(at.y(), view.y0, view.y1));
        ZoomAbout(std::pow(kZoomStep, delta / 120.0), at);
        return true;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ShiftModifier)) {
            if (!rubberBand_) {
                rubberBand_ = new QRubberBand(QRubberBand::Rectangle, Picture1);
                rubberBand_->setObjectName("ZoomRubberBand");
            }
            rubberOrigin_ = pos;
            rubberBand_->setGeometry(QRect(pos, QSize()));
            rubberBand_->show();
            return true;
        }
        // Unzoomed there is nothing to pan: the middle button keeps its press on the diagram.
        if (mouse->button() == Qt::MiddleButton && box.Zoomed()) {
            panning_ = true;
            panFrom_ = pos;
            panView_ = view;
            Picture1->setCursor(Qt::ClosedHandCursor);
            return true;
        }
        return false;
    }
    case QEvent::MouseMove: {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (rubberBand_ && rubberBand_->isVisible()) {
            rubberBand_->setGeometry(QRect(rubberOrigin_, pos).normalized());
            return true;
        }
        if (panning_) {
            const double dx = (pos.x() - panFrom_.x()) / box.f * (panView_.x1 - panView_.x0);
            const double dy = (pos.y() - panFrom_.y()) / box.K * (panView_.y1 - panView_.y0);
            SetDiagramView({panView_.x0 - dx, panView_.x1 - dx, panView_.y0 + dy, panView_.y1 + dy});
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        if (rubberBand_ && rubberBand_->isVisible()) {
            const QRect rect = rubberBand_->geometry();
            rubberBand_->hide();
            if (rect.width() < 4 || rect.height() < 4) return true; // a click, not a rectangle
            const QPointF a = box.Unmap(rect.left(), rect.bottom());
            const QPointF b = box.Unmap(rect.right(), rect.top());
            SetDiagramView({std::max(a.x(), view.x0), std::min(b.x(), view.x1), std::max(a.y(), view.y0),
                            std::min(b.y(), view.y1)});
            return true;
        }
        if (panning_) {
            panning_ = false;
            Picture1->setCursor(Qt::ArrowCursor);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->modifiers() & Qt::ControlModifier)) return false;
        ZoomWhole();
        return true;
    }
    case QEvent::KeyPress: {
        if (!box.Zoomed()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const double sx = (view.x1 - view.x0) * kPanStep, sy = (view.y1 - view.y0) * kPanStep;
        double dx = 0, dy = 0;
        switch (key->key()) {
        case Qt::Key_Left:
            dx = -sx;
            break;
        case Qt::Key_Right:
            dx = sx;
            break;
        case Qt::Key_Up:
            dy = sy;
            break;
        case Qt::Key_Down:
            dy = -sy;
            break;
        default:
            return false;
        }
        SetDiagramView({view.x0 + dx, view.x1 + dx, view.y0 + dy, view.y1 + dy});
        return true;
    }
    default:
        return false;
    }
}

} // namespace zorvek
