#pragma once
// The main window: it holds the job, builds the five workflow pages and the
// shell they get, the top bar with the document commands, the bottom bar with
// its image buttons and the status bar, and wires them together. It is the
// only part of the program that knows all pages.

#include "app/mainshell.h"
#include "document/coverjob.h"
#include "document/printsettings.h"

#include <QPointer>
#include <QWidget>

class Dialogs;
class PrintTarget;
class QKeyEvent;
class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QToolButton;
class ImageButton;
class ScanPage;
class RetouchPage;
class AnnotationPage;
class PlacementPage;
class PrintPage;
class ScrollBox;

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(const AppEnvironment& environment, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The job the pages work on, and what they get of the window.
    CoverJob job;
    MainShell& shell() { return shell_; }
    Dialogs& dialogs() { return shell_.dialogs(); }

    // --- pages and controls -------------------------------------------------
    QTabWidget* pageTabs = nullptr;
    ScanPage* scanPage = nullptr;
    RetouchPage* retouchPage = nullptr;
    AnnotationPage* annotationPage = nullptr;
    PlacementPage* placementPage = nullptr;
    PrintPage* printPage = nullptr;
    QPushButton* newCoverButton = nullptr;
    QPushButton* openCoverButton = nullptr;
    QPushButton* saveCoverButton = nullptr;
    QPushButton* saveCoverAsButton = nullptr;
    QToolButton* websiteButton = nullptr;
    ImageButton* aboutButton = nullptr;
    ImageButton* quitButton = nullptr;

    // The scroll box of the page shown (the wheel scrolls it).
    ScrollBox* shownScrollBox() const;

    // --- shell services -----------------------------------------------------
    void FormCreate();
    void setProgress(int percent);
    int progressValue() const;
    // The line in the status bar's text panel.
    QString statusText() const;
    void wheelTurned();
    void FormMouseWheelUp();
    void showAbout();
    void openWebsite();
    void quit();
    // Stores the current file name; the window title follows.
    void setSavedFileName(const QString& fileName);

    // --- document commands (documentcommands.cpp) --------------------------------
    void newCover();
    void openCover();
    // True when the job was saved; false when the save failed or was cancelled.
    bool saveCover();
    bool saveCoverAs();
    // Write or read the cover file; true when it worked and the file became current.
    bool SaveFile(const QString& fileName);
    bool OpenFile(const QString& fileName);

    // --- files from outside (givenfilecommands.cpp) --------------------------------
    // Opens the file named after the program name, if any.
    void openFromCommandLine(const QStringList& arguments);
    // A cover file becomes the document, after the question about unsaved
    // changes; anything else arrives as the image.
    bool openGivenFile(const QString& fileName);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QWidget* buildTopBar();
    QWidget* buildBottomBar();
    QStatusBar* buildStatusBar();
    void buildPages();
    void showFileNameInTitle();
    // Scrolls the page shown, or leaves the wheel to the focused control under
    // the pointer; true when the event is used up.
    bool handleWheel(QWidget* receiver, QWheelEvent* wheel);
    void scrollShownPage(int angle);
    // With unsaved changes, asks whether to save them first, and saves on that
    // answer; false when the command should not go on (cancelled, or the save
    // failed or was cancelled).
    bool saveChangesFirst(const QString& caption);
    bool openGivenImage(const QString& fileName);
    // Placement, print values and paper format as a cover file kept them; the
    // status bar tells when the format had to be added to the catalogue.
    void restorePrintSettings(const PrintSettings& settings);
    // Undo and redo keys (historykeys.cpp).
    void installHistoryKeys();
    static bool isHistoryKey(const QKeyEvent& key);

    MainShell shell_;
    int wheelAccumulator_ = 0;
    // The last wheel event left to a focused control.
    QPointer<QWidget> passedWheelReceiver_;
    quint64 passedWheelTime_ = 0;
    QPoint passedWheelAngle_;
};
