// cdcover-batch: prints cover jobs from the command line, without a window.

#include "app/programdirectory.h"
#include "batch/batchoptions.h"
#include "batch/batchrun.h"
#include "raster/screenfacts.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    // No display is needed: the program draws offscreen by itself.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cdcover"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    const ParsedCommandLine parsed = parseBatchCommandLine(QApplication::arguments());
    if (!parsed.options) {
        err << parsed.error << "\n\n" << batchUsage();
        return ExitUsage;
    }
    // The window's rules use the screen's resolution; the batch takes the one a
    // standard screen has, so labels come out as the window makes them there.
    setScreenFacts({96, 24});
    return runBatch(*parsed.options, defaultProgramDirectory(), out, err);
}
