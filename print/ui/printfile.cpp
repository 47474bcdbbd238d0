#include "print/ui/printfile.h"

#include "print/printtarget.h"
#include "widgets/dialogs.h"

#include <QCoreApplication>
#include <QRegularExpression>

QString proposedPrintFileName(const QString& title) {
    QString name = title;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
    return name + QStringLiteral(".pdf");
}

std::optional<QString> askPrintFileName(Dialogs& dialogs, const QString& title) {
    FileRequest request;
    request.caption = QCoreApplication::translate("PrintFile", "Druckausgabe speichern unter");
    request.filter = QCoreApplication::translate("PrintFile", "PDF-Dateien (*.pdf)|*.pdf");
    request.defaultSuffix = QStringLiteral("pdf");
    request.confirmOverwrite = true;
    request.fileName = proposedPrintFileName(title);
    const std::optional<FileAnswer> answer = dialogs.saveFile(request);
    if (!answer || answer->path.isEmpty()) return std::nullopt;
    return answer->path;
}

bool choosePrintFile(PrintTarget& target, Dialogs& dialogs, const QString& title) {
    if (!target.printsToFile()) return true;
    const std::optional<QString> path = askPrintFileName(dialogs, title);
    if (!path) return false;
    target.setOutputFileName(*path);
    return true;
}
