#pragma once
// What a printer's driver offers for printing onto discs in its tray, and the
// job options that choose it. The facts come from the queue's PPD
// (cupsdisctray.h); what to ask for is decided here, without CUPS.
//
// A driver of the kind Debian's printer-driver-gutenprint ships names
//   PageSize    CD5Inch (329 pt), CD3Inch (184 pt), CDCustom (340 pt): square
//               pages centred on the disc
//   InputSlot   CD: the driver sends the tray-select command
//   MediaType   DiscCompat/DiscOthers on some models
//   StpCDOuterDiameter, StpCDInnerDiameter: the printable ring, in points
//   StpCDInnerRadius None/Small: the hub printed around or not
//   StpCDXAdjustment, StpCDYAdjustment: the driver moves the page, in points
// The lengths are PickOne options with numbers as choices and a custom value
// ("Custom.N") within a range.

#include "paper/discformat.h"
#include "print/disccalibration.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// A length option of the PPD.
struct PpdLength {
    QStringList choices; // the listed values, in points
    bool custom = false; // any value within min..max as "Custom.N"
    double minPt = 0, maxPt = 0;
};

struct DiscPageSize {
    QString name;
    double sidePt = 0;
};

struct DiscTray {
    std::vector<DiscPageSize> pages; // the square disc pages
    bool cdInputSlot = false;
    QString discMediaType; // the media type for discs; empty when the driver has none
    bool innerRadiusChoice = false;
    std::optional<PpdLength> outerDiameter, innerDiameter, xAdjustment, yAdjustment;
};

using JobOptions = std::vector<std::pair<QString, QString>>;

// A queue prints onto discs when its driver has disc pages or a CD input slot.
bool canPrintDiscs(const DiscTray& tray);
// Whether the driver moves the page by the disc calibration itself.
bool driverShiftsDisc(const DiscTray& tray);

// The smallest disc page that holds the disc, else the largest; none without pages.
std::optional<DiscPageSize> discPageFor(const DiscTray& tray, const DiscFormat& disc);

// The value sent for `points`: "Custom.N" within the custom range, else the
// nearest listed choice.
QString lengthValue(const PpdLength& length, double points);

// Page size, input slot, media type, the ring's diameters and, where the
// driver takes them, the calibration as its X/Y adjustment.
JobOptions discJobOptions(const DiscTray& tray, const DiscFormat& disc, const DiscOffset& calibration);

// What the drawing itself moves by: nothing where the driver moves the page.
DiscOffset drawingShift(const DiscTray& tray, const DiscOffset& calibration);

// Points from millimetres, at 72 points per inch.
double pointsFromMm(double mm);
