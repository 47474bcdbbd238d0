#pragma once
// cdcover-batch and the installed label templates: listing them (--templates)
// and choosing a sheet by its product name (--template).

#include "paper/templateformat.h"

#include <QString>
#include <QTextStream>

#include <optional>

// One line per paper format of the templates matching `filter`: name,
// description, label size, labels per sheet, separated by tabs. ExitFailed with
// a message when none matches.
int listTemplates(const QString& filter, QTextStream& out, QTextStream& err);

// The format named `name`; nothing, with a message, when no installed
// template has it.
std::optional<TemplateFormat> chooseTemplate(const QString& name, QTextStream& err);
