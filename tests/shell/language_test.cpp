// The language and decimal-separator switches of the main window.
#include "appstate.h"
#include "formmain.h"
#include "qttranslations.h"
#include "seams.h"
#include "shelltestsupport.h"
#include "startup.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zorvek;

namespace {

class SwitchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ClearSettings();
        appState() = AppState{};
        appState().UiLanguage = "ENG";
        window_ = LoadMainWindow();
    }
    void TearDown() override {
        if (window_) {
            window_->Modified = false;
            window_->close();
            EXPECT_TRUE(QTest::qWaitFor([&] { return window_.isNull(); }, 3000));
        }
        test::ClearSettings();
        appState() = AppState{};
        UseQtTranslations("ENG");
    }
    test::RecordingSeams seams_;
    QPointer<FormMain> window_;
};

} // namespace

TEST_F(SwitchTest, SwitchingNeverChangesTheModifiedFlag) {
    const struct {
        const char* name;
        void (FormMain::*click)();
    } switches[] = {{"ESP", &FormMain::mnu_IDIOMA_ESP_Click},
                    {"ENG", &FormMain::mnu_IDIOMA_ENG_Click},
                    {"comma", &FormMain::mnu_Decimal_SEP_COM_Click},
                    {"point", &FormMain::mnu_Decimal_SEP_DOT_Click}};
    for (const auto& s : switches) {
        for (bool modified : {false, true}) {
            window_->Modified = modified;
            (window_.data()->*s.click)();
            EXPECT_EQ(window_->Modified, modified) << s.name;
        }
    }
}

TEST_F(SwitchTest, CaptionsAndTooltipsFollowTheLanguage) {
    window_->mnu_IDIOMA_ESP->trigger();
    EXPECT_TRUE(window_->mnu_IDIOMA_ESP->isChecked());
    EXPECT_FALSE(window_->mnu_IDIOMA_ENG->isChecked());
    EXPECT_EQ(window_->Label2[1]->toolTip(),
              QString::fromUtf8("Punto q: Intersección de la línea q con las rectas operativas"));
    EXPECT_EQ(window_->mnu_Archivo_Salir->text(), "&Salir");
    EXPECT_EQ(window_->mnu_Archivo_PDF->text(), "Exportar PDF...");
    EXPECT_EQ(window_->OptTAB->text(), "Tabla");
    EXPECT_EQ(window_->Label1[24]->text(), "NPT =");
    EXPECT_EQ(window_->mnu_IDIOMA->title(), QString::fromUtf8("Interface &Language / Idioma de la Interfaz"));

    window_->mnu_IDIOMA_ENG->trigger();
    EXPECT_EQ(window_->Label2[1]->toolTip(), "Point q: Intersection of q-line and the operating lines");
    EXPECT_EQ(window_->mnu_Archivo_Salir->text(), "&Exit");
    EXPECT_EQ(window_->Label1[13]->text(), "Number of theoretical plates (with reboiler)");
    EXPECT_TRUE(window_->mnu_Ayuda_WEB->text().startsWith("Home &page: "));
    EXPECT_TRUE(window_->mnu_Ayuda_WEB->text().endsWith("..."));
}

TEST_F(SwitchTest, ComponentNamesAreTranslated) {
    window_->Text16->setText("Agua");
    window_->Text17->setText("Etanol");
    window_->mnu_IDIOMA_ENG_Click();
    EXPECT_EQ(window_->Text16->text(), "water");
    EXPECT_EQ(window_->Text17->text(), "ethanol");
    EXPECT_TRUE(window_->AxisTitleX.contains("water"));
    window_->mnu_IDIOMA_ESP_Click();
    EXPECT_EQ(window_->Text16->text(), "agua");
    EXPECT_EQ(window_->Text17->text(), "etanol");

    window_->Text16->setText("benceno ");
    window_->Text17->setText("Tolueno.x");
    window_->mnu_IDIOMA_ENG_Click();
    EXPECT_EQ(window_->Text16->text(), "benceno ");
    EXPECT_EQ(window_->Text17->text(), "Tolueno.x");
}

TEST_F(SwitchTest, SeparatorConvertsEveryFieldAndRecomputes) {
    window_->Text17->setText("comp.B");
    window_->mnu_Decimal_SEP_COM->trigger();
    EXPECT_TRUE(window_->mnu_Decimal_SEP_COM->isChecked());
    EXPECT_FALSE(window_->mnu_Decimal_SEP_DOT->isChecked());
    EXPECT_EQ(appState().DecimalSymbol, ",");
    EXPECT_EQ(window_->Text2->text(), "0,5");
    EXPECT_EQ(window_->Text3->text(), "0,46");
    for (int n = 1; n <= 15; ++n) EXPECT_FALSE(window_->TextFields[n]->text().contains('.')) << "Text" << n;
    EXPECT_FALSE(window_->Text11->text().isEmpty()); // recomputed with the comma
    EXPECT_EQ(window_->Text17->text(), "comp.B");
    EXPECT_FALSE(appState().UpdatingFields);

    window_->mnu_Decimal_SEP_DOT->trigger();
    EXPECT_EQ(window_->Text2->text(), "0.5");
    EXPECT_EQ(window_->Text3->text(), "0.46");
    EXPECT_FALSE(window_->Text11->text().contains(','));
}

TEST_F(SwitchTest, SeparatorDuringBulkUpdateDoesNotRecompute) {
    window_->Text7->clear();
    appState().UpdatingFields = true;
    window_->mnu_Decimal_SEP_COM_Click();
    EXPECT_FALSE(appState().UpdatingFields);
    EXPECT_EQ(window_->Text2->text(), "0,5");
    EXPECT_TRUE(window_->Text7->text().isEmpty());
    window_->mnu_Decimal_SEP_COM_Click(); // the symbol in use: nothing converted, still recomputed
    EXPECT_EQ(window_->Text2->text(), "0,5");
    EXPECT_FALSE(window_->Text7->text().isEmpty());
}

TEST_F(SwitchTest, AboutWindowIsModalAndClosesOnAKey) {
    bool sawAbout = false;
    QTimer::singleShot(50, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        sawAbout = modal && modal->objectName() == "FormSplash";
        if (modal) QTest::keyClick(modal, Qt::Key_A);
    });
    window_->mnu_Ayuda_Acerca->trigger();
    EXPECT_TRUE(sawAbout);
    EXPECT_EQ(MainWindow(), window_.data());
}

TEST_F(SwitchTest, TextsSetByOtherPartsFollowTheLanguage) {
    window_->Text3->setText("0.95"); // above xD: the case is rejected with a message
    window_->Calcular();
    const QString englishError = window_->LblERROR->text();
    const QString englishAxis = window_->AxisTitleX;
    ASSERT_FALSE(englishError.isEmpty());
    window_->mnu_IDIOMA_ESP_Click();
    EXPECT_FALSE(window_->LblERROR->text().isEmpty());
    EXPECT_NE(window_->LblERROR->text(), englishError);
    EXPECT_NE(window_->AxisTitleX, englishAxis);
    EXPECT_EQ(window_->Label1[15]->text(), QString::fromUtf8("Mezcla líquido-vapor"));
    window_->mnu_IDIOMA_ENG_Click();
    EXPECT_EQ(window_->LblERROR->text(), englishError);
    EXPECT_EQ(window_->AxisTitleX, englishAxis);
    EXPECT_EQ(window_->Label1[15]->text(), "Vapor-liquid mixture");
}

// With the interface in Spanish, Qt's own texts are Spanish too: the buttons of the save prompt as the
// real message box shows them, the file dialogs; they turn English again with the language menu.
TEST_F(SwitchTest, QtsOwnTextsFollowTheLanguage) {
    // The save prompt of Open, as the window asks for it through the seam, then as the real box shows it.
    const auto promptButtons = [this] {
        seams_.messages.clear();
        window_->Modified = true;
        window_->mnu_Archivo_OPEN_Click(); // answered OK: abandoned
        window_->Modified = false;
        if (seams_.messages.size() != 1) return QStringList();
        EXPECT_EQ(seams_.messages[0].buttons, MsgButtons::YesNoCancel);
        QMessageBox box;
        ConfigureMessageBox(box, seams_.messages[0]);
        box.show();
        return QStringList{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                           box.button(QMessageBox::Cancel)->text()};
    };
    const auto dialogTexts = [] {
        QFileDialog dialog;
        FileDialogRequest request;
        request.filter = "x|*";
        ConfigureFileDialog(dialog, request);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        QStringList t;
        for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            t << dialog.findChild<QLabel*>(name)->text();
        t << dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open)->text();
        return t;
    };
    window_->mnu_IDIOMA_ESP_Click();
    EXPECT_EQ(promptButtons(), QStringList({QString::fromUtf8("&Sí"), "&No", "Cancelar"}));
    EXPECT_EQ(dialogTexts(), QStringList({"Ver en:", "&Nombre de fichero:", "Ficheros de tipo:", "&Abrir"}));
    // A text box's own menu too.
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), "&Pegar");
    window_->mnu_IDIOMA_ENG_Click();
    EXPECT_EQ(promptButtons(), QStringList({"&Yes", "&No", "Cancel"}));
    EXPECT_EQ(dialogTexts(), QStringList({"Look in:", "File &name:", "Files of type:", "&Open"}));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), "&Paste");
}
