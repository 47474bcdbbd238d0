#pragma once
// PaperFormatDialog, "Papierformat bearbeiten": the dialog for one paper format.
// It is made once with the application and reused, so every field keeps the
// value of its last use. It checks nothing beyond its spin-edit ranges.

#include "paper/paperedit.h"

#include <QDialog>

class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class PaperFormatDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PaperFormatDialog(QWidget* parent = nullptr);

    QLineEdit* NameED = nullptr;
    QDoubleSpinBox* RLED = nullptr;
    QDoubleSpinBox* ROED = nullptr;
    QDoubleSpinBox* BrED = nullptr;
    QDoubleSpinBox* HoED = nullptr;
    QDoubleSpinBox* AHED = nullptr;
    QDoubleSpinBox* AVED = nullptr;
    QSpinBox* AnzHED = nullptr;
    QSpinBox* AnzVED = nullptr;
    QPushButton* OkBitBtn1 = nullptr;
    QPushButton* CancelBitBtn = nullptr;

    PaperDialogValues values() const;
    void setValues(const PaperDialogValues& values);

    void OkBitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;
};
