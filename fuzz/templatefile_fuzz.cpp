// Label template reader: any bytes must be read without a fault, and every
// template it keeps must be one the paper formats can be made from.

#include "paper/templateformat.h"
#include "paper/templatereader.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TemplateReadResult result =
        readTemplateXml(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    resolveEquivalents(result);
    for (const LabelTemplate& label : result.templates) {
        if (label.layouts.empty() || !(label.labelWidth > 0) || !(label.labelHeight > 0)) std::abort();
        for (const TemplateFormat& format : paperFormatsOf(label)) {
            const PaperType& paper = format.paper;
            if (paper.CountX < 1 || paper.CountY < 1 || !std::isfinite(paper.StepX) ||
                !std::isfinite(paper.StepY))
                std::abort();
        }
    }
    return 0;
}
