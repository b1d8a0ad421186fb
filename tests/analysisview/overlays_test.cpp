// The View menu's overlays on the screen diagram: off at first, so that the diagram is the one drawn
// without any analysis, pixel for pixel; each overlay where the plot mapping puts it; and never on the
// report image or the printed page.
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>

#include "analysiswindowfixture.h"
#include "imagecanvas.h"
#include "overlays.h"

using namespace zorvek;

namespace {

DiagramOptions OptionsOf(const FormMain& f) {
    DiagramOptions options;
    options.UiLanguage = appState().UiLanguage;
    options.DecimalSymbol = appState().DecimalSymbol;
    options.AxisTitleX = f.AxisTitleX;
    options.AxisTitleY = f.AxisTitleY;
    return options;
}

// The diagram of the last outcome drawn on its own, with no analysis at all.
QImage PlainDiagram(const FormMain& f, QSize size, CanvasIdentity identity) {
    QImage image(size, QImage::Format_RGB32);
    ImageCanvas canvas(image, identity, f.Picture1->font());
    DrawDiagram(canvas, f.LastOutcome, OptionsOf(f));
    return image;
}

// Whether a pixel of exactly that colour lies within one pixel of the composition point.
bool ColourNear(const QImage& image, const PlotBox& box, double x, double y, QColor colour) {
    const QPointF p = box.Map(x, y);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(int(std::floor(p.x())) + dx, int(std::floor(p.y())) + dy) == colour)
                return true;
    return false;
}

} // namespace

TEST_F(AnalysisWindowTest, OverlaysAreOffAtFirstAndTheDiagramIsUntouched) {
    for (QAction* a : {form->mnu_Ver_PINCH, form->mnu_Ver_TOTAL, form->mnu_Ver_MURPHREE}) {
        EXPECT_TRUE(a->isCheckable());
        EXPECT_FALSE(a->isChecked());
    }
    const QSize size = form->Picture1->Image().size();
    EXPECT_EQ(form->Picture1->Image(), PlainDiagram(*form, size, CanvasIdentity::Picture1));
    // With the analysis window open too, and on a rejected case.
    OpenWindow();
    form->Calcular();
    EXPECT_EQ(form->Picture1->Image(), PlainDiagram(*form, size, CanvasIdentity::Picture1));
    Enter(form->Text6, "1");
    EXPECT_EQ(form->Picture1->Image(), PlainDiagram(*form, size, CanvasIdentity::Picture1));
}

TEST_F(AnalysisWindowTest, EachOverlayIsDrawnWhereThePlotMappingPutsIt) {
    Enter(form->Text15, "0.5"); // the Murphree curve takes the case's E while the window was never opened
    const QSize size = form->Picture1->Image().size();
    const QImage plain = PlainDiagram(*form, size, CanvasIdentity::Picture1);
    const PlotBox box =
        PlotBoxOf(ImageCanvas(form->Picture1->Image(), CanvasIdentity::Picture1, form->font()));
    struct Case {
        QAction* action;
        OverlayColour colour;
    };
    const Case cases[] = {{form->mnu_Ver_PINCH, OverlayColour::MinimumReflux},
                          {form->mnu_Ver_TOTAL, OverlayColour::TotalReflux},
                          {form->mnu_Ver_MURPHREE, OverlayColour::Murphree}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action->objectName().toStdString());
        c.action->trigger(); // on: the diagram is redrawn with it
        const QImage& shown = form->Picture1->Image();
        EXPECT_NE(shown, plain);
        const ColumnAnalysis& a = form->LastAnalysis;
        const QColor colour = ColourOf(c.colour);
        if (c.colour == OverlayColour::MinimumReflux) {
            EXPECT_TRUE(ColourNear(shown, box, a.minimum.x, a.minimum.y, colour)); // the pinch's disc
        } else if (c.colour == OverlayColour::TotalReflux) {
            const StairPoint& corner = a.total.stairs.at(1); // the first stage's corner on the curve
            EXPECT_TRUE(ColourNear(shown, box, (corner.x + a.total.stairs[0].x) / 2, corner.y, colour));
        } else {
            ASSERT_TRUE(a.murphree && a.murphree->N);
            const StairPoint& p = a.murphree->curve.at(a.murphree->curve.size() / 2);
            EXPECT_TRUE(ColourNear(shown, box, p.x, p.y, colour));
        }
        c.action->trigger(); // off again: exactly the plain diagram
        EXPECT_EQ(form->Picture1->Image(), plain);
    }
}

TEST_F(AnalysisWindowTest, TheReportImageAndThePrintedPageNeverShowOverlays) {
    for (QAction* a : {form->mnu_Ver_PINCH, form->mnu_Ver_TOTAL, form->mnu_Ver_MURPHREE}) a->trigger();
    OpenWindow();
    form->Calcular(FormMain::Canvas::Picture4);
    EXPECT_EQ(form->Picture4, PlainDiagram(*form, QSize(700, 700), CanvasIdentity::Picture4));
    // The page, through the print command's canvas (here an image in page units).
    QImage page(200, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        ImageCanvas canvas(page, CanvasIdentity::Page, form->Picture1->font());
        form->PrintCanvas = &canvas;
        form->Calcular(FormMain::Canvas::Picture1, true);
        form->PrintCanvas = nullptr;
    }
    QImage expected(200, 200, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        ImageCanvas canvas(expected, CanvasIdentity::Page, form->Picture1->font());
        DrawDiagram(canvas, form->LastOutcome, OptionsOf(*form));
    }
    EXPECT_EQ(page, expected);
    // The screen in that same call does show them.
    EXPECT_NE(form->Picture1->Image(),
              PlainDiagram(*form, form->Picture1->Image().size(), CanvasIdentity::Picture1));
}

TEST_F(AnalysisWindowTest, OverlaysShareTheViewMenuAndFollowTheZoom) {
    // One View menu: the zoom entries and the three overlays.
    const QList<QMenu*> views = form->findChildren<QMenu*>("mnu_Ver");
    ASSERT_EQ(views.size(), 1);
    QStringList names;
    for (QAction* a : views.front()->actions()) names << a->objectName();
    EXPECT_TRUE(names.contains("mnu_Ver_ZOOMIN"));
    EXPECT_TRUE(names.contains("mnu_Ver_PINCH"));
    EXPECT_TRUE(names.contains("mnu_Ver_MURPHREE"));
    // Zoomed twice about a point beside the pinch, its disc is where the zoomed plot mapping puts it.
    form->mnu_Ver_PINCH->trigger();
    const MinimumReflux m = form->LastAnalysis.minimum;
    ASSERT_TRUE(m.found);
    form->ZoomAbout(2, QPointF(m.x + 0.08, m.y - 0.05));
    ASSERT_FALSE(form->Picture1->View().Whole());
    const QImage& shown = form->Picture1->Image();
    const PlotBox zoomed = PicturePlotBox(shown.width(), shown.height(), form->Picture1->View());
    ASSERT_TRUE(zoomed.Inside(QPointF(m.x, m.y)));
    const QPointF moved = zoomed.Map(m.x, m.y) - PicturePlotBox(shown.width(), shown.height()).Map(m.x, m.y);
    EXPECT_GT(std::hypot(moved.x(), moved.y()), 20);
    EXPECT_TRUE(ColourNear(shown, zoomed, m.x, m.y, ColourOf(OverlayColour::MinimumReflux)));
}

// "Export diagram..." and "Copy diagram" show the diagram as the screen shows it: the overlays that are
// on come with it, zoomed or not, on a solved and on a rejected case; with them off nothing changes.
TEST_F(AnalysisWindowTest, ExportsAndTheCopiedDiagramShowTheOverlaysTheScreenShows) {
    QTemporaryDir dir;
    const QColor purple = ColourOf(OverlayColour::MinimumReflux);
    const QString svgColour = purple.name(); // as the SVG writes a pen colour
    struct Case {
        const char* name;
        const char* R;
        bool zoom;
    };
    for (const Case& c : {Case{"solved", "3", false}, Case{"solved, zoomed", "3", true},
                          Case{"rejected, zoomed", "1", true}}) {
        SCOPED_TRACE(c.name);
        form->ZoomWhole();
        Enter(form->Text6, c.R);
        if (c.zoom) form->ZoomAbout(2, QPointF(0.45, 0.55));
        const ViewWindow view = form->Picture1->View();
        const PlotBox box = PicturePlotBox(700, 700, view);

        form->mnu_Ver_PINCH->setChecked(true);
        const MinimumReflux pinch = form->LastAnalysis.minimum;
        ASSERT_TRUE(pinch.found);
        const QPointF at(pinch.x, pinch.y); // the disc of the pinch
        ASSERT_TRUE(box.Inside(at));
        for (bool on : {true, false}) {
            SCOPED_TRACE(on ? "overlay on" : "overlay off");
            form->mnu_Ver_PINCH->setChecked(on);
            const QString png = dir.path() + "/d.png", svg = dir.path() + "/d.svg";
            ASSERT_TRUE(form->ExportDiagram(png, QSize(700, 700)));
            ASSERT_TRUE(form->ExportDiagram(svg, QSize(700, 700)));
            EXPECT_EQ(
                ColourNear(QImage(png).convertToFormat(QImage::Format_RGB32), box, at.x(), at.y(), purple),
                on);
            EXPECT_EQ(ColourNear(form->ScreenDiagramImage({700, 700}, 1), box, at.x(), at.y(), purple), on);
            QFile file(svg);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(QString::fromUtf8(file.readAll()).contains(svgColour, Qt::CaseInsensitive), on);
        }
        form->mnu_Ver_PINCH->setChecked(false);
    }
}
