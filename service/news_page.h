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

}  // namespace olk::service
