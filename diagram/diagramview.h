// DiagramView: the screen diagram Picture1, a widget that shows the image the diagram is drawn on.
#pragma once

#include <QImage>
#include <QWidget>

namespace zorvek {

class DiagramView : public QWidget {
    Q_OBJECT
  public:
    explicit DiagramView(QWidget* parent = nullptr);

    // The drawing surface, always the widget's size (even before the widget is first shown); white
    // after a resize or ClearImage.
    QImage& Image();
    void ClearImage();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

} // namespace zorvek
