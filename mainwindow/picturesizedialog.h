// PictureSizeDialog: the width and height in pixels of an exported picture, asked before a PNG is
// written. Modal; its texts follow the interface language.
#pragma once
#include <QDialog>

class QSpinBox;

namespace zorvek {

class PictureSizeDialog : public QDialog {
    Q_OBJECT
  public:
    PictureSizeDialog(QWidget* parent, QSize initial);
    QSize Size() const;

    QSpinBox* Width = nullptr;
    QSpinBox* Height = nullptr;
};

} // namespace zorvek
