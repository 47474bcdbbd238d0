#pragma once
// The "Zentrieren" page: the paper format catalogue (group "Papierformat" with
// its list and buttons) and the placement of the image on one label, shown in
// the placement view.

#include "paper/papertype.h"
#include "paper/placement.h"
#include "widgets/pageframe.h"

class PlacementView;
class QComboBox;
class QLabel;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;
class ScrollBox;
class CoverJob;
class PaperCatalogue;
class Shell;
class PaperFormatDialog;

class PlacementPage : public PageFrame {
    Q_OBJECT
  public:
    PlacementPage(CoverJob& job, Shell& shell);

    QComboBox* formatCombo = nullptr;
    QPushButton* newFormatButton = nullptr;
    QPushButton* editFormatButton = nullptr;
    QPushButton* deleteFormatButton = nullptr;
    // Shown instead of the empty list while there is no paper.dat yet.
    QLabel* firstStartLabel = nullptr;
    QPushButton* firstTemplateButton = nullptr;
    QSpinBox* zoomSpin = nullptr;
    QSpinBox* widthSpin = nullptr;
    QDoubleSpinBox* leftSpin = nullptr;
    QDoubleSpinBox* topSpin = nullptr;
    ScrollBox* placementScroll = nullptr;
    PlacementView* placementView = nullptr;

    // The paper format dialog, made once and kept for the program's life. The
    // program entry makes it right after the main window; anything asking
    // earlier gets it made then.
    PaperFormatDialog& paperFormatDialog();

    // The chosen format: the list's selection, or nothing.
    const PaperType* selectedPaperType() const;
    PlacementValues placementValues() const;

    void UpdateEttTypes();
    void formatChosen();
    void newFormat();
    void editFormat();
    void deleteFormat();
    // The template chooser; the chosen sheet becomes the first format of a new paper.dat.
    void chooseFirstTemplate();

    void zoomChanged();
    void widthChanged();

    // The first entry of the catalogue's list, as at start-up.
    void chooseFirstFormat();

  private:
    QWidget* buildPaperGroup();
    void buildPlacementControls();
    // Stores the dialog's values over `paper` into format `index` (a new one at
    // the end) after an accepted dialog, saves the catalogue and selects it.
    void storeDialogValues(int index, PaperType paper);
    // The job takes the list's selection as its paper format.
    void chooseSelectedPaper();
    // The list shows the job's format, when the catalogue has it.
    void showPaperFormat();
    // The offer of the template chooser, while there is no paper.dat at all.
    void showFirstStartOffer();
    void showPlacement();

    CoverJob& job_;
    Shell& shell_;
    PaperCatalogue& catalogue_;
    PaperFormatDialog* newETypForm_ = nullptr;
};
