#include "paper/templatesheets.h"

namespace {

struct NamedSheet {
    const char16_t* name;
    SheetSize size;
};

constexpr double kInch = 25.4;

constexpr NamedSheet kSheets[] = {
    {u"A3", {297, 420}},
    {u"A4", {210, 297}},
    {u"A5", {148, 210}},
    {u"A6", {105, 148}},
    {u"B4", {250, 353}},
    {u"B5", {176, 250}},
    {u"SRA3", {320, 450}},
    {u"US-Letter", {8.5 * kInch, 11 * kInch}},
    {u"US-Legal", {8.5 * kInch, 14 * kInch}},
    {u"US-Executive", {7.25 * kInch, 10.5 * kInch}},
};

} // namespace

std::optional<SheetSize> knownSheetSize(QStringView name) {
    for (const NamedSheet& sheet : kSheets)
        if (name.compare(QStringView(sheet.name), Qt::CaseInsensitive) == 0) return sheet.size;
    return std::nullopt;
}
