#pragma once
// The command line of cdcover-batch: what to read, which paper format, the
// placement and job values (within the ranges of the window's controls: a value
// outside is a usage error), the calibration and where the output goes.

#include "paper/discformat.h"
#include "print/disccalibration.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct BatchOptions {
    QString coverFile; // AUFTRAG.cov, or empty with `imageFile`
    QString imageFile;

    QString paperFile; // empty: paper.dat in the program directory
    QString formatName;
    int formatIndex = 0;
    QString templateName; // --template: a sheet of the installed label templates

    // --disc OUTER/INNER: printing onto discs instead of a sheet format;
    // --disc-offset X,Y in place of the output's disc calibration.
    std::optional<DiscFormat> disc;
    std::optional<DiscOffset> discOffset;

    // --clip/--no-clip: keep the print inside the label's shape; nothing: the
    // format's own choice (on for CD/DVD labels).
    std::optional<bool> clipToShape;

    // "Zentrieren" and "Drucken" values, as the window's controls hold them.
    int size = 100;    // widthSpin, 10..500
    double shiftX = 0; // leftSpin, −1000..1000, two decimals
    double shiftY = 0; // topSpin
    int used = 0;      // usedSpin, 0..100
    int copies = 1;    // copiesSpin, 1..1000

    // Which of the format and the job values the command line gave. Those it
    // did not give come from the values a cover file was saved with, if any.
    struct Given {
        bool format = false; // --format, --format-index or --template
        bool size = false, shiftX = false, shiftY = false;
        bool used = false, copies = false, sheet = false;
    } given;

    QString optionsFile;                              // empty: the output's own (batchcalibration.h)
    std::optional<std::array<double, 4>> calibration; // cL, cT, kW, kH

    QString pdfFile; // -o
    int resolution = 600;
    QString paper = QStringLiteral("A4");
    QString printer;     // -P
    QString previewFile; // --preview
    QString saveJobFile; // --save-job: the job as it would print, as a cover file
    int sheet = 1;
    int zoom = 100;

    // The image before anything else: cut to the disc or cover on it, turned
    // counter-clockwise by degrees; or only what is found there, as JSON.
    bool autoCrop = false;
    std::optional<double> rotateDegrees;
    bool detect = false;

    bool info = false;
    bool help = false;
    bool listTemplates = false; // --templates [TEXT]
    QString templatesFilter;
};

struct ParsedCommandLine {
    std::optional<BatchOptions> options; // nothing on a usage error
    QString error;                       // for standard error, in the user's language
};

ParsedCommandLine parseBatchCommandLine(const QStringList& arguments);

// The usage text (also for --help).
QString batchUsage();

// Paper sizes `--paper` knows, by name (A4, A5, A3, Letter, Legal, ...); false for an unknown one.
bool isKnownPaperName(const QString& name);
