#include "extras/help_page.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QUrl>

#include "extras/attention_box.h"
#include "records/program_folders.h"
#include "settings/language.h"
#include "settings/word_tables.h"

namespace olk {

namespace {

// The page in the "help" folder beside the program, else in an
// installation's data folder.
QString pagePath(const QString& folder, const QString& baseName, const QString& languageCode)
{
    const QString name = QStringLiteral("help/%1.%2.html").arg(baseName, languageCode);
    for (const QString& root : {folder, installedDataFolder()}) {
        if (root.isEmpty()) {
            continue;
        }
        const QString path = QDir(root).filePath(name);
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return {};
}

}  // namespace

QString helpFilePath(const QString& folder, const QString& baseName, const QString& languageCode,
                     bool* translated)
{
    if (translated) {
        *translated = false;
    }
    // Only plain names: a page name or a language code never leads out of
    // the help folder.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]+$"));
    if (folder.isEmpty() || !plain.match(baseName).hasMatch()) {
        return {};
    }
    if (plain.match(languageCode).hasMatch()) {
        const QString own = pagePath(folder, baseName, languageCode);
        if (!own.isEmpty()) {
            if (translated) {
                *translated = true;
            }
            return own;
        }
    }
    return pagePath(folder, baseName, QStringLiteral("en"));
}

QString helpLanguageCode()
{
    return QLatin1String(languageInfo(currentLanguage()).locale);
}

void openHelpPage(QWidget* parent, const QString& programFolder)
{
    bool translated = false;
    const QString path =
        helpFilePath(programFolder, QStringLiteral("olk"), helpLanguageCode(), &translated);
    if (path.isEmpty()) {
        showAttention(parent, text(Text::CantFindTheFile),
                      QDir::toNativeSeparators(QDir(programFolder).filePath(
                          QStringLiteral("help/olk.%1.html").arg(helpLanguageCode()))));
        return;
    }
    if (!translated) {
        QString notice = text(Text::HelpNotTranslated);
        notice.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
        QMessageBox::information(parent, text(Text::WindowTitle), notice);
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace olk
