// Every save format written and read back at every bit count, and what each
// decoder does with damaged and hostile files.

#include "raster/codecs/bmpcodec.h"
#include "raster/imagefile.h"
#include "support/imagecompare.h"
#include "support/testimages.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    ImageFileFormat format;
    const char* name;
    // Bit count read back for an image of 1, 4, 8 and 24 bits.
    int bitsAfter[4];
    int tolerance;
};

const FormatCase kFormats[] = {
    {ImageFileFormat::Bmp, "bmp", {1, 4, 8, 24}, 0},   {ImageFileFormat::Dib, "dib", {1, 4, 8, 24}, 0},
    {ImageFileFormat::Gif, "gif", {1, 4, 8, 8}, 0},    {ImageFileFormat::Iff, "iff", {1, 4, 8, 24}, 0},
    {ImageFileFormat::Jif, "jif", {8, 24, 8, 24}, 40}, {ImageFileFormat::Jpg, "jpg", {8, 24, 8, 24}, 40},
    {ImageFileFormat::Lbm, "lbm", {8, 8, 8, 24}, 0},   {ImageFileFormat::Pcx, "pcx", {1, 4, 8, 24}, 0},
    {ImageFileFormat::Rle, "rle", {4, 4, 8, 8}, 0},    {ImageFileFormat::Tga, "tga", {8, 8, 8, 24}, 0},
    {ImageFileFormat::Tif, "tif", {1, 4, 8, 24}, 0},   {ImageFileFormat::Png, "png", {1, 4, 8, 24}, 0},
};

DibImage sample(int bits, int width, int height) {
    if (bits == 24) return gradientImage24(width, height, 99);
    DibImage image = patternImage(width, height, bits, 1);
    // A palette of distinct colours so that a mixed-up index shows.
    for (std::size_t i = 0; i < image.colors().size() && bits == 4; ++i)
        image.colors()[i] = {uint8_t(i * 16), uint8_t(255 - i * 9), uint8_t(i * 5 + 3), 0};
    return image;
}

TEST(ImageCodecs, EveryFormatRoundTripsEveryBitCount) {
    for (const FormatCase& f : kFormats) {
        for (int b = 0; b < 4; ++b) {
            const int bits = (int[]){1, 4, 8, 24}[b];
            for (auto [width, height] : {std::pair{13, 7}, std::pair{1, 1}, std::pair{40, 3}}) {
                SCOPED_TRACE(testing::Message()
                             << f.name << " " << bits << " bits " << width << "x" << height);
                const DibImage original = sample(bits, width, height);
                const QByteArray bytes = encodeImage(original, f.format);
                ASSERT_FALSE(bytes.isEmpty());
                const DibImage back = decodeImage(bytes);
                ASSERT_FALSE(back.isNull());
                EXPECT_EQ(back.bitCount(), f.bitsAfter[b]);
                // JPEG is meant for photographs: only the smooth samples are compared.
                if (f.tolerance == 0 || bits >= 8) expectSamePicture(original, back, f.tolerance);
            }
        }
    }
}

TEST(ImageCodecs, TrueColourIntoPaletteFormatsKeepsFewColoursExactlyAndApproximatesMany) {
    DibImage many = createImage(64, 64, 24);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            setPixelAt(many, x, y, makeColorRef(x * 4, y * 4, (x + y) * 2));
    for (ImageFileFormat format : {ImageFileFormat::Gif, ImageFileFormat::Rle}) {
        const DibImage back = decodeImage(encodeImage(many, format));
        ASSERT_EQ(back.bitCount(), 8);
        expectSamePicture(many, back, 40);
    }
}

TEST(ImageCodecs, RunLengthFormatsCompressRunsAndKeepLiteralStretches) {
    DibImage image = createImage(300, 2, 8);
    for (int x = 0; x < 300; ++x)
        setPixelAt(image, x, 1, x < 280 ? 5 : uint32_t(x % 7));
    for (ImageFileFormat format : {ImageFileFormat::Rle, ImageFileFormat::Pcx, ImageFileFormat::Iff}) {
        const QByteArray bytes = encodeImage(image, format);
        EXPECT_LT(bytes.size(), 300 + 1100);
        expectSamePicture(image, decodeImage(bytes), 0);
    }
}

TEST(ImageCodecs, FormatIsRecognisedByContentNotName) {
    const DibImage image = sample(24, 5, 4);
    for (const FormatCase& f : kFormats) {
        const ImageFileFormat seen = detectImageFormat(encodeImage(image, f.format));
        const bool sameFamily = seen == f.format ||
                                (f.format == ImageFileFormat::Dib && seen == ImageFileFormat::Bmp) ||
                                (f.format == ImageFileFormat::Rle && seen == ImageFileFormat::Bmp) ||
                                (f.format == ImageFileFormat::Lbm && seen == ImageFileFormat::Iff) ||
                                (f.format == ImageFileFormat::Jif && seen == ImageFileFormat::Jpg);
        EXPECT_TRUE(sameFamily) << f.name;
    }
    EXPECT_EQ(detectImageFormat("hello world, this is no picture"), ImageFileFormat::Unknown);
    EXPECT_TRUE(decodeImage(QByteArray()).isNull());
}

TEST(ImageCodecs, TruncatedFilesGiveTheNullImage) {
    const DibImage image = sample(24, 37, 29);
    for (const FormatCase& f : kFormats) {
        const QByteArray bytes = encodeImage(image, f.format);
        for (double part : {0.02, 0.5, 0.9}) {
            const QByteArray cut = bytes.left(qsizetype(bytes.size() * part));
            EXPECT_TRUE(decodeImage(cut).isNull())
                << f.name << " cut to " << cut.size() << " of " << bytes.size();
        }
    }
}

TEST(ImageCodecs, HeadersClaimingHugePicturesAreRefusedBeforeAllocating) {
    // Each encoded picture is small; its size fields are patched to 60000 × 60000.
    const DibImage image = sample(8, 4, 4);
    auto patched = [&](ImageFileFormat format, std::initializer_list<std::pair<int, bool>> fields) {
        QByteArray bytes = encodeImage(image, format);
        for (auto [offset, bigEndian] : fields) {
            bytes[offset] = char(bigEndian ? 0xEA : 0x60);
            bytes[offset + 1] = char(bigEndian ? 0x60 : 0xEA);
        }
        return bytes;
    };
    EXPECT_TRUE(decodeImage(patched(ImageFileFormat::Bmp, {{18, false}, {22, false}})).isNull());
    EXPECT_TRUE(decodeImage(patched(ImageFileFormat::Pcx, {{8, false}, {10, false}})).isNull());
    EXPECT_TRUE(decodeImage(patched(ImageFileFormat::Tga, {{12, false}, {14, false}})).isNull());
    EXPECT_TRUE(decodeImage(patched(ImageFileFormat::Iff, {{20, true}, {22, true}})).isNull());
    EXPECT_TRUE(decodeImage(patched(ImageFileFormat::Gif, {{6, false}, {8, false}})).isNull());
    EXPECT_TRUE(decodeImage(QByteArray("P6 60000 60000 255\n")).isNull());
    EXPECT_TRUE(decodeImage(QByteArray("P5 2 2 255\n\x01\x02\x03")).isNull());
}

TEST(ImageCodecs, ThePixelMemoryCapReachesEveryDecoder) {
    const DibImage image = sample(24, 64, 64);
    const ImageLimits shortOfMemory{.pixelMemoryBytes = 2000};
    for (const FormatCase& f : kFormats) {
        const QByteArray bytes = encodeImage(image, f.format);
        EXPECT_TRUE(decodeImage(bytes, shortOfMemory).isNull()) << f.name;
        EXPECT_FALSE(decodeImage(bytes).isNull()) << f.name;
    }
}

TEST(ImageCodecs, ConversionsForAFormatStayWithinTheLimits) {
    // A format that cannot hold the picture as it is gets a converted copy,
    // which counts against the limits: 64 × 64 at 4 bits or more exceeds these.
    const ImageLimits shortOfMemory{.pixelMemoryBytes = 2000};
    const struct {
        ImageFileFormat format;
        int bits;
    } conversions[] = {{ImageFileFormat::Gif, 24},
                       {ImageFileFormat::Rle, 24},
                       {ImageFileFormat::Rle, 1},
                       {ImageFileFormat::Lbm, 4},
                       {ImageFileFormat::Jpg, 4}};
    for (const auto& c : conversions) {
        const DibImage image = sample(c.bits, 64, 64);
        EXPECT_TRUE(encodeImage(image, c.format, shortOfMemory).isEmpty()) << int(c.format) << ", " << c.bits;
        EXPECT_FALSE(encodeImage(image, c.format).isEmpty()) << int(c.format) << ", " << c.bits;
    }
}

TEST(ImageCodecs, OpensTheNetpbmFormats) {
    const DibImage bitmap = decodeImage(QByteArray("P1\n# comment\n3 2\n1 0 1\n0 1 0\n"));
    ASSERT_EQ(bitmap.bitCount(), 1);
    EXPECT_EQ(colourAt(bitmap, 0, 0), makeColorRef(0, 0, 0));
    EXPECT_EQ(colourAt(bitmap, 1, 0), makeColorRef(255, 255, 255));
    const DibImage grey = decodeImage(QByteArray("P5 2 1 65535\n\xFF\xFF\x80\x00", 17));
    ASSERT_EQ(grey.bitCount(), 8);
    EXPECT_EQ(pixelAt(grey, 0, 0), 255u);
    EXPECT_EQ(pixelAt(grey, 1, 0), 128u);
    const DibImage colour = decodeImage(QByteArray("P3 1 1 15 15 0 5"));
    ASSERT_EQ(colour.bitCount(), 24);
    EXPECT_EQ(pixelAt(colour, 0, 0), makeColorRef(255, 0, 85));
}

TEST(ImageCodecs, BitmapVariantsOtherWritersUse) {
    // A top-down 32-bit bitmap with an alpha mask: half-covered red lies on white.
    QByteArray bytes("BM", 2);
    auto u32 = [&](uint32_t v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
    u32(14 + 56 + 8);
    u32(0);
    u32(14 + 56);
    u32(56);
    u32(2);
    u32(uint32_t(-1));
    u16(1);
    u16(32);
    u32(3);
    u32(8);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    u32(0x00FF0000);
    u32(0x0000FF00);
    u32(0x000000FF);
    u32(0xFF000000);
    u32(0xFFFF0000);
    u32(0x800000FF);
    const DibImage image = decodeBmp(bytes);
    ASSERT_EQ(image.bitCount(), 24);
    EXPECT_EQ(pixelAt(image, 0, 0), makeColorRef(255, 0, 0));
    EXPECT_EQ(pixelAt(image, 1, 0), makeColorRef(127, 127, 255));
}

} // namespace
