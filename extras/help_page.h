#pragma once

#include <QString>

class QWidget;

namespace olk {

// The help pages live in the "help" folder beside the program, one file per
// language: "<baseName>.<languageCode>.html" ("olk.ru.html", "router.de.html").
//
// The page of `languageCode` under `folder`/help (or, installed, under the
// data folder's help), or the English one when that language has none, or
// "" when there is neither. `translated` (when given)
// tells whether the page found is the language's own.
QString helpFilePath(const QString& folder, const QString& baseName, const QString& languageCode,
                     bool* translated = nullptr);

// The language code of the help pages for the interface language in use.
QString helpLanguageCode();

// Opens the program's help page ("olk") in the system's browser. When the
// interface language has no page of its own, first says so and opens the
// English page; when there is no page at all, says that the file cannot be
// found. The caller plays the opening sound.
void openHelpPage(QWidget* parent, const QString& programFolder);

}  // namespace olk
