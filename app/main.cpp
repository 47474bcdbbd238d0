#include "app/mainwindow.h"
#include "base/language.h"
#include "base/screenfacts.h"
#include "base/settingsfolder.h"
#include "paper/ui/placementpage.h"
#include "print/printer/qprintertarget.h"
#include "print/ui/printpage.h"
#include "widgets/qtdialogs.h"

#include <QApplication>
#include <QScreen>
#include <QTextStream>

#include <csignal>

int main(int argc, char* argv[]) {
    // Under a file-size limit a save then fails (EFBIG) and is told like a full
    // disk, instead of the signal ending the program with the job unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    // The name decides the user's configuration folder; the title is what the
    // program calls itself.
    QApplication::setApplicationName(QStringLiteral("cdcover"));
    QGuiApplication::setDesktopFileName(QStringLiteral("cdcover"));
    QStringList arguments = QApplication::arguments();
    const LanguageOption languageOption = takeLanguageOption(arguments);
    const ProgramLanguage language(languageOption.language.value_or(systemLanguage()));
    if (languageOption.missingValue || !languageOption.badValue.isEmpty())
        QTextStream(stderr) << languageOptionError(languageOption) << '\n';

    ScreenFacts screenFacts;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        screenFacts = {int(screen->logicalDotsPerInchX()), screen->depth()};

    QtDialogs dialogs;
    QPrinterTarget printer;
    AppEnvironment environment;
    environment.settingsFolder = defaultSettingsFolder();
    environment.screen = screenFacts;
    environment.dialogs = &dialogs;
    environment.printTarget = &printer;

    MainWindow form(environment);
    dialogs.setOwner(&form);
    // The dialogs that keep their values between uses live as long as the window.
    form.placementPage->paperFormatDialog();
    form.printPage->calibrationDialog();
    // Centred on the screen at its design size.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.show();
    form.openFromCommandLine(arguments);
    return application.exec();
}
