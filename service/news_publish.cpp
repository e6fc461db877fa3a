#include "service/news_publish.h"

#include "service/news_page.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <cstdio>
#include <optional>

namespace olk::service {

namespace {

bool hasLineBreak(const QString& text)
{
    for (QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == u'\v' || c == u'\f' || c == u'\x85') {
            return true;
        }
    }
    return false;
}

}  // namespace

QString publishNewsUsage()
{
    return QStringLiteral(
        "Usage: olk-service publish-news [--news DIR | --data DIR] --title TITLE\n"
        "                                (--text TEXT | --text-file FILE)\n"
        "Adds one item to the news page: the next number's file in the news folder\n"
        "(the same --news or --data as the service's; default DATA/news). The title\n"
        "is one line; the text (UTF-8) may have several, an empty line between\n"
        "paragraphs; the item may take at most 64 KiB. Prints the new item's number.\n"
        "Exit code 2 for a bad command line or an item that cannot be published.\n");
}

std::variant<int, QString> publishNews(const QString& folder, const QString& title,
                                       const QString& text)
{
    const QString heading = title.trimmed();
    if (heading.isEmpty()) {
        return QStringLiteral("the title is empty");
    }
    if (hasLineBreak(title)) {
        return QStringLiteral("the title is one line: it has a line break");
    }
    const QByteArray item =
        (heading + QLatin1Char('\n') + text.trimmed() + QLatin1Char('\n')).toUtf8();
    if (item.size() > newsItemLargest) {
        return QStringLiteral("the item takes %1 bytes; the news page shows items of at most %2")
            .arg(item.size())
            .arg(newsItemLargest);
    }
    const QDir dir(folder);
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("cannot create the news folder %1").arg(folder);
    }
    QTemporaryFile temporary(dir.filePath(QStringLiteral(".publish-XXXXXX")));
    temporary.setAutoRemove(true);
    if (!temporary.open() || temporary.write(item) != item.size() || !temporary.flush() ||
        !temporary.handle() || ::fsync(temporary.handle()) != 0) {
        return QStringLiteral("cannot write in the news folder %1").arg(folder);
    }
    temporary.close();
    // A temporary file is the owner's alone; the service may run as another
    // user, so the item is readable like any other file of the folder.
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther);
    // Another publisher may take a number at the same time: the rename never
    // replaces an item, so the loser tries the next one.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int number = latestNewsNumber(folder) + 1;
        if (number > newsNumberLargest) {
            return QStringLiteral("the news folder holds item %1, the last number the page shows")
                .arg(newsNumberLargest);
        }
        if (temporary.rename(dir.filePath(QStringLiteral("%1.txt").arg(number)))) {
            temporary.setAutoRemove(false);
            return number;
        }
        if (!QFile::exists(dir.filePath(QStringLiteral("%1.txt").arg(number)))) {
            return QStringLiteral("cannot name the item %1.txt: %2")
                .arg(number)
                .arg(temporary.errorString());
        }
    }
    return QStringLiteral("other publishers keep taking the next number; try again");
}

int runPublishNews(const QStringList& arguments, const QString& currentFolder)
{
    const auto fail = [](const QString& message) {
        std::fprintf(stderr, "olk-service publish-news: %s\n", qPrintable(message));
        return 2;
    };
    QString news;
    QString data;
    QString title;
    std::optional<QString> text;
    QString textFile;
    bool titleGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            std::fputs(qPrintable(publishNewsUsage()), stdout);
            return 0;
        }
        QString value;
        if (const qsizetype eq = name.indexOf(QLatin1Char('='));
            name.startsWith(QLatin1String("--")) && eq > 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return fail(QStringLiteral("%1 needs a value (or it is not an option)").arg(name));
        }
        if (name == QLatin1String("--news")) {
            news = value;
        } else if (name == QLatin1String("--data")) {
            data = value;
        } else if (name == QLatin1String("--title")) {
            title = value;
            titleGiven = true;
        } else if (name == QLatin1String("--text")) {
            text = value;
        } else if (name == QLatin1String("--text-file")) {
            textFile = value;
        } else {
            return fail(QStringLiteral("unknown option \"%1\"").arg(name));
        }
    }
    if (!titleGiven) {
        return fail(QStringLiteral("--title is missing"));
    }
    if (text.has_value() == !textFile.isEmpty()) {
        return fail(QStringLiteral("give the text with either --text or --text-file"));
    }
    const QDir base(currentFolder);
    if (!textFile.isEmpty()) {
        QFile file(base.absoluteFilePath(textFile));
        if (!file.open(QIODevice::ReadOnly)) {
            return fail(QStringLiteral("cannot read %1: %2").arg(textFile, file.errorString()));
        }
        const QByteArray bytes = file.read(newsItemLargest + 1);
        if (bytes.size() > newsItemLargest) {
            return fail(QStringLiteral("%1 is larger than the %2 bytes the news page shows")
                            .arg(textFile)
                            .arg(newsItemLargest));
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            return fail(QStringLiteral("%1 is not UTF-8 text").arg(textFile));
        }
    }
    const QString folder =
        !news.isEmpty() ? base.absoluteFilePath(news)
                        : QDir(base.absoluteFilePath(
                                   data.isEmpty() ? QStringLiteral("olk-service-data") : data))
                              .filePath(QStringLiteral("news"));
    const auto published = publishNews(folder, title, *text);
    if (const auto* error = std::get_if<QString>(&published)) {
        return fail(*error);
    }
    std::printf("%d\n", std::get<int>(published));
    return 0;
}

}  // namespace olk::service
