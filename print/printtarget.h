#pragma once
// Where printed pages go: a printer through QPrinter in the application, a page
// recorder in tests. Coordinates are device pixels with the origin at the
// top-left corner of the printable area.

#include <QSize>
#include <QString>

class QPainter;
class QPrinter;

class PrintTarget {
  public:
    virtual ~PrintTarget() = default;
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // The printable area in device pixels.
    virtual QSize printableSize() const = 0;
    // A print job: begin with the document title, pages, end. The painter is
    // valid between begin and end.
    virtual bool begin(const QString& title) = 0;
    virtual bool newPage() = 0;
    virtual bool end() = 0;
    virtual QPainter* painter() = 0;

    // A target that writes a file needs its name before a job begins.
    virtual bool printsToFile() const { return false; }
    virtual void setOutputFileName(const QString&) {}
    // The system printer the printer dialog works on; none for targets that
    // stand in for one.
    virtual QPrinter* systemPrinter() { return nullptr; }
    // The CUPS queue the pages go to; empty for a file. Each queue, and the
    // file output, keeps a calibration of its own.
    virtual QString printerName() const { return {}; }
    // Why the last job could not begin or end, for the user; empty when the
    // target cannot tell.
    virtual QString failureText() const { return {}; }
};

// The name the user knows a target by: the queue's, or "PDF-Datei" for the
// file output, as the printer dialog lists it.
QString printerDisplayName(const QString& printerName);

// The printable page in internal units: trunc(W × 200000 × 25.39995 / dpiX) by
// trunc(H × 200000 × 25.39995 / dpiY).
struct PageSizeUnits {
    int32_t width = 0;
    int32_t height = 0;
};
PageSizeUnits pageSizeInUnits(const PrintTarget& target);
