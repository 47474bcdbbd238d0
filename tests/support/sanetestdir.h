#pragma once
// Points SANE at the configuration under tests/sane, which loads only SANE's
// own `test` backend and its `pnm` backend. Must run before the first SANE
// call of the process.

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>
#include <sane/sane.h>

inline void useSaneTestBackend() {
    qputenv("SANE_CONFIG_DIR", QDir::cleanPath(QStringLiteral(CDCOVER_TESTS_DIR "/sane")).toLocal8Bit());
    // SANE unloads its backends when the program ends, before LeakSanitizer
    // looks; kept loaded, a backend's own leaks show its name and
    // tests/lsan.supp can name them.
    Dl_info sane;
    if (dladdr(reinterpret_cast<void*>(&sane_init), &sane) && sane.dli_fname) {
        const QString backends = QFileInfo(QString::fromLocal8Bit(sane.dli_fname)).absolutePath() + "/sane/";
        for (const char* backend : {"libsane-test.so.1", "libsane-pnm.so.1"})
            dlopen(QFile::encodeName(backends + QLatin1String(backend)).constData(),
                   RTLD_LAZY | RTLD_NODELETE);
    }
}
