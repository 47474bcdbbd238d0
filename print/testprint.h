#pragma once
// The calibration's test print: a light grey 100 mm square with a black border
// at the origin of the printable area, without any calibration, and under it
// the printer's name and the date, so that a measured sheet can be matched to
// its printer later.

#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>

class PrintTarget;

// The job's title, which also names the PDF file output.
QString testPrintTitle();

QSize testRectangleSize(int dpiX, int dpiY);

// "Drucker: NAME" and "Datum: TT.MM.JJJJ"; the PDF file output is named as the
// printer dialog names it.
QStringList testPrintCaption(const QString& printerName, const QDate& date);

// The square, and the caption's lines below it, wrapped to the printable width.
bool printTestRectangle(PrintTarget& target, const QStringList& caption);
