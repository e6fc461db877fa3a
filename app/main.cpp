#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "extras/hint_style.h"
#include "extras/own_cursors.h"
#include "records/program_folders.h"
#include "records/record_io.h"
#include "settings/fonts.h"
#include "settings/language.h"
#include "settings/settings_file.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Olk, the card game \"Thirty-one\"."));
    options.addHelpOption();
    const QCommandLineOption service(
        QStringLiteral("service"),
        QStringLiteral("The olk-service to use for every online feature instead of the one "
                       "on this computer, e.g. http://club.example:8765."),
        QStringLiteral("URL"));
    options.addOption(service);
    options.process(app);
    olk::registerFontSubstitutions();

    olk::installHintStyle();

    // The program keeps its files beside itself, or in the user's data
    // folder when it is installed where it cannot write.
    const QString programDir = QCoreApplication::applicationDirPath();
    const olk::ProgramFolders folders = olk::chooseProgramFolders(
        programDir, olk::canWriteInto(programDir), QStringLiteral(OLK_DATA_FROM_PROGRAM),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    olk::setInstalledDataFolder(folders.data);
    const QString& folder = folders.own;
    // A first start there is a first start beside the program: the default
    // club comes with it.
    if (folders.inUserData) {
        olk::makeMissingClubFiles(folder);
    }
    // A save cut short by a kill may have left its temporary file behind.
    olk::removeSaveLeftovers(folder);
    const olk::SettingsRead read = olk::loadStartupSettings(folder);
    olk::Settings settings = read.settings;
    olk::setLanguage(settings.language);
    olk::useOwnCursors(settings.ownCursor);

    int code = 0;
    {
        olk::MainWindow window(settings, folder);
        window.setOnlineAtStart(true);
        window.setSoundAtStart(true);
        if (options.isSet(service) && !window.online().useService(options.value(service))) {
            std::fprintf(stderr, "olk: --service needs an http or https address, not \"%s\"\n",
                         qPrintable(options.value(service)));
            return 2;
        }
        window.setSettingsAsRead(read.lines);
        window.showStartup();
        window.show();
        // The start-up picture is up before the club files are checked; a missing
        // or damaged one ends the program after its message.
        QTimer::singleShot(0, &window, [&window, &app] {
            if (!window.checkClubFiles()) {
                app.exit(1);
            }
        });
        code = app.exec();
    }
    // Everything is saved and the window is gone. The process ends here,
    // without the destructors of static objects: Qt 6.4's PulseAudio engine
    // is one of them, and freeing its main loop that late can trip PulseAudio's
    // own assertion, an abort after a clean quit.
    std::fflush(nullptr);
    std::_Exit(code);
}
