// The print dialog frmImprimir: printer, number of copies (1 to 1999), collation and black-and-white
// drawing. It leaves its answers in the print options of the application state (PrintAccepted,
// PrintCopies, PrintCollate, BlackAndWhite); the print command reads them after exec() returns.
#pragma once
#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace zorvek {

class frmImprimir : public QDialog {
    Q_OBJECT
  public:
    explicit frmImprimir(QWidget* parent = nullptr);

    void Aceptar();  // the Print button
    void Cancelar(); // the Cancel button, Esc and the title-bar close
    void Set2SPANISH();

    QLabel* Label2 = nullptr;       // "Printer:"
    QComboBox* Combo1 = nullptr;    // installed printers
    QLabel* Label1 = nullptr;       // "Number of copies:"
    QLineEdit* Text1 = nullptr;     // copy count
    QScrollBar* VScroll1 = nullptr; // spin arrows beside Text1, 1..1999
    QCheckBox* ChkCOLLATE = nullptr;
    std::array<QLabel*, 2> ImgCOLLATE{}; // page order pictures: 0 uncollated, 1 collated
    QCheckBox* ChK_BN = nullptr;
    std::array<QLabel*, 2> Image1{}; // picture buttons: 0 Print, 1 Cancel
    std::array<QLabel*, 2> Label3{}; // their captions

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void PlacePictureButtons();
    void FillPrinterList();
    void Combo1_Click(int index);
    bool Text1_KeyPress(QKeyEvent* event); // true when the key is consumed
    void Text1_Change();
    void Text1_LostFocus();
    void VScroll1_Change(int value);
    void ChkCOLLATE_Click();
    void PressPictureButton(int index, bool down);

    int pressedButton_ = -1;
};

} // namespace zorvek
