#include "print/joblabel.h"

LabelContent labelContentOf(const CoverJob& job, int screenDpi) {
    const bool clip = job.printValues().clipToShape && job.labelShape();
    return {job.image(), job.objects(), job.placement(),
            LabelRenderSettings{job.imagePixelSize(), screenDpi, screenDpi},
            clip ? job.labelShape() : std::nullopt};
}
