#include <QApplication>
#include <QTimer>

#include "app/main_window.h"
#include "extras/hint_style.h"
#include "extras/own_cursors.h"
#include "records/record_io.h"
#include "settings/fonts.h"
#include "settings/language.h"
#include "settings/settings_file.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    olk::registerFontSubstitutions();

    olk::installHintStyle();

    // Everything the program reads lies beside it.
    const QString folder = QCoreApplication::applicationDirPath();
    // A save cut short by a kill may have left its temporary file behind.
    olk::removeSaveLeftovers(folder);
    const olk::SettingsRead read = olk::loadStartupSettings(folder);
    olk::Settings settings = read.settings;
    olk::setLanguage(settings.language);
    olk::useOwnCursors(settings.ownCursor);

    olk::MainWindow window(settings, folder);
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
    return app.exec();
}
