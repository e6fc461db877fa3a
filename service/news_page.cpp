#include "service/news_page.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <map>

namespace olk::service {

namespace {

constexpr int mostItems = 50;

// The item's number for a file name "N.txt", 0 for any other name.
int itemNumber(const QString& name)
{
    if (!name.endsWith(QLatin1String(".txt"))) {
        return 0;
    }
    bool ok = false;
    const int number = name.chopped(4).toInt(&ok);
    if (!ok || number < 1 || number > newsNumberLargest ||
        name.chopped(4) != QString::number(number)) {
        return 0;
    }
    return number;
}

}  // namespace

int latestNewsNumber(const QString& folder)
{
    int latest = 0;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        latest = std::max(latest, itemNumber(name));
    }
    return latest;
}

QByteArray newsPage(const QString& folder)
{
    // number -> (title, text); the newest first when walked backwards.
    std::map<int, std::pair<QString, QString>> items;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable);
    for (const QString& name : names) {
        const int number = itemNumber(name);
        if (number == 0) {
            continue;
        }
        QFile file(QDir(folder).filePath(name));
        if (file.size() > newsItemLargest || !file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString text = QString::fromUtf8(file.readAll());
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        items[number] = {text.left(lineEnd).trimmed(),
                         lineEnd < 0 ? QString() : text.mid(lineEnd + 1).trimmed()};
    }
    const int latest = items.empty() ? 0 : items.rbegin()->first;
    QString page =
        QStringLiteral(
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Olk news</title></head>\n"
            "<body>\n<!-- TevNews%1 -->\n<h1>Olk news</h1>\n")
            .arg(latest, 5, 10, QLatin1Char('0'));
    int shown = 0;
    for (auto it = items.rbegin(); it != items.rend() && shown < mostItems; ++it, ++shown) {
        page += QStringLiteral("<h2>%1. %2</h2>\n<p>%3</p>\n")
                    .arg(it->first)
                    .arg(it->second.first.toHtmlEscaped(),
                         it->second.second.toHtmlEscaped().replace(QLatin1String("\n\n"),
                                                                   QLatin1String("</p>\n<p>")));
    }
    if (items.empty()) {
        page += QStringLiteral("<p>No news yet.</p>\n");
    }
    page += QStringLiteral("</body></html>\n");
    return page.toUtf8();
}

}  // namespace olk::service
