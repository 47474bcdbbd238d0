#pragma once
// CalibrationDialog, "Drucker kalibrieren...": prints a 100 mm test square at the
// printer's origin and takes the four values measured on the printout. It is
// made once at start-up, loading options.dat, and keeps its values for the run.

#include "print/calibration.h"

#include <QDialog>

class Dialogs;
class PrintTarget;
class QDoubleSpinBox;
class QPushButton;

class CalibrationDialog : public QDialog {
    Q_OBJECT
  public:
    CalibrationDialog(const QString& settingsFolder, PrintTarget& printer, Dialogs& dialogs,
                      QWidget* parent = nullptr);

    QDoubleSpinBox* LinksEd = nullptr; // cL, mm
    QDoubleSpinBox* ObenEd = nullptr;  // cT, mm
    QDoubleSpinBox* BreitEd = nullptr; // kW
    QDoubleSpinBox* HochEd = nullptr;  // kH
    QPushButton* BitBtn1 = nullptr;    // "Testrechteck drucken..."
    QPushButton* OkBtn = nullptr;

    Calibration calibration() const;
    void setCalibration(const Calibration& values);

    void FormCreate();
    void BitBtn1Click();
    // Writes the current values; silent when options.dat cannot be written.
    void saveOptions();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString programDirectory_;
    PrintTarget& printer_;
    Dialogs& dialogs_;
};
