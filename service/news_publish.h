#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace olk::service {

// `olk-service publish-news`: the operator's way to add a news item without
// knowing the news folder's layout (news_page.h).

// Writes the item as the next number's file of `folder` (created when
// missing): the title on the first line, then the text. The file is written
// under a temporary name and renamed, never over an existing item, so the
// page never shows half an item and two publishers never share a number.
// The new number, or a text saying what is wrong: an empty title, a title
// with a line break, an item larger than the page shows, a full folder.
std::variant<int, QString> publishNews(const QString& folder, const QString& title,
                                       const QString& text);

// The command: `arguments` are those after "publish-news"; `currentFolder`
// is the base of relative paths. Prints the new number on standard output
// and returns 0, or prints the error and returns 2.
int runPublishNews(const QStringList& arguments, const QString& currentFolder);

QString publishNewsUsage();

}  // namespace olk::service
