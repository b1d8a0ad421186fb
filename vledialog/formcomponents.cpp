#include "formcomponents.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "appstate.h"
#include "componentstexts.h"
#include "imagecanvas.h"
#include "lookup.h"
#include "numtext.h"
#include "seams.h"
#include "thermosource.h"
#include "thermotexts.h"
#include "vlepreview.h"

namespace zorvek {

namespace {

constexpr int kPreviewSize = 310;
constexpr thermo::PressureUnit kUnits[4] = {thermo::PressureUnit::KPa, thermo::PressureUnit::Bar,
                                            thermo::PressureUnit::Atm, thermo::PressureUnit::MmHg};
constexpr thermo::ModelChoice kModels[4] = {thermo::ModelChoice::Automatic, thermo::ModelChoice::Ideal,
                                            thermo::ModelChoice::Nrtl, thermo::ModelChoice::Unifac};
constexpr double kCelsius = 273.15;

std::string Lang() {
    return appState().LanguageStd();
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QFont PreviewFont() {
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

} // namespace

FormComponents::FormComponents(std::shared_ptr<const thermo::ThermoData> data, QWidget* parent)
    : QDialog(parent), data_(std::move(data)) {
    setObjectName("FormComponents");
    setModal(true);
    xy_ = QImage(kPreviewSize, kPreviewSize, QImage::Format_RGB32);
    txy_ = QImage(kPreviewSize, kPreviewSize, QImage::Format_RGB32);
    CreateControls();
    AjustaIDIOMA_GUI();
    Refill(0);
    Refill(1);
    Recompute();
}

void FormComponents::CreateControls() {
    auto named = [this](auto* widget, const char* name) {
        widget->setObjectName(name);
        return widget;
    };
    LabelA = named(new QLabel(this), "LabelA");
    LabelB = named(new QLabel(this), "LabelB");
    FilterA = named(new QLineEdit(this), "FilterA");
    FilterB = named(new QLineEdit(this), "FilterB");
    ListA = named(new QListWidget(this), "ListA");
    ListB = named(new QListWidget(this), "ListB");
    LabelPressure = named(new QLabel(this), "LabelPressure");
    TextPressure = named(new QLineEdit("1", this), "TextPressure");
    ComboUnit = named(new QComboBox(this), "ComboUnit");
    LabelModel = named(new QLabel(this), "LabelModel");
    ComboModel = named(new QComboBox(this), "ComboModel");
    LabelModelUsed = named(new QLabel(this), "LabelModelUsed");
    LabelXY = named(new QLabel(this), "LabelXY");
    LabelTXY = named(new QLabel(this), "LabelTXY");
    PictureXY = named(new QLabel(this), "PictureXY");
    PictureTXY = named(new QLabel(this), "PictureTXY");
    LabelInfo = named(new QLabel(this), "LabelInfo");
    ButtonUse = named(new QPushButton(this), "ButtonUse");
    ButtonCancel = named(new QPushButton(this), "ButtonCancel");

    for (thermo::PressureUnit u : kUnits) ComboUnit->addItem(Q(std::string(thermo::UnitName(u))));
    ComboUnit->setCurrentIndex(unit_);
    for (int i = 0; i < 4; ++i) ComboModel->addItem(QString());
    for (QListWidget* list : {ListA, ListB}) list->setMinimumHeight(130);
    for (QLabel* picture : {PictureXY, PictureTXY}) picture->setFixedSize(kPreviewSize, kPreviewSize);
    LabelInfo->setWordWrap(true);
    LabelInfo->setMinimumHeight(64);
    LabelInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ButtonUse->setDefault(true);

    auto* pickers = new QGridLayout;
    pickers->addWidget(LabelA, 0, 0);
    pickers->addWidget(LabelB, 0, 1);
    pickers->addWidget(FilterA, 1, 0);
    pickers->addWidget(FilterB, 1, 1);
    pickers->addWidget(ListA, 2, 0);
    pickers->addWidget(ListB, 2, 1);
    auto* conditions = new QHBoxLayout;
    conditions->addWidget(LabelPressure);
    conditions->addWidget(TextPressure);
    conditions->addWidget(ComboUnit);
    conditions->addSpacing(24);
    conditions->addWidget(LabelModel);
    conditions->addWidget(ComboModel);
    conditions->addSpacing(12);
    conditions->addWidget(LabelModelUsed, 1);
    auto* previews = new QGridLayout;
    previews->addWidget(LabelXY, 0, 0);
    previews->addWidget(LabelTXY, 0, 1);
    previews->addWidget(PictureXY, 1, 0);
    previews->addWidget(PictureTXY, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonUse);
    buttons->addWidget(ButtonCancel);
    auto* all = new QVBoxLayout(this);
    all->addLayout(pickers);
    all->addLayout(conditions);
    all->addLayout(previews);
    all->addWidget(LabelInfo);
    all->addLayout(buttons);

    // Typing order: A's filter and list, B's, then the conditions and the buttons.
    QWidget* order[] = {FilterA,   ListA,      FilterB,   ListB,       TextPressure,
                        ComboUnit, ComboModel, ButtonUse, ButtonCancel};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    FilterA->setFocus();
    FilterA->installEventFilter(this);
    FilterB->installEventFilter(this);

    connect(FilterA, &QLineEdit::textChanged, this, [this] { Refill(0); });
    connect(FilterB, &QLineEdit::textChanged, this, [this] { Refill(1); });
    for (QListWidget* list : {ListA, ListB})
        connect(list, &QListWidget::currentRowChanged, this, [this] {
            if (!refilling_) Recompute();
        });
    connect(TextPressure, &QLineEdit::textChanged, this, [this] { Recompute(); });
    connect(ComboUnit, &QComboBox::currentIndexChanged, this, [this] {
        UnitChanged(unit_);
        Recompute();
    });
    connect(ComboModel, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
    connect(ButtonUse, &QPushButton::clicked, this, &FormComponents::Usar);
    connect(ButtonCancel, &QPushButton::clicked, this, &FormComponents::Cancelar);
}

void FormComponents::AjustaIDIOMA_GUI() {
    const ComponentsCaptions c = CurrentComponentsCaptions();
    setWindowTitle(c.title);
    LabelA->setText(c.componentA);
    LabelB->setText(c.componentB);
    FilterA->setPlaceholderText(c.filterHint);
    FilterB->setPlaceholderText(c.filterHint);
    LabelPressure->setText(c.pressure);
    LabelModel->setText(c.model);
    for (int i = 0; i < 4; ++i) ComboModel->setItemText(i, c.models[i]);
    LabelXY->setText(c.xyTitle);
    LabelTXY->setText(c.txyTitle);
    ButtonUse->setText(c.use);
    ButtonCancel->setText(c.cancel);
}

bool FormComponents::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == FilterA || watched == FilterB) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QListWidget* list = watched == FilterA ? ListA : ListB;
            QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
            QApplication::sendEvent(list, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int FormComponents::Picked(int list) const {
    const QListWidgetItem* item = (list == 0 ? ListA : ListB)->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void FormComponents::Refill(int list) {
    QListWidget* box = list == 0 ? ListA : ListB;
    const QLineEdit* filter = list == 0 ? FilterA : FilterB;
    const int before = Picked(list);
    refilling_ = true;
    box->clear();
    int keep = -1;
    if (data_) {
        const std::string lang = Lang();
        for (int index : thermo::SearchComponents(*data_, filter->text().toStdString(), lang)) {
            const thermo::Component& c = data_->components[index];
            auto* item = new QListWidgetItem(Q(c.NameIn(lang)) + QString::fromUtf8("  —  ") + Q(c.formula) +
                                             QString::fromUtf8("  —  ") + Q(c.cas));
            item->setData(Qt::UserRole, index);
            if (index == before) keep = box->count();
            box->addItem(item);
        }
    }
    // Typing picks the best match unless the component picked before is still listed.
    if (keep < 0 && !filter->text().trimmed().isEmpty() && box->count() > 0) keep = 0;
    if (keep >= 0) {
        box->setCurrentRow(keep);
        box->scrollToItem(box->currentItem());
    }
    refilling_ = false;
    Recompute();
}

void FormComponents::PickByNames(const QString& nameA, const QString& nameB) {
    if (!data_) return;
    const QString names[2] = {nameA, nameB};
    for (int list = 0; list < 2; ++list) {
        const thermo::LookupResult found = thermo::FindComponent(*data_, names[list].toStdString());
        if (found.status != thermo::LookupStatus::Found) continue;
        QListWidget* box = list == 0 ? ListA : ListB;
        for (int row = 0; row < box->count(); ++row) {
            if (box->item(row)->data(Qt::UserRole).toInt() != found.index) continue;
            box->setCurrentRow(row);
            box->scrollToItem(box->item(row), QAbstractItemView::PositionAtCenter);
        }
    }
}

void FormComponents::UnitChanged(int previous) {
    // The same pressure in the new unit, when the text holds one.
    const int now = ComboUnit->currentIndex();
    unit_ = now;
    const QString text = TextPressure->text();
    const double value = ParseNumber(text.toStdString());
    if (now < 0 || previous < 0 || !(value > 0) || text.trimmed().isEmpty()) return;
    const double converted = thermo::FromKPa(thermo::ToKPa(value, kUnits[previous]), kUnits[now]);
    const QSignalBlocker quiet(TextPressure);
    TextPressure->setText(Q(FormatSignificant(converted, 6, appState().DecimalStd())));
}

void FormComponents::Recompute() {
    if (refilling_) return;
    const ComponentsCaptions c = CurrentComponentsCaptions();
    const std::string lang = Lang(), dec = appState().DecimalStd();
    result_ = thermo::VleResult{};
    QString info;
    bool ok = false;
    if (!data_ || Picked(0) < 0 || Picked(1) < 0) {
        info = c.chooseBoth;
        LabelModelUsed->clear();
    } else {
        thermo::VleRequest request;
        request.first = Picked(0);
        request.second = Picked(1);
        request.model = kModels[std::max(0, ComboModel->currentIndex())];
        request.pressureKPa = thermo::ToKPa(ParseNumber(TextPressure->text().toStdString()),
                                            kUnits[std::max(0, ComboUnit->currentIndex())]);
        result_ = thermo::SolveVle(*data_, request);
        ok = result_.status == thermo::VleStatus::Ok;
        const bool modelKnown = result_.status != thermo::VleStatus::SameComponent &&
                                result_.status != thermo::VleStatus::PressureInvalid;
        LabelModelUsed->setText(modelKnown ? c.inUse + Q(thermo::ModelName(result_.model, lang)) : QString());
        if (!ok) {
            info = "<span style='color:#c00000'>" +
                   Q(thermo::VleMessage(*data_, result_, lang, dec)).toHtmlEscaped() + "</span>";
        } else {
            auto line = [&](int index, double T) {
                return "<b>" + Q(data_->components[index].NameIn(lang)).toHtmlEscaped() + "</b> " +
                       c.boilingPoint + " " + Q(thermo::FixedText(T - kCelsius, 2, dec)) +
                       QString::fromUtf8(" °C (") + Q(thermo::FixedText(T, 2, dec)) + " K)";
            };
            info = "A: " + line(result_.a, result_.tbA) +
                   "&nbsp;&nbsp;&nbsp; B: " + line(result_.b, result_.tbB);
            for (const thermo::Azeotrope& az : result_.azeotropes)
                info += "<br>" + (az.minimumBoiling ? c.minimumAzeotrope : c.maximumAzeotrope) +
                        ": x = " + Q(thermo::FixedText(az.x, 4, dec)) +
                        ", T = " + Q(thermo::FixedText(az.T - kCelsius, 2, dec)) + QString::fromUtf8(" °C");
            if (result_.azeotropes.empty()) info += "<br>" + c.noAzeotrope;
            for (const std::string& notice :
                 {thermo::SwapNotice(*data_, result_, lang), thermo::FallbackNotice(result_, lang)})
                if (!notice.empty())
                    info += "<br><span style='color:#0050b0'>" + Q(notice).toHtmlEscaped() + "</span>";
        }
    }
    LabelInfo->setText(info);
    ButtonUse->setEnabled(ok);
    DrawPreviews();
}

void FormComponents::DrawPreviews() {
    const ComponentsCaptions c = CurrentComponentsCaptions();
    PreviewOptions o;
    o.UiLanguage = appState().UiLanguage;
    o.DecimalSymbol = appState().DecimalSymbol;
    o.liquid = c.liquid;
    o.vapour = c.vapour;
    if (data_ && result_.a >= 0) o.nameA = Q(data_->components[result_.a].NameIn(Lang()));
    {
        ImageCanvas xy(xy_, CanvasIdentity::Picture4, PreviewFont());
        DrawXyPreview(xy, result_, o);
        ImageCanvas txy(txy_, CanvasIdentity::Picture4, PreviewFont());
        DrawTxyPreview(txy, result_, o);
    }
    PictureXY->setPixmap(QPixmap::fromImage(xy_));
    PictureTXY->setPixmap(QPixmap::fromImage(txy_));
}

void FormComponents::Usar() {
    if (!data_ || result_.status != thermo::VleStatus::Ok || result_.table.empty()) return;
    chosen_.points = result_.table;
    chosen_.nameA = Q(data_->components[result_.a].NameIn(Lang()));
    chosen_.nameB = Q(data_->components[result_.b].NameIn(Lang()));
    accept();
}

void FormComponents::Cancelar() {
    reject();
}

bool ChooseComponents(QWidget* parent, const QString& nameA, const QString& nameB,
                      FormComponents::Choice& choice) {
    const thermo::DataReadResult read = WindowThermoData();
    if (!read.ok()) {
        ShowError(parent, Q(thermo::DataErrorMessage(read, Lang())));
        return false;
    }
    FormComponents dialog(read.data, parent);
    dialog.PickByNames(nameA, nameB);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice = dialog.Chosen();
    return true;
}

} // namespace zorvek
