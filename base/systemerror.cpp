#include "base/systemerror.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace {

// The reasons a file write meets in practice, worded as the German C library
// words them; shown translated.
const char* knownReason(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
        return QT_TRANSLATE_NOOP("SystemError", "Auf dem Gerät ist kein Speicherplatz mehr verfügbar");
    case EDQUOT:
        return QT_TRANSLATE_NOOP("SystemError", "Der zugewiesene Plattenplatz (Quota) ist überschritten");
    case EFBIG:
        return QT_TRANSLATE_NOOP("SystemError", "Die Datei ist zu groß");
    case EACCES:
        return QT_TRANSLATE_NOOP("SystemError", "Keine Berechtigung");
    case EPERM:
        return QT_TRANSLATE_NOOP("SystemError", "Die Operation ist nicht erlaubt");
    case EROFS:
        return QT_TRANSLATE_NOOP("SystemError", "Das Dateisystem ist nur lesbar");
    case ENOENT:
        return QT_TRANSLATE_NOOP("SystemError", "Datei oder Verzeichnis nicht gefunden");
    case ENOTDIR:
        return QT_TRANSLATE_NOOP("SystemError", "Ist kein Verzeichnis");
    case EISDIR:
        return QT_TRANSLATE_NOOP("SystemError", "Ist ein Verzeichnis");
    case ENAMETOOLONG:
        return QT_TRANSLATE_NOOP("SystemError", "Der Dateiname ist zu lang");
    case EIO:
        return QT_TRANSLATE_NOOP("SystemError", "Eingabe-/Ausgabefehler");
    case ENOMEM:
        return QT_TRANSLATE_NOOP("SystemError", "Nicht genügend Hauptspeicher verfügbar");
    case EMFILE:
        return QT_TRANSLATE_NOOP("SystemError", "Zu viele offene Dateien");
    case ENFILE:
        return QT_TRANSLATE_NOOP("SystemError", "Zu viele offene Dateien im System");
    case ELOOP:
        return QT_TRANSLATE_NOOP("SystemError", "Zu viele Ebenen aus symbolischen Links");
    case EBUSY:
        return QT_TRANSLATE_NOOP("SystemError", "Das Gerät oder die Ressource ist belegt");
    case ETXTBSY:
        return QT_TRANSLATE_NOOP("SystemError", "Die Datei wird gerade benutzt");
    case ESTALE:
        return QT_TRANSLATE_NOOP("SystemError", "Veraltete Dateizugriffsnummer (file handle)");
    default:
        return nullptr;
    }
}

} // namespace

QString systemErrorText(int errorNumber) {
    if (const char* reason = knownReason(errorNumber))
        return QCoreApplication::translate("SystemError", reason);
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

QString notWrittenText(const QString& what, int errorNumber) {
    if (errorNumber == 0)
        return QCoreApplication::translate("SystemError", "%1 konnte nicht geschrieben werden.").arg(what);
    return QCoreApplication::translate("SystemError", "%1 konnte nicht geschrieben werden: %2.")
        .arg(what, systemErrorText(errorNumber));
}
