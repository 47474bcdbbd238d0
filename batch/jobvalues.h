#pragma once
// The values a cdcover-batch run places and prints with: each one the command
// line gives, else the one the job was saved with, else the window's start value.

#include "batch/batchoptions.h"
#include "document/printsettings.h"

#include <optional>

PlacementValues placementFor(const BatchOptions& options, const std::optional<PrintSettings>& saved);

// The clip choice: --clip/--no-clip; else, when the job prints on the format it
// was saved with, the choice saved with it; else the format's own (on for CD/DVD
// labels), as the window sets it when a format is chosen.
PrintValues printValuesFor(const BatchOptions& options, const std::optional<PrintSettings>& saved,
                           const std::optional<LabelShape>& shape, bool onSavedFormat);
