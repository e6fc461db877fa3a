#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace olk::service {

// The checks every request's values pass before they are kept.

// The values of a form post whose field names are exactly `names`, in order,
// read in the convention the game sends that request in (raw or list form);
// empty for any other body. A raw-form value may hold "&" and "=", so a raw
// body is split only before the expected names.
std::optional<QStringList> formValues(const QByteArray& body, const QList<QByteArray>& names,
                                      bool raw);

// The characters the game lets a player type into account and passport
// fields: Latin letters, digits, eight signs ("!(),-.@_") and the Cyrillic
// letters of Windows-1251.
bool isCyrillic(QChar c);
bool isAllowed(QChar c);

// The game's own check of the account fields, applied again here: 1 nick,
// 2 city, 3 password, 4 e-mail.
bool accountFieldValid(const QString& text, int kind);

// The passport's check (Cyrillic allowed): 1 nick (2..12), 2 city (2..15).
bool passportFieldValid(const QString& text, int kind);

// A short text kept for a reply: bounded, no control characters (blanks and
// the reply's separators are mapped when it is written, see reply_text.h).
bool tokenValid(const QString& text, qsizetype longest);

// A signed 32-bit decimal integer, as the game writes and reads them.
std::optional<qint64> integerValue(const QString& text);

// A rating in the game's format ("." as the separator), finite and sane.
std::optional<double> ratingValue(const QString& text);

}  // namespace olk::service
