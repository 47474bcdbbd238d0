// Feeds arbitrary bytes to the cover file reader. Whatever it accepts must write
// back and read again to the same document. The same bytes go to the reader of
// the print settings block on their own, so it is reached without a valid image.

#include "document/coverfile.h"
#include "document/printsettingsblock.h"

#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Settings that were read write back to a block that reads to the same bytes again.
void checkSettingsRoundTrip(const std::optional<PrintSettings>& settings) {
    if (!settings) return;
    const QByteArray block = cover::printSettingsBlock(*settings);
    const std::optional<PrintSettings> again = cover::readPrintSettingsBlock(block);
    check(again.has_value() && cover::printSettingsBlock(*again) == block);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkSettingsRoundTrip(cover::readPrintSettingsBlock(bytes));

    const cover::ReadResult first = cover::readCover(bytes);
    if (first.status != cover::ReadStatus::Ok) return 0;
    const cover::CoverDocument& document = first.document;
    check(!document.image.isNull());
    checkSettingsRoundTrip(document.printSettings);

    static ObjectTable table;
    cover::installObjects(document, table);
    const cover::CoverSource source{
        document.pageWidth, document.pageHeight,   document.viewZoom, document.unitsPerScreenPixel, &table,
        &document.image,    document.printSettings};
    const cover::ReadResult second = cover::readCover(cover::coverBytes(source));
    check(second.status == cover::ReadStatus::Ok);
    const DibImage& image = second.document.image;
    check(image.width() == document.image.width() && image.height() == document.image.height() &&
          image.bitCount() == document.image.bitCount());
    check(std::memcmp(image.pixels(), document.image.pixels(), image.sizeImage()) == 0);
    check(second.document.printSettings.has_value() == document.printSettings.has_value());
    return 0;
}
