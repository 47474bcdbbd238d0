#include "print/printer/cupsdisctray.h"

#include <QFile>

// The PPD calls are marked deprecated in favour of IPP attributes, which do
// not carry a driver's own options such as the tray's ring and adjustment.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/cups.h>
#include <cups/ppd.h>

#include <memory>

namespace {

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdFile = std::unique_ptr<ppd_file_t, PpdCloser>;

QStringList choicesOf(const ppd_option_t* option) {
    QStringList names;
    for (int i = 0; i < option->num_choices; ++i)
        names << QString::fromUtf8(option->choices[i].choice);
    return names;
}

std::vector<DiscPageSize> discPages(ppd_file_t* ppd) {
    std::vector<DiscPageSize> pages;
    for (int i = 0; i < ppd->num_sizes; ++i) {
        const ppd_size_t& size = ppd->sizes[i];
        const QString name = QString::fromUtf8(size.name);
        if (name.startsWith(QLatin1String("CD")) && size.width > 0 && size.width == size.length)
            pages.push_back({name, double(size.width)});
    }
    return pages;
}

QString discMediaType(ppd_file_t* ppd) {
    ppd_option_t* option = ppdFindOption(ppd, "MediaType");
    if (!option) return {};
    const QStringList choices = choicesOf(option);
    if (choices.contains(QLatin1String("DiscCompat"))) return QStringLiteral("DiscCompat");
    for (const QString& choice : choices)
        if (choice.startsWith(QLatin1String("Disc"))) return choice;
    return {};
}

std::optional<PpdLength> lengthOption(ppd_file_t* ppd, const char* keyword) {
    ppd_option_t* option = ppdFindOption(ppd, keyword);
    if (!option) return std::nullopt;
    PpdLength length;
    length.choices = choicesOf(option);
    if (ppd_coption_t* custom = ppdFindCustomOption(ppd, keyword)) {
        ppd_cparam_t* parameter = ppdFirstCustomParam(custom);
        if (parameter && parameter->type == PPD_CUSTOM_POINTS) {
            length.custom = true;
            length.minPt = parameter->minimum.custom_points;
            length.maxPt = parameter->maximum.custom_points;
        }
    }
    return length;
}

DiscTray trayOf(ppd_file_t* ppd) {
    DiscTray tray;
    tray.pages = discPages(ppd);
    tray.cdInputSlot = ppdFindChoice(ppdFindOption(ppd, "InputSlot"), "CD") != nullptr;
    tray.discMediaType = discMediaType(ppd);
    tray.innerRadiusChoice = ppdFindOption(ppd, "StpCDInnerRadius") != nullptr;
    tray.outerDiameter = lengthOption(ppd, "StpCDOuterDiameter");
    tray.innerDiameter = lengthOption(ppd, "StpCDInnerDiameter");
    tray.xAdjustment = lengthOption(ppd, "StpCDXAdjustment");
    tray.yAdjustment = lengthOption(ppd, "StpCDYAdjustment");
    return tray;
}

} // namespace

DiscTray readDiscTrayFromPpd(const QString& ppdPath) {
    const PpdFile ppd(ppdOpenFile(QFile::encodeName(ppdPath).constData()));
    if (!ppd) return {};
    return trayOf(ppd.get());
}

DiscTray readDiscTray(const QString& printerName) {
    if (printerName.isEmpty()) return {};
    // A copy of the queue's PPD in a temporary file of CUPS's own.
    const char* copied = cupsGetPPD2(CUPS_HTTP_DEFAULT, printerName.toUtf8().constData());
    if (!copied) return {};
    const QString path = QFile::decodeName(copied);
    const DiscTray tray = readDiscTrayFromPpd(path);
    QFile::remove(path);
    return tray;
}
#pragma GCC diagnostic pop
