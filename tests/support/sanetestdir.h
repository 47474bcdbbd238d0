#pragma once
// Points SANE at the configuration under tests/sane, which loads only SANE's
// own `test` backend. Must run before the first SANE call of the process.

#include <QByteArray>
#include <QDir>

inline void useSaneTestBackend() {
    qputenv("SANE_CONFIG_DIR", QDir::cleanPath(QStringLiteral(CDCOVER_TESTS_DIR "/sane")).toLocal8Bit());
}
