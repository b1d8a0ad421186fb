#include "picturesizedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include "desktoptexts.h"

namespace zorvek {

namespace {

// From a thumbnail to a poster; larger images would take hundreds of megabytes.
constexpr int kSmallest = 50;
constexpr int kLargest = 10000;

QSpinBox* SizeBox(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(kSmallest, kLargest);
    box->setValue(value);
    box->setSuffix(desktoptext::SizeUnits());
    return box;
}

} // namespace

PictureSizeDialog::PictureSizeDialog(QWidget* parent, QSize initial) : QDialog(parent) {
    setObjectName("PictureSizeDialog");
    setWindowTitle(desktoptext::SizeDialogTitle());
    Width = SizeBox(this, "PictureWidth", initial.width());
    Height = SizeBox(this, "PictureHeight", initial.height());
    auto* form = new QFormLayout(this);
    form->addRow(desktoptext::SizeWidth(), Width);
    form->addRow(desktoptext::SizeHeight(), Height);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(desktoptext::OkButton());
    buttons->button(QDialogButtonBox::Cancel)->setText(desktoptext::CancelButton());
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QSize PictureSizeDialog::Size() const {
    return {Width->value(), Height->value()};
}

} // namespace zorvek
