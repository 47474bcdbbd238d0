# The folders whose texts are translated, and Qt's lupdate (qt6-l10n-tools);
# sourced by scripts/update-translations and the translation check.
TRANSLATED_FOLDERS=(app base batch document objects paper print raster retouch widgets)
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
