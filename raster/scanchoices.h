#pragma once
// What the user chose on the "Scannen" page that is kept from run to run, in
// the file scan.ini of the settings folder.

#include <QString>

struct ScanChoices {
    bool autoCropAfterScan = false;
};

// The choices kept in `settingsFolder`; the defaults when there are none.
ScanChoices readScanChoices(const QString& settingsFolder);
// Keeps `choices`; false (and the previous file intact) when it cannot be written.
bool writeScanChoices(const QString& settingsFolder, const ScanChoices& choices);
