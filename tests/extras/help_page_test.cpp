#include "extras/help_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "records/program_folders.h"
#include "settings/language.h"

namespace olk {
namespace {

void writePage(const QString& help, const QString& name)
{
    QDir().mkpath(help);
    QFile file(QDir(help).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
}

// The page of the language, the English one where it has none, nothing when
// there is no page at all; names that would lead out of the folder are
// never looked up.
TEST(HelpPage, FindsTheLanguagesPageOrFallsBackToEnglish)
{
    QTemporaryDir both;
    writePage(both.filePath(QStringLiteral("help")), QStringLiteral("olk.en.html"));
    writePage(both.filePath(QStringLiteral("help")), QStringLiteral("olk.ru.html"));
    writePage(both.filePath(QStringLiteral("help")), QStringLiteral("router.zh_CN.html"));
    QTemporaryDir englishOnly;
    writePage(englishOnly.filePath(QStringLiteral("help")), QStringLiteral("olk.en.html"));
    QTemporaryDir otherOnly;
    writePage(otherOnly.filePath(QStringLiteral("help")), QStringLiteral("olk.de.html"));
    QTemporaryDir empty;

    struct Case {
        QString folder;
        const char* base;
        const char* language;
        const char* found;  // "" when nothing
        bool translated;
    };
    const Case cases[] = {
        {both.path(), "olk", "ru", "olk.ru.html", true},
        {both.path(), "olk", "en", "olk.en.html", true},
        {both.path(), "olk", "de", "olk.en.html", false},
        {both.path(), "router", "zh_CN", "router.zh_CN.html", true},
        {both.path(), "router", "en", "", false},
        {englishOnly.path(), "olk", "ja", "olk.en.html", false},
        {otherOnly.path(), "olk", "fr", "", false},
        {otherOnly.path(), "olk", "de", "olk.de.html", true},
        {empty.path(), "olk", "en", "", false},
        {both.path(), "olk", "../help/olk.ru", "olk.en.html", false},
        {both.path(), "../help/olk", "ru", "", false},
        {QString(), "olk", "en", "", false},
    };
    for (const Case& c : cases) {
        bool translated = !c.translated;
        const QString path = helpFilePath(c.folder, QLatin1String(c.base),
                                          QLatin1String(c.language), &translated);
        const QString expected =
            *c.found ? QDir(c.folder).filePath(QStringLiteral("help/") + QLatin1String(c.found))
                     : QString();
        EXPECT_EQ(path, expected) << c.base << " " << c.language;
        EXPECT_EQ(translated, c.translated) << c.base << " " << c.language;
    }
}

// An installed game has its pages in the installation's data folder, not in
// the folder it writes; a page beside the program still comes first.
TEST(HelpPage, AnInstalledGameFindsThePagesInItsDataFolder)
{
    QTemporaryDir own;
    QTemporaryDir data;
    writePage(data.filePath(QStringLiteral("help")), QStringLiteral("olk.en.html"));
    writePage(data.filePath(QStringLiteral("help")), QStringLiteral("olk.ru.html"));
    bool translated = false;
    EXPECT_TRUE(helpFilePath(own.path(), QStringLiteral("olk"), QStringLiteral("ru")).isEmpty());
    setInstalledDataFolder(data.path());
    EXPECT_EQ(helpFilePath(own.path(), QStringLiteral("olk"), QStringLiteral("ru"), &translated),
              data.filePath(QStringLiteral("help/olk.ru.html")));
    EXPECT_TRUE(translated);
    EXPECT_EQ(helpFilePath(own.path(), QStringLiteral("olk"), QStringLiteral("ja"), &translated),
              data.filePath(QStringLiteral("help/olk.en.html")));
    EXPECT_FALSE(translated);
    writePage(own.filePath(QStringLiteral("help")), QStringLiteral("olk.ru.html"));
    EXPECT_EQ(helpFilePath(own.path(), QStringLiteral("olk"), QStringLiteral("ru")),
              own.filePath(QStringLiteral("help/olk.ru.html")));
    setInstalledDataFolder({});
}

// Every interface language has its own help page: well-formed, with the
// section on the keys and the style sheet beside it.
TEST(HelpPage, EveryLanguageHasAWellFormedPage)
{
    const QString folder = QStringLiteral(OLK_HELP_SOURCE_PARENT);
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("help/help.css"))));
    for (int language = 0; language < kLanguageCount; ++language) {
        const QString code = QLatin1String(languageInfo(language).locale);
        bool translated = false;
        const QString path = helpFilePath(folder, QStringLiteral("olk"), code, &translated);
        ASSERT_TRUE(translated) << code.toStdString();
        QFile page(path);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray html = page.readAll();
        EXPECT_TRUE(html.contains("<html lang=\"" + code.toLatin1().replace('_', '-') + "\""))
            << code.toStdString();
        // Parsed as XML once the doctype is set aside: every element closed.
        QXmlStreamReader reader(QByteArray(html).replace("<!DOCTYPE html>", ""));
        bool keys = false;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() &&
                reader.attributes().value(QStringLiteral("id")) == QStringLiteral("keys")) {
                keys = true;
            }
        }
        EXPECT_FALSE(reader.hasError())
            << code.toStdString() << ": " << reader.errorString().toStdString() << " at line "
            << reader.lineNumber();
        EXPECT_TRUE(keys) << code.toStdString();
    }
}

}  // namespace
}  // namespace olk
