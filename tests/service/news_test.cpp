// Publishing news items for the page, as the operator's command does.

#include "service/news_page.h"
#include "service/news_publish.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace olk::service {
namespace {

QStringList itemFiles(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(PublishNews, ItemsTakeTheNextNumbersAndThePageFollows)
{
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString folder = base.filePath(QStringLiteral("news"));  // made on the first item
    EXPECT_EQ(runPublishNews({QStringLiteral("--news"), folder, QStringLiteral("--title"),
                              QStringLiteral("Tournament tonight"), QStringLiteral("--text"),
                              QStringLiteral("Tables open at 20:00.")},
                             base.path()),
              0);
    EXPECT_TRUE(newsPage(folder).contains("TevNews00001"));
    // Readable by the service, which may run as another user.
    EXPECT_TRUE(QFile(QDir(folder).filePath(QStringLiteral("1.txt"))).permissions() &
                QFile::ReadOther);

    QFile text(base.filePath(QStringLiteral("second.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(
        "First paragraph, \xd0\xbf\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82.\n\nSecond "
        "<b>one</b>.\n");
    text.close();
    EXPECT_EQ(runPublishNews({QStringLiteral("--news=news"), QStringLiteral("--title=New cards"),
                              QStringLiteral("--text-file"), QStringLiteral("second.txt")},
                             base.path()),
              0);
    const QString page = QString::fromUtf8(newsPage(folder));
    EXPECT_TRUE(page.contains(QLatin1String("TevNews00002")));
    EXPECT_TRUE(
        page.contains(QStringLiteral("<h2>2. New cards</h2>\n<p>First paragraph, привет.</p>\n"
                                     "<p>Second &lt;b&gt;one&lt;/b&gt;.</p>")))
        << page.toStdString();
    EXPECT_LT(page.indexOf(QLatin1String("2. New cards")),
              page.indexOf(QLatin1String("1. Tournament tonight")));
    EXPECT_EQ(itemFiles(folder), QStringList({QStringLiteral("1.txt"), QStringLiteral("2.txt")}));

    // Gaps and foreign files do not matter: the next after the latest.
    QFile(QDir(folder).filePath(QStringLiteral("1.txt")))
        .rename(QDir(folder).filePath(QStringLiteral("7.txt")));
    QFile notes(QDir(folder).filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    const auto third = publishNews(folder, QStringLiteral("Third"), {});
    ASSERT_TRUE(std::holds_alternative<int>(third));
    EXPECT_EQ(std::get<int>(third), 8);
}

TEST(PublishNews, WhatThePageCannotShowIsRefusedAndNothingIsWritten)
{
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString folder = base.path();
    const qsizetype room = newsItemLargest - 7;  // "Title\n" + text + "\n"
    struct Case {
        const char* what;
        QString title;
        QString text;
        bool published;
    };
    const Case cases[] = {
        {"empty title", QString(), QStringLiteral("text"), false},
        {"blank title", QStringLiteral("   "), QStringLiteral("text"), false},
        {"two-line title", QStringLiteral("One\nTwo"), QStringLiteral("text"), false},
        {"title ending in a line break", QStringLiteral("One\r\n"), QStringLiteral("text"), false},
        {"title with a paragraph separator", QStringLiteral("One\u2029Two"), {}, false},
        {"text over the page's limit", QStringLiteral("Title"), QString(room + 1, u'x'), false},
        {"text at the page's limit", QStringLiteral("Title"), QString(room, u'x'), true},
    };
    int published = 0;
    for (const Case& c : cases) {
        const auto result = publishNews(folder, c.title, c.text);
        EXPECT_EQ(std::holds_alternative<int>(result), c.published) << c.what;
        published += c.published ? 1 : 0;
        EXPECT_EQ(itemFiles(folder).size(), published) << c.what;  // no temporary left
    }
    EXPECT_TRUE(newsPage(folder).contains("TevNews00001"));  // the largest item is still shown

    // The command line: exit 2 and nothing written.
    const QStringList bad[] = {
        {QStringLiteral("--news"), folder, QStringLiteral("--text"), QStringLiteral("x")},
        {QStringLiteral("--news"), folder, QStringLiteral("--title"), QStringLiteral("T")},
        {QStringLiteral("--news"), folder, QStringLiteral("--title"), QStringLiteral("T"),
         QStringLiteral("--text"), QStringLiteral("x"), QStringLiteral("--text-file"),
         QStringLiteral("x.txt")},
        {QStringLiteral("--news"), folder, QStringLiteral("--title"), QStringLiteral("T"),
         QStringLiteral("--text-file"), QStringLiteral("missing.txt")},
        {QStringLiteral("--news"), folder, QStringLiteral("--title"), QString(),
         QStringLiteral("--text"), QStringLiteral("x")},
        {QStringLiteral("--news"), folder, QStringLiteral("--colour"), QStringLiteral("red")},
        {QStringLiteral("--news"), folder, QStringLiteral("--title")},
    };
    for (const QStringList& arguments : bad) {
        EXPECT_EQ(runPublishNews(arguments, folder), 2) << arguments.join(u' ').toStdString();
    }
    QFile binary(base.filePath(QStringLiteral("binary.txt")));
    ASSERT_TRUE(binary.open(QIODevice::WriteOnly));
    binary.write("\xff\xfe not UTF-8");
    binary.close();
    EXPECT_EQ(runPublishNews(
                  {QStringLiteral("--news"), folder, QStringLiteral("--title"), QStringLiteral("T"),
                   QStringLiteral("--text-file"), QStringLiteral("binary.txt")},
                  folder),
              2);
    EXPECT_EQ(latestNewsNumber(folder), 1);
}

}  // namespace
}  // namespace olk::service
