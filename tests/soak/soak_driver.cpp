// The soak driver: the real main window, started as the program starts it, driven through thousands of
// random actions: drags of every slider cursor, point marker and the equilibrium curve, typed values
// (valid and invalid) with Enter, model switches, the pointer over the diagram, zoom and pan, undo and
// redo, the View menu's overlays, the analysis window (its chart clicked, its Murphree field typed),
// the diagram exported and copied, and now and then the language, the decimal separator, "Calcular" and
// "Borrar". It prints the resident memory as it goes. Message boxes, file dialogs and the viewer go
// through the seams, so nothing blocks.
// Usage: zorvek_soak [--actions N] [--seed S] [--sample-every N]
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "appstate.h"
#include "casehistory.h"
#include "diagramview.h"
#include "formanalysis.h"
#include "formmain.h"
#include "mccabediagram.h"
#include "numtext.h"
#include "rnchart.h"
#include "seams.h"
#include "startup.h"

using namespace zorvek;

namespace {

long ResidentKb() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : -1; // pages of 4 KiB
}

class Soak {
  public:
    Soak(FormMain& w, unsigned seed) : w_(w), random_(seed) {}

    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    double Real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random_); }

    // Presses on a control, moves the pointer by a few random steps (screen pixels), releases.
    void Drag(QWidget* control, int reach) {
        if (!control->isVisible()) return;
        QPoint at = control->rect().center();
        const Qt::MouseButton button = Uniform(0, 9) == 0 ? Qt::RightButton : Qt::LeftButton;
        QTest::mousePress(control, button, {}, at);
        for (int step = Uniform(1, 6); step > 0; --step) {
            at += QPoint(Uniform(-reach, reach), Uniform(-reach, reach));
            QTest::mouseMove(control, at);
        }
        QTest::mouseRelease(control, button, {}, at);
    }

    void SendToDiagram(QEvent::Type type, QPoint pos, Qt::MouseButton button,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, pos, w_.Picture1->mapToGlobal(pos), button, buttons, modifiers);
        QCoreApplication::sendEvent(w_.Picture1, &event);
    }

    QPoint OnDiagram() {
        return {Uniform(0, w_.Picture1->width() - 1), Uniform(0, w_.Picture1->height() - 1)};
    }

    // Ctrl + wheel, a Shift + drag rectangle, a middle-button pan, the arrow keys, or the whole square.
    void Zoom() {
        switch (Uniform(0, 4)) {
        case 0: {
            const QPoint at = OnDiagram();
            QWheelEvent wheel(at, w_.Picture1->mapToGlobal(at), {}, {0, Uniform(0, 1) ? 120 : -120},
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(w_.Picture1, &wheel);
            break;
        }
        case 1: {
            const QPoint from = OnDiagram();
            SendToDiagram(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::ShiftModifier);
            SendToDiagram(QEvent::MouseMove, OnDiagram(), Qt::LeftButton, Qt::ShiftModifier);
            SendToDiagram(QEvent::MouseButtonRelease, OnDiagram(), Qt::LeftButton, Qt::ShiftModifier);
            break;
        }
        case 2: {
            QPoint at = OnDiagram();
            SendToDiagram(QEvent::MouseButtonPress, at, Qt::MiddleButton);
            for (int step = Uniform(1, 5); step > 0; --step) {
                at += QPoint(Uniform(-30, 30), Uniform(-30, 30));
                SendToDiagram(QEvent::MouseMove, at, Qt::MiddleButton);
            }
            SendToDiagram(QEvent::MouseButtonRelease, at, Qt::MiddleButton);
            break;
        }
        case 3: {
            static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
            w_.Picture1->setFocus();
            QTest::keyClick(w_.Picture1, keys[Uniform(0, 3)]);
            break;
        }
        default:
            w_.mnu_Ver_ZOOMALL->trigger();
        }
    }

    void UndoOrRedo() {
        QAction* action = Uniform(0, 2) ? w_.mnu_Edicion_UNDO : w_.mnu_Edicion_REDO;
        for (int n = Uniform(1, 3); n > 0; --n) action->trigger();
    }

    void ToggleOverlay() {
        QAction* overlays[] = {w_.mnu_Ver_PINCH, w_.mnu_Ver_TOTAL, w_.mnu_Ver_MURPHREE};
        overlays[Uniform(0, 2)]->toggle();
    }

    // Opens or closes the analysis window, clicks its chart or types a Murphree efficiency.
    void Analysis() {
        FormAnalysis* window = w_.frmAnalisis;
        const int what = Uniform(0, 9);
        if (!window || !window->isVisible() || what == 0) {
            if (window && window->isVisible())
                window->close();
            else
                w_.mnu_Analisis_VENTANA->trigger();
            return;
        }
        if (what < 6) {
            QWidget* chart = window->ChartRN->viewport();
            QTest::mouseClick(chart, Qt::LeftButton, {},
                              {Uniform(0, chart->width() - 1), Uniform(0, chart->height() - 1)});
        } else {
            static const char* const texts[] = {"", "0.5", "0,7", "1", "0", "1.5", "abc", "0.35"};
            QLineEdit* field = window->TextEMV;
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, QString::fromUtf8(texts[Uniform(0, std::size(texts) - 1)]));
            QTest::keyClick(field, Qt::Key_Return);
        }
    }

    // The diagram as the screen shows it: a small PNG, an SVG or a PDF, or on the clipboard.
    void Export() {
        static const char* const names[] = {"d.png", "d.svg", "d.pdf"};
        const int what = Uniform(0, 3);
        if (what == 3)
            w_.mnu_Edicion_COPYDIAGRAM->trigger();
        else
            w_.ExportDiagram(scratchFolder + "/" + names[what], QSize(Uniform(50, 400), Uniform(50, 400)));
    }

    // Grabs the alpha curve at a random x and drags it up or down.
    void DragCurve() {
        const PlotBox box = PicturePlotBox(w_.Picture1->width(), w_.Picture1->height());
        const double alpha = ParseNumber(w_.Text1->text().toStdString());
        const double x = Real(0.03, 0.97);
        const double y = alpha * x / (1 - x * (1 - alpha));
        QPoint at = box.Map(x, std::isfinite(y) ? y : 0.5).toPoint();
        SendToDiagram(QEvent::MouseButtonPress, at, Qt::LeftButton);
        for (int step = Uniform(1, 8); step > 0; --step) {
            at += QPoint(Uniform(-3, 3), Uniform(-40, 40));
            SendToDiagram(QEvent::MouseMove, at, Qt::LeftButton);
        }
        SendToDiagram(QEvent::MouseButtonRelease, at, Qt::LeftButton);
    }

    void PointerOverDiagram() {
        for (int step = Uniform(1, 10); step > 0; --step)
            SendToDiagram(QEvent::MouseMove,
                          {Uniform(0, w_.Picture1->width()), Uniform(0, w_.Picture1->height())},
                          Qt::NoButton);
    }

    // A text for entry field n: most often a value in the field's working range, else one the validation
    // refuses.
    QString Value(int n) {
        static const char* const invalid[] = {"",    "abc",           "-1", "1e309", "0,5,3",  "1..2",
                                              "nan", "inf",           "  ", "0",     "1e-320", "2 3",
                                              "<1>", "9999999999999", "-0"};
        if (Uniform(0, 4) == 0) return QString::fromUtf8(invalid[Uniform(0, std::size(invalid) - 1)]);
        double v = 0;
        switch (n) {
        case 1:
            v = Real(1.01, 8);
            break; // alpha
        case 2:
            v = Real(-1, 2.5);
            break; // q
        case 3:
            v = Real(0.2, 0.7);
            break; // zF
        case 4:
            v = Real(0.75, 0.99);
            break; // xD
        case 5:
            v = Real(0.01, 0.18);
            break; // xB
        case 6:
            v = Real(0.5, 12);
            break; // R
        default:
            v = Real(0.2, 1);
            break; // E
        }
        QString text = QString::number(v, 'g', Uniform(2, 6));
        return text.replace('.', appState().DecimalSymbol);
    }

    void TypeValue() {
        static const int fields[] = {1, 2, 3, 4, 5, 6, 15};
        const int n = fields[Uniform(0, 6)];
        QLineEdit* field = w_.TextFields[n];
        if (!field->isVisible()) return;
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, Value(n));
        QTest::keyClick(field, Qt::Key_Return);
    }

    void Act() {
        const int kind = Uniform(0, 119);
        if (w_.LastOutcome.reached != Reached::Complete && Uniform(0, 9) < 3) {
            // A rejected case is left behind now and then: one of the saved cases again.
            w_.Abrir(Uniform(0, 1) ? casePath : alphaCasePath);
        } else if (kind < 30) {
            Drag(w_.Image2[Uniform(0, 6)], 40); // a slider cursor
        } else if (kind < 50) {
            Drag(w_.Label2[Uniform(0, 3)], 120); // a point marker
        } else if (kind < 60) {
            DragCurve();
        } else if (kind < 80) {
            TypeValue();
        } else if (kind < 88) {
            QRadioButton* option = Uniform(0, 1) ? w_.OptTAB : w_.OptVOL;
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        } else if (kind < 95) {
            PointerOverDiagram();
        } else if (kind < 97) {
            if (Uniform(0, 1))
                w_.mnu_IDIOMA_ESP_Click();
            else
                w_.mnu_IDIOMA_ENG_Click();
        } else if (kind < 98) {
            if (Uniform(0, 1))
                w_.mnu_Decimal_SEP_COM_Click();
            else
                w_.mnu_Decimal_SEP_DOT_Click();
        } else if (kind < 99) {
            QTest::mouseClick(w_.LabelB[0], Qt::LeftButton, {}, QPoint(20, 8)); // Calcular
        } else if (kind < 100) {
            QTest::mouseClick(w_.LabelB[1], Qt::LeftButton, {}, QPoint(20, 8)); // Borrar
            w_.Abrir(casePath);                                                 // and the case again
        } else if (kind < 106) {
            Zoom();
        } else if (kind < 112) {
            UndoOrRedo();
        } else if (kind < 114) {
            ToggleOverlay();
        } else if (kind < 119) {
            Analysis();
        } else {
            Export();
        }
        QCoreApplication::processEvents();
    }

    QString casePath, alphaCasePath; // the same case saved in the table and in the alpha model
    QString scratchFolder;           // where the exported pictures go

  private:
    FormMain& w_;
    std::mt19937 random_;
};

} // namespace

// The offscreen platform says so whenever a window would come to the front: noise here.
void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.contains("This plugin does not support")) return;
    std::fprintf(stderr, "%s%s\n", type == QtWarningMsg ? "warning: " : "", qPrintable(message));
}

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietHandler);
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toUtf8());
    QApplication app(argc, argv);
    int actions = 10000, sampleEvery = 500;
    unsigned seed = 12;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--actions") actions = std::stoi(argv[i + 1]);
        if (option == "--seed") seed = static_cast<unsigned>(std::stoul(argv[i + 1]));
        if (option == "--sample-every") sampleEvery = std::stoi(argv[i + 1]);
    }
    int messages = 0, viewers = 0;
    seams().messageBox = [&messages](QWidget*, const MessageRequest&) {
        ++messages;
        return MsgAnswer::Ok;
    };
    seams().startDetached = [&viewers](const QString&, const QStringList&) { return ++viewers, true; };

    FormMain* w = LoadMainWindow();
    w->resize(1100, 760);
    if (!QTest::qWaitForWindowExposed(w)) return 1;
    // A case in the table model, so that the model switches go both ways.
    Soak soak(*w, seed);
    soak.scratchFolder = scratch.path();
    soak.casePath = scratch.filePath("table.mct");
    QFile file(soak.casePath);
    file.open(QIODevice::WriteOnly);
    file.write(
        "<A=Benceno>\r\n<B=Tolueno>\r\n<ALPHA=2.5><Q=0.5><ZF=0.46><XB=0.17><XD=0.85><R=3><E=1>\r\n"
        "<VLE=TABLE>\r\n[[\r\n0.1\t0.21\r\n0.3\t0.51\r\n0.5\t0.71\r\n0.7\t0.85\r\n0.9\t0.96\r\n]]\r\n");
    file.close();
    soak.alphaCasePath = scratch.filePath("alpha.mct");
    w->Abrir(soak.casePath);
    w->OptVOL->setChecked(true);
    w->OptVOL_Click();
    w->Save(soak.alphaCasePath);

    std::printf("action 0 rss_kb %ld\n", ResidentKb());
    int solved = 0, rejected = 0, inTableModel = 0, zoomed = 0, analysisShown = 0;
    for (int n = 1; n <= actions; ++n) {
        soak.Act();
        (w->LastOutcome.reached == Reached::Complete ? solved : rejected) += 1;
        inTableModel += w->TableMode;
        zoomed += !w->Picture1->View().Whole();
        analysisShown += w->frmAnalisis && w->frmAnalisis->isVisible();
        if (n % sampleEvery == 0) {
            std::printf("action %d rss_kb %ld\n", n, ResidentKb());
            std::fflush(stdout);
        }
    }
    std::printf("after the actions: solved %d rejected %d table model %d zoomed %d analysis window %d "
                "undo steps %d messages %d viewers %d\n",
                solved, rejected, inTableModel, zoomed, analysisShown, w->History->Stack().count(), messages,
                viewers);
    std::fflush(stdout); // LeakSanitizer ends the process without flushing
    w->Modified = false;
    w->close();
    QCoreApplication::processEvents();
    installRealSeams();
    return 0;
}
