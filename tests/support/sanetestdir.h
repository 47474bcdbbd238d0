#pragma once
// Points SANE at the configuration under tests/sane, which loads only SANE's
// own `test` backend. Must run before the first SANE call of the process.

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

inline void useSaneTestBackend() {
    const QString dir = QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../sane"));
    qputenv("SANE_CONFIG_DIR", QDir::cleanPath(dir).toLocal8Bit());
}
