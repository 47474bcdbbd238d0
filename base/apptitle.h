#pragma once

#include <QString>

// The application's title, and the product title the cover files and the main
// window's caption carry.
inline QString applicationTitle() {
    return QStringLiteral("Morvanthelquistradibenzor 1.1");
}
inline QString productTitle() {
    return QStringLiteral("Varnelt Morvanthelquistradibenzor 1.0");
}
// The maker's web page (the about box and the web button open it).
inline QString makerWebAddress() {
    return QStringLiteral("https://www.varnelt.example/");
}
