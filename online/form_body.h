#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace olk::online {

// The bodies of the form posts the game sends to olk-service, and their
// reading on the service's side. Two conventions exist, chosen per request:
//
// Raw form: name=value items joined by "&", values written verbatim (no
// escaping at all), the whole text in Windows-1251. A character that
// Windows-1251 cannot represent is sent as "?".
//
// List form: the fields as lines of a text list separated by LF CR, which
// the list then sees with an empty line between every two fields. Each line
// is written as name=value with name and value percent-encoded from UTF-8
// (A-Z a-z 0-9 and "*-._" kept, a blank as "+", every other byte as "%XX"
// in upper case), the empty lines stay empty, and the lines are joined with
// "&". So every two fields stand with "&&" between them. A line break inside
// a value is escaped with the rest of the value ("%0A"), so it never splits
// the field.

struct FormField {
    QByteArray name;  // ASCII letters and digits in every request
    QString value;

    friend bool operator==(const FormField&, const FormField&) = default;
};

using FormFields = QList<FormField>;

QByteArray rawFormBody(const FormFields& fields);
QByteArray listFormBody(const FormFields& fields);

// Limits of what the decoders accept: larger bodies or more fields are
// refused whole.
constexpr qsizetype kMostFormBody = 64 * 1024;
constexpr qsizetype kMostFormFields = 200;

// Whether `name` is a field name of one of the game's requests (with its
// seat, table, game or field number).
bool isRequestFieldName(QByteArrayView name);

// Reads a raw-form body. A raw body cannot escape "&" or "=" in a value, so
// a field starts at the start of the body (any name of letters, digits and
// "_", then "=") and after every "&" that is followed by a field name of the
// game's requests (isRequestFieldName) and "="; any other "&" belongs to the
// value before it. So a value may hold "&", "=" and whole "a=1&b=2" queries;
// only "&" + a request field name + "=" inside a value cannot be told apart
// from the next field. When the names are known, pass them to the second
// overload, which splits only before the expected names, in order. Empty
// for a body that does not start with a name and "=", for the byte 0x98
// (not a Windows-1251 character) and over the limits. An empty body has no
// fields.
std::optional<FormFields> decodeRawForm(const QByteArray& body);
std::optional<FormFields> decodeRawForm(const QByteArray& body,
                                        const QList<QByteArray>& expectedNames);

// Reads a list-form body. Empty items are skipped; every other item must be
// name=value with exactly one "=", a non-empty name, only the characters of
// the encoding (A-Z a-z 0-9 "*-._+%"), well-formed "%XX" escapes (either
// case) and UTF-8 underneath. Anything else, and a body over the limits,
// gives empty.
std::optional<FormFields> decodeListForm(const QByteArray& body);

// Reads a body of either convention. It is read as list form when it has
// the list form's shape: an odd number of items, every second one empty,
// every item in the list form's alphabet with valid escapes. Otherwise it
// is read as raw form. Every body that rawFormBody and listFormBody build
// for the game's requests reads back to its fields: a raw body with two or
// more fields never has an empty item at every second place (that would
// need every value but the last to end in "&"), and the game's one-field
// raw bodies carry only names, digits and "." (where the two readings
// agree).
std::optional<FormFields> decodeFormBody(const QByteArray& body);

// A rating as the service expects it: general format with at most 15
// significant digits, no trailing zeros, "." as the decimal separator
// whatever the locale, "0" for magnitudes below 0.00001 (and for values
// that are not finite). Exponent form ("1.5E+20") only from 1e15 on.
QByteArray formatRating(double rating);
QByteArray formatInteger(qint64 value);

}  // namespace olk::online
