#include "viewerwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "files.h"
#include "pageview.h"
#include "paint.h"
#include "seams.h"
#include "viewertexts.h"

namespace markview {

namespace {
constexpr double kZoomStep = 1.25;
} // namespace

ViewerWindow::ViewerWindow(const QString& language, QWidget* parent)
    : QMainWindow(parent), language_(language) {
    setWindowTitle("markview");
    auto* central = new QWidget(this);
    auto* box = new QVBoxLayout(central);
    box->setContentsMargins(0, 0, 0, 0);
    problem_ = new QLabel(central);
    problem_->setObjectName("Problem");
    problem_->setWordWrap(true);
    problem_->setAlignment(Qt::AlignCenter);
    problem_->setMargin(24);
    problem_->hide();
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName("Parts");
    tabs_->setDocumentMode(true);
    for (int part = 0; part < kPartCount; ++part) {
        auto* scroll = new QScrollArea(tabs_);
        scroll->setAlignment(Qt::AlignHCenter);
        scroll->setBackgroundRole(QPalette::Dark);
        auto* view = new PageView(scroll);
        view->setObjectName(QString("Page%1").arg(part));
        scroll->setWidget(view);
        scroll->setWidgetResizable(false);
        views_[part] = view;
        scrolls_[part] = scroll;
        tabs_->addTab(scroll, PartHeading(language_, part));
        connect(view, &PageView::firstPagePainted, this, &ViewerWindow::firstPagePainted);
        connect(view, &PageView::zoomRequested, this, [this](bool in) { in ? ZoomIn() : ZoomOut(); });
    }
    box->addWidget(problem_);
    box->addWidget(tabs_);
    setCentralWidget(central);
    BuildMenus();
    printDialog = [](QPrinter& printer, QWidget* parentWidget) {
        QPrintDialog dialog(&printer, parentWidget);
        return dialog.exec() == QDialog::Accepted;
    };
    resize(980, 860);
}

QString ViewerWindow::T(const char* esp, const char* eng) const {
    return Tx(language_, esp, eng);
}

void ViewerWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(T("&Archivo", "&File"));
    print_ = file->addAction(T("&Imprimir...", "&Print..."), this, &ViewerWindow::PrintCommand);
    print_->setShortcut(QKeySequence::Print);
    pdf_ = file->addAction(T("&Exportar PDF...", "&Export PDF..."), this, &ViewerWindow::ExportPdfCommand);
    pdf_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    QAction* close = file->addAction(T("&Cerrar", "&Close"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    QMenu* view = menuBar()->addMenu(T("&Ver", "&View"));
    view->addAction(T("&Ampliar", "Zoom &in"), this, &ViewerWindow::ZoomIn)
        ->setShortcuts(QKeySequence::ZoomIn);
    view->addAction(T("&Reducir", "Zoom &out"), this, &ViewerWindow::ZoomOut)
        ->setShortcuts(QKeySequence::ZoomOut);
    view->addAction(T("&Tamaño real", "&Actual size"), this, &ViewerWindow::ActualSize)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    print_->setEnabled(false);
    pdf_->setEnabled(false);
}

bool ViewerWindow::OpenReport(const QString& path) {
    path_ = path;
    if (path.isEmpty()) {
        ShowProblem(T("No se ha indicado ningún informe.", "No report file was given."));
        return false;
    }
    QString text;
    zorvek::FileError error;
    if (!zorvek::ReadTextFile(path, text, &error)) {
        ShowProblem(T("No se puede abrir el informe:", "Cannot open the report:") + "\r\n" + path + "\r\n" +
                    "Error : " + QString::number(error.code) + " - " + error.description);
        return false;
    }
    const std::string bytes = text.toStdString();
    ParseResult parsed = ParseReportMarkup(bytes);
    if (!parsed.ok) {
        ShowProblem(T("El informe no se puede mostrar porque su marcado no es válido:",
                      "The report cannot be shown because its markup is not valid:") +
                    "\r\n" + path + "\r\n" + FaultText(language_, parsed.fault) +
                    T(" (posición ", " (position ") + QString::number(parsed.offset) + ")");
        return false;
    }
    document_ = std::move(parsed.document);
    LayoutOptions options;
    options.language = language_;
    options.folder = zorvek::FolderOf(path);
    layout_ = LayoutDocument(document_, options);
    for (int part = 0; part < kPartCount; ++part) views_[part]->SetPages(&layout_, layout_.partPages[part]);
    problem_->clear();
    problem_->hide();
    tabs_->show();
    print_->setEnabled(true);
    pdf_->setEnabled(true);
    setWindowTitle(QFileInfo(path).fileName() + " - markview");
    ApplyZoom(zoom_);
    return true;
}

void ViewerWindow::ShowProblem(const QString& text) {
    problem_->setText(text);
    problem_->show();
    tabs_->hide();
    zorvek::MessageRequest request;
    request.icon = zorvek::MsgIcon::Warning;
    request.buttons = zorvek::MsgButtons::Ok;
    request.title = "Error";
    request.text = text;
    zorvek::seams().messageBox(this, request);
}

QString ViewerWindow::Problem() const {
    return problem_->text();
}

void ViewerWindow::ApplyZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    for (PageView* v : views_) v->SetZoom(zoom_);
    statusBar()->showMessage(T("Zoom: ", "Zoom: ") + QString::number(qRound(zoom_ * 100)) + " %");
}

void ViewerWindow::ZoomIn() {
    ApplyZoom(zoom_ * kZoomStep);
}
void ViewerWindow::ZoomOut() {
    ApplyZoom(zoom_ / kZoomStep);
}
void ViewerWindow::ActualSize() {
    ApplyZoom(1.0);
}

void ViewerWindow::ExportPdfCommand() {
    if (layout_.pages.empty()) return;
    zorvek::FileDialogRequest request;
    request.save = true;
    request.title = T("Exportar PDF", "Export PDF");
    request.filter = T("Documento PDF (*.pdf)|*.pdf", "PDF document (*.pdf)|*.pdf");
    request.folder = QFileInfo(path_).absolutePath();
    request.fileName = QFileInfo(path_).completeBaseName() + ".pdf";
    QString target = zorvek::seams().fileDialog(this, request);
    if (target.isEmpty()) return;
    if (!target.endsWith(".pdf", Qt::CaseInsensitive)) target += ".pdf";
    ExportPdfTo(target);
}

bool ViewerWindow::ExportPdfTo(const QString& path) {
    if (layout_.pages.empty()) return false;
    if (ExportPdf(path, layout_, windowTitle())) return true;
    zorvek::ShowError(this, T("No se puede escribir el archivo PDF:", "Cannot write the PDF file:") + "\r\n" +
                                path);
    return false;
}

void ViewerWindow::PrintCommand() {
    if (layout_.pages.empty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(windowTitle());
    if (!printDialog(printer, this)) return;
    if (!PaintDocument(printer, layout_))
        zorvek::ShowError(this, T("No se puede imprimir el informe.", "The report cannot be printed."));
}

} // namespace markview
