#pragma once
// Files keep texts as 8-bit Windows-1252; the user interface holds QString.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Characters that Windows-1252 cannot hold become '?'.
QByteArray toCp1252(const QString& text);
QString fromCp1252(QByteArrayView bytes);
