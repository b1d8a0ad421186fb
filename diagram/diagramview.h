// DiagramView: the screen diagram Picture1, a widget that shows the image the diagram is drawn on.
#pragma once

#include <QImage>
#include <QWidget>

#include "mccabediagram.h"

namespace zorvek {

class DiagramView : public QWidget {
    Q_OBJECT
  public:
    explicit DiagramView(QWidget* parent = nullptr);

    // The drawing surface, always the widget's size (even before the widget is first shown); white
    // after a resize or ClearImage.
    QImage& Image();
    void ClearImage();

    // The part of the composition square shown (the whole square unless zoomed), and the one plot
    // mapping of the screen diagram for drawing, dragging and the read-out alike.
    const ViewWindow& View() const { return view_; }
    void SetView(const ViewWindow& view) { view_ = view; }
    PlotBox Box() const { return PicturePlotBox(width(), height(), view_); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
    ViewWindow view_;
};

} // namespace zorvek
