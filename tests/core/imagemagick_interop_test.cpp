// Our codecs against an independent implementation: ImageMagick's `convert`
// writes each format at each bit count for our decoders, and reads what our
// encoders write. IFF/LBM are left out: ImageMagick has no ILBM coder.

#include "raster/imagefile.h"
#include "support/imagecompare.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The five kinds of picture: black and white, 16 colours, 200 colours, grey, true colour.
enum class Kind { Bilevel, Colours16, Colours200, Grey, TrueColour };

DibImage reference(Kind kind) {
    const int width = 23, height = 11;
    RgbQuad table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = {uint8_t(i * 37), uint8_t(255 - i), uint8_t(i * 7 + 11), 0};
    DibImage image;
    switch (kind) {
    case Kind::Bilevel:
        image = createImage(width, height, 1);
        break;
    case Kind::Colours16:
        image = createImage(width, height, 4, table, 16);
        break;
    case Kind::Colours200:
        image = createImage(width, height, 8, table, 256);
        break;
    case Kind::Grey:
        image = createImage(width, height, 8);
        break;
    case Kind::TrueColour:
        image = createImage(width, height, 24);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                setPixelAt(image, x, y, makeColorRef(x * 11, y * 23, 200 - x * 3));
        return image;
    }
    const int colours = kind == Kind::Bilevel ? 2 : kind == Kind::Colours16 ? 16 : 200;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixelAt(image, x, y, uint32_t((x * 5 + y * 7 + x * y) % colours));
    return image;
}

class ImageMagickInterop : public ::testing::Test {
  protected:
    void SetUp() override {
        convert_ = QStandardPaths::findExecutable(QStringLiteral("convert"));
        if (convert_.isEmpty()) GTEST_SKIP() << "ImageMagick's convert is not installed";
        ASSERT_TRUE(dir_.isValid());
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

    bool convert(const QStringList& arguments) {
        QProcess process;
        process.start(convert_, arguments);
        if (!process.waitForFinished(60000)) return false;
        if (process.exitCode() != 0) ADD_FAILURE() << process.readAllStandardError().toStdString();
        return process.exitCode() == 0;
    }

    // The picture as a binary pixmap, which both sides read without doubt.
    QString writePixmap(const DibImage& image, const QString& name) {
        QByteArray bytes =
            QStringLiteral("P6\n%1 %2\n255\n").arg(image.width()).arg(image.height()).toLatin1();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const ColorRef c = colourAt(image, x, y);
                bytes.append(char(redOf(c))).append(char(greenOf(c))).append(char(blueOf(c)));
            }
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QString convert_;
    QTemporaryDir dir_;
};

struct Written {
    const char* coder; // ImageMagick's output coder
    const char* options;
    Kind kind;
    int ourBits; // what our decoder must make of it
    int tolerance;
};

TEST_F(ImageMagickInterop, OurDecodersReadWhatImageMagickWrites) {
    const Written cases[] = {
        {"bmp3", "-type Bilevel", Kind::Bilevel, 1, 0},
        {"bmp3", "-type Palette", Kind::Colours16, 4, 0},
        {"bmp3", "-type Palette", Kind::Colours200, 8, 0},
        {"bmp3", "-type TrueColor", Kind::TrueColour, 24, 0},
        {"bmp3", "-type Palette -compress RLE", Kind::Colours200, 8, 0},
        {"bmp", "-type TrueColorAlpha", Kind::TrueColour, 24, 0},
        {"gif", "-type Bilevel", Kind::Bilevel, 1, 0},
        {"gif", "", Kind::Colours16, 4, 0},
        {"gif", "", Kind::Colours200, 8, 0},
        {"jpg", "-quality 95", Kind::TrueColour, 24, 12},
        {"jpg", "-quality 95 -colorspace Gray", Kind::Grey, 8, 12},
        {"jpg", "-quality 95 -colorspace CMYK", Kind::TrueColour, 24, 16},
        {"pcx", "-type Bilevel", Kind::Bilevel, 24, 0}, // ImageMagick writes three planes
        {"pcx", "-type Palette", Kind::Colours200, 8, 0},
        {"pcx", "-type TrueColor", Kind::TrueColour, 24, 0},
        // ImageMagick keeps a Targa's rows in file order and only notes the
        // corner; without a corner given it writes the top row first but marks
        // the file as starting at the bottom.
        {"tga", "-orient TopLeft -type Palette", Kind::Colours200, 8, 0},
        {"tga", "-orient TopLeft -type TrueColor", Kind::TrueColour, 24, 0},
        {"tga", "-orient TopLeft -type TrueColor -compress RLE", Kind::TrueColour, 24, 0},
        {"tga", "-orient TopLeft -type Grayscale", Kind::Grey, 8, 0},
        {"tif", "-type Bilevel -depth 1", Kind::Bilevel, 1, 0},
        {"tif", "-type Palette", Kind::Colours16, 4, 0},
        {"tif", "-type Palette", Kind::Colours200, 8, 0},
        {"tif", "-type Grayscale", Kind::Grey, 8, 0},
        {"tif", "-type TrueColor -compress LZW", Kind::TrueColour, 24, 0},
        {"tif", "-type TrueColor -depth 16", Kind::TrueColour, 24, 0},
        {"tif", "-type TrueColorAlpha", Kind::TrueColour, 24, 0},
        {"png", "-type Bilevel", Kind::Bilevel, 1, 0},
        {"png8", "", Kind::Colours16, 8, 0}, // ImageMagick writes 8-bit indices for 16 colours
        {"png8", "", Kind::Colours200, 8, 0},
        {"png", "-type Grayscale", Kind::Grey, 8, 0},
        {"png24", "", Kind::TrueColour, 24, 0},
        {"png48", "", Kind::TrueColour, 24, 0},
        {"png32", "", Kind::TrueColour, 24, 0},
        {"pbm", "", Kind::Bilevel, 1, 0},
        {"pgm", "", Kind::Grey, 8, 0},
        {"ppm", "-compress none", Kind::TrueColour, 24, 0},
    };
    for (const Written& c : cases) {
        SCOPED_TRACE(testing::Message() << c.coder << " " << c.options);
        const DibImage expected = reference(c.kind);
        const QString source = writePixmap(expected, QStringLiteral("reference.ppm"));
        const QString target = path(QStringLiteral("written.") + QLatin1String(c.coder));
        QStringList arguments{source};
        arguments << QString::fromLatin1(c.options).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        arguments << QLatin1String(c.coder) + QLatin1Char(':') + target;
        ASSERT_TRUE(convert(arguments));
        const DibImage ours = OpenDib(target);
        ASSERT_FALSE(ours.isNull());
        EXPECT_EQ(ours.bitCount(), c.ourBits);
        expectSamePicture(expected, ours, c.tolerance);
    }
}

TEST_F(ImageMagickInterop, ImageMagickReadsWhatOurEncodersWrite) {
    const struct {
        ImageFileFormat format;
        const char* coder;
        int tolerance;
    } formats[] = {
        {ImageFileFormat::Bmp, "bmp", 0},   {ImageFileFormat::Dib, "bmp", 0},
        {ImageFileFormat::Gif, "gif", 0},   {ImageFileFormat::Jif, "jpeg", 40},
        {ImageFileFormat::Jpg, "jpeg", 40}, {ImageFileFormat::Pcx, "pcx", 0},
        {ImageFileFormat::Rle, "bmp", 0},   {ImageFileFormat::Tga, "tga", 0},
        {ImageFileFormat::Tif, "tiff", 0},  {ImageFileFormat::Png, "png", 0},
    };
    for (const auto& f : formats) {
        for (Kind kind : {Kind::Bilevel, Kind::Colours16, Kind::Colours200, Kind::Grey, Kind::TrueColour}) {
            // JPEG is compared on the smooth pictures only.
            if (f.tolerance > 0 && kind != Kind::Grey && kind != Kind::TrueColour) continue;
            // ImageMagick ignores a 1-bit PCX's palette and takes 0 as white,
            // against the format's own black-on-0 rule that other readers follow.
            if (f.format == ImageFileFormat::Pcx && kind == Kind::Bilevel) continue;
            const DibImage image = reference(kind);
            SCOPED_TRACE(testing::Message()
                         << f.coder << " " << image.bitCount() << " bits, kind " << int(kind));
            const QString written = path(QStringLiteral("ours"));
            QFile file(written);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(encodeImage(image, f.format));
            file.close();
            const QString back = path(QStringLiteral("back.ppm"));
            ASSERT_TRUE(
                convert({QLatin1String(f.coder) + QLatin1Char(':') + written, QStringLiteral("-auto-orient"),
                         QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("ppm:") + back}));
            expectSamePicture(image, OpenDib(back), f.tolerance);
        }
    }
}

} // namespace
