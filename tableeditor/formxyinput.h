// FormXYinput, the modal x-y equilibrium table editor: a private working copy of the 100 slots shown
// through 12 rows and the scroll bar VScroll1, its file, clipboard and clear commands, and the
// acceptance check at OK, and the "Components..." button that fills the table from the component
// library (formxyinput_components.cpp). The main window reads Outcome() after exec().
#pragma once
#include <QDialog>
#include <QString>
#include <array>

#include "equilibrium.h"
#include "pushbutton.h"
#include "vle.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace zorvek {

class FormXYinput : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kRows = 12;
    static constexpr int kButtons = 8;

    // What the editor leaves for the main window once it has closed.
    struct EditorOutcome {
        bool okPressed = false; // OK was pressed at least once: the table model is off unless accepted
        bool accepted = false;  // table holds the completed table with its LastPointIndex
        EquilibriumTable table;
        QString nameA, nameB;
    };

    explicit FormXYinput(QWidget* parent = nullptr);
    ~FormXYinput() override;

    // Load: the captions of the current language, a copy of all 100 slots of storage and the two names,
    // the buttons at rest, the grid from slot 0.
    void Load(const EquilibriumTable& storage, const QString& nameA, const QString& nameB);
    const EditorOutcome& Outcome() const { return outcome_; }

    // ---- controls ----
    std::array<QLabel*, kRows> LblNUM{};
    std::array<QLineEdit*, kRows> TxtX{};
    std::array<QLineEdit*, kRows> TxTY{};
    QScrollBar* VScroll1 = nullptr;  // Min 0, Max 87: the slot shown in row 0
    std::array<QLabel*, 5> Label1{}; // "#", "x", "y", explanation of x, of y
    std::array<QLabel*, kButtons> Image1{};
    std::array<QLabel*, kButtons> LabelB{};
    std::array<int, kButtons> RestLeft{160, 305, 305, 15, 160, 15, 160, 305};
    std::array<int, kButtons> RestTop{491, 491, 450, 450, 450, 409, 409, 409};
    // "Components...", in the free place of the bottom row; pressed through index kComponentsButton.
    static constexpr int kComponentsButton = kButtons;
    QLabel* ImageCOMPONENTES = nullptr;
    QLabel* LabelCOMPONENTES = nullptr;

    // ---- working table ----
    EquilibriumTable Working; // x, y of slots 0..99 (-1 empty); LastPointIndex unused
    QString NameA, NameB;

    // ---- commands ----
    void Aceptar();
    void Cancelar();
    void Borrar();
    void Abrir();
    void OpenTableFile(const QString& path); // the reading half of Abrir, for a path chosen elsewhere
    void Guardar();
    void Copiar();
    void Cortar();
    void Pegar();
    void AjustaIDIOMA_GUI();
    // The components dialog over the editor; "Use" puts its points and names in as PutGeneratedTable.
    void Componentes();
    // The points in slots 0.. as if typed (every other slot emptied) and the names of A and B, shown from
    // the first row. The main window takes them only through OK, like any typed table.
    void PutGeneratedTable(const std::vector<thermo::XyPoint>& points, const QString& nameA,
                           const QString& nameB);
    void Refresh();
    void ShowButtonPressed(int i, bool pressed);
    // One wheel step: toward the user (Rotation < 1) scrolls down one row, away scrolls up.
    Q_INVOKABLE void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

  private:
    void CreateControls();
    QLabel* ButtonFace(int i) const;
    QLabel* ButtonCaption(int i) const;
    void CellChanged(int row, bool isY);
    bool CellKey(int row, bool isY, QKeyEvent* key);
    bool ButtonMouse(int i, QEvent* event);
    void ScrollBy(int rows);
    // Scrolls slot into view and puts the focus on its x or y box, the whole text selected.
    void ShowCell(int slot, bool isY);
    void ShowFromFirstRow();
    PushButtonClicks buttonClicks_; // a click is a left press and release over the same button
    EditorOutcome outcome_;
};

} // namespace zorvek
