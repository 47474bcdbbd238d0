#include "support/fakedialogs.h"

#include "widgets/qtdialogs.h"

#include <QDialog>

#include <gtest/gtest.h>

FakeDialogs::~FakeDialogs() {
    EXPECT_TRUE(script_.empty()) << script_.size() << " scripted dialog answer(s) were never asked for";
}

void FakeDialogs::answerMessage(MsgAnswer answer) {
    Step step;
    step.kind = Kind::Message;
    step.message = answer;
    script_.push_back(std::move(step));
}
void FakeDialogs::answerOpenFile(std::optional<FileAnswer> answer) {
    Step step;
    step.kind = Kind::OpenFile;
    step.file = std::move(answer);
    script_.push_back(std::move(step));
}
void FakeDialogs::answerSaveFile(std::optional<FileAnswer> answer) {
    Step step;
    step.kind = Kind::SaveFile;
    step.file = std::move(answer);
    script_.push_back(std::move(step));
}
void FakeDialogs::answerColor(std::optional<ColorRef> answer) {
    Step step;
    step.kind = Kind::Color;
    step.color = answer;
    script_.push_back(std::move(step));
}
void FakeDialogs::answerFont(std::optional<FontChoice> answer) {
    Step step;
    step.kind = Kind::Font;
    step.font = std::move(answer);
    script_.push_back(std::move(step));
}
void FakeDialogs::answerFontInQtDialog() {
    Step step;
    step.kind = Kind::Font;
    step.qtFontDialog = true;
    script_.push_back(std::move(step));
}
void FakeDialogs::answerPrinterSetup(bool accept, std::function<void(QPrinter&)> adjust) {
    Step step;
    step.kind = Kind::PrinterSetup;
    step.accept = accept;
    step.adjustPrinter = std::move(adjust);
    script_.push_back(std::move(step));
}
void FakeDialogs::answerModal(std::function<int(QDialog&)> script) {
    Step step;
    step.kind = Kind::Modal;
    step.modal = std::move(script);
    script_.push_back(std::move(step));
}

void FakeDialogs::startOver() {
    script_.clear();
    messages.clear();
    fileRequests.clear();
    colorRequests.clear();
    fontRequests.clear();
    openedAddresses.clear();
    modalDialogs.clear();
    printerSetups = 0;
}

std::optional<FakeDialogs::Step> FakeDialogs::take(Kind kind, const QString& what) {
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << what.toStdString();
        return std::nullopt;
    }
    if (script_.front().kind != kind) {
        ADD_FAILURE() << "dialog out of script order: " << what.toStdString();
        return std::nullopt;
    }
    Step step = std::move(script_.front());
    script_.pop_front();
    return step;
}

MsgAnswer FakeDialogs::message(const QString& text, const QString& caption, MsgButtons buttons,
                               MsgIcon icon) {
    messages.push_back({text, caption, buttons, icon});
    const auto step = take(Kind::Message, QStringLiteral("message box \"%1\" (%2)").arg(text, caption));
    return step ? step->message : unscriptedAnswer(buttons);
}

std::optional<FileAnswer> FakeDialogs::openFile(const FileRequest& request) {
    fileRequests.push_back(request);
    const auto step = take(Kind::OpenFile, QStringLiteral("open file dialog \"%1\"").arg(request.caption));
    return step ? step->file : std::nullopt;
}

std::optional<FileAnswer> FakeDialogs::saveFile(const FileRequest& request) {
    fileRequests.push_back(request);
    const auto step = take(Kind::SaveFile, QStringLiteral("save file dialog \"%1\"").arg(request.caption));
    return step ? step->file : std::nullopt;
}

std::optional<ColorRef> FakeDialogs::chooseColor(ColorRef initial) {
    colorRequests.push_back(initial);
    const auto step = take(Kind::Color, QStringLiteral("colour dialog"));
    return step ? step->color : std::nullopt;
}

std::optional<FontChoice> FakeDialogs::chooseFont(const FontChoice& initial) {
    fontRequests.push_back(initial);
    const auto step = take(Kind::Font, QStringLiteral("font dialog"));
    if (step && step->qtFontDialog) return QtDialogs().chooseFont(initial);
    return step ? step->font : std::nullopt;
}

bool FakeDialogs::printerSetup(QPrinter& printer) {
    ++printerSetups;
    const auto step = take(Kind::PrinterSetup, QStringLiteral("printer setup"));
    if (!step) return false;
    if (step->adjustPrinter) step->adjustPrinter(printer);
    return step->accept;
}

int FakeDialogs::runModal(QDialog& dialog) {
    modalDialogs.push_back(dialog.objectName());
    const auto step = take(Kind::Modal, QStringLiteral("modal dialog %1").arg(dialog.objectName()));
    return step && step->modal ? step->modal(dialog) : QDialog::Rejected;
}

void FakeDialogs::openWebAddress(const QUrl& address) {
    openedAddresses.push_back(address);
}
