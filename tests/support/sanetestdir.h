#pragma once
// Points SANE at the configuration under tests/sane, which loads only SANE's
// own `test` backend. Must run before the first SANE call of the process.

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>
#include <sane/sane.h>

inline void useSaneTestBackend() {
    qputenv("SANE_CONFIG_DIR", QDir::cleanPath(QStringLiteral(CDCOVER_TESTS_DIR "/sane")).toLocal8Bit());
    // SANE unloads its backends when the program ends, before LeakSanitizer
    // looks; kept loaded, the test backend's own leaks show its name and
    // tests/lsan.supp can name them.
    Dl_info sane;
    if (dladdr(reinterpret_cast<void*>(&sane_init), &sane) && sane.dli_fname) {
        const QString backend =
            QFileInfo(QString::fromLocal8Bit(sane.dli_fname)).absolutePath() + "/sane/libsane-test.so.1";
        dlopen(QFile::encodeName(backend).constData(), RTLD_LAZY | RTLD_NODELETE);
    }
}
