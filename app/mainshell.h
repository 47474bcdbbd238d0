#pragma once
// The main window's side of what the pages get: the services handed in from
// outside (dialogs, printer, settings folder, screen, image limits), the paper
// format catalogue, the printers' calibrations, the shared drag-to-scroll state
// and the status bar.

#include "base/screenfacts.h"
#include "paper/papercatalogue.h"
#include "print/printercalibrations.h"
#include "raster/imagelimits.h"
#include "widgets/dragscroll.h"
#include "widgets/shell.h"

#include <QObject>

class Dialogs;
class PrintTarget;
class QLabel;
class QProgressBar;

// What the main window is given from outside: where its settings files live,
// how it asks the user, where it prints, what screen it shows on and what its
// image operations may take.
struct AppEnvironment {
    QString settingsFolder; // ends with '/'
    Dialogs* dialogs = nullptr;
    PrintTarget* printTarget = nullptr;
    ScreenFacts screen;
    ImageLimits imageLimits;
};

class MainShell final : public QObject, public Shell {
    Q_OBJECT
  public:
    explicit MainShell(const AppEnvironment& environment);

    // The status bar, once the window has built it.
    void attachStatusBar(QLabel* textPanel, QProgressBar* progressBar);
    // The progress shown last, 0 before any.
    int progress() const { return progress_; }
    // The text panel's line.
    QString status() const;

    Dialogs& dialogs() override { return *dialogs_; }
    void showProgress(int percent) override;
    void showStatus(const QString& text) override;
    PrintTarget& printTarget() override { return *printTarget_; }
    QString settingsFolder() const override { return settingsFolder_; }
    PaperCatalogue& paperCatalogue() override { return catalogue_; }
    PrinterCalibrations& printerCalibrations() override { return calibrations_; }
    ScreenFacts screen() const override { return screen_; }
    const ImageLimits& imageLimits() const override { return imageLimits_; }
    // Replaces the limits from the environment; tests lower them while the window is open.
    void setImageLimits(const ImageLimits& limits) { imageLimits_ = limits; }
    DragScroll& dragScroll() override { return dragScroll_; }

  signals:
    // Every value passed to showProgress, a repeated one too.
    void progressShown(int percent);

  private:
    QString settingsFolder_;
    Dialogs* dialogs_;
    PrintTarget* printTarget_;
    ScreenFacts screen_;
    ImageLimits imageLimits_;
    PaperCatalogue catalogue_;
    PrinterCalibrations calibrations_;
    DragScroll dragScroll_;
    int progress_ = 0;
    QLabel* textPanel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
};
