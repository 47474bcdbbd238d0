#pragma once

#include "widgets/dialogs.h"

#include <QCoreApplication>

class QWidget;

class QtDialogs final : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(QtDialogs)

  public:
    explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    MsgAnswer message(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;
    std::optional<FileAnswer> openFile(const FileRequest& request) override;
    std::optional<FileAnswer> saveFile(const FileRequest& request) override;
    std::optional<ColorRef> chooseColor(ColorRef initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    bool printerSetup(QPrinter& printer) override;
    int runModal(QDialog& dialog) override;
    void openWebAddress(const QUrl& address) override;

  private:
    std::optional<FileAnswer> runFileDialog(const FileRequest& request, bool save);
    QWidget* owner_;
};
