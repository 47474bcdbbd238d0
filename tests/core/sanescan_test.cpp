// Scanning through the real libsane with SANE's `test` backend, and the
// conversion of SANE frames into image records.

#include "raster/sanescan.h"
#include "support/imagecompare.h"
#include "support/sanehang.h"
#include "support/sanetestdir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <functional>
#include <thread>

namespace {

using Frames = std::vector<std::pair<sane::FrameLayout, QByteArray>>;

TEST(SaneFrames, LineArtGreyAndColourBecomeOneEightAndTwentyFourBits) {
    // Line art: a set bit is black.
    const DibImage art =
        sane::imageFromFrames({{{SANE_FRAME_GRAY, 2, 9, 2, 1}, QByteArray("\x80\x00\x7F\x80", 4)}});
    ASSERT_EQ(art.bitCount(), 1);
    EXPECT_EQ(colourAt(art, 0, 0), makeColorRef(0, 0, 0));
    EXPECT_EQ(colourAt(art, 1, 0), makeColorRef(255, 255, 255));
    EXPECT_EQ(colourAt(art, 8, 1), makeColorRef(0, 0, 0));

    const uint16_t grey16[2] = {0xFFFF, 0x8000};
    const DibImage grey = sane::imageFromFrames(
        {{{SANE_FRAME_GRAY, 4, 2, 1, 16}, QByteArray(reinterpret_cast<const char*>(grey16), 4)}});
    ASSERT_EQ(grey.bitCount(), 8);
    EXPECT_EQ(pixelAt(grey, 0, 0), 255u);
    EXPECT_EQ(pixelAt(grey, 1, 0), 128u);

    // Bytes per line may be longer than the pixels need.
    const DibImage colour =
        sane::imageFromFrames({{{SANE_FRAME_RGB, 8, 2, 1, 8}, QByteArray("\x01\x02\x03\x04\x05\x06zz")}});
    ASSERT_EQ(colour.bitCount(), 24);
    EXPECT_EQ(pixelAt(colour, 1, 0), makeColorRef(4, 5, 6));

    const DibImage separate =
        sane::imageFromFrames({{{SANE_FRAME_BLUE, 1, 1, 1, 8, false}, QByteArray("\x30")},
                               {{SANE_FRAME_RED, 1, 1, 1, 8, false}, QByteArray("\x10")},
                               {{SANE_FRAME_GREEN, 1, 1, 1, 8}, QByteArray("\x20")}});
    EXPECT_EQ(pixelAt(separate, 0, 0), makeColorRef(0x10, 0x20, 0x30));
}

TEST(SaneFrames, ShortOrInconsistentDataKeepsWholeLinesOrNothing) {
    // Three lines announced, two and a half sent: two lines.
    const DibImage shortScan = sane::imageFromFrames({{{SANE_FRAME_GRAY, 2, 2, 3, 8}, QByteArray("abcde")}});
    EXPECT_EQ(shortScan.height(), 2);
    // Unknown height: as many lines as arrived.
    EXPECT_EQ(sane::imageFromFrames({{{SANE_FRAME_GRAY, 1, 1, -1, 8}, QByteArray("abcd")}}).height(), 4);
    EXPECT_TRUE(sane::imageFromFrames({{{SANE_FRAME_GRAY, 1, 1, 1, 8}, QByteArray()}}).isNull());
    EXPECT_TRUE(sane::imageFromFrames({{{SANE_FRAME_RGB, 2, 1, 1, 8}, QByteArray("abc")}})
                    .isNull()); // line too short
    EXPECT_TRUE(
        sane::imageFromFrames({{{SANE_FRAME_GRAY, 1, 1, 1, 4}, QByteArray("a")}}).isNull()); // depth 4
    EXPECT_TRUE(sane::imageFromFrames({{{SANE_FRAME_GRAY, 1, 1, 1, 8}, QByteArray("a")},
                                       {{SANE_FRAME_GRAY, 1, 1, 1, 8}, QByteArray("a")}})
                    .isNull());
}

class SaneTestBackend : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { useSaneTestBackend(); }
    void SetUp() override { openDevice(sanetest::testDevice(0, false)); }
    void openDevice(const QByteArray& name) {
        sane::Failure failure;
        scanner = sane::Scanner::open(name, failure);
        ASSERT_TRUE(scanner) << int(failure);
    }
    // Runs the test's scans; after a hang of the backend once more, on another device.
    void runScans(const std::function<void()>& scans) {
        sanetest::withOneMoreTry(scans, [this] { openDevice(sanetest::testDevice(0, true)); });
    }
    // Scans in a thread of its own, so that a hang meets the deadline.
    DibImage scan(std::initializer_list<std::pair<const char*, QVariant>> settings) {
        for (const auto& [name, value] : settings)
            EXPECT_TRUE(scanner->setOption(name, value)) << name;
        struct Outcome {
            DibImage image;
            sane::Failure failure = sane::Failure::None;
            std::atomic<bool> done = false;
        };
        auto outcome = std::make_shared<Outcome>();
        std::thread worker([device = scanner.get(), outcome] {
            outcome->failure = device->scan(outcome->image, {});
            outcome->done = true;
        });
        try {
            sanetest::waitForScan([&] { return outcome->done.load(); });
        } catch (const sanetest::ScanHung&) {
            // The backend's cancel may wait for the stuck thread as well: it
            // gets a thread of its own and a moment before the next try.
            auto cancelled = std::make_shared<std::atomic<bool>>(false);
            std::thread([device = scanner.get(), cancelled] {
                device->cancel();
                *cancelled = true;
            }).detach();
            (void)QTest::qWaitFor([&] { return cancelled->load(); }, 2000);
            sanetest::abandon(std::make_unique<std::thread>(std::move(worker)));
            sanetest::abandon(std::move(scanner));
            throw;
        }
        worker.join();
        lastFailure = outcome->failure;
        return std::move(outcome->image);
    }
    // The scan area's size in pixels at `dpi`, as the device reports it.
    QSize expectedSize(double dpi) {
        double width = 0, height = 0;
        for (const sane::Option& o : scanner->options()) {
            if (o.name == "br-x") width += o.value.toDouble();
            if (o.name == "tl-x") width -= o.value.toDouble();
            if (o.name == "br-y") height += o.value.toDouble();
            if (o.name == "tl-y") height -= o.value.toDouble();
        }
        return {int(width / 25.4 * dpi), int(height / 25.4 * dpi)};
    }
    static void expectNear(QSize expected, const DibImage& image) {
        EXPECT_NEAR(image.width(), expected.width(), 1);
        EXPECT_NEAR(image.height(), expected.height(), 1);
    }
    std::unique_ptr<sane::Scanner> scanner;
    sane::Failure lastFailure = sane::Failure::None;
};

TEST_F(SaneTestBackend, ListsTheTestDevicesAndTheirMainOptions) {
    const std::vector<sane::Device> devices = sane::devices();
    ASSERT_GE(devices.size(), 2u);
    EXPECT_EQ(devices[0].name, "test:0");
    QStringList names;
    for (const sane::Option& o : scanner->options())
        names << QString::fromUtf8(o.name);
    for (const char* wanted : {"mode", "resolution", "source", "tl-x", "tl-y", "br-x", "br-y"})
        EXPECT_TRUE(names.contains(QLatin1String(wanted))) << wanted;
}

TEST_F(SaneTestBackend, ScansColourAndGreyAtTwoResolutions) {
    runScans([&] {
        for (double dpi : {50.0, 100.0}) {
            const DibImage white =
                scan({{"mode", "Gray"}, {"depth", 8}, {"resolution", dpi}, {"test-picture", "Solid white"}});
            ASSERT_EQ(lastFailure, sane::Failure::None);
            ASSERT_EQ(white.bitCount(), 8);
            expectNear(expectedSize(dpi), white);
            EXPECT_EQ(pixelAt(white, white.width() / 2, white.height() / 2), 255u);

            const DibImage pattern =
                scan({{"mode", "Color"}, {"resolution", dpi}, {"test-picture", "Color pattern"}});
            ASSERT_EQ(lastFailure, sane::Failure::None);
            ASSERT_EQ(pattern.bitCount(), 24);
            expectNear(expectedSize(dpi), pattern);
            QSet<ColorRef> colours;
            for (int y = 0; y < pattern.height(); y += 3)
                for (int x = 0; x < pattern.width(); x += 3)
                    colours.insert(pixelAt(pattern, x, y));
            EXPECT_GE(colours.size(), 6) << "the colour pattern shows several colours";
        }
    });
}

TEST_F(SaneTestBackend, LineArtSixteenBitsAndThreePassFrames) {
    runScans([&] {
        const DibImage grid =
            scan({{"mode", "Gray"}, {"depth", 1}, {"resolution", 50.0}, {"test-picture", "Grid"}});
        ASSERT_EQ(grid.bitCount(), 1);
        bool black = false, white = false;
        for (int x = 0; x < grid.width(); ++x)
            (colourAt(grid, x, 5) == 0 ? black : white) = true;
        EXPECT_TRUE(black && white);

        const DibImage deep = scan({{"mode", "Gray"}, {"depth", 16}, {"test-picture", "Solid white"}});
        ASSERT_EQ(deep.bitCount(), 8);
        EXPECT_EQ(pixelAt(deep, 3, 3), 255u);

        const DibImage single = scan({{"mode", "Color"}, {"depth", 8}, {"test-picture", "Color pattern"}});
        const DibImage threePass = scan({{"three-pass", true}, {"three-pass-order", "GBR"}});
        ASSERT_EQ(lastFailure, sane::Failure::None);
        expectSamePicture(single, threePass, 0);
    });
}

TEST_F(SaneTestBackend, DeviceErrorsBecomeFailuresWithGermanTexts) {
    runScans([&] {
        const struct {
            const char* status;
            sane::Failure failure;
        } cases[] = {{"SANE_STATUS_IO_ERROR", sane::Failure::IoError},
                     {"SANE_STATUS_DEVICE_BUSY", sane::Failure::Busy},
                     {"SANE_STATUS_CANCELLED", sane::Failure::Cancelled},
                     {"SANE_STATUS_JAMMED", sane::Failure::Jammed}};
        // The test backend stops its reader thread asynchronously on cancel; with
        // a read delay the thread waits in a sleep, not inside malloc, when it is
        // stopped, which keeps the backend from deadlocking.
        for (const auto& c : cases) {
            const DibImage image = scan({{"read-delay", true}, {"read-return-value", c.status}});
            EXPECT_TRUE(image.isNull());
            EXPECT_EQ(lastFailure, c.failure) << c.status;
            EXPECT_FALSE(sane::failureText(lastFailure).isEmpty());
        }
        sane::Failure failure;
        EXPECT_FALSE(sane::Scanner::open("test:99", failure));
        EXPECT_EQ(failure, sane::Failure::NoDevice);
    });
}

} // namespace
