// The label renderer on a 2000 × 2000 picture: an empty table (every slot is
// visited) and a table of 500 figures, texts and notes of every kind.
#include "print/annotationpainter.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr double kImagePixelSize = 105833.125; // a 96-dpi screen
// Two device pixels per image pixel: a 1000-pixel image drawn 2000 pixels wide.
constexpr double kScale = 2.0 / kImagePixelSize;

// Every other object is a figure; `only` keeps one kind and frees the others.
std::unique_ptr<ObjectTable> mixedTable(int count, int32_t only = KindFree) {
    auto table = std::make_unique<ObjectTable>();
    for (int i = 1; i <= count; ++i) {
        AnnotationObject& object = table->slot(i);
        const int x = (i * 137) % 900;
        const int y = (i * 251) % 900;
        object.Left = int32_t(x * kImagePixelSize);
        object.Top = int32_t(y * kImagePixelSize);
        object.Width = int32_t((20 + i % 80) * kImagePixelSize);
        object.Height = int32_t((15 + i % 60) * kImagePixelSize);
        object.Color = ColorRef(i * 0x010203);
        object.BorderColor = ColorRef(0x00FF8000);
        if (i % 2 == 0) {
            object.Kind = KindFigure;
            object.Shape = i / 2 % 10;
            object.FillMode = i / 20 % 3;
            object.LineWidth = 1 + i % 4;
            continue;
        }
        object.Kind = KindText;
        object.Text = "Meine Lieblingslieder\rFolge " + QByteArray::number(i);
        object.FontName = i % 3 ? "Times New Roman" : "Arial";
        object.FontSize = 8 + i % 12;
        object.FontStyle = uint8_t(i % 16);
        object.Shape = i % 7 == 0 ? 1 : 0; // some notes
        object.Rotation = i % 5 == 0 ? i / 5 % 4 : 0;
        object.Align = i % 3;
        object.Shadow = i % 3 == 0;
        object.Outline = i % 4 == 1;
        object.ShadowX = object.ShadowY = 5;
    }
    if (only != KindFree)
        for (int i = 1; i <= count; ++i)
            if (table->slot(i).Kind != only) table->slot(i).Kind = KindFree;
    return table;
}

void renderTable(benchmark::State& state, const ObjectTable& table) {
    LabelRenderSettings settings;
    settings.ImagePixelSize = kImagePixelSize;
    QImage label(2000, 2000, QImage::Format_RGB32);
    label.fill(Qt::white);
    QPainter painter(&label);
    for (auto _ : state) {
        paintAnnotations(painter, 0, 0, kScale, table, settings);
        benchmark::ClobberMemory();
    }
}

void BM_DrawVCartEmptyTable(benchmark::State& state) {
    const auto table = std::make_unique<ObjectTable>();
    renderTable(state, *table);
}
BENCHMARK(BM_DrawVCartEmptyTable)->Unit(benchmark::kMicrosecond);

void BM_DrawVCart500Objects(benchmark::State& state) {
    const auto table = mixedTable(500);
    renderTable(state, *table);
}
BENCHMARK(BM_DrawVCart500Objects)->Unit(benchmark::kMillisecond);

// The two halves of the mixed table on their own, to see where the time goes.
void BM_DrawVCart250Figures(benchmark::State& state) {
    const auto table = mixedTable(500, KindFigure);
    renderTable(state, *table);
}
BENCHMARK(BM_DrawVCart250Figures)->Unit(benchmark::kMillisecond);

void BM_DrawVCart250Texts(benchmark::State& state) {
    const auto table = mixedTable(500, KindText);
    renderTable(state, *table);
}
BENCHMARK(BM_DrawVCart250Texts)->Unit(benchmark::kMillisecond);

} // namespace
