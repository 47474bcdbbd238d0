#pragma once
// Scanning as the main window sees it: choose a source, start a scan whose
// image arrives later as WmUser2Event. SANE does the work in place of TWAIN.

#include "raster/scanjob.h"

#include <QByteArray>

class Dialogs;
class QWidget;

// Lists the devices for the user to choose one; the choice is kept for the
// run. Without any device a message says so.
void TWAIN_SelectScanner(Dialogs& dialogs, QWidget* owner);

// Opens the chosen device (the first one when none was chosen), shows its
// options and, on "Scannen", scans in a worker thread. Progress and the image
// go to `window` as WmUserEvent and WmUser2Event; failures are told in German.
void TWAIN_ScanImage(Dialogs& dialogs, QWidget* window);

// The device chosen in this run; empty when none was.
QByteArray chosenScanner();
void forgetChosenScanner();
