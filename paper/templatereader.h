#pragma once
// The reader of label-sheet template files (the XML format of the shared label
// template database): root "Glabels-templates", one "Template" per product with
// its label ("Label-rectangle", "Label-round", "Label-ellipse", "Label-cd"), the
// label's "Layout" grids, "Meta category" and "Alias" names; a template with
// "equiv" takes the geometry of another product of the same brand.
//
// Nothing in a file is trusted: a template with a missing or unreadable
// attribute, a length outside 0…5000 mm, a count outside 1…1000 or no layout is
// skipped and counted; a file nested deeper than any template file or larger
// than kMaxTemplateFileBytes is skipped whole.

#include "paper/labeltemplate.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

inline constexpr qint64 kMaxTemplateFileBytes = 16 * 1024 * 1024;

struct TemplateReadResult {
    std::vector<LabelTemplate> templates;
    int skipped = 0; // templates (or whole files) that could not be used
    // Products of this file that name another's geometry with "equiv", still
    // unresolved: brand and part of the copy, part of the original.
    struct Equivalent {
        QString brand, part, equivPart;
    };
    std::vector<Equivalent> equivalents;
};

// Reads one file's bytes; equivalents stay unresolved (see resolveEquivalents).
TemplateReadResult readTemplateXml(QByteArrayView xml);

// Adds a copy of each equivalent's original, found among `result.templates`
// (brand compared without case), with the copy's brand and part; an equivalent
// whose original is missing counts as skipped. The list is emptied.
void resolveEquivalents(TemplateReadResult& result);

// readTemplateXml and resolveEquivalents on a file; a file that cannot be read or
// is too large counts as one skipped template.
TemplateReadResult readTemplateFile(const QString& path);
