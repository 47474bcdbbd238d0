#pragma once
// The disc calibration's test print: rings every 5 mm around the disc's
// centre, a cross through the centre with a millimetre scale, and the
// printer's name and date, all inside the ring. Laid on the printed disc, the
// scale at the hole's and the disc's edges shows how far the print is off:
// that shift, with the opposite sign, is the disc calibration.

#include "paper/discformat.h"
#include "print/disccalibration.h"

#include <QStringList>

class PrintTarget;

// The job's title, which also names the PDF file output.
QString discTestPrintTitle();

// One page, printed without any disc calibration unless `shift` is given.
bool printDiscTestPage(PrintTarget& target, const DiscFormat& disc, const QStringList& caption,
                       const DiscOffset& shift = {});
