// FormComponents on the real widgets (offscreen platform), driven with QTest keys and clicks: typing in
// the pickers, the pressure and its unit, the model, the preview's texts, Use and Cancel, and a library
// that cannot be read.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "appstate.h"
#include "formcomponents.h"
#include "seams.h"
#include "thermosource.h"

namespace zorvek {

namespace {

class FormComponentsTest : public ::testing::Test {
  protected:
    std::unique_ptr<FormComponents> dialog;
    std::vector<MessageRequest> messages;

    static std::shared_ptr<const thermo::ThermoData> Data() {
        static const thermo::DataReadResult read = thermo::ReadThermoDataFile(ZORVEK_THERMO_DATA_FILE);
        return read.data;
    }
    void SetUp() override {
        appState().UiLanguage = "ENG";
        appState().DecimalSymbol = ".";
        seams().messageBox = [this](QWidget*, const MessageRequest& r) {
            messages.push_back(r);
            return MsgAnswer::Ok;
        };
        Open();
    }
    void TearDown() override {
        dialog.reset();
        installRealSeams();
        appState() = AppState{};
    }
    void Open() {
        dialog.reset();
        dialog = std::make_unique<FormComponents>(Data());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    QString PickedName(QListWidget* list) const {
        return list->currentItem() ? list->currentItem()->text().section(QString::fromUtf8("  —  "), 0, 0)
                                   : QString();
    }
};

} // namespace

TEST_F(FormComponentsTest, TypingPicksAndThePreviewFollows) {
    EXPECT_FALSE(dialog->ButtonUse->isEnabled());
    EXPECT_EQ(dialog->LabelInfo->text(), "Choose both components.");
    Type(dialog->FilterA, "ethanol");
    EXPECT_EQ(PickedName(dialog->ListA), "Ethanol");
    EXPECT_FALSE(dialog->ButtonUse->isEnabled());
    Type(dialog->FilterB, "7732-18-5");
    EXPECT_EQ(dialog->ListB->count(), 1);
    EXPECT_EQ(PickedName(dialog->ListB), "Water");
    ASSERT_TRUE(dialog->ButtonUse->isEnabled());
    EXPECT_EQ(dialog->LabelModelUsed->text(), "In use: NRTL (DECHEMA)");
    const QString info = dialog->LabelInfo->text();
    EXPECT_TRUE(info.contains("<b>Ethanol</b> boils at 78.66")) << info.toStdString();
    EXPECT_TRUE(info.contains("Minimum-boiling azeotrope: x = 0.86")) << info.toStdString();
    EXPECT_FALSE(info.contains("swapped"));
    // The previews were drawn: something other than white in both pictures.
    for (QLabel* picture : {dialog->PictureXY, dialog->PictureTXY}) {
        const QImage image = picture->pixmap().toImage();
        ASSERT_FALSE(image.isNull());
        EXPECT_NE(image.pixelColor(image.width() / 2, image.height() / 2 + 40), QColor(Qt::white).rgb());
    }
    // A filter that matches nothing leaves the pair incomplete.
    Type(dialog->FilterB, "unobtainium");
    EXPECT_EQ(dialog->ListB->count(), 0);
    EXPECT_FALSE(dialog->ButtonUse->isEnabled());
}

TEST_F(FormComponentsTest, UseHandsBackTheTableWithTheLighterComponentFirst) {
    appState().UiLanguage = "ESP";
    appState().DecimalSymbol = ",";
    Open();
    Type(dialog->FilterA, "agua");
    Type(dialog->FilterB, "etanol");
    ASSERT_TRUE(dialog->ButtonUse->isEnabled());
    EXPECT_TRUE(dialog->LabelInfo->text().contains(
        QString::fromUtf8("Componentes intercambiados: A es Etanol, el de menor temperatura de ebullición")));
    EXPECT_TRUE(
        dialog->LabelInfo->text().contains(QString::fromUtf8("Azeótropo de temperatura mínima: x = 0,86")));
    QTest::mouseClick(dialog->ButtonUse, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const FormComponents::Choice& c = dialog->Chosen();
    EXPECT_EQ(c.nameA, "Etanol");
    EXPECT_EQ(c.nameB, "Agua");
    ASSERT_EQ(c.points.size(), 41u);
    EXPECT_EQ(c.points.front().x, 0);
    EXPECT_EQ(c.points.back().y, 1);
    EXPECT_EQ(c.points.size(), dialog->Result().table.size());
}

TEST_F(FormComponentsTest, PressureUnitKeepsThePressureAndBadPressuresAreRefused) {
    dialog->PickByNames("benzene", "toluene");
    ASSERT_TRUE(dialog->ButtonUse->isEnabled());
    const double tbAtOneAtm = dialog->Result().tbA;
    EXPECT_EQ(dialog->ComboUnit->currentText(), "atm");
    dialog->ComboUnit->setCurrentIndex(dialog->ComboUnit->findText("kPa"));
    EXPECT_EQ(dialog->TextPressure->text(), "101.325");
    EXPECT_DOUBLE_EQ(dialog->Result().tbA, tbAtOneAtm);
    dialog->ComboUnit->setCurrentIndex(dialog->ComboUnit->findText("mmHg"));
    EXPECT_EQ(dialog->TextPressure->text(), "760");
    Type(dialog->TextPressure, "300");
    EXPECT_LT(dialog->Result().tbA, tbAtOneAtm); // 300 mmHg boils lower
    Type(dialog->TextPressure, "abc");
    EXPECT_FALSE(dialog->ButtonUse->isEnabled());
    EXPECT_TRUE(dialog->LabelInfo->text().contains("ERROR: Invalid pressure"));
    dialog->ComboUnit->setCurrentIndex(dialog->ComboUnit->findText("bar"));
    Type(dialog->TextPressure, "500");
    EXPECT_FALSE(dialog->ButtonUse->isEnabled());
    EXPECT_TRUE(dialog->LabelInfo->text().contains("ERROR: Pressure outside the data range of Benzene"));
}

TEST_F(FormComponentsTest, ModelChoiceShowsTheModelInUseOrWhyItCannot) {
    dialog->PickByNames("nitrogen", "oxygen");
    EXPECT_EQ(dialog->LabelModelUsed->text(), "In use: ideal (Raoult's law)");
    EXPECT_TRUE(dialog->ButtonUse->isEnabled());
    dialog->ComboModel->setCurrentIndex(2); // NRTL
    EXPECT_FALSE(dialog->ButtonUse->isEnabled());
    EXPECT_TRUE(dialog->LabelInfo->text().contains("ERROR: No NRTL parameters for this pair"));
    dialog->PickByNames("n-hexane", "ethanol");
    EXPECT_TRUE(
        dialog->LabelInfo->text().contains("ERROR: The NRTL (DECHEMA) model predicts two liquid phases"));
    dialog->ComboModel->setCurrentIndex(0); // automatic: UNIFAC, and it says why
    EXPECT_EQ(dialog->LabelModelUsed->text(), "In use: original UNIFAC");
    EXPECT_TRUE(dialog->LabelInfo->text().contains("NRTL predicts two liquid phases; UNIFAC is used"));
    EXPECT_TRUE(dialog->ButtonUse->isEnabled());
}

TEST_F(FormComponentsTest, CaptionsInEitherLanguage) {
    struct Case {
        const char* language;
        const char* title;
        const char* use;
        const char* automatic;
    };
    const Case cases[] = {{"ESP", "Equilibrio a partir de los componentes", "Usar", "Automático"},
                          {"ENG", "Equilibrium from components", "Use", "Automatic"},
                          {"FRA", "", "", ""}};
    for (const Case& c : cases) {
        appState().UiLanguage = c.language;
        Open();
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(dialog->ButtonUse->text(), QString::fromUtf8(c.use));
        EXPECT_EQ(dialog->ComboModel->itemText(0), QString::fromUtf8(c.automatic));
    }
}

TEST_F(FormComponentsTest, ArrowsInAFilterMoveThroughItsList) {
    Type(dialog->FilterA, "methyl");
    ASSERT_GT(dialog->ListA->count(), 3);
    EXPECT_EQ(dialog->ListA->currentRow(), 0);
    QTest::keyClick(dialog->FilterA, Qt::Key_Down);
    QTest::keyClick(dialog->FilterA, Qt::Key_Down);
    EXPECT_EQ(dialog->ListA->currentRow(), 2);
    QTest::keyClick(dialog->FilterA, Qt::Key_Up);
    EXPECT_EQ(dialog->ListA->currentRow(), 1);
    EXPECT_TRUE(dialog->FilterA->hasFocus());
    EXPECT_EQ(dialog->FilterA->text(), "methyl");
}

TEST_F(FormComponentsTest, CancelHandsBackNothing) {
    dialog->PickByNames("methanol", "water");
    ASSERT_TRUE(dialog->ButtonUse->isEnabled());
    QTest::mouseClick(dialog->ButtonCancel, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(dialog->Chosen().points.empty());
}

TEST_F(FormComponentsTest, UnreadableLibraryIsAMessageAndNoDialog) {
    SetThermoDataFileForWindows("/nonexistent/zorvek_thermo.txt");
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        if (QApplication::activeModalWidget()) {
            dialogShown = true;
            QApplication::activeModalWidget()->close();
        }
    });
    FormComponents::Choice choice;
    EXPECT_FALSE(ChooseComponents(nullptr, "Ethanol", "Water", choice));
    EXPECT_FALSE(dialogShown);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(messages[0].text, "ERROR: Component data file not found: /nonexistent/zorvek_thermo.txt");
    SetThermoDataFileForWindows({});
}

} // namespace zorvek
