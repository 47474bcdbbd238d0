#pragma once
// The main window: it owns the document and view state for the life of the
// program, the five workflow pages, the status bar's progress bar and the image
// buttons of the bottom bar, and wires them together.

#include "base/progress.h"
#include "objects/objectops.h"
#include "document/objecttable.h"
#include "document/pixelscale.h"
#include "paper/papertype.h"
#include "print/drawvcart.h"
#include "raster/dibimage.h"
#include "widgets/dragscroll.h"

#include <QCursor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

class Dialogs;
class PrintTarget;
class ProgressPanel;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;
class TImageButton;
class ScanPage;
class RetouchPage;
class AnnotationPage;
class PlacementPage;
class PrintPage;
class ScrollBox;

// What the main window is given from outside: where its settings files live,
// how it asks the user, and where it prints.
struct AppEnvironment {
    QString programDirectory; // ends with '/'
    Dialogs* dialogs = nullptr;
    PrintTarget* printTarget = nullptr;
};

// Marked region of the retouch page, in image pixels from the top-left corner:
// columns left .. right − 1 and rows top .. bottom − 1.
struct MarkedRegion {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const MarkedRegion&, const MarkedRegion&) = default;
};

class TMainForm : public QWidget {
    Q_OBJECT
  public:
    explicit TMainForm(const AppEnvironment& environment, QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- document and view state -------------------------------------------
    QString programDirectory;
    DibImage currentImage;
    MarkedRegion markedRegion;
    ObjectTable objects;
    double viewZoom = 1.0;
    double unitsPerScreenPixel = 0;
    // The scale the objects' pixel accessors convert with on the annotation view.
    PixelScale viewScale() const { return PixelScale::view(viewZoom, unitsPerScreenPixel); }
    // The font of the font dialog; new text objects take it over.
    DialogFont FontDialog1;
    double ImagePixelSize = 0; // internal units per image pixel, fixed at start-up
    int32_t printerPageWidth = 0, printerPageHeight = 0;
    int32_t pageWidth = 0, pageHeight = 0;
    QString currentFileName;
    int32_t DragMode = 0, MouseMode = 0;
    QImage annotationBitmap;
    DragScroll dragScroll; // shared by the scan view, placement view and sheet preview
    // The twelve cursors of the annotation page, by number 1..12.
    std::array<QCursor, 13> screenCursors;
    // The paper format catalogue, in the order of paper.dat and of the list.
    std::vector<PaperType> EttTypes;
    int32_t EttTypeCount() const { return int32_t(EttTypes.size()); }

    Dialogs& dialogs() { return *dialogs_; }
    PrintTarget& printTarget() { return *printTarget_; }

    // --- pages and controls -------------------------------------------------
    QTabWidget* PageControl2 = nullptr;
    ScanPage* scanPage = nullptr;
    RetouchPage* retouchPage = nullptr;
    AnnotationPage* annotationPage = nullptr;
    PlacementPage* placementPage = nullptr;
    PrintPage* printPage = nullptr;
    QPushButton* NewCoverBtn = nullptr;
    QPushButton* OpenCoverBtn = nullptr;
    QPushButton* SaveCoverBtn = nullptr;
    QPushButton* SaveCoverAsBtn = nullptr;
    QToolButton* wwwBtn = nullptr;
    TImageButton* ueberbtn = nullptr;
    TImageButton* EndeBtn = nullptr;
    QLabel* StatusPanel1 = nullptr;
    ProgressPanel* progressPanel = nullptr;

    // The scroll box of the page shown (the wheel scrolls it).
    ScrollBox* shownScrollBox() const;

    // --- shell services -----------------------------------------------------
    void FormCreate();
    void SetProSatus(int percent);
    void SBarPaintMore();
    void StatusBar1DrawPanel(const WinRect& rect);
    int progressValue() const { return progress_.value(); }
    void FormMouseWheelDown();
    void FormMouseWheelUp();
    void CheckAllPanelOptions();
    // What DrawVCart needs of the window: image pixel size and resolutions.
    LabelRenderSettings labelRenderSettings() const;
    void AboutBitBtnClick();
    void wwwBtn0Click();
    void QuitBtnClick();
    // Stores the current file name and shows it in the window title.
    void Setsavedfilename(const QString& fileName);
    // The printer's printable page in internal units, from the print target.
    void pageSizeRefresh();
    // Replaces the current image with a white 320 × 200 24-bit picture.
    void makeWhiteStartImage();

    // --- document commands (documentcommands.cpp) --------------------------------
    void NewCoverBtnClick();
    void OpenCoverBtnClick();
    void SaveCoverBtnClick();
    void SaveCoverAsBtnClick();
    // Write or read the cover file; true when it worked and the file became current.
    bool SaveFile(const QString& fileName);
    bool OpenFile(const QString& fileName);

    // --- files from outside (givenfilecommands.cpp) --------------------------------
    // Opens the file named after the program name, if any: nothing can be lost
    // yet, so a cover file is read without the discard question.
    void openFromCommandLine(const QStringList& arguments);
    // A cover file becomes the document, anything else arrives as the image.
    bool openGivenFile(const QString& fileName);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QWidget* buildTopBar();
    QWidget* buildBottomBar();
    QWidget* buildStatusBar();
    void buildPages();
    void registerCursors();
    // Scrolls the page shown, or leaves the wheel to the focused control under
    // the pointer; true when the event is used up.
    bool handleWheel(QWidget* receiver, QWheelEvent* wheel);
    void scrollShownPage(int angle);
    bool askDiscard(const QString& caption);
    bool openGivenImage(const QString& fileName);
    void openDroppedFile(const QString& fileName);
    void clearObjectTable();
    void sendProgress(int percent);
    void repaintDocumentViews();

    Dialogs* dialogs_;
    PrintTarget* printTarget_;
    ProgressBarState progress_;
    int wheelAccumulator_ = 0;
    // The last wheel event left to a focused control.
    QPointer<QWidget> passedWheelReceiver_;
    quint64 passedWheelTime_ = 0;
    QPoint passedWheelAngle_;
};
