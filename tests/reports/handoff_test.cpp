// "Ver informe" on a real FormMain (offscreen): the files in the temporary folder, the viewer started
// through the process seam, the bounded conversion with its messages.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "appstate.h"
#include "files.h"
#include "formmain.h"
#include "reportfiles.h"
#include "seams.h"

namespace zorvek {
namespace {

class ReportHandoff : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = seams();
        appState().UiLanguage = "ENG";
        appState().DecimalSymbol = ".";
        seams().startDetached = [this](const QString& program, const QStringList& args) {
            started_.push_back({program, args});
            return startResult_;
        };
        seams().messageBox = [this](QWidget*, const MessageRequest& r) {
            messages_.push_back(r.title + "|" + r.text);
            return MsgAnswer::Ok;
        };
        QDir(TempFolder()).removeRecursively(); // the first report must create it
        form_ = std::make_unique<FormMain>();
        form_->resize(1000, 700);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        form_->Calcular();
    }
    void TearDown() override {
        form_->Modified = false;
        form_.reset();
        seams() = saved_;
        QDir(TempFolder()).removeRecursively();
    }
    void ClickViewReport() { QTest::mouseClick(form_->LabelB[2], Qt::LeftButton); }
    static QString Read(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }
    QStringList Files(const QString& pattern) const {
        return QDir(TempFolder()).entryList({pattern}, QDir::Files);
    }

    Seams saved_;
    std::vector<std::pair<QString, QStringList>> started_;
    bool startResult_ = true;
    QStringList messages_;
    std::unique_ptr<FormMain> form_;
};

TEST_F(ReportHandoff, WritesPictureAndDocumentAndStartsTheViewer) {
    form_->Modified = false;
    const QString folder = ApplicationFolder() + "/temp"; // the build folder is writable
    ASSERT_FALSE(QDir(folder).exists());
    ClickViewReport();
    EXPECT_EQ(TempFolder(), folder); // created by the report
    EXPECT_FALSE(form_->Modified);   // viewing a report changes nothing of the case
    ASSERT_EQ(started_.size(), 1u);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
    EXPECT_EQ(started_[0].first, ApplicationFolder() + "/markview");
    // The document, then its language, which the viewer shows its tabs and menus in.
    ASSERT_EQ(started_[0].second.size(), 3);
    EXPECT_EQ(started_[0].second.mid(1), QStringList({"--lang", "ENG"}));
    const QString document = started_[0].second[0];
    EXPECT_EQ(FolderOf(document), TempFolder());
    EXPECT_TRUE(QFileInfo(document).fileName().contains(QRegularExpression("^restemp1\\d{5}\\.rex$")));
    const QString text = Read(document);
    EXPECT_TRUE(text.startsWith("#DEC(.#DEC)\r\n\r\n#ENU(&+BNumber of Theoretical Plates"))
        << text.left(80).toStdString();
    EXPECT_TRUE(text.endsWith("(with reboiler)&LF#RS2)"));
    EXPECT_TRUE(text.contains("&+IR&-I_m_i_n = 1&.7882&LF"));
    // The picture the document names is a JPEG beside it; the bitmap is gone.
    const QRegularExpressionMatch m =
        QRegularExpression("#IMG\\('(mcth_temp1\\d{5}\\.jpg)'DXmm=130:DYmm=130:#IMG\\)").match(text);
    ASSERT_TRUE(m.hasMatch());
    QFile jpg(TempFolder() + "/" + m.captured(1));
    ASSERT_TRUE(jpg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(jpg.read(2) == QByteArray("\xFF\xD8"));
    EXPECT_TRUE(Files("*.bmp").isEmpty());
    const QImage picture(jpg.fileName());
    EXPECT_EQ(picture.size(), QSize(700, 700));

    ClickViewReport(); // a second report: two documents, two pictures, nothing replaced
    ASSERT_EQ(started_.size(), 2u);
    EXPECT_NE(started_[1].second[0], document);
    EXPECT_EQ(Files("*.rex").size(), 2);
    EXPECT_EQ(Files("*.jpg").size(), 2);
}

TEST_F(ReportHandoff, SpanishWithDecimalComma) {
    appState().UiLanguage = "ESP";
    appState().DecimalSymbol = ",";
    form_->Text3->setText("0,46");
    form_->Calcular();
    ClickViewReport();
    ASSERT_EQ(started_.size(), 1u);
    const QString text = Read(started_[0].second[0]);
    EXPECT_EQ(started_[0].second.mid(1), QStringList({"--lang", "ESP"}));
    EXPECT_TRUE(text.startsWith("#DEC(,#DEC)\r\n\r\n#ENU(&+BNúmero de platos teóricos"))
        << text.left(80).toStdString();
    EXPECT_TRUE(text.contains("&+Iz&-I_F = 0&.46&LF"));
}

TEST_F(ReportHandoff, NothingWhileTheErrorLineShows) {
    form_->Text4->setText("2"); // xD above 1
    form_->Calcular();
    ASSERT_FALSE(form_->LblERROR->text().isEmpty());
    ClickViewReport();
    form_->CrearINFORME_HTFC();
    EXPECT_TRUE(started_.empty());
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_TRUE(Files("*.rex").isEmpty());
}

TEST_F(ReportHandoff, AViewerThatCannotStartIsReported) {
    startResult_ = false;
    ClickViewReport();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0],
              "Error|The report viewer could not be started:\r\n" + ApplicationFolder() + "/markview");
}

TEST(BmpToJpeg, ConversionAndItsThreeMessages) {
    QTemporaryDir dir;
    const QString jpg = dir.filePath("out.jpg");
    EXPECT_EQ(BmpToJpeg(dir.filePath("none.bmp"), jpg, 95), JpegFault::CannotFind);
    QFile junk(dir.filePath("junk.bmp"));
    junk.open(QIODevice::WriteOnly);
    junk.write("not a bitmap at all");
    junk.close();
    EXPECT_EQ(BmpToJpeg(junk.fileName(), jpg, 95), JpegFault::CannotFind);
    // A bitmap file whose header names an impossible depth (7 bits per pixel) cannot be loaded.
    QImage colour(64, 64, QImage::Format_RGB32);
    colour.fill(Qt::blue);
    ASSERT_TRUE(colour.save(dir.filePath("bad.bmp"), "BMP"));
    QFile bad(dir.filePath("bad.bmp"));
    bad.open(QIODevice::ReadWrite);
    bad.seek(28);
    bad.write(QByteArray("\x07\x00", 2));
    bad.close();
    EXPECT_EQ(BmpToJpeg(bad.fileName(), jpg, 95), JpegFault::CannotLoad);
    EXPECT_FALSE(QFile::exists(jpg));
    EXPECT_EQ(JpegFaultText(JpegFault::CannotFind), "Cannot find file");
    EXPECT_EQ(JpegFaultText(JpegFault::NoMemory), "Not enough memory");
    EXPECT_EQ(JpegFaultText(JpegFault::CannotLoad), "Cannot load file");

    // 1-bit and 24-bit bitmaps both become colour-true JPEGs.
    QImage mono(40, 40, QImage::Format_Mono);
    mono.fill(1);
    for (int i = 0; i < 40; ++i) mono.setPixel(i, i, 0);
    const std::pair<QImage, QColor> cases[] = {{mono, QColor()}, {colour, QColor(Qt::blue)}};
    int k = 0;
    for (const auto& [image, expected] : cases) {
        const QString bmp = dir.filePath(QString("in%1.bmp").arg(k));
        const QString out = dir.filePath(QString("in%1.jpg").arg(k++));
        ASSERT_TRUE(image.save(bmp, "BMP"));
        EXPECT_EQ(BmpToJpeg(bmp, out, 95), JpegFault::None);
        const QImage back(out);
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.size(), image.size());
        if (expected.isValid()) {
            EXPECT_LT(std::abs(QColor(back.pixel(20, 20)).blue() - 255), 8);
        } else {
            EXPECT_LT(qGray(back.pixel(20, 20)), 60); // the dark diagonal survives
            EXPECT_GT(qGray(back.pixel(30, 5)), 200);
        }
    }
}

} // namespace
} // namespace zorvek
