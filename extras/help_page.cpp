#include "extras/help_page.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QUrl>

#include "extras/attention_box.h"
#include "settings/language.h"
#include "settings/word_tables.h"

namespace olk {

namespace {

QString pagePath(const QDir& help, const QString& baseName, const QString& languageCode)
{
    const QString path =
        help.filePath(QStringLiteral("%1.%2.html").arg(baseName, languageCode));
    return QFileInfo(path).isFile() ? path : QString();
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
    const QDir help(QDir(folder).filePath(QStringLiteral("help")));
    if (plain.match(languageCode).hasMatch()) {
        const QString own = pagePath(help, baseName, languageCode);
        if (!own.isEmpty()) {
            if (translated) {
                *translated = true;
            }
            return own;
        }
    }
    return pagePath(help, baseName, QStringLiteral("en"));
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
