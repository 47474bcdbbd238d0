#pragma once
// The user's side of scanning: choosing a source, and setting a device's
// options before a scan starts. The scan itself runs in the ScannerSession,
// which signals its image later. SANE does the work in place of TWAIN.

class Dialogs;
class QWidget;
class ScannerSession;
struct ImageLimits;

// Lists the devices for the user to choose one; the session keeps the choice
// for the run. Without any device a message says so.
void chooseScanner(ScannerSession& session, Dialogs& dialogs, QWidget* owner);

// Opens the chosen device (the first one when none was chosen), shows its
// options and, on "Scannen", starts the session's scan with `limits`. While a
// scan runs, or when no device opens, the user is told in German.
void askOptionsAndStartScan(ScannerSession& session, Dialogs& dialogs, QWidget* owner,
                            const ImageLimits& limits);
