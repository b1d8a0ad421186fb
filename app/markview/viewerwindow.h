// The markview window: the four parts of a worked-solution report as four tabs of A4 pages, with zoom,
// printing and PDF export, in the language of the document (handed over with it by ZORVEK).
#pragma once
#include <QMainWindow>
#include <array>
#include <functional>

#include "layout.h"
#include "markup.h"

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;
class QTabWidget;

namespace markview {

class PageView;

class ViewerWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit ViewerWindow(const QString& language, QWidget* parent = nullptr);

    // Reads, parses and lays out the report; on failure shows a message and the reason in the window.
    bool OpenReport(const QString& path);

    void ZoomIn();
    void ZoomOut();
    void ActualSize();
    void ExportPdfCommand(); // asks for the file through the file-dialog seam
    void PrintCommand();
    bool ExportPdfTo(const QString& path); // false (after a message) when the file cannot be written

    // Shows the print dialog; replaceable in tests. Returns true when the user accepted.
    std::function<bool(QPrinter&, QWidget*)> printDialog;

    const ReportLayout& Layout() const { return layout_; }
    QTabWidget* Tabs() const { return tabs_; }
    PageView* View(int part) const { return views_[part]; }
    QString Problem() const; // the reason shown when the report could not be shown

  signals:
    void firstPagePainted();

  private:
    void BuildMenus();
    void ApplyZoom(double zoom);
    void ShowProblem(const QString& text);
    QString T(const char* esp, const char* eng) const;

    QString language_;
    QString path_;
    Document document_;
    ReportLayout layout_;
    QTabWidget* tabs_ = nullptr;
    std::array<PageView*, kPartCount> views_{};
    std::array<QScrollArea*, kPartCount> scrolls_{};
    QLabel* problem_ = nullptr;
    QAction* print_ = nullptr;
    QAction* pdf_ = nullptr;
    double zoom_ = 1.0;
};

} // namespace markview
