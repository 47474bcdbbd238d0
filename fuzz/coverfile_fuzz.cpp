// Feeds arbitrary bytes to the cover file reader. Whatever it accepts must write
// back and read again to the same document.

#include "document/coverfile.h"

#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const cover::ReadResult first =
        cover::readCover(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (first.status != cover::ReadStatus::Ok) return 0;
    const cover::CoverDocument& document = first.document;
    check(!document.image.isNull());

    static ObjectTable table;
    cover::installObjects(document, table);
    const cover::CoverSource source{
        document.pageWidth, document.pageHeight, document.viewZoom, document.unitsPerScreenPixel, &table,
        &document.image};
    const cover::ReadResult second = cover::readCover(cover::coverBytes(source));
    check(second.status == cover::ReadStatus::Ok);
    const DibImage& image = second.document.image;
    check(image.width() == document.image.width() && image.height() == document.image.height() &&
          image.bitCount() == document.image.bitCount());
    check(std::memcmp(image.pixels(), document.image.pixels(), image.sizeImage()) == 0);
    return 0;
}
