// The main window's print command and PDF export, with the dialog answered by real clicks, a
// recording printer and real PDF files.
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "appstate.h"
#include "formmain.h"
#include "frmimprimir.h"
#include "printerseam.h"
#include "printtexts.h"
#include "recordingdevice.h"
#include "seams.h"

using namespace zorvek;
using zorvek::test::RecordedPage;
using zorvek::test::RecordingDevice;

namespace {

// Lends the test's recording device to one print job.
class LentDevice : public PageDevice {
  public:
    explicit LentDevice(RecordingDevice& device) : device_(device) {}
    QPaintDevice* paintDevice() override { return device_.paintDevice(); }
    QSizeF printableSizeMm() const override { return device_.printableSizeMm(); }
    bool newPage() override { return device_.newPage(); }

  private:
    RecordingDevice& device_;
};

class PrintCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedSeams_ = seams();
        savedPrinters_ = printerSeam();
        appState().UiLanguage = "ENG";
        appState().DecimalSymbol = ".";
        appState().BlackAndWhite = false;
        seams().messageBox = [this](QWidget*, const MessageRequest& r) {
            messages_.push_back(r.text);
            return MsgAnswer::Ok;
        };
        seams().fileDialog = [this](QWidget*, const FileDialogRequest& r) {
            fileRequests_.push_back(r);
            return chosenPath_;
        };
        printerSeam().printerNames = [this] { return printers_; };
        printerSeam().currentPrinter = [] { return QString("Office laser"); };
        printerSeam().setCurrentPrinter = [](const QString&) {};
        printerSeam().openPrinter = [this]() -> std::unique_ptr<PageDevice> {
            ++opened_;
            return std::make_unique<LentDevice>(*device_);
        };
        form_ = std::make_unique<FormMain>();
        form_->show();
        form_->Calcular();
    }
    void TearDown() override {
        form_.reset();
        seams() = savedSeams_;
        printerSeam() = savedPrinters_;
        appState().BlackAndWhite = false;
    }
    // Answers the print dialog once it opens: copies, collate, black and white, then Print or Esc.
    void AnswerDialog(const QString& copies, bool collate, bool blackAndWhite, bool print) {
        dialogSeen_ = false;
        // Held by the fixture: a function that owned itself would never be freed.
        answer_ = [=, this] {
            auto* dialog = qobject_cast<frmImprimir*>(QApplication::activeModalWidget());
            if (!dialog) {
                QTimer::singleShot(10, answer_);
                return;
            }
            dialogSeen_ = true;
            dialog->Text1->setFocus();
            dialog->Text1->selectAll();
            QTest::keyClicks(dialog->Text1, copies);
            if (dialog->ChkCOLLATE->isChecked() != collate) dialog->ChkCOLLATE->click();
            if (dialog->ChK_BN->isChecked() != blackAndWhite) dialog->ChK_BN->click();
            if (print) {
                QTest::mousePress(dialog->Label3[0], Qt::LeftButton);
                QTest::mouseRelease(dialog->Label3[0], Qt::LeftButton);
            } else {
                QTest::keyClick(dialog->Text1, Qt::Key_Escape);
            }
        };
        QTimer::singleShot(0, answer_);
    }
    std::vector<int> PageKinds() const {
        const QString title = Pick(printtext::PageTitle, "ENG");
        const QString heading = Pick(printtext::StagesHeading, "ENG");
        std::vector<int> kinds;
        for (const RecordedPage& page : device_->pages)
            kinds.push_back(page.Has(title) ? 1 : page.Has(heading) ? 2 : 0);
        return kinds;
    }

    std::unique_ptr<FormMain> form_;
    std::unique_ptr<RecordingDevice> device_ = std::make_unique<RecordingDevice>(200, 287);
    QStringList printers_{"Office laser"};
    int opened_ = 0;
    bool dialogSeen_ = false;
    std::function<void()> answer_;
    QString chosenPath_;
    std::vector<QString> messages_;
    std::vector<FileDialogRequest> fileRequests_;
    Seams savedSeams_;
    PrinterSeam savedPrinters_;
};

TEST_F(PrintCommandTest, ThreeCopiesWithAndWithoutCollation) {
    struct Case {
        bool collate;
        std::vector<int> kinds;
    };
    for (const Case& c : {Case{true, {1, 2, 1, 2, 1, 2}}, Case{false, {1, 1, 1, 2, 2, 2}}}) {
        device_->pages.clear();
        AnswerDialog("3", c.collate, false, true);
        form_->mnu_Archivo_PRINT_Click();
        EXPECT_TRUE(dialogSeen_);
        EXPECT_EQ(PageKinds(), c.kinds);
        EXPECT_TRUE(messages_.empty());
    }
    // Page 1 holds the window's summary; page 2 its stage table and the diagram drawn on the page.
    ASSERT_FALSE(device_->pages.empty());
    EXPECT_TRUE(device_->pages.front().Has("Distillation of a binary feed"));
    EXPECT_TRUE(device_->pages.front().Has("Distillate:  Xd = 0.85"));
    const RecordedPage& two = device_->pages.back();
    EXPECT_TRUE(two.Has("0.8500  0.8500    "));
    EXPECT_TRUE(two.Has("Enriching operating line"));
    EXPECT_GT(two.lines.size(), 100u);
}

TEST_F(PrintCommandTest, BlackAndWhiteDrawsTheDiagramInBlack) {
    for (bool blackAndWhite : {false, true}) {
        device_->pages.clear();
        AnswerDialog("1", true, blackAndWhite, true);
        form_->mnu_Archivo_PRINT_Click();
        ASSERT_EQ(device_->pages.size(), 2u);
        int coloured = 0;
        for (const auto& line : device_->pages[1].lines)
            if (line.colour != QColor(Qt::black)) ++coloured;
        for (const QColor& disc : device_->pages[1].discs)
            if (disc != QColor(Qt::black)) ++coloured;
        if (blackAndWhite)
            EXPECT_EQ(coloured, 0);
        else
            EXPECT_GT(coloured, 10);
    }
}

TEST_F(PrintCommandTest, PaperTooSmallGetsTheMessageAndPrintsNothing) {
    for (const char* language : {"ENG", "ESP"}) {
        appState().UiLanguage = language;
        messages_.clear();
        device_ = std::make_unique<RecordingDevice>(185, 270);
        AnswerDialog("1", true, false, true);
        form_->mnu_Archivo_PRINT_Click();
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0], Pick(printtext::PaperTooSmall, language));
        EXPECT_EQ(device_->begins, 0);
    }
    EXPECT_EQ(Pick(printtext::PaperTooSmall, "ENG"), "ERROR: Paper size too small.");
}

TEST_F(PrintCommandTest, NothingWithoutPrinterOrWithAnErrorOrWhenCancelled) {
    printers_.clear();
    form_->mnu_Archivo_PRINT_Click(); // would block on the dialog if it opened
    printers_ = {"Office laser"};
    form_->Text4->setText("2");
    form_->Calcular();
    ASSERT_FALSE(form_->LblERROR->text().isEmpty());
    form_->mnu_Archivo_PRINT_Click();
    form_->Text4->setText("0.85");
    form_->Calcular();
    AnswerDialog("5", true, false, false);
    form_->mnu_Archivo_PRINT_Click();
    EXPECT_TRUE(dialogSeen_);
    EXPECT_EQ(opened_, 0);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(PrintCommandTest, PdfExportWritesTheTwoPagesInColour) {
    QTemporaryDir dir;
    chosenPath_ = dir.filePath("column");
    appState().BlackAndWhite = true;
    form_->mnu_Archivo_PDF_Click();
    ASSERT_EQ(fileRequests_.size(), 1u);
    EXPECT_TRUE(fileRequests_[0].save);
    EXPECT_EQ(fileRequests_[0].title, "Export PDF");
    EXPECT_TRUE(fileRequests_[0].filter.endsWith("|*.pdf"));
    EXPECT_TRUE(messages_.empty());
    ASSERT_TRUE(QFileInfo::exists(chosenPath_ + ".pdf"));
    EXPECT_TRUE(appState().BlackAndWhite) << "the printer's choice is kept";
    QProcess text;
    text.start("pdftotext", {"-layout", chosenPath_ + ".pdf", "-"});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString pages = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    EXPECT_TRUE(pages.contains("Number of Theoretical Plates by McCabe-Thiele method"));
    EXPECT_TRUE(pages.contains("Theoretical stages. From top to bottom: x y 0.8500 0.8500"));
}

TEST_F(PrintCommandTest, PdfExportRefusesARejectedCaseWithTheErrorLine) {
    form_->Text5->setText("0.5");
    form_->Calcular();
    const QString error = form_->LblERROR->text();
    ASSERT_FALSE(error.isEmpty());
    form_->mnu_Archivo_PDF_Click();
    EXPECT_TRUE(fileRequests_.empty());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], error);
}

TEST_F(PrintCommandTest, PdfExportReportsAFileThatCannotBeWritten) {
    chosenPath_ = "/nonexistent-folder/case.pdf";
    form_->mnu_Archivo_PDF_Click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(
        messages_[0].startsWith("Could not write the PDF file\r\n/nonexistent-folder/case.pdf\r\nError : "))
        << messages_[0].toStdString();
}

} // namespace
