#include "base/systemerror.h"

#include <cerrno>
#include <cstring>

namespace {

// The reasons a file write meets in practice, worded as the German C library
// words them.
const char* germanReason(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
        return "Auf dem Gerät ist kein Speicherplatz mehr verfügbar";
    case EDQUOT:
        return "Der zugewiesene Plattenplatz (Quota) ist überschritten";
    case EFBIG:
        return "Die Datei ist zu groß";
    case EACCES:
        return "Keine Berechtigung";
    case EPERM:
        return "Die Operation ist nicht erlaubt";
    case EROFS:
        return "Das Dateisystem ist nur lesbar";
    case ENOENT:
        return "Datei oder Verzeichnis nicht gefunden";
    case ENOTDIR:
        return "Ist kein Verzeichnis";
    case EISDIR:
        return "Ist ein Verzeichnis";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang";
    case EIO:
        return "Eingabe-/Ausgabefehler";
    case ENOMEM:
        return "Nicht genügend Hauptspeicher verfügbar";
    case EMFILE:
        return "Zu viele offene Dateien";
    case ENFILE:
        return "Zu viele offene Dateien im System";
    case ELOOP:
        return "Zu viele Ebenen aus symbolischen Links";
    case EBUSY:
        return "Das Gerät oder die Ressource ist belegt";
    case ETXTBSY:
        return "Die Datei wird gerade benutzt";
    case ESTALE:
        return "Veraltete Dateizugriffsnummer (file handle)";
    default:
        return nullptr;
    }
}

} // namespace

QString systemErrorText(int errorNumber) {
    if (const char* reason = germanReason(errorNumber)) return QString::fromUtf8(reason);
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

QString notWrittenText(const QString& what, int errorNumber) {
    const QString sentence = what + QStringLiteral(" konnte nicht geschrieben werden");
    if (errorNumber == 0) return sentence + QLatin1Char('.');
    return sentence + QStringLiteral(": ") + systemErrorText(errorNumber) + QLatin1Char('.');
}
