#pragma once
// CalibrationDialog, "Drucker kalibrieren...": prints a 100 mm test square at the
// printer's origin and takes the four values measured on the printout. It is
// made once at start-up and edits the calibration of the current printer in the
// store the window hands out (print/printercalibrations.h): the printer's own
// file, or options.dat for a printer without one.

#include "paper/discformat.h"
#include "print/calibration.h"
#include "print/disccalibration.h"

#include <QDialog>

class Dialogs;
class PrinterCalibrations;
class PrintTarget;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;

class CalibrationDialog : public QDialog {
    Q_OBJECT
  public:
    CalibrationDialog(PrinterCalibrations& calibrations, PrintTarget& printer, Dialogs& dialogs,
                      QWidget* parent = nullptr);

    QDoubleSpinBox* leftSpin = nullptr;     // cL, mm
    QDoubleSpinBox* topSpin = nullptr;      // cT, mm
    QDoubleSpinBox* widthSpin = nullptr;    // kW
    QDoubleSpinBox* heightSpin = nullptr;   // kH
    QLabel* printerLabel = nullptr;         // "Drucker: NAME", the printer being calibrated
    QPushButton* testPrintButton = nullptr; // "Testrechteck drucken..."
    QPushButton* okButton = nullptr;
    // The disc calibration, for printers that print onto discs.
    QGroupBox* discGroup = nullptr;
    QPushButton* discTestButton = nullptr; // "CD/DVD-Testdruck..."
    QDoubleSpinBox* discRightSpin = nullptr;
    QDoubleSpinBox* discDownSpin = nullptr;

    Calibration calibration() const;
    void setCalibration(const Calibration& values);

    // How far prints on a disc are moved, right and down in mm.
    DiscOffset discOffset() const;
    void setDiscOffset(const DiscOffset& offset);
    // The disc the disc test print is made for.
    void setTestDisc(const DiscFormat& disc) { testDisc_ = disc; }

    void FormCreate();
    void printTestSquare();
    void printDiscTest();
    // Takes the calibration of the print target's printer when it is not the
    // one shown.
    void followPrinter();
    // Shows the print target's printer with its stored values, runs the dialog
    // and stores what it holds when it closes.
    void editCalibration();
    // Stores the current values: options.dat and the printer's own file. A
    // file that cannot be written keeps its old content; for the printer's file
    // the user is told, and the values hold until the program ends.
    void saveOptions();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showPrinter(const QString& printerName);
    void buildDiscGroup();

    PrinterCalibrations& calibrations_;
    PrintTarget& printer_;
    Dialogs& dialogs_;
    QString printerName_; // whose calibration the edits hold
    DiscFormat testDisc_ = discPresets().front().format;
};
