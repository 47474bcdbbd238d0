#include "batch/batchtemplates.h"

#include "batch/batchrun.h"
#include "paper/templatedatabase.h"

#include <QCoreApplication>

int listTemplates(const QString& filter, QTextStream& out, QTextStream& err) {
    const TemplateDatabase database = loadTemplateDatabase(templateFolders());
    const std::vector<const LabelTemplate*> found = matchingTemplates(database, filter);
    for (const LabelTemplate* label : found) {
        const QString size = labelSizeText(*label);
        for (const TemplateFormat& format : paperFormatsOf(*label))
            out << format.name << '\t' << label->description << '\t' << size << '\t'
                << format.paper.CountX * format.paper.CountY << '\n';
    }
    out.flush();
    if (!found.empty()) return ExitOk;
    err << (database.templates.empty()
                ? QCoreApplication::translate(
                      "BatchTemplates", "Es sind keine Etikettenvorlagen installiert (Paket glabels-data).")
                : QCoreApplication::translate("BatchTemplates", "Keine Etikettenvorlage passt zu \"%1\".")
                      .arg(filter))
        << Qt::endl;
    return ExitFailed;
}

std::optional<TemplateFormat> chooseTemplate(const QString& name, QTextStream& err) {
    const TemplateDatabase database = loadTemplateDatabase(templateFolders());
    std::optional<TemplateFormat> format = findTemplateFormat(database, name);
    if (!format)
        err << QCoreApplication::translate("BatchTemplates",
                                           "Die Etikettenvorlage \"%1\" gibt es nicht; --templates zeigt die "
                                           "installierten Vorlagen.")
                   .arg(name)
            << Qt::endl;
    return format;
}
