#pragma once
// Printing into a PDF file instead of onto a printer: the file is named before
// the job starts, and a cancelled file dialog means no job at all.

#include <QString>

#include <optional>

class Dialogs;
class PrintTarget;

// For a target that writes a file, asks for the file name (proposed from the
// job's title) and hands it to the target; false when the user cancels. Targets
// that print on paper need nothing and always go ahead.
bool choosePrintFile(PrintTarget& target, Dialogs& dialogs, const QString& title);

// The file name the user gives for a print into a file; nothing when cancelled.
std::optional<QString> askPrintFileName(Dialogs& dialogs, const QString& title);

// "CD-Label/Cover" → "CD-Label-Cover.pdf": a title may hold characters a file
// name cannot.
QString proposedPrintFileName(const QString& title);
