// FormMain entry panel: keys, focus and change handling of the fields, the model choice, the push
// buttons' actions, the axis titles from the name of A, and Borrar.
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>
#include <QValidator>
#include <algorithm>

#include "appstate.h"
#include "casefile.h"
#include "casehistory.h"
#include "diagramview.h"
#include "formmain.h"
#include "mccabediagram.h"

namespace zorvek {

namespace {

// Fields whose text is a design input: decimal key replacement and Enter.
bool IsInputField(int n) {
    return (n >= 1 && n <= 6) || n == 15;
}

QString RefusedCharactersHint() {
    return Tr(QString::fromUtf8("Caracteres no admitidos: < > [ ] y saltos de línea"),
              "Characters not allowed: < > [ ] and line breaks");
}

// Drops, as they are typed, pasted or set, the characters a case file cannot carry back in a tagged
// value (casefile.h), so that a saved case always reads back as the window shows it. A user's edit
// gets a short hint beside the field.
class CaseValueValidator : public QValidator {
  public:
    explicit CaseValueValidator(QLineEdit* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int& pos) const override {
        int removedBeforeCursor = 0;
        QString kept;
        kept.reserve(input.size());
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            if (c.unicode() < 0x80 && IsRefusedInCaseValue(static_cast<char>(c.unicode()))) {
                if (i < pos) ++removedBeforeCursor;
                continue;
            }
            kept += c;
        }
        if (kept.size() != input.size()) {
            input = kept;
            pos -= removedBeforeCursor;
            // Only typing and pasting happen with the focus in the field; a case being opened does not.
            if (field_->hasFocus()) {
                QTimer::singleShot(0, field_, [field = field_] {
                    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())),
                                       RefusedCharactersHint(), field);
                });
            }
        }
        return Acceptable;
    }

  private:
    QLineEdit* field_;
};

} // namespace

void FormMain::ConnectEntryFields() {
    for (int n = 1; n <= 17; ++n) TextFields[n]->installEventFilter(this);
    // The fields a case file carries take only what it can carry back.
    for (int n : {1, 2, 3, 4, 5, 6, 15, 16, 17})
        TextFields[n]->setValidator(new CaseValueValidator(TextFields[n]));
    // A text changed by typing or by the program goes the same way: the cursors follow it.
    for (int n : {1, 2, 3, 4, 5, 6, 7, 15}) {
        connect(TextFields[n], &QLineEdit::textChanged, this, [this] { ReajustarCursores(); });
    }
    connect(Text16, &QLineEdit::textChanged, this, &FormMain::Text16_Change);
}

void FormMain::SetFieldText(QLineEdit* field, const QString& text) {
    if (field->text() != text) field->setText(text);
}

bool FormMain::EntryFieldEvent(QLineEdit* field, QEvent* event) {
    const int n =
        static_cast<int>(std::find(TextFields.begin(), TextFields.end(), field) - TextFields.begin());
    if (event->type() == QEvent::FocusIn) {
        if (n != 8 && n != 9 && n != 10 && n != 11 && n != 12) {
            // After the mouse press has placed the caret, so that the whole text stays selected.
            QTimer::singleShot(0, field, [field] { field->selectAll(); });
        }
        if (n == 17) Modified = true;
        return false;
    }
    if (event->type() != QEvent::KeyPress || !IsInputField(n)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Calcular();
        return true;
    }
    const QString typed = key->text();
    if ((typed == "," || typed == ".") && !appState().DecimalSymbol.isEmpty()) {
        field->insert(appState().DecimalSymbol.left(1));
        return true;
    }
    return false;
}

void FormMain::ReadCaseTexts(CaseTexts& texts) const {
    texts.alpha = Text1->text().toStdString();
    texts.q = Text2->text().toStdString();
    texts.zF = Text3->text().toStdString();
    texts.xD = Text4->text().toStdString();
    texts.xB = Text5->text().toStdString();
    texts.R = Text6->text().toStdString();
    texts.E = Text15->text().toStdString();
}

void FormMain::SetAxisTitles() {
    AxisTitlesFor(Text16->text(), appState().UiLanguage, AxisTitleX, AxisTitleY);
}

void FormMain::SetResultCaptions() {
    Label1[20]->setText(Tr("Recta q", "q-line"));
    Label1[21]->setText(Tr("Recta de enriquecimiento (superior)", "Enriching (upper) operating line"));
    Label1[22]->setText(Tr("Recta de agotamiento(inferior)", "Exhausting (lower) operating line"));
    Label1[23]->setText(Tr("Punto de corte de la recta q y las rectas de enriquecimiento y agotamiento",
                           "Intersection of the q-line and the operating lines"));
    Label1[25]->setText(Tr("Punto de corte de la recta q y la curva de equilibrio",
                           "Intersection of the q-line and the equilibrium curve"));
    PlaceResultFields();
}

void FormMain::Text16_Change() {
    // The language switch runs this handler too: the captions that follow the language go with it.
    SetResultCaptions();
    SetAxisTitles();
    Calcular();
    Modified = true;
}

void FormMain::OptVOL_Click() {
    const CaseStep step(*this, CaseStepKind::ModelSwitch);
    Image1[3]->hide();
    LabelB[3]->hide();
    Label1[30]->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Text1, Label1[12], Label1[0], Line1[0], Image2[0]})
        w->show();
    TableMode = false;
    Calcular();
}

void FormMain::OptTAB_Click() {
    const CaseStep step(*this, CaseStepKind::ModelSwitch);
    Image1[3]->show();
    LabelB[3]->show();
    LabelB[3]->raise();
    Label1[30]->show();
    for (QWidget* w : std::initializer_list<QWidget*>{Text1, Label1[12], Label1[0], Line1[0], Image2[0]})
        w->hide();
    // Without an accepted table the model stays as it is until the editor accepts one.
    if (TablaELV.LastPointIndex > 0) {
        TableMode = true;
        Calcular();
    }
}

void FormMain::ButtonClick(int i) {
    switch (i) {
    case 0:
        Calcular();
        break;
    case 1:
        Borrar();
        break;
    case 2:
        CrearINFORME_HTFC();
        break;
    case 3:
        EditarTABLA_ELV();
        break;
    default:
        break;
    }
}

void FormMain::Borrar() {
    const CaseStep step(*this, CaseStepKind::Clear);
    appState().UpdatingFields = true;
    for (int n = 1; n <= 15; ++n) SetFieldText(TextFields[n], QString());
    Picture1->ClearImage();
    for (QLabel* marker : Label2) marker->hide();
    LblCOOR->hide();
    appState().UpdatingFields = false;
    Modified = false;
    CaseCleared = true;
    UpdateAnalysis();
}

} // namespace zorvek
