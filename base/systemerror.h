#pragma once
// The system's reason for a failed file operation, told in the program's
// language like every other message, whatever language the system speaks:
// "Auf dem Gerät ist kein Speicherplatz mehr verfügbar".

#include <QString>

// The reason for the error number `errorNumber` (an errno value), without a
// full stop; the system's own text for numbers this program does not know.
QString systemErrorText(int errorNumber);

// "<what> konnte nicht geschrieben werden: <reason>." — `what` names the file,
// e.g. "Die PDF-Datei /home/anna/cd.pdf". Without an error number (0) the
// sentence ends after "werden".
QString notWrittenText(const QString& what, int errorNumber);
