#include <QApplication>
#include <QToolTip>

#include "app/main_window.h"
#include "settings/fonts.h"
#include "settings/language.h"
#include "settings/settings_file.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    olk::registerFontSubstitutions();

    // Hints are red and stay for five seconds.
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(200, 20, 20));
    hints.setColor(QPalette::ToolTipText, Qt::white);
    QToolTip::setPalette(hints);

    // Everything the program reads lies beside it.
    const QString folder = QCoreApplication::applicationDirPath();
    olk::Settings settings = olk::loadStartupSettings(folder).settings;
    olk::setLanguage(settings.language);

    bool clubWritesBlocked = false;
    if (!olk::checkClubFilesAtStart(folder, &clubWritesBlocked)) {
        return 1;
    }

    olk::MainWindow window(settings, folder, clubWritesBlocked);
    window.showStartup();
    window.show();
    return app.exec();
}
