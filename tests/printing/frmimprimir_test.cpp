// The print dialog driven with real key and mouse events: copy count rules, printer list, collation
// pictures, picture buttons, Esc and the captions in both languages.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "appstate.h"
#include "frmimprimir.h"
#include "printerseam.h"
#include "seams.h"

using namespace zorvek;

namespace {

class PrintDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedSeams_ = seams();
        savedPrinters_ = printerSeam();
        appState().UiLanguage = "ENG";
        appState().PrintAccepted = true; // the dialog must reset it
        seams().messageBox = [this](QWidget*, const MessageRequest& r) {
            messages_.push_back(r);
            return MsgAnswer::Ok;
        };
        printerSeam().printerNames = [this] { return printers_; };
        printerSeam().currentPrinter = [this] { return current_; };
        printerSeam().setCurrentPrinter = [this](const QString& name) { current_ = name; };
    }
    void TearDown() override {
        seams() = savedSeams_;
        printerSeam() = savedPrinters_;
        appState().UiLanguage = "ENG";
    }
    // Replaces the copy count as a user would: select the field's text and type over it.
    static void TypeCopies(frmImprimir& dialog, const QString& digits) {
        dialog.Text1->setFocus();
        dialog.Text1->selectAll();
        QTest::keyClicks(dialog.Text1, digits);
    }
    static void Click(QWidget* widget) {
        QTest::mousePress(widget, Qt::LeftButton);
        QTest::mouseRelease(widget, Qt::LeftButton);
    }

    QStringList printers_{"Office laser", "Plotter", "Colour inkjet"};
    QString current_ = "Plotter";
    std::vector<MessageRequest> messages_;
    Seams savedSeams_;
    PrinterSeam savedPrinters_;
};

TEST_F(PrintDialogTest, LoadsWithOneCopyCollatedAndTheCurrentPrinter) {
    frmImprimir dialog;
    EXPECT_FALSE(appState().PrintAccepted);
    EXPECT_EQ(dialog.Text1->text(), " 1");
    EXPECT_EQ(dialog.VScroll1->value(), 1);
    EXPECT_TRUE(dialog.ChkCOLLATE->isChecked());
    EXPECT_FALSE(dialog.ChK_BN->isChecked());
    ASSERT_EQ(dialog.Combo1->count(), 3);
    EXPECT_EQ(dialog.Combo1->currentText(), "Plotter");
    EXPECT_EQ(dialog.Image1[0]->pos(), QPoint(160, 220));
    EXPECT_EQ(dialog.Image1[1]->pos(), QPoint(312, 220));
    EXPECT_EQ(dialog.Label3[1]->geometry(),
              QRect(312, 226, dialog.Image1[1]->width(), dialog.Label3[1]->height()));
}

TEST_F(PrintDialogTest, CopyCountAcceptedOnlyFrom1To1999) {
    struct Case {
        QString typed;
        bool accepted;
        int copies;
    };
    const Case cases[] = {{"0", false, 0}, {"2000", false, 0}, {"1999", true, 1999}, {"3", true, 3}};
    for (const Case& c : cases) {
        messages_.clear();
        appState().PrintCopies = 7;
        frmImprimir dialog;
        dialog.show();
        TypeCopies(dialog, c.typed);
        EXPECT_EQ(dialog.Text1->text(), c.typed);
        Click(dialog.Label3[0]);
        EXPECT_EQ(appState().PrintAccepted, c.accepted) << c.typed.toStdString();
        EXPECT_EQ(dialog.isVisible(), !c.accepted) << c.typed.toStdString();
        if (c.accepted) {
            EXPECT_TRUE(messages_.empty());
            EXPECT_EQ(appState().PrintCopies, c.copies);
        } else {
            ASSERT_EQ(messages_.size(), 1u) << c.typed.toStdString();
            EXPECT_EQ(messages_[0].title, "Error");
            EXPECT_EQ(messages_[0].icon, MsgIcon::Warning);
            EXPECT_EQ(messages_[0].text, "The number of copies isn't valid. Max. 1999 copies.");
            EXPECT_EQ(appState().PrintCopies, 7); // an invalid count is never kept
        }
    }
}

TEST_F(PrintDialogTest, CopyCountMessageInSpanish) {
    appState().UiLanguage = "ESP";
    frmImprimir dialog;
    dialog.show();
    TypeCopies(dialog, "0");
    dialog.Aceptar();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "El número de copias no es válido. Máximo 1999 copias.");
}

TEST_F(PrintDialogTest, ClearingTheFieldGivesOneAtOnce) {
    frmImprimir dialog;
    dialog.show();
    TypeCopies(dialog, "25");
    EXPECT_EQ(dialog.VScroll1->value(), 25);
    dialog.Text1->end(false);
    QTest::keyClick(dialog.Text1, Qt::Key_Backspace);
    EXPECT_EQ(dialog.Text1->text(), "2");
    QTest::keyClick(dialog.Text1, Qt::Key_Backspace);
    EXPECT_EQ(dialog.Text1->text(), "1");
    EXPECT_EQ(dialog.VScroll1->value(), 1);
}

TEST_F(PrintDialogTest, OnlyDigitsAreTyped) {
    frmImprimir dialog;
    dialog.show();
    TypeCopies(dialog, "1a2-.,3 ");
    EXPECT_EQ(dialog.Text1->text(), "123");
    EXPECT_EQ(dialog.VScroll1->value(), 123);
    QApplication::clipboard()->setText("4x");
    dialog.Text1->paste();
    EXPECT_EQ(dialog.Text1->text(), "123");
    QApplication::clipboard()->setText("4");
    dialog.Text1->paste();
    EXPECT_EQ(dialog.Text1->text(), "1234");
}

TEST_F(PrintDialogTest, ArrowKeysAndSpinStopAt1And1999) {
    struct Case {
        QString start;
        Qt::Key key;
        QString after;
    };
    const Case cases[] = {{"5", Qt::Key_Up, "6"},       {"5", Qt::Key_Down, "4"},
                          {"1", Qt::Key_Down, "1"},     {"1999", Qt::Key_Up, "1999"},
                          {"1998", Qt::Key_Up, "1999"}, {"2", Qt::Key_Down, "1"}};
    for (const Case& c : cases) {
        frmImprimir dialog;
        dialog.show();
        TypeCopies(dialog, c.start);
        QTest::keyClick(dialog.Text1, c.key);
        EXPECT_EQ(dialog.Text1->text(), c.after) << c.start.toStdString();
        EXPECT_EQ(dialog.VScroll1->value(), c.after.toInt());
    }
}

TEST_F(PrintDialogTest, SpinArrowsAddAtTheTopAndStopAt1And1999) {
    struct Case {
        QString start;
        bool upper;
        QString after;
    };
    const Case cases[] = {{"1", true, "2"}, {"2", false, "1"}, {"1", false, "1"}, {"1999", true, "1999"}};
    for (const Case& c : cases) {
        frmImprimir dialog;
        dialog.show();
        TypeCopies(dialog, c.start);
        const QPoint arrow(dialog.VScroll1->width() / 2, c.upper ? 2 : dialog.VScroll1->height() - 3);
        QTest::mouseClick(dialog.VScroll1, Qt::LeftButton, {}, arrow);
        EXPECT_EQ(dialog.Text1->text(), c.after) << c.start.toStdString() << (c.upper ? " up" : " down");
        EXPECT_EQ(dialog.VScroll1->value(), c.after.toInt());
    }
}

TEST_F(PrintDialogTest, LeavingTheFieldShowsTheSpinValue) {
    frmImprimir dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    TypeCopies(dialog, "12");
    TypeCopies(dialog, "3000"); // out of range: the spin keeps 300, the last valid count typed
    dialog.ChK_BN->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.Text1->text(), "300");
}

TEST_F(PrintDialogTest, EscCancelsFromAnyControl) {
    for (const char* name : {"Text1", "ChkCOLLATE", "ChK_BN", "Combo1"}) {
        frmImprimir dialog;
        dialog.show();
        auto* focus = dialog.findChild<QWidget*>(name);
        ASSERT_NE(focus, nullptr);
        focus->setFocus();
        appState().PrintAccepted = true;
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible()) << name;
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << name;
        EXPECT_FALSE(appState().PrintAccepted) << name;
    }
}

TEST_F(PrintDialogTest, CancelButtonAndCloseLeaveNothingAccepted) {
    frmImprimir dialog;
    dialog.show();
    Click(dialog.Image1[1]);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(appState().PrintAccepted);
    frmImprimir closed;
    closed.show();
    appState().PrintAccepted = true;
    closed.close(); // the title-bar button
    EXPECT_FALSE(closed.isVisible());
    EXPECT_FALSE(appState().PrintAccepted);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(PrintDialogTest, PictureButtonSinksWhilePressed) {
    frmImprimir dialog;
    dialog.show();
    QTest::mousePress(dialog.Image1[1], Qt::LeftButton);
    EXPECT_EQ(dialog.Image1[1]->pos(), QPoint(313, 221));
    EXPECT_EQ(dialog.Label3[1]->pos(), QPoint(313, 227));
    // Released outside: back in place and no click.
    QTest::mouseRelease(dialog.Image1[1], Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(dialog.Image1[1]->pos(), QPoint(312, 220));
    EXPECT_EQ(dialog.Label3[1]->pos(), QPoint(312, 226));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(PrintDialogTest, OptionsFollowTheBoxes) {
    frmImprimir dialog;
    dialog.show();
    QTest::mouseClick(dialog.ChkCOLLATE, Qt::LeftButton, {}, QPoint(8, dialog.ChkCOLLATE->height() / 2));
    EXPECT_TRUE(dialog.ImgCOLLATE[0]->isVisible());
    EXPECT_FALSE(dialog.ImgCOLLATE[1]->isVisible());
    QTest::mouseClick(dialog.ChK_BN, Qt::LeftButton, {}, QPoint(8, dialog.ChK_BN->height() / 2));
    TypeCopies(dialog, "4");
    Click(dialog.Label3[0]);
    EXPECT_TRUE(appState().PrintAccepted);
    EXPECT_FALSE(appState().PrintCollate);
    EXPECT_TRUE(appState().BlackAndWhite);
    EXPECT_EQ(appState().PrintCopies, 4);
    frmImprimir again; // the boxes start afresh, the options keep their values
    EXPECT_TRUE(again.ChkCOLLATE->isChecked());
    EXPECT_TRUE(again.ImgCOLLATE[1]->isVisibleTo(&again));
    EXPECT_FALSE(again.ImgCOLLATE[0]->isVisibleTo(&again));
    EXPECT_FALSE(again.ChK_BN->isChecked());
    EXPECT_EQ(appState().PrintCopies, 4);
    EXPECT_TRUE(appState().BlackAndWhite);
}

TEST_F(PrintDialogTest, PickingAPrinterMakesItCurrent) {
    frmImprimir dialog;
    dialog.show();
    dialog.Combo1->setCurrentIndex(2);
    emit dialog.Combo1->activated(2);
    EXPECT_EQ(current_, "Colour inkjet");
}

TEST_F(PrintDialogTest, NoPrinterHidesTheList) {
    printers_.clear();
    current_.clear();
    frmImprimir dialog;
    dialog.show();
    EXPECT_FALSE(dialog.Combo1->isVisible());
    EXPECT_EQ(dialog.Combo1->count(), 0);
}

TEST_F(PrintDialogTest, CaptionsInEachLanguage) {
    struct Case {
        QString language, title, printer, copies, collate, bw, print, cancel;
    };
    const Case cases[] = {
        {"ENG", "Print", "Printer:", "Number of copies:", "Collate", "Black && white", "Print", "Cancel"},
        {"ESP", "Imprimir", "Impresora:", "Número de copias:", "Intercalar", "Blanco y negro", "Imprimir",
         "Cancelar"}};
    for (const Case& c : cases) {
        appState().UiLanguage = c.language;
        frmImprimir dialog;
        EXPECT_EQ(dialog.windowTitle(), c.title);
        EXPECT_EQ(dialog.Label2->text(), c.printer);
        EXPECT_EQ(dialog.Label1->text(), c.copies);
        EXPECT_EQ(dialog.ChkCOLLATE->text(), c.collate);
        EXPECT_EQ(dialog.ChK_BN->text(), c.bw);
        EXPECT_EQ(dialog.Label3[0]->text(), c.print);
        EXPECT_EQ(dialog.Label3[1]->text(), c.cancel);
    }
}

} // namespace
