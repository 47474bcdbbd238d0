#pragma once
// Dialogs answered from a script. Each modal interaction takes the next scripted
// answer; an interaction of another kind, or one with nothing scripted, fails
// the test. Every question is recorded.

#include "support/fakemessages.h"
#include "widgets/dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class FakeDialogs final : public Dialogs {
  public:
    using Message = FakeMessages::Message;

    ~FakeDialogs() override;

    // --- the script ------------------------------------------------------------
    void answerMessage(MsgAnswer answer);
    void answerOpenFile(std::optional<FileAnswer> answer);
    void answerSaveFile(std::optional<FileAnswer> answer);
    void answerColor(std::optional<ColorRef> answer);
    void answerFont(std::optional<FontChoice> answer);
    // The next font request opens Qt's real font dialog, for the test to click in.
    void answerFontInQtDialog();
    void answerPrinterSetup(bool accept, std::function<void(QPrinter&)> adjust = {});
    // Runs `script` on the dialog instead of showing it; its return is the result.
    void answerModal(std::function<int(QDialog&)> script);
    bool scriptDone() const { return script_.empty(); }
    // Forgets the script and what was asked, for a test that starts over.
    void startOver();

    // --- what was asked ----------------------------------------------------------
    std::vector<Message> messages;
    std::vector<FileRequest> fileRequests;
    std::vector<ColorRef> colorRequests;
    std::vector<FontChoice> fontRequests;
    std::vector<QUrl> openedAddresses;
    std::vector<QString> modalDialogs; // object names of the dialogs run
    int printerSetups = 0;

    // --- Dialogs -------------------------------------------------------------------
    MsgAnswer message(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;
    std::optional<FileAnswer> openFile(const FileRequest& request) override;
    std::optional<FileAnswer> saveFile(const FileRequest& request) override;
    std::optional<ColorRef> chooseColor(ColorRef initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    bool printerSetup(QPrinter& printer) override;
    int runModal(QDialog& dialog) override;
    void openWebAddress(const QUrl& address) override;

  private:
    enum class Kind { Message, OpenFile, SaveFile, Color, Font, PrinterSetup, Modal };
    struct Step {
        Kind kind = Kind::Message;
        MsgAnswer message = MsgAnswer::Cancel;
        std::optional<FileAnswer> file;
        std::optional<ColorRef> color;
        std::optional<FontChoice> font;
        bool qtFontDialog = false;
        bool accept = false;
        std::function<void(QPrinter&)> adjustPrinter;
        std::function<int(QDialog&)> modal;
    };
    // The next step if it is of `kind`; otherwise a failure and nothing.
    std::optional<Step> take(Kind kind, const QString& what);
    std::deque<Step> script_;
};
