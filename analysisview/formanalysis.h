// FormAnalysis, the analysis window: non-modal, beside the main window, it shows the column analysis of
// the case at every recomputation (the true minimum reflux and its pinch, total reflux, azeotropes, the
// stages at R, the Murphree stepping), the reason for a rejected case, and the R-N chart.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "columnanalysis.h"
#include "design.h"

class QLabel;
class QLineEdit;

namespace zorvek {

class RNChart;

class FormAnalysis : public QWidget {
    Q_OBJECT
  public:
    explicit FormAnalysis(QWidget* parent = nullptr);

    // Writes the fields, the reason and the chart; retranslates first when the language changed.
    void ShowAnalysis(const DesignOutcome& outcome, const ColumnAnalysis& analysis);
    // Empties the fields, the reason and the chart (the main window's panel was cleared).
    void ClearAnalysis();
    // The window's captions in the current language, the chart's numbers with the current decimal symbol.
    void AjustaIDIOMA();
    // The Murphree efficiency of TextEMV: nothing when the field is empty (the case's E is taken then);
    // a value outside 0 < E <= 1 comes back as it is, for the analysis to refuse.
    std::optional<double> MurphreeEfficiency() const;

    // Result fields (read-only) and the Murphree entry, in their order on the window.
    QLineEdit* TextRminQ = nullptr;
    QLineEdit* TextRminTrue = nullptr;
    QLineEdit* TextPinch = nullptr;      // the kind of pinch
    QLineEdit* TextPinchPoint = nullptr; // its point
    QLineEdit* TextNmin = nullptr;
    QLineEdit* TextFenske = nullptr;
    QLineEdit* TextAzeotropes = nullptr;
    QLineEdit* TextR = nullptr;
    QLineEdit* TextN = nullptr;
    QLineEdit* TextNGilliland = nullptr;
    QLineEdit* TextEMV = nullptr; // entry
    QLineEdit* TextNMurphree = nullptr;
    QLineEdit* TextNFMurphree = nullptr;
    QLineEdit* TextNPTE = nullptr;
    QLabel* LblREASON = nullptr; // the reason, the note, or that the design is sound
    RNChart* ChartRN = nullptr;

  signals:
    // A click on the chart chose this reflux ratio.
    void RefluxChosen(double R);
    // TextEMV changed and then Enter pressed or the field left.
    void MurphreeChanged();

  private:
    QString shownLanguage_, shownDecimal_; // the captions and chart labels follow both
};

} // namespace zorvek
