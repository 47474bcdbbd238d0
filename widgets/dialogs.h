#pragma once
// Every modal interaction of the program goes through Dialogs: message boxes,
// file names, colours, fonts, printer setup and our own dialogs run modally.
// QtDialogs shows the real ones; tests script the answers.

#include "base/messages.h"
#include "raster/dibimage.h"

#include <QFont>
#include <QString>
#include <QUrl>

#include <optional>

class QDialog;
class QPrinter;

struct FileRequest {
    QString caption;
    QString filter;        // "Name (*.ext)|*.ext|..." as Windows writes filters
    QString defaultSuffix; // appended when the name has none (empty: nothing)
    int filterIndex = 1;   // 1-based, the filter shown first
    bool mustExist = false;
    bool confirmOverwrite = false;
    QString fileName; // the name proposed (empty: none)
};
struct FileAnswer {
    QString path;
    int filterIndex = 1; // 1-based position of the filter the user chose
};

struct FontChoice {
    QFont font;
    ColorRef color = 0;
};

class Dialogs : public Messages {
  public:
    virtual std::optional<FileAnswer> openFile(const FileRequest& request) = 0;
    virtual std::optional<FileAnswer> saveFile(const FileRequest& request) = 0;
    virtual std::optional<ColorRef> chooseColor(ColorRef initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    // The printer dialog; false when cancelled.
    virtual bool printerSetup(QPrinter& printer) = 0;
    // Runs one of our own dialogs modally and returns its result code.
    virtual int runModal(QDialog& dialog) = 0;
    virtual void openWebAddress(const QUrl& address) = 0;
};

// Qt's filter syntax from the "text|pattern|text|pattern" form.
QString qtFilterFromPipes(const QString& pipes);
