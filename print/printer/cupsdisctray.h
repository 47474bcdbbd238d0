#pragma once
// A CUPS queue's disc tray, read from its PPD through libcups. Qt's printer
// classes see only page sizes; the tray's options (input slot, ring diameters,
// fine adjustment) live in the PPD alone.

#include "print/disctray.h"

#include <QString>

// The tray of the queue `printerName` on the scheduler CUPS_SERVER names (or
// the system's); an empty tray when the queue has no PPD or cannot be reached.
DiscTray readDiscTray(const QString& printerName);
// The same from a PPD file.
DiscTray readDiscTrayFromPpd(const QString& ppdPath);
