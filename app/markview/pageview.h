// A scrollable column of laid-out pages at a zoom factor, drawn like sheets on a grey desk.
#pragma once
#include <QWidget>
#include <vector>

#include "layout.h"

namespace markview {

class PageView : public QWidget {
    Q_OBJECT
  public:
    explicit PageView(QWidget* parent = nullptr);
    void SetPages(const ReportLayout* layout, std::vector<int> pages);
    void SetZoom(double zoom); // 1.0: the page at its real size on this screen
    double Zoom() const { return zoom_; }
    double PixelsPerUnit() const;
    QSize sizeHint() const override;

  signals:
    void firstPagePainted();
    void zoomRequested(bool in); // Ctrl + wheel

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void UpdateSize();
    const ReportLayout* layout_ = nullptr;
    std::vector<int> pages_;
    double zoom_ = 1.0;
    bool painted_ = false;
    static constexpr int kGap = 16;
};

} // namespace markview
