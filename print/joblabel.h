#pragma once
// What a job prints on each label: its picture, objects and placement, clipped
// to the label's shape when the job asks for it. "Go!", the sheet preview and
// cdcover-batch all render this, so they cannot disagree.

#include "document/coverjob.h"
#include "print/labelbitmap.h"

// `screenDpi`: the logical resolution the job's objects were laid out at.
LabelContent labelContentOf(const CoverJob& job, int screenDpi);
