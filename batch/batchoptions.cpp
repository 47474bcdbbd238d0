#include "batch/batchoptions.h"

#include "print/calibration.h"

#include <QCoreApplication>
#include <QPageSize>

#include <cmath>

namespace {

// A real value as a spin edit with two decimals keeps it.
double twoDecimals(double value) {
    return std::round(value * 100.0) / 100.0;
}

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> realNumber(const QString& text) {
    bool ok = false;
    // Both "1.5" and the German "1,5" are accepted.
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

QString rangeText(double minimum, double maximum) {
    return QCoreApplication::translate("BatchOptions", "von %1 bis %2")
        .arg(QString::number(minimum), QString::number(maximum));
}
QString rangeText(int minimum, int maximum) {
    if (maximum == INT32_MAX) return QCoreApplication::translate("BatchOptions", "ab %1").arg(minimum);
    return QCoreApplication::translate("BatchOptions", "von %1 bis %2").arg(minimum).arg(maximum);
}

// The four calibration values within the ranges of the calibration dialog; an
// error message otherwise.
std::optional<std::array<double, 4>> calibrationValues(const QString& text, QString& error) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        error = QCoreApplication::translate("BatchOptions",
                                            "--calibration erwartet vier Zahlen: links,oben,breite,höhe.");
        return std::nullopt;
    }
    static const char* const names[4] = {QT_TRANSLATE_NOOP("BatchOptions", "den Abstand links"),
                                         QT_TRANSLATE_NOOP("BatchOptions", "den Abstand oben"),
                                         QT_TRANSLATE_NOOP("BatchOptions", "die Breite"),
                                         QT_TRANSLATE_NOOP("BatchOptions", "die Höhe")};
    const double minimum[4] = {kOffsetMin, kOffsetMin, kSizeMin, kSizeMin};
    const double maximum[4] = {kOffsetMax, kOffsetMax, kSizeMax, kSizeMax};
    std::array<double, 4> values{};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> value = realNumber(parts[i]);
        values[i] = value ? twoDecimals(*value) : 0;
        if (!value || values[i] < minimum[i] || values[i] > maximum[i]) {
            error = QCoreApplication::translate("BatchOptions",
                                                "--calibration erwartet für %1 eine Zahl %2, nicht \"%3\".")
                        .arg(QCoreApplication::translate("BatchOptions", names[i]),
                             rangeText(minimum[i], maximum[i]), parts[i]);
            return std::nullopt;
        }
    }
    return values;
}

std::optional<DiscFormat> discValues(const QString& text, QString& error) {
    const std::optional<DiscFormat> disc = parseDiscDiameters(text);
    if (!disc) {
        error =
            QCoreApplication::translate(
                "BatchOptions", "--disc erwartet den äußeren und inneren Durchmesser in mm, z. B. 118/22, "
                                "nicht \"%1\".")
                .arg(text);
        return std::nullopt;
    }
    const QString problem = discFormatProblem(*disc);
    if (!problem.isEmpty()) {
        error = QStringLiteral("--disc %1: %2").arg(text, problem);
        return std::nullopt;
    }
    return disc;
}

std::optional<DiscOffset> discOffsetValues(const QString& text, QString& error) {
    const QStringList parts = text.split(QLatin1Char(','));
    const std::optional<double> right = parts.size() == 2 ? realNumber(parts[0]) : std::nullopt;
    const std::optional<double> down = parts.size() == 2 ? realNumber(parts[1]) : std::nullopt;
    const double limit = kDiscOffsetMaxMm;
    if (!right || !down || std::abs(*right) > limit || std::abs(*down) > limit) {
        error = QCoreApplication::translate("BatchOptions",
                                            "--disc-offset erwartet zwei Zahlen X,Y in mm %1, nicht \"%2\".")
                    .arg(rangeText(-limit, limit), text);
        return std::nullopt;
    }
    return DiscOffset{twoDecimals(*right), twoDecimals(*down)};
}

struct Parser {
    const QStringList& arguments;
    int at = 1;
    QString error;

    bool more() const { return at < arguments.size(); }
    QString valueOf(const QString& option) {
        if (at + 1 >= arguments.size()) {
            error = QCoreApplication::translate("BatchOptions", "Bei %1 fehlt der Wert.").arg(option);
            return {};
        }
        at += 1;
        return arguments[at];
    }
    bool fail(const QString& message) {
        error = message;
        return false;
    }
    // A value outside its range is refused like one that is no number: a script
    // asking for 5000 copies must not quietly get 1000.
    bool integer(const QString& option, int& target, int minimum, int maximum) {
        const QString text = valueOf(option);
        if (!error.isEmpty()) return false;
        const std::optional<int> value = wholeNumber(text);
        if (!value || *value < minimum || *value > maximum)
            return fail(
                QCoreApplication::translate("BatchOptions", "%1 erwartet eine ganze Zahl %2, nicht \"%3\".")
                    .arg(option, rangeText(minimum, maximum), text));
        target = *value;
        return true;
    }
    // Two decimals are kept, as the window's fields keep them; the range applies
    // to the value kept.
    bool real(const QString& option, double& target, double minimum, double maximum) {
        const QString text = valueOf(option);
        if (!error.isEmpty()) return false;
        const std::optional<double> value = realNumber(text);
        const double kept = value ? twoDecimals(*value) : 0;
        if (!value || kept < minimum || kept > maximum)
            return fail(QCoreApplication::translate("BatchOptions", "%1 erwartet eine Zahl %2, nicht \"%3\".")
                            .arg(option, rangeText(minimum, maximum), text));
        target = kept;
        return true;
    }
    bool text(const QString& option, QString& target) {
        target = valueOf(option);
        return error.isEmpty();
    }
};

} // namespace

bool isKnownPaperName(const QString& name) {
    for (int id = 0; id < int(QPageSize::LastPageSize); ++id) {
        const QString key = QPageSize::key(QPageSize::PageSizeId(id));
        if (key.compare(name, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

ParsedCommandLine parseBatchCommandLine(const QStringList& arguments) {
    BatchOptions options;
    Parser p{arguments, 1, {}};
    bool formatByName = false, formatByIndex = false, formatByTemplate = false;
    QStringList inputs;
    for (; p.more() && p.error.isEmpty(); ++p.at) {
        const QString argument = arguments[p.at];
        bool ok = true;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            options.help = true;
        else if (argument == QLatin1String("--info"))
            options.info = true;
        else if (argument == QLatin1String("--auto-crop"))
            options.autoCrop = true;
        else if (argument == QLatin1String("--detect"))
            options.detect = true;
        else if (argument == QLatin1String("--rotate")) {
            double degrees = 0;
            ok = p.real(argument, degrees, -180, 180);
            options.rotateDegrees = degrees;
        } else if (argument == QLatin1String("--templates")) {
            options.listTemplates = true;
            // The search text is optional: a following option is not it.
            if (p.at + 1 < arguments.size() && !arguments[p.at + 1].startsWith(QLatin1Char('-')))
                options.templatesFilter = arguments[++p.at];
        } else if (argument == QLatin1String("--template")) {
            ok = p.text(argument, options.templateName);
            formatByTemplate = options.given.format = true;
        } else if (argument == QLatin1String("--clip"))
            options.clipToShape = true;
        else if (argument == QLatin1String("--no-clip"))
            options.clipToShape = false;
        else if (argument == QLatin1String("--image"))
            ok = p.text(argument, options.imageFile);
        else if (argument == QLatin1String("--paper-file"))
            ok = p.text(argument, options.paperFile);
        else if (argument == QLatin1String("--format")) {
            ok = p.text(argument, options.formatName);
            formatByName = options.given.format = true;
        } else if (argument == QLatin1String("--format-index")) {
            ok = p.integer(argument, options.formatIndex, 0, INT32_MAX);
            formatByIndex = options.given.format = true;
        } else if (argument == QLatin1String("--size"))
            ok = options.given.size = p.integer(argument, options.size, 10, 500);
        else if (argument == QLatin1String("--shift-x"))
            ok = options.given.shiftX = p.real(argument, options.shiftX, -1000, 1000);
        else if (argument == QLatin1String("--shift-y"))
            ok = options.given.shiftY = p.real(argument, options.shiftY, -1000, 1000);
        else if (argument == QLatin1String("--used"))
            ok = options.given.used = p.integer(argument, options.used, 0, 100);
        else if (argument == QLatin1String("--copies"))
            ok = options.given.copies = p.integer(argument, options.copies, 1, 1000);
        else if (argument == QLatin1String("--options"))
            ok = p.text(argument, options.optionsFile);
        else if (argument == QLatin1String("--calibration")) {
            const QString text = p.valueOf(argument);
            if (p.error.isEmpty()) options.calibration = calibrationValues(text, p.error);
            ok = p.error.isEmpty();
        } else if (argument == QLatin1String("--disc")) {
            const QString text = p.valueOf(argument);
            if (p.error.isEmpty()) options.disc = discValues(text, p.error);
            ok = p.error.isEmpty();
        } else if (argument == QLatin1String("--disc-offset")) {
            const QString text = p.valueOf(argument);
            if (p.error.isEmpty()) options.discOffset = discOffsetValues(text, p.error);
            ok = p.error.isEmpty();
        } else if (argument == QLatin1String("-o"))
            ok = p.text(argument, options.pdfFile);
        else if (argument == QLatin1String("--resolution"))
            ok = p.integer(argument, options.resolution, 72, 2400);
        else if (argument == QLatin1String("--paper"))
            ok = p.text(argument, options.paper);
        else if (argument == QLatin1String("-P"))
            ok = p.text(argument, options.printer);
        else if (argument == QLatin1String("--preview"))
            ok = p.text(argument, options.previewFile);
        else if (argument == QLatin1String("--sheet"))
            ok = options.given.sheet = p.integer(argument, options.sheet, 1, 1000);
        else if (argument == QLatin1String("--save-job"))
            ok = p.text(argument, options.saveJobFile);
        else if (argument == QLatin1String("--zoom"))
            ok = p.integer(argument, options.zoom, 10, 500);
        else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            ok = p.fail(QCoreApplication::translate("BatchOptions", "Unbekannte Option: %1").arg(argument));
        else
            inputs << argument;
        if (!ok) break;
    }
    if (!p.error.isEmpty()) return {std::nullopt, p.error};
    if (options.help || options.listTemplates) return {options, {}};

    if (!options.imageFile.isEmpty() && !inputs.isEmpty())
        return {std::nullopt,
                QCoreApplication::translate(
                    "BatchOptions", "Bitte entweder einen Auftrag oder --image angeben, nicht beides.")};
    if (inputs.size() > 1)
        return {std::nullopt,
                QCoreApplication::translate("BatchOptions", "Bitte nur einen Auftrag angeben.")};
    if (inputs.size() == 1) options.coverFile = inputs.first();
    if (options.coverFile.isEmpty() && options.imageFile.isEmpty())
        return {std::nullopt,
                QCoreApplication::translate("BatchOptions", "Es wurde kein Auftrag angegeben.")};
    if (int(formatByName) + int(formatByIndex) + int(formatByTemplate) > 1)
        return {std::nullopt,
                QCoreApplication::translate(
                    "BatchOptions", "Bitte nur eines angeben: --format, --format-index oder --template.")};
    if (options.disc && options.given.format)
        return {std::nullopt, QCoreApplication::translate(
                                  "BatchOptions", "Bitte entweder --disc oder ein Papierformat angeben.")};
    if (!options.optionsFile.isEmpty() && options.calibration)
        return {std::nullopt, QCoreApplication::translate(
                                  "BatchOptions", "Bitte entweder --options oder --calibration angeben.")};
    const int outputs = int(!options.pdfFile.isEmpty()) + int(!options.printer.isEmpty()) +
                        int(!options.previewFile.isEmpty()) + int(!options.saveJobFile.isEmpty());
    if (!options.info && !options.detect && outputs != 1)
        return {std::nullopt,
                QCoreApplication::translate(
                    "BatchOptions", "Bitte genau eine Ausgabe angeben: -o, -P, --preview oder --save-job.")};
    if (!isKnownPaperName(options.paper))
        return {
            std::nullopt,
            QCoreApplication::translate("BatchOptions", "Unbekanntes Papierformat: %1").arg(options.paper)};
    return {options, {}};
}

QString batchUsage() {
    return QCoreApplication::translate(
        "BatchOptions",
        "Aufruf:\n"
        "  cdcover-batch [OPTIONEN] AUFTRAG.cov\n"
        "  cdcover-batch [OPTIONEN] --image BILDDATEI\n"
        "\n"
        "Druckt einen CD-Cover-Auftrag (oder ein Bild ohne Objekte) auf Etikettenbögen,\n"
        "mit denselben Regeln wie das Programm.\n"
        "\n"
        "Werte außerhalb ihres Bereichs werden nicht angepasst, sondern abgelehnt.\n"
        "\n"
        "Papierformat:\n"
        "  --paper-file DATEI    Papierformate (Vorgabe: paper.dat im Programmverzeichnis)\n"
        "  --format NAME         das Papierformat dieses Namens\n"
        "  --format-index N      das N-te Papierformat, ab 0 gezählt (Vorgabe: 0)\n"
        "  --template \"MARKE ARTIKEL\"\n"
        "                        der Etikettenbogen aus den installierten Vorlagen, z. B.\n"
        "                        \"Zweckform 3654\"; bei mehreren Rastern \"MARKE ARTIKEL (2)\"\n"
        "  --templates [TEXT]    die installierten Vorlagen auflisten (nur die mit TEXT):\n"
        "                        Artikel, Beschreibung, Etikettgröße, Etiketten pro Bogen\n"
        "  --disc AUSSEN/INNEN   statt auf Etikettenbögen direkt auf CDs/DVDs drucken; die\n"
        "                        bedruckbaren Durchmesser in mm (außen 40..120, innen 15..50,\n"
        "                        innen mindestens 10 kleiner), z. B. 118/22; eine Seite je CD\n"
        "  --disc-offset X,Y     die CD-Kalibrierung: den Druck um X mm nach rechts und Y mm\n"
        "                        nach unten verschieben (-10..10; Vorgabe: die gespeicherte\n"
        "                        des Druckers bzw. der PDF-Ausgabe)\n"
        "  --clip, --no-clip     nur innerhalb der Etikettform drucken, oder nicht (Vorgabe:\n"
        "                        bei CD/DVD-Etiketten ja, sonst nein)\n"
        "\n"
        "Platzierung und Auftrag (wie unter \"Zentrieren\" und \"Drucken\"; ohne Angabe gelten die\n"
        "im Auftrag gespeicherten Werte und sein Papierformat, sonst die Vorgaben):\n"
        "  --size PROZENT        Größe des Bildes in Prozent der Etikettbreite (10..500, Vorgabe 100)\n"
        "  --shift-x MM          Links/rechts Verschiebung (-1000..1000, Vorgabe 0)\n"
        "  --shift-y MM          Oben/unten Verschiebung (-1000..1000, Vorgabe 0)\n"
        "  --used N              schon benutzte Positionen des ersten Bogens (0..100, Vorgabe 0)\n"
        "  --copies N            Anzahl der Kopien (1..1000, Vorgabe 1)\n"
        "\n"
        "Kalibrierung:\n"
        "  --options DATEI       Kalibrierung (Vorgabe: die des Druckers bzw. der PDF-Ausgabe,\n"
        "                        wie das Programm sie gespeichert hat, sonst options.dat)\n"
        "  --calibration L,O,B,H Abstand links, Abstand oben (0..10 mm), Breite, Höhe des\n"
        "                        Testrechtecks (70..130 mm)\n"
        "\n"
        "Ausgabe (genau eine):\n"
        "  -o DATEI.pdf          PDF-Datei; dazu --resolution DPI (72..2400, Vorgabe 600) und\n"
        "                        --paper A4|A5|Letter|... (Vorgabe A4), ganze Seite bedruckbar;\n"
        "                        mit --disc eine quadratische Seite des äußeren Durchmessers\n"
        "  -P DRUCKER            ein Drucker des Systems (CUPS); mit --disc einer mit CD-Fach\n"
        "  --preview DATEI.png   die Bogenvorschau von Bogen --sheet K (1..1000, Vorgabe 1)\n"
        "                        bei --zoom PROZENT (10..500, Vorgabe 100)\n"
        "  --save-job DATEI.cov  den Auftrag so speichern, wie er gedruckt würde (Bild, Objekte,\n"
        "                        Papierformat und Werte), zum Öffnen im Programm\n"
        "  --info                statt zu drucken den Auftrag als JSON ausgeben\n"
        "  --detect              statt zu drucken die CD oder das Cover auf dem Bild suchen und\n"
        "                        als JSON ausgeben: Art, Mitte, Größe (Pixel und mm), Winkel\n"
        "\n"
        "Bild (vor allem anderen):\n"
        "  --auto-crop           die CD oder das Cover auf dem Bild suchen und gerade\n"
        "                        ausschneiden; wird nichts gefunden, wird nichts geschrieben\n"
        "  --rotate GRAD         das Bild gegen den Uhrzeigersinn drehen (-180..180)\n"
        "\n"
        "  --lang de|en          Sprache der Meldungen (Vorgabe: die der Umgebung, LANG)\n"
        "  --help                diese Hilfe\n"
        "\n"
        "Rückgabewert: 0 bei Erfolg, 2 bei falschem Aufruf, 1 wenn eine Eingabe nicht gelesen\n"
        "oder die Ausgabe nicht geschrieben werden konnte. Bei einem Fehler wird nichts geschrieben.\n");
}
