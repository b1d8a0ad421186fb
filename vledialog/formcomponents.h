// FormComponents, the modal "Components..." dialog: two searchable pickers of the component library,
// the pressure with its unit and the activity model, and a live preview (x-y curve with the diagonal,
// T-x-y diagram, boiling points, azeotropes). "Use" hands back the generated table's points and the
// names of A and B; the caller puts them into the table editor as if typed.
#pragma once
#include <QDialog>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "thermodata.h"
#include "vle.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zorvek {

class FormComponents : public QDialog {
    Q_OBJECT

  public:
    // What "Use" hands back: points from (0, 0) to (1, 1), A the lighter component.
    struct Choice {
        std::vector<thermo::XyPoint> points;
        QString nameA, nameB;
    };

    explicit FormComponents(std::shared_ptr<const thermo::ThermoData> data, QWidget* parent = nullptr);

    // Picks the components these names (or formulas, CAS numbers) name, when the library knows them.
    void PickByNames(const QString& nameA, const QString& nameB);
    const Choice& Chosen() const { return chosen_; }
    const thermo::VleResult& Result() const { return result_; }
    // The component picked in a list (0 for A's, 1 for B's), -1 when none.
    int Picked(int list) const;

    // ---- controls ----
    QLabel* LabelA = nullptr;
    QLabel* LabelB = nullptr;
    QLineEdit* FilterA = nullptr;
    QLineEdit* FilterB = nullptr;
    QListWidget* ListA = nullptr;
    QListWidget* ListB = nullptr;
    QLabel* LabelPressure = nullptr;
    QLineEdit* TextPressure = nullptr;
    QComboBox* ComboUnit = nullptr; // kPa, bar, atm, mmHg
    QLabel* LabelModel = nullptr;
    QComboBox* ComboModel = nullptr; // automatic, ideal, NRTL, UNIFAC
    QLabel* LabelModelUsed = nullptr;
    QLabel* LabelXY = nullptr;
    QLabel* LabelTXY = nullptr;
    QLabel* PictureXY = nullptr;
    QLabel* PictureTXY = nullptr;
    QLabel* LabelInfo = nullptr; // boiling points, azeotropes, notices or the message of a failure
    QPushButton* ButtonUse = nullptr;
    QPushButton* ButtonCancel = nullptr;

    // The captions of the current language.
    void AjustaIDIOMA_GUI();
    // Solves the equilibrium of what the controls hold and shows it.
    void Recompute();
    void Usar();
    void Cancelar();

  protected:
    // Up, Down, Page Up and Page Down in a filter box move through its list, so the keyboard never has
    // to leave the box.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void Refill(int list);
    void UnitChanged(int previous);
    void DrawPreviews();
    std::shared_ptr<const thermo::ThermoData> data_;
    thermo::VleResult result_;
    Choice chosen_;
    int unit_ = 2; // the unit the pressure text is in
    bool refilling_ = false;
    QImage xy_, txy_;
};

// Opens the dialog over parent with the window library, picking the two names when it knows them. A
// library that cannot be read is a message box titled "Error" instead. True when the user chose "Use".
bool ChooseComponents(QWidget* parent, const QString& nameA, const QString& nameB,
                      FormComponents::Choice& choice);

} // namespace zorvek
