// The scanner session with SANE's `test` backend: which device opens, and
// what a scan signals — its image, its failure, a refused second scan — and
// a session destroyed while it scans.

#include "raster/scannersession.h"
#include "support/sanehang.h"
#include "support/sanetestdir.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// What one session signalled, in order.
struct Heard {
    std::vector<int> progress;
    std::vector<std::shared_ptr<DibImage>> images;
    QStringList failures;
    int ends() const { return int(images.size()) + int(failures.size()); }
};

class ScannerSessionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { useSaneTestBackend(); }
    void SetUp() override { newSession(); }

    void newSession() {
        session = std::make_unique<ScannerSession>();
        heard = {};
        listen(*session, heard);
    }
    // Runs the test's scans; after a hang of the backend once more, with a new
    // session. The one that hung waits for its stuck thread and is left alone.
    void runScans(const std::function<void()>& scans) {
        sanetest::withOneMoreTry(scans, [this] {
            if (session) session->disconnect();
            sanetest::abandon(std::move(session));
            newSession();
            secondTry = true;
        });
    }
    QByteArray device(int number) const { return sanetest::testDevice(number, secondTry); }

    static void listen(ScannerSession& s, Heard& h) {
        QObject::connect(&s, &ScannerSession::progressChanged, [&h](int p) { h.progress.push_back(p); });
        QObject::connect(&s, &ScannerSession::imageScanned,
                         [&h](const ScannedImage& i) { h.images.push_back(i); });
        QObject::connect(&s, &ScannerSession::scanFailed, [&h](const QString& t) { h.failures << t; });
    }
    static std::unique_ptr<sane::Scanner>
    open(const QByteArray& name, std::initializer_list<std::pair<const char*, QVariant>> settings) {
        sane::Failure failure;
        std::unique_ptr<sane::Scanner> scanner = sane::Scanner::open(name, failure);
        EXPECT_TRUE(scanner) << int(failure);
        if (!scanner) return scanner;
        // The test device keeps its settings from one opening to the next: no
        // failure from an earlier test.
        EXPECT_TRUE(scanner->setOption("read-return-value", QStringLiteral("Default")));
        for (const auto& [option, value] : settings)
            EXPECT_TRUE(scanner->setOption(option, value)) << option;
        return scanner;
    }
    // A grey scan that takes over a second: the test device waits after each piece it sends.
    static std::unique_ptr<sane::Scanner> openSlow(const QByteArray& name) {
        return open(
            name,
            {{"mode", "Gray"}, {"resolution", 200.0}, {"read-delay", true}, {"read-delay-duration", 200000}});
    }
    void waitForEnds(int count) {
        sanetest::waitForScan([&] { return heard.ends() >= count && !session->scanning(); });
    }

    std::unique_ptr<ScannerSession> session;
    Heard heard;
    bool secondTry = false;
};

TEST_F(ScannerSessionTest, OpensTheChosenDeviceOrElseTheFirst) {
    EXPECT_TRUE(session->chosenDevice().isEmpty());
    ScannerSession::OpenedDevice first = session->openChosenDevice();
    ASSERT_TRUE(first.scanner);
    EXPECT_EQ(first.scanner->deviceName(), QByteArray("test:0"));
    EXPECT_FALSE(first.title.trimmed().isEmpty());
    first.scanner.reset();

    session->chooseDevice("test:1");
    ScannerSession::OpenedDevice chosen = session->openChosenDevice();
    ASSERT_TRUE(chosen.scanner);
    EXPECT_EQ(chosen.scanner->deviceName(), QByteArray("test:1"));
    chosen.scanner.reset();

    // A device that has gone away since it was chosen: the first one again.
    session->chooseDevice("test:99");
    EXPECT_EQ(session->openChosenDevice().scanner->deviceName(), QByteArray("test:0"));
    EXPECT_EQ(session->chosenDevice(), QByteArray("test:99"));
}

TEST_F(ScannerSessionTest, TheImageArrivesBySignalAfterTheProgress) {
    runScans([&] {
        session->startScan(
            open(device(0), {{"mode", "Gray"}, {"resolution", 30.0}, {"test-picture", "Solid white"}}),
            ImageLimits{});
        EXPECT_TRUE(session->scanning());
        // Nothing is signalled from inside startScan.
        EXPECT_EQ(heard.ends(), 0);
        waitForEnds(1);
        ASSERT_EQ(heard.images.size(), 1u);
        EXPECT_TRUE(heard.failures.isEmpty());
        const DibImage& image = *heard.images[0];
        ASSERT_EQ(image.bitCount(), 8);
        EXPECT_NEAR(image.width(), 80 / 25.4 * 30, 1.5);
        EXPECT_EQ(image.pixels()[0], 255);
        ASSERT_GE(heard.progress.size(), 2u);
        EXPECT_EQ(heard.progress.end()[-2], 100);
        EXPECT_EQ(heard.progress.back(), 0);
        EXPECT_TRUE(std::is_sorted(heard.progress.begin(), heard.progress.end() - 1));
    });
}

TEST_F(ScannerSessionTest, FailuresArriveAsGermanTexts) {
    runScans([&] {
        // With a read delay the test backend's reader thread can be stopped safely.
        session->startScan(
            open(device(0), {{"read-delay", true}, {"read-return-value", "SANE_STATUS_IO_ERROR"}}),
            ImageLimits{});
        waitForEnds(1);
        EXPECT_TRUE(heard.images.empty());
        EXPECT_EQ(heard.failures, QStringList{sane::failureText(sane::Failure::IoError)});

        // The limits handed in hold for the scanned image.
        session->startScan(open(device(0), {{"read-return-value", "Default"}, {"resolution", 50.0}}),
                           ImageLimits{.pixelMemoryBytes = 1000});
        waitForEnds(2);
        EXPECT_TRUE(heard.images.empty());
        EXPECT_EQ(heard.failures.last(),
                  QStringLiteral("Für das gescannte Bild ist nicht genug Speicher frei."));

        session->startScan(nullptr, ImageLimits{});
        waitForEnds(3);
        EXPECT_EQ(heard.failures.last(), sane::failureText(sane::Failure::NoDevice));
    });
}

TEST_F(ScannerSessionTest, ASecondScanWhileOneRunsIsRefusedAndTheFirstGoesOn) {
    runScans([&] {
        session->startScan(openSlow(device(0)), ImageLimits{});
        session->startScan(open(device(1), {}), ImageLimits{});
        sanetest::waitForScan([&] { return !heard.failures.isEmpty(); });
        EXPECT_EQ(heard.failures, QStringList{QStringLiteral(
                                      "Der Scanner ist belegt. Bitte versuchen Sie es später noch einmal.")});
        EXPECT_TRUE(session->scanning());
        waitForEnds(2);
        ASSERT_EQ(heard.images.size(), 1u);
        EXPECT_EQ(heard.images[0]->bitCount(), 8);

        // The refused device was closed: it opens again.
        EXPECT_TRUE(open(device(1), {}));
    });
}

TEST_F(ScannerSessionTest, DestroyingTheSessionWhileItScansStopsTheScanQuietly) {
    runScans([&] {
        session->startScan(openSlow(device(0)), ImageLimits{});
        // The scan has started: its first piece has arrived.
        sanetest::waitForScan([&] { return !heard.progress.empty(); });
        ASSERT_TRUE(session->scanning());
        const Heard before = heard;
        session.reset();
        QTest::qWait(300);
        EXPECT_EQ(heard.ends(), 0);
        EXPECT_EQ(heard.progress, before.progress);

        // The device is free again.
        newSession();
        session->startScan(open(device(0), {{"read-delay", false}, {"resolution", 30.0}}), ImageLimits{});
        waitForEnds(1);
        EXPECT_EQ(heard.images.size(), 1u);
    });
}

} // namespace
