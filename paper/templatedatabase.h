#pragma once
// The label templates installed on this computer: the shared template database
// of the label programs (libglabels' and glabels-qt's data folders) and the
// user's own templates. Read where they are installed, each time it is needed.

#include "paper/labeltemplate.h"
#include "paper/templateformat.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct TemplateDatabase {
    std::vector<LabelTemplate> templates; // sorted by brand, then part
    int skipped = 0;                      // templates or files that could not be used
};

// The folders to read, the user's own first. CDCOVER_TEMPLATE_DIRS (folders
// separated by ':') replaces them.
QStringList templateFolders();

// Reads every *.xml of the folders; "equiv" products are resolved across all
// files. A product found twice is kept from the folder listed first.
TemplateDatabase loadTemplateDatabase(const QStringList& folders);

// The templates whose brand, part or description contain every word of `text`
// (without case); all when it is empty. `discOnly` keeps CD/DVD labels.
std::vector<const LabelTemplate*> matchingTemplates(const TemplateDatabase& database, const QString& text,
                                                    bool discOnly = false);

// The paper format named "BRAND PART", or "BRAND PART (n)" for the n-th grid of
// a sheet with several; case does not matter. Nothing for an unknown name.
std::optional<TemplateFormat> findTemplateFormat(const TemplateDatabase& database, const QString& name);
