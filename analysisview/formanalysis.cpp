#include "formanalysis.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QVBoxLayout>

#include "analysistexts.h"
#include "appstate.h"
#include "numtext.h"
#include "rnchart.h"

namespace zorvek {

namespace {

QString Number(double v, int digits) {
    return QString::fromStdString(FormatSignificant(v, digits, appState().DecimalStd()));
}

QString Number(const std::optional<double>& v, int digits) {
    return v ? Number(*v, digits) : AnalysisTextOf(AnalysisText::NotComputable);
}

void Write(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    field->setText(text);
    field->setCursorPosition(0); // a text longer than the field shows its beginning
}

QString FromBoth(const std::string& esp, const std::string& eng) {
    return Tr(QString::fromStdString(esp), QString::fromStdString(eng));
}

} // namespace

FormAnalysis::FormAnalysis(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("FormAnalysis");
    auto* fields = new QGridLayout;
    int row = 0;
    auto add = [&](const char* caption, const char* name, bool entry = false) {
        auto* label = new QLabel(this);
        label->setObjectName(caption);
        auto* field = new QLineEdit(this);
        field->setObjectName(name);
        field->setReadOnly(!entry);
        if (!entry) { // light yellow as the main window's result fields (a palette paints faster than a style
                      // sheet)
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, QColor(255, 255, 225));
            field->setPalette(palette);
        }
        field->setMinimumWidth(280);
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
        ++row;
        return field;
    };
    TextRminQ = add("LblRminQ", "TextRminQ");
    TextRminTrue = add("LblRminTrue", "TextRminTrue");
    TextPinch = add("LblPinch", "TextPinch");
    TextPinchPoint = add("LblPinchPoint", "TextPinchPoint");
    TextNmin = add("LblNmin", "TextNmin");
    TextFenske = add("LblFenske", "TextFenske");
    TextAzeotropes = add("LblAzeotropes", "TextAzeotropes");
    TextR = add("LblR", "TextR");
    TextN = add("LblN", "TextN");
    TextNGilliland = add("LblNGilliland", "TextNGilliland");
    TextEMV = add("LblEMV", "TextEMV", true);
    TextNMurphree = add("LblNMurphree", "TextNMurphree");
    TextNFMurphree = add("LblNFMurphree", "TextNFMurphree");
    TextNPTE = add("LblNPTE", "TextNPTE");

    LblREASON = new QLabel(this);
    LblREASON->setObjectName("LblREASON");
    LblREASON->setWordWrap(true);
    LblREASON->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LblREASON->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblREASON->setMinimumHeight(90);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(LblREASON, 1);

    ChartRN = new RNChart(this);
    ChartRN->setMinimumSize(440, 340);
    auto* hint = new QLabel(this);
    hint->setObjectName("LblHINT");
    auto* right = new QVBoxLayout;
    right->addWidget(ChartRN, 1);
    right->addWidget(hint);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addLayout(right, 1);
    resize(1120, 580);

    connect(ChartRN, &RNChart::RefluxClicked, this, &FormAnalysis::RefluxChosen);
    // Enter or leaving the field after a change (Enter also ends the editing: one recomputation).
    connect(TextEMV, &QLineEdit::editingFinished, this, [this] {
        if (TextEMV->isModified()) emit MurphreeChanged();
        TextEMV->setModified(false);
    });
    AjustaIDIOMA();
}

void FormAnalysis::AjustaIDIOMA() {
    shownLanguage_ = appState().UiLanguage;
    shownDecimal_ = appState().DecimalSymbol;
    setWindowTitle(AnalysisTextOf(AnalysisText::WindowTitle));
    for (const AnalysisCaption& c : AnalysisCaptions()) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(c.objectName)))
            label->setText(Tr(QString::fromUtf8(c.esp), QString::fromUtf8(c.eng)));
    }
    TextEMV->setPlaceholderText(AnalysisTextOf(AnalysisText::MurphreePlaceholder));
    ChartRN->Retranslate();
}

std::optional<double> FormAnalysis::MurphreeEfficiency() const {
    if (TextEMV->text().trimmed().isEmpty()) return std::nullopt;
    return ParseNumber(TextEMV->text().toStdString());
}

void FormAnalysis::ShowAnalysis(const DesignOutcome& o, const ColumnAnalysis& a) {
    if (shownLanguage_ != appState().UiLanguage || shownDecimal_ != appState().DecimalSymbol) AjustaIDIOMA();
    const MinimumReflux& m = a.minimum;
    const bool qLine = m.qLineFound && m.RminQLine > 0;
    Write(TextRminQ, qLine ? Number(m.RminQLine, 5) : AnalysisTextOf(AnalysisText::NotComputable));
    Write(TextRminTrue, m.found ? Number(m.RminTrue, 5) : AnalysisTextOf(AnalysisText::NotComputable));
    if (m.found) {
        static constexpr AnalysisText kinds[] = {AnalysisText::PinchQLine, AnalysisText::PinchEnriching,
                                                 AnalysisText::PinchExhausting};
        Write(TextPinch, AnalysisTextOf(kinds[static_cast<int>(m.kind)]));
        Write(TextPinchPoint, "x = " + Number(m.x, 4) + ";   y = " + Number(m.y, 4));
    } else {
        Write(TextPinch, AnalysisTextOf(AnalysisText::NotComputable));
        Write(TextPinchPoint, AnalysisTextOf(AnalysisText::NotComputable));
    }
    Write(TextNmin, a.total.found ? Number(a.total.Nmin, 4) : AnalysisTextOf(AnalysisText::NotComputable));
    if (!a.computable)
        Write(TextFenske, AnalysisTextOf(AnalysisText::NotComputable));
    else if (o.model.TableMode)
        Write(TextFenske, AnalysisTextOf(AnalysisText::ConstantAlphaOnly));
    else
        Write(TextFenske, Number(a.NminFenske, 4));
    QStringList azeotropes;
    for (double x : a.azeotropes) azeotropes << "x = " + Number(x, 4);
    Write(TextAzeotropes, !a.computable        ? AnalysisTextOf(AnalysisText::NotComputable)
                          : azeotropes.empty() ? AnalysisTextOf(AnalysisText::None)
                                               : azeotropes.join(";   "));
    Write(TextR, Number(a.R, 5));
    Write(TextN, Number(a.N, 4));
    Write(TextNGilliland, Number(a.NGilliland, 4));
    const bool murphree = a.murphree && a.murphree->N && a.murphree->NF;
    Write(TextNMurphree, murphree ? Number(*a.murphree->N, 4)
                         : a.murphree && !(a.murphree->E > 0 && a.murphree->E <= 1)
                             ? AnalysisTextOf(AnalysisText::MurphreeOutOfRange)
                             : AnalysisTextOf(AnalysisText::NotComputable));
    Write(TextNFMurphree,
          murphree ? Number(*a.murphree->NF, 4) : AnalysisTextOf(AnalysisText::NotComputable));
    Write(TextNPTE, o.reached == Reached::Complete && o.inputs.E > 0
                        ? Number(o.NPT / o.inputs.E, 4) + ";   " + Number(o.NF / o.inputs.E, 4)
                        : AnalysisTextOf(AnalysisText::NotComputable));

    QString reason = FromBoth(a.reasonESP, a.reasonENG);
    if (reason.isEmpty()) reason = FromBoth(a.noteESP, a.noteENG);
    if (reason.isEmpty() && o.reached == Reached::Complete && m.found)
        reason = AnalysisTextOf(AnalysisText::SolvedFeasible).arg(Number(a.R, 5), Number(m.RminTrue, 5));
    if (LblREASON->text() != reason) LblREASON->setText(reason);
    ChartRN->ShowCurve(a);
}

void FormAnalysis::ClearAnalysis() {
    for (QLineEdit* field :
         {TextRminQ, TextRminTrue, TextPinch, TextPinchPoint, TextNmin, TextFenske, TextAzeotropes, TextR,
          TextN, TextNGilliland, TextNMurphree, TextNFMurphree, TextNPTE})
        Write(field, QString());
    LblREASON->clear();
    ChartRN->ShowCurve(ColumnAnalysis{});
}

} // namespace zorvek
