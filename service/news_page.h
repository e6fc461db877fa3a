#pragma once

#include <QByteArray>
#include <QString>

namespace olk::service {

// The news page (GET /news), made from the news folder: one UTF-8 text file
// per item, named by its number ("12.txt", 1 to 99999), its first line the
// title and the rest the text. The page lists the newest items first and
// carries the tag "TevNews" followed by the latest number in five
// characters ("TevNews00012"), which the game reads to tell whether there
// is news the player has not opened; the page itself is what the player's
// browser shows.
QByteArray newsPage(const QString& folder);

// The page leaves out item files larger than this, and numbers beyond the
// largest.
constexpr qint64 newsItemLargest = 64 * 1024;
constexpr int newsNumberLargest = 99999;

// The number of the latest item in the folder (0 when there is none): the
// largest valid "N.txt" name, as the page reads it.
int latestNewsNumber(const QString& folder);

}  // namespace olk::service
