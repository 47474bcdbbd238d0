#include "widgets/qtdialogs.h"

#include "widgets/printersetupdialog.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>

QString qtFilterFromPipes(const QString& pipes) {
    const QStringList parts = pipes.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // Qt filters by the space-separated patterns in the text's closing
        // parentheses, not by the pattern after the bar: the text's own list
        // ("*.pbm;*.pgm" or "*.*" for "*") is replaced by the real one.
        QString text = parts[i];
        const qsizetype listStart = text.lastIndexOf(QStringLiteral(" ("));
        if (listStart >= 0 && text.endsWith(QLatin1Char(')'))) text.truncate(listStart);
        text += QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                QLatin1Char(')');
        filters << text;
    }
    return filters.join(QStringLiteral(";;"));
}

MsgAnswer QtDialogs::message(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) {
    QMessageBox box(owner_);
    // Without a caption Windows shows its default one, which a German system calls "Fehler".
    box.setWindowTitle(caption.isEmpty() ? tr("Fehler") : caption);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.addButton(tr("OK"), QMessageBox::AcceptRole);
        break;
    case MsgButtons::OkCancel: {
        box.setDefaultButton(box.addButton(tr("OK"), QMessageBox::AcceptRole));
        box.setEscapeButton(box.addButton(tr("Abbrechen"), QMessageBox::RejectRole));
        break;
    }
    case MsgButtons::YesNo: {
        box.setDefaultButton(box.addButton(tr("&Ja"), QMessageBox::YesRole));
        box.setEscapeButton(box.addButton(tr("&Nein"), QMessageBox::NoRole));
        break;
    }
    case MsgButtons::SaveDiscardCancel: {
        box.setDefaultButton(box.addButton(tr("Speichern"), QMessageBox::AcceptRole));
        box.addButton(tr("Verwerfen"), QMessageBox::DestructiveRole);
        box.setEscapeButton(box.addButton(tr("Abbrechen"), QMessageBox::RejectRole));
        break;
    }
    }
    box.exec();
    const QMessageBox::ButtonRole role = box.buttonRole(box.clickedButton());
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::OkCancel:
        return role == QMessageBox::AcceptRole ? MsgAnswer::Ok : MsgAnswer::Cancel;
    case MsgButtons::YesNo:
        return role == QMessageBox::YesRole ? MsgAnswer::Yes : MsgAnswer::No;
    case MsgButtons::SaveDiscardCancel:
        return role == QMessageBox::AcceptRole        ? MsgAnswer::Save
               : role == QMessageBox::DestructiveRole ? MsgAnswer::Discard
                                                      : MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

std::optional<FileAnswer> QtDialogs::runFileDialog(const FileRequest& request, bool save) {
    QFileDialog dialog(owner_, request.caption);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = qtFilterFromPipes(request.filter).split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    FileAnswer answer;
    answer.path = dialog.selectedFiles().first();
    answer.filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (answer.filterIndex < 1) answer.filterIndex = 1;
    return answer;
}

std::optional<FileAnswer> QtDialogs::openFile(const FileRequest& request) {
    return runFileDialog(request, false);
}
std::optional<FileAnswer> QtDialogs::saveFile(const FileRequest& request) {
    return runFileDialog(request, true);
}

std::optional<ColorRef> QtDialogs::chooseColor(ColorRef initial) {
    const QColor chosen = QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)),
                                                 owner_, tr("Farbe"));
    if (!chosen.isValid()) return std::nullopt;
    return makeColorRef(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice& initial) {
    QFontDialog dialog(initial.font, owner_);
    dialog.setWindowTitle(tr("Schriftart"));
    // Qt's own dialog, so that the colour button can join its effects.
    dialog.setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
    ColorRef color = initial.color;
    auto* colorButton = new QPushButton(tr("Farbe..."), &dialog);
    colorButton->setObjectName(QStringLiteral("fontColorButton"));
    auto showColor = [colorButton, &color] {
        QPixmap swatch(16, 16);
        swatch.fill(QColor(redOf(color), greenOf(color), blueOf(color)));
        colorButton->setIcon(QIcon(swatch));
    };
    showColor();
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [this, &color, showColor] {
        if (const std::optional<ColorRef> chosen = chooseColor(color)) color = *chosen;
        showColor();
    });
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(colorButton, grid->rowCount(), 0, Qt::AlignLeft);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return FontChoice{dialog.selectedFont(), color};
}

bool QtDialogs::printerSetup(QPrinter& printer) {
    PrinterSetupDialog dialog(printerChoiceOf(printer), owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    applyPrinterChoice(printer, dialog.choice());
    return true;
}

int QtDialogs::runModal(QDialog& dialog) {
    return dialog.exec();
}

void QtDialogs::openWebAddress(const QUrl& address) {
    QDesktopServices::openUrl(address);
}
