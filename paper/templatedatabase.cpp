#include "paper/templatedatabase.h"

#include "paper/templatereader.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {

void appendFile(TemplateReadResult& all, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxTemplateFileBytes) {
        ++all.skipped;
        return;
    }
    TemplateReadResult one = readTemplateXml(file.readAll());
    all.skipped += one.skipped;
    std::move(one.templates.begin(), one.templates.end(), std::back_inserter(all.templates));
    all.equivalents.insert(all.equivalents.end(), one.equivalents.begin(), one.equivalents.end());
}

void dropRepeatedProducts(std::vector<LabelTemplate>& templates) {
    QSet<QString> seen;
    std::erase_if(templates, [&](const LabelTemplate& label) {
        const QString product = label.product().toCaseFolded();
        if (seen.contains(product)) return true;
        seen.insert(product);
        return false;
    });
}

bool byBrandAndPart(const LabelTemplate& a, const LabelTemplate& b) {
    if (const int brand = a.brand.compare(b.brand, Qt::CaseInsensitive)) return brand < 0;
    return a.part.compare(b.part, Qt::CaseInsensitive) < 0;
}

bool containsAllWords(const LabelTemplate& label, const QStringList& words) {
    const QString text = label.brand + QLatin1Char(' ') + label.part + QLatin1Char(' ') + label.description;
    return std::all_of(words.begin(), words.end(),
                       [&](const QString& word) { return text.contains(word, Qt::CaseInsensitive); });
}

} // namespace

QStringList templateFolders() {
    const QByteArray chosen = qgetenv("CDCOVER_TEMPLATE_DIRS");
    if (!chosen.isEmpty()) return QString::fromLocal8Bit(chosen).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QStringList folders;
    folders << QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QStringLiteral("/libglabels/templates");
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/libglabels-3.0/templates")
                << data + QStringLiteral("/glabels-qt/templates");
    folders.removeDuplicates();
    return folders;
}

TemplateDatabase loadTemplateDatabase(const QStringList& folders) {
    TemplateReadResult all;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
            appendFile(all, dir.filePath(name));
    }
    resolveEquivalents(all);
    dropRepeatedProducts(all.templates);
    std::stable_sort(all.templates.begin(), all.templates.end(), byBrandAndPart);
    return {std::move(all.templates), all.skipped};
}

std::vector<const LabelTemplate*> matchingTemplates(const TemplateDatabase& database, const QString& text,
                                                    bool discOnly) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<const LabelTemplate*> found;
    for (const LabelTemplate& label : database.templates)
        if ((!discOnly || label.isDiscLabel()) && containsAllWords(label, words)) found.push_back(&label);
    return found;
}

std::optional<TemplateFormat> findTemplateFormat(const TemplateDatabase& database, const QString& name) {
    const QString wanted = name.simplified();
    for (const LabelTemplate& label : database.templates) {
        if (!wanted.startsWith(label.product(), Qt::CaseInsensitive)) continue;
        for (const TemplateFormat& format : paperFormatsOf(label))
            if (format.name.compare(wanted, Qt::CaseInsensitive) == 0) return format;
    }
    return std::nullopt;
}
