#include "print/joblabel.h"

LabelContent labelContentOf(const CoverJob& job, int screenDpi) {
    // A disc always prints inside its ring: ink beyond it lands on the tray.
    const bool clip = job.disc() || (job.printValues().clipToShape && job.labelShape());
    return {job.image(), job.objects(), job.placement(),
            LabelRenderSettings{job.imagePixelSize(), screenDpi, screenDpi},
            clip ? job.printedShape() : std::nullopt};
}
