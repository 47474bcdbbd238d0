#include "retouch/tones.h"

#include "retouch/rowaccess.h"
#include "retouch/rowsplit.h"

#include <algorithm>

ToneTable brightnessTable(int delta) {
    ToneTable table;
    for (int v = 0; v < 256; ++v)
        table[v] = uint8_t(std::clamp(v + delta, 0, 255));
    return table;
}

ToneTable contrastTable(int value) {
    ToneTable table;
    for (int v = 0; v < 256; ++v) {
        int result;
        if (value <= 100) {
            result = (v - 127) * value / 100 + 127;
        } else {
            const int k = 200 - value;
            result = v < 128 ? v * k / 100 : 255 - (255 - v) * k / 100;
        }
        table[v] = uint8_t(std::clamp(result, 0, 255));
    }
    return table;
}

ToneTable composeTables(const ToneTable& first, const ToneTable& second) {
    ToneTable table;
    for (int v = 0; v < 256; ++v)
        table[v] = second[first[v]];
    return table;
}

void applyToneTable(DibImage& image, const ToneTable& table, const ImageLimits& limits,
                    const ProgressFn& report) {
    RowProgress progress(report, 1);
    progress.reset();
    if (image.isNull()) return;
    if (image.hasPalette()) {
        auto colours = image.colors();
        progress.setRows(int(colours.size()));
        for (std::size_t i = 0; i < colours.size(); ++i) {
            progress.row(int(i));
            colours[i].red = table[colours[i].red];
            colours[i].green = table[colours[i].green];
            colours[i].blue = table[colours[i].blue];
        }
    } else if (image.bitCount() == 24) {
        const Rows rows(image);
        const int bytes = 3 * image.width();
        progress.setRows(image.height());
        forEachRow(image.height(), bytes, limits.rowThreads, progress, [&](int d) {
            uint8_t* row = rows.fromTop(d);
            for (int i = 0; i < bytes; ++i)
                row[i] = table[row[i]];
        });
    }
    progress.reset();
}

void Helligkeit(DibImage& image, int delta, const ImageLimits& limits, const ProgressFn& progress) {
    applyToneTable(image, brightnessTable(delta), limits, progress);
}

void Kontrast(DibImage& image, int value, const ImageLimits& limits, const ProgressFn& progress) {
    applyToneTable(image, contrastTable(value), limits, progress);
}

void HelligkeitUndKontrast(DibImage& image, int delta, int value, const ImageLimits& limits,
                           const ProgressFn& progress) {
    applyToneTable(image, composeTables(brightnessTable(delta), contrastTable(value)), limits, progress);
}
