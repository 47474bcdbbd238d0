// paper.dat reader: any bytes must be read without a fault, and whatever is
// accepted must be written back as the same bytes, with the count corrected
// to the records actually kept.

#include "paper/paperedit.h"
#include "paper/paperfile.h"

#include <QtEndian>

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<std::vector<PaperType>> records = readPaperFile(input);
    if (!records) return 0;

    const qsizetype kept = 8 + qsizetype(records->size()) * PaperType::kRecordSize;
    QByteArray expected = input.first(std::min(kept, input.size())).toByteArray();
    expected.resize(kept, '\0'); // a file too short for its count reads as count 0
    qToLittleEndian<qint32>(qint32(records->size()), expected.data() + 4);
    if (writePaperFile(*records) != expected) std::abort();

    for (const PaperType& paper : *records) {
        // What the dialog would show, and the record it would store from it.
        PaperType stored = paper;
        applyDialogValues(stored, dialogValuesOf(paper));
        if (stored.displayName() != paper.displayName()) std::abort();
    }
    return 0;
}
