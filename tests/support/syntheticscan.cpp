#include "support/syntheticscan.h"

#include "base/units.h"
#include "raster/imageresolution.h"
#include "raster/jpegcodec.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double kMarkerRadiusMm = 2.5;
constexpr double kHoleRadiusMm = 7.5, kClearRingRadiusMm = 17;

// Coverage of a pixel by a shape from its signed distance (pixels, positive
// outside); the edges are soft over two pixels, as a scanner's optics make them.
double coverage(double outside) {
    return std::clamp(0.5 - outside / 2, 0.0, 1.0);
}

struct Colour {
    double v[3];
};

Colour mix(const Colour& under, const Colour& over, double amount) {
    Colour c;
    for (int k = 0; k < 3; ++k)
        c.v[k] = under.v[k] + (over.v[k] - under.v[k]) * amount;
    return c;
}

// The lid at (x, y) mm: a light one darker towards the lower right with a
// shadow along the bed's edges, or a dark one with a faint glow from the left.
Colour bedAt(const SyntheticScan& s, double x, double y) {
    if (s.bed == SyntheticScan::Bed::Dark) {
        const double glow = 12 * (1 - x / s.bedWidthMm);
        return {{22 + glow, 24 + glow, 28 + glow}};
    }
    const double fade = 22 * (x / s.bedWidthMm + y / s.bedHeightMm) / 2;
    const double edge = std::min({x, y, s.bedWidthMm - x, s.bedHeightMm - y});
    const double shadow = 110 * std::exp(-edge / 1.2);
    const double base = 238 - fade - shadow;
    return {{base, base - 2, base - 5}};
}

} // namespace

std::vector<QPointF> syntheticMarkers(SyntheticScan::Object object) {
    if (object == SyntheticScan::Object::Disc) return {{35, 0}, {-35, 0}, {0, 35}, {0, -45}};
    return {{-35, -35}, {35, -35}, {-35, 35}, {35, 35}, {0, -45}};
}

DibImage makeSyntheticScan(const SyntheticScan& s) {
    const double perMm = s.dpi / units::kMmPerInch;
    const int width = int(std::lround(s.bedWidthMm * perMm)),
              height = int(std::lround(s.bedHeightMm * perMm));
    DibImage image = createImage(width, height, 24);
    const double turn = s.angleDeg * std::numbers::pi / 180;
    const double cosT = std::cos(turn), sinT = std::sin(turn);
    const std::vector<QPointF> markers = syntheticMarkers(s.object);
    const Colour ground{{double(s.colour[0]), double(s.colour[1]), double(s.colour[2])}};
    std::mt19937 random(17);
    std::normal_distribution<double> noise(0, s.noise > 0 ? s.noise : 1);
    for (int j = 0; j < height; ++j) {
        uint8_t* row = image.rowFromTop(j);
        for (int i = 0; i < width; ++i) {
            const double x = (i + 0.5) / perMm, y = (j + 0.5) / perMm;
            const Colour bed = bedAt(s, x, y);
            // The object's own level coordinates (mm from its centre).
            const double dx = x - s.centreXMm, dy = y - s.centreYMm;
            const double u = dx * cosT - dy * sinT, v = dx * sinT + dy * cosT;
            Colour c = bed;
            if (s.object != SyntheticScan::Object::None) {
                const double r = std::hypot(u, v);
                const double outside =
                    s.object == SyntheticScan::Object::Disc
                        ? r - s.widthMm / 2
                        : std::max(std::abs(u) - s.widthMm / 2, std::abs(v) - s.heightMm / 2);
                Colour face = ground;
                for (const QPointF& m : markers)
                    if (s.markers)
                        face = mix(face, {{0, 0, 0}},
                                   coverage((std::hypot(u - m.x(), v - m.y()) - kMarkerRadiusMm) * perMm));
                if (s.object == SyntheticScan::Object::Disc) {
                    // The clear ring round the hole shows the lid a little darker.
                    face = mix(face, mix(bed, {{0, 0, 0}}, 0.15), coverage((r - kClearRingRadiusMm) * perMm));
                    face = mix(face, bed, coverage((r - kHoleRadiusMm) * perMm));
                }
                c = mix(bed, face, coverage(outside * perMm));
            }
            for (int k = 0; k < 3; ++k) {
                const double value = c.v[k] + (s.noise > 0 ? noise(random) : 0);
                row[3 * i + 2 - k] = uint8_t(std::clamp(std::lround(value), 0L, 255L));
            }
        }
    }
    if (s.resolutionKnown) setResolutionDpi(image, s.claimedDpi > 0 ? s.claimedDpi : s.dpi);
    if (s.jpegQuality > 0) image = decodeJpeg(encodeJpeg(image, s.jpegQuality));
    if (!s.resolutionKnown) setResolutionDpi(image, 0);
    if (s.grey) {
        DibImage grey = createImage(width, height, 8);
        for (int j = 0; j < height; ++j)
            for (int i = 0; i < width; ++i) {
                const uint8_t* p = image.rowFromTop(j) + 3 * i;
                grey.rowFromTop(j)[i] = uint8_t((p[0] + 6 * p[1] + 3 * p[2]) / 10);
            }
        grey.header().biXPelsPerMeter = image.header().biXPelsPerMeter;
        grey.header().biYPelsPerMeter = image.header().biYPelsPerMeter;
        image = std::move(grey);
    }
    return image;
}
