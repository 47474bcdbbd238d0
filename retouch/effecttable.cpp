#include "retouch/effecttable.h"

#include <QCoreApplication>

namespace {

constexpr Kernel5 kBlur3 = {
    {{0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, 1, 1, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kBlurCross = {
    {{0, 0, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kBlur5 = {
    {{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}}};
constexpr Kernel5 kSharpen = {
    {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 20, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kSharpenStrong = {{{-1, -1, -1, -1, -1},
                                     {-1, -1, -1, -1, -1},
                                     {-1, -1, 60, -1, -1},
                                     {-1, -1, -1, -1, -1},
                                     {-1, -1, -1, -1, -1}}};
constexpr Kernel5 kGrease = {
    {{0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, -7, 1, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kLithograph = {{{-1, -1, -1, -1, -1},
                                  {-1, -10, -10, -10, -1},
                                  {-1, -10, 98, -10, -1},
                                  {-1, -10, -10, -10, -1},
                                  {-1, -1, -1, -1, -1}}};
constexpr Kernel5 kPsychdist = {
    {{0, -1, -2, -3, -4}, {0, -1, 3, 2, 1}, {0, -1, 10, 2, 1}, {0, -1, 3, 2, 1}, {0, -1, -2, -3, -4}}};
constexpr Kernel5 kEdgeEnhance = {
    {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 9, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kEdgeFind = {
    {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 8, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kEdgeHorizontal = {
    {{0, 0, 0, 0, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kEdgeVertical = {
    {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}};

constexpr std::array<EffectFilter, kEffectCount> kTable = {{
    {9, 0, kBlur3, QT_TRANSLATE_NOOP("EffectTable", "Weichzeichnen")},
    {5, 0, kBlurCross, QT_TRANSLATE_NOOP("EffectTable", "Schwach Weichzeichnen")},
    {25, 0, kBlur5, QT_TRANSLATE_NOOP("EffectTable", "Stark Weichzeichnen")},
    {12, 0, kSharpen, QT_TRANSLATE_NOOP("EffectTable", "Schärfen")},
    {36, 0, kSharpenStrong, QT_TRANSLATE_NOOP("EffectTable", "Stark Schärfen")},
    {1, 0, kGrease, QT_TRANSLATE_NOOP("EffectTable", "Grease")},
    {1, 0, kLithograph, QT_TRANSLATE_NOOP("EffectTable", "Lithograph")},
    {1, 0, kPsychdist, QT_TRANSLATE_NOOP("EffectTable", "Psychdist")},
    {1, 0, kEdgeEnhance, QT_TRANSLATE_NOOP("EffectTable", "Ecken hervorheben")},
    {1, 0, kEdgeFind, QT_TRANSLATE_NOOP("EffectTable", "Ecken finden")},
    {1, 0, kEdgeHorizontal, QT_TRANSLATE_NOOP("EffectTable", "Ecken horizontal finden")},
    {1, 0, kEdgeVertical, QT_TRANSLATE_NOOP("EffectTable", "Ecken vertikal finden")},
    {1, 128, kEdgeHorizontal, QT_TRANSLATE_NOOP("EffectTable", "Emboss")},
    {1, 128, kEdgeVertical, QT_TRANSLATE_NOOP("EffectTable", "Emboss vertikal")},
}};

} // namespace

const std::array<EffectFilter, kEffectCount>& effectTable() {
    return kTable;
}

QString effectName(const EffectFilter& entry) {
    return QCoreApplication::translate("EffectTable", entry.Caption);
}

EffectFilter TransposeKernel(const EffectFilter& entry) {
    EffectFilter result = entry;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            result.Kernel[r][c] = entry.Kernel[c][r];
    return result;
}
