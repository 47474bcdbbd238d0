#pragma once
// `cdcover-batch --info`: a cover file's job as JSON, every object field under
// its name in the file's object record, texts as UTF-8; the print settings the
// file keeps under "printSettings" (absent when it keeps none).

#include "document/coverfile.h"

#include <QByteArray>

QByteArray jobInfoJson(const cover::CoverDocument& document);
