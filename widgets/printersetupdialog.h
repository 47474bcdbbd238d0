#pragma once
// The dialog of the printer button: which printer, which paper, which way up.
// Nothing is printed from here, so it has no copies, pages or print button.

#include "print/printer/printerchoice.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

class PrinterSetupDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PrinterSetupDialog(const PrinterChoice& current, QWidget* parent = nullptr);

    // What the controls show; the caller applies it after OK.
    PrinterChoice choice() const;

    QComboBox* printerCombo = nullptr;
    QLabel* typeLabel = nullptr;
    QLabel* whereLabel = nullptr;
    QComboBox* paperCombo = nullptr;
    QRadioButton* portraitRadio = nullptr;
    QRadioButton* landscapeRadio = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

  private:
    QWidget* buildPrinterGroup(const QString& current);
    QWidget* buildPaperGroup();
    QWidget* buildOrientationGroup(QPageLayout::Orientation current);
    QString chosenPrinter() const;
    // Refills the paper list for the chosen printer, keeping `keep` when the
    // printer takes it.
    void fillPapers(const QPageSize& keep);
    void printerChosen();
    void showPrinterFacts();

    QList<QPageSize> papers_;
};
