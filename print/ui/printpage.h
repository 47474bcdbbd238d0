#pragma once
// The "Drucken" page: printer setup, the print run, calibration and the sheet
// preview.

#include "print/sheetlayout.h"
#include "widgets/pageframe.h"

class QShowEvent;
class QPushButton;
class QCheckBox;
class QSpinBox;
class ScrollBox;
class SheetPreview;
class ImageButton;
class CalibrationDialog;
class DiscChoice;
class CoverJob;
class Shell;
struct LabelContent;
struct PaperType;
enum class PrintOutcome;

class PrintPage : public PageFrame {
    Q_OBJECT
  public:
    PrintPage(CoverJob& job, Shell& shell);

    ImageButton* printerButton = nullptr;
    ImageButton* printButton = nullptr;
    QPushButton* calibrateButton = nullptr;
    QSpinBox* usedSpin = nullptr;
    QSpinBox* copiesSpin = nullptr;
    QSpinBox* sheetSpin = nullptr;
    QSpinBox* zoomSpin = nullptr;
    // "Nur innerhalb der Etikettform drucken", shown for formats with a label shape.
    QCheckBox* clipCheck = nullptr;
    // "Auf CD/DVD drucken", offered where the print target can print onto discs.
    DiscChoice* discChoice = nullptr;
    ScrollBox* previewScroll = nullptr;
    SheetPreview* sheetPreview = nullptr;

    // The calibration dialog, made once and kept for the program's life. The
    // program entry makes it right after the main window; anything asking
    // earlier gets it made then.
    CalibrationDialog& calibrationDialog();

    // The values the controls show; what prints is the job's.
    PrintValues jobValues() const;

    void usedChanged();
    void copiesChanged();
    void sheetChanged();
    void zoomChanged();
    void clipToggled();
    // The clip check box is offered for formats with a label shape only.
    void showLabelShape();
    // Shows the job's disc choice, offered when the target prints onto discs
    // or the job already prints onto one.
    void showDisc();
    void print();
    void choosePrinter();
    void calibrate();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildJobControls();
    // The "no paper format" message, when the page is still shown without one.
    void reportMissingFormat();
    LabelContent labelContent() const;
    void reportPrintOutcome(PrintOutcome outcome, const PaperType& paper);
    // "Go!" for a job onto discs.
    void printDiscs();
    void showPrintValues();
    // The edits' values go to the job.
    void takeTypedValues();

    CoverJob& job_;
    Shell& shell_;
    CalibrationDialog* kalForm_ = nullptr;
};
