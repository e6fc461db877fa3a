#include "form_body.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "core/cp1251.h"

namespace olk::online {

namespace {

bool isLetterOrDigit(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool isNameChar(char c)
{
    return isLetterOrDigit(c) || c == '_';
}

// Kept as they are by the list form's encoding.
bool isUnreserved(char c)
{
    return isLetterOrDigit(c) || c == '*' || c == '-' || c == '.' || c == '_';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

QByteArray toWindows1251(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    // Lone surrogates come out as U+FFFD, which becomes "?" below.
    for (const char32_t c : text.toUcs4()) {
        const auto byte = cp1251::fromUnicode(c);
        out.append(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

std::optional<QString> fromWindows1251(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const char32_t c = cp1251::toUnicode(static_cast<unsigned char>(b));
        if (c == 0 && b != 0) {
            return std::nullopt;
        }
        out.append(QChar(static_cast<char16_t>(c)));
    }
    return out;
}

QByteArray percentEncode(const QByteArray& utf8)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(utf8.size() * 3);
    for (const char c : utf8) {
        if (isUnreserved(c)) {
            out.append(c);
        } else if (c == ' ') {
            out.append('+');
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out.append('%');
            out.append(kHex[byte >> 4]);
            out.append(kHex[byte & 0x0F]);
        }
    }
    return out;
}

// The bytes under a list-form name or value; empty on a character outside
// the encoding or a broken escape.
std::optional<QByteArray> percentDecode(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isUnreserved(c)) {
            out.append(c);
        } else if (c == '+') {
            out.append(' ');
        } else if (c == '%') {
            if (i + 2 >= text.size()) {
                return std::nullopt;
            }
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0) {
                return std::nullopt;
            }
            out.append(static_cast<char>(high << 4 | low));
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

std::optional<QString> strictUtf8(const QByteArray& bytes)
{
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::size_t pos = 0;
    while (pos < view.size()) {
        if (!cp1251::decodeUtf8(view, pos)) {
            return std::nullopt;
        }
    }
    return QString::fromUtf8(bytes);
}

std::optional<FormField> decodeListItem(QByteArrayView item)
{
    const qsizetype eq = item.indexOf('=');
    if (eq <= 0 || item.sliced(eq + 1).contains('=')) {
        return std::nullopt;
    }
    const auto name = percentDecode(item.first(eq));
    const auto value = percentDecode(item.sliced(eq + 1));
    if (!name || !value || !strictUtf8(*name)) {
        return std::nullopt;
    }
    const auto text = strictUtf8(*value);
    if (!text) {
        return std::nullopt;
    }
    return FormField{*name, *text};
}

// Length of the name and "=" starting at pos, or 0 when none starts there;
// with `knownOnly`, only a name of the game's requests counts.
qsizetype nameAndEqualsAt(QByteArrayView body, qsizetype pos, bool knownOnly)
{
    qsizetype i = pos;
    while (i < body.size() && isNameChar(body[i])) {
        ++i;
    }
    if (i == pos || i >= body.size() || body[i] != '=') {
        return 0;
    }
    if (knownOnly && !isRequestFieldName(body.sliced(pos, i - pos))) {
        return 0;
    }
    return i - pos + 1;
}

bool withinLimits(const QByteArray& body)
{
    return body.size() <= kMostFormBody;
}

// The list form's shape: an odd number of items, every second one empty,
// every item made only of the encoding's characters.
bool hasListShape(QByteArrayView body)
{
    const QList<QByteArrayView> items = [&] {
        QList<QByteArrayView> parts;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= body.size(); ++i) {
            if (i == body.size() || body[i] == '&') {
                parts.append(body.sliced(start, i - start));
                start = i + 1;
            }
        }
        return parts;
    }();
    if (items.size() % 2 == 0) {
        return false;
    }
    for (qsizetype k = 0; k < items.size(); ++k) {
        if ((k % 2 == 1) != items[k].isEmpty()) {
            return false;
        }
        if (k % 2 == 0 && !decodeListItem(items[k])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool isRequestFieldName(QByteArrayView name)
{
    // The names without their trailing digits (seat, table or game numbers,
    // field numbers).
    static const QList<QByteArrayView> kStems = {
        "about",
        "can",
        "city",
        "client3on",
        "client4on",
        "clienton",
        "country",
        "crdolkbest",
        "crdolkkon",
        "crdolkkonl",
        "crdolkR",
        "crdolkrating",
        "crdolkscore",
        "crdolkses",
        "dater",
        "email",
        "emailo",
        "facebook",
        "gid",
        "instagramm",
        "ip",
        "kon",
        "label",
        "labelinforead",
        "labelinfosave",
        "labeltevread",
        "labeltevsave",
        "name",
        "namei",
        "nick",
        "num",
        "ok",
        "pw",
        "R",
        "rating",
        "readclient",
        "readrating",
        "readtable",
        "rgid",
        "score",
        "serverinforead",
        "sex",
        "skype",
        "stat",
        "telegram",
        "telephone",
        "twitter",
        "vk",
        "website",
        "youtube",
    };
    qsizetype end = name.size();
    while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9') {
        --end;
    }
    const QByteArrayView stem = name.first(end);
    if (kStems.contains(stem)) {
        return true;
    }
    // "top10" and "place" carry a kind letter before the game code.
    for (const QByteArrayView kinded : {QByteArrayView("top10"), QByteArrayView("place")}) {
        if (stem.size() == kinded.size() + 1 && stem.startsWith(kinded) &&
            isLetterOrDigit(stem.back())) {
            return true;
        }
    }
    return false;
}

QByteArray rawFormBody(const FormFields& fields)
{
    QByteArray body;
    for (const FormField& field : fields) {
        if (!body.isEmpty()) {
            body.append('&');
        }
        body.append(field.name);
        body.append('=');
        body.append(toWindows1251(field.value));
    }
    return body;
}

QByteArray listFormBody(const FormFields& fields)
{
    QByteArray body;
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (k > 0) {
            // The empty line between two fields becomes an empty item.
            body.append("&&");
        }
        body.append(percentEncode(fields[k].name));
        body.append('=');
        body.append(percentEncode(fields[k].value.toUtf8()));
    }
    return body;
}

std::optional<FormFields> decodeRawForm(const QByteArray& body)
{
    if (!withinLimits(body)) {
        return std::nullopt;
    }
    FormFields fields;
    if (body.isEmpty()) {
        return fields;
    }
    qsizetype nameLength = nameAndEqualsAt(body, 0, false);
    if (nameLength == 0) {
        return std::nullopt;
    }
    qsizetype start = 0;
    while (true) {
        if (fields.size() == kMostFormFields) {
            return std::nullopt;
        }
        const qsizetype valueStart = start + nameLength;
        qsizetype end = valueStart;
        qsizetype nextLength = 0;
        while (end < body.size()) {
            if (body[end] == '&') {
                nextLength = nameAndEqualsAt(body, end + 1, true);
                if (nextLength > 0) {
                    break;
                }
            }
            ++end;
        }
        const auto value =
            fromWindows1251(QByteArrayView(body).sliced(valueStart, end - valueStart));
        if (!value) {
            return std::nullopt;
        }
        fields.append(FormField{body.sliced(start, nameLength - 1), *value});
        if (end == body.size()) {
            return fields;
        }
        start = end + 1;
        nameLength = nextLength;
    }
}

std::optional<FormFields> decodeRawForm(const QByteArray& body,
                                        const QList<QByteArray>& expectedNames)
{
    if (!withinLimits(body) || expectedNames.size() > kMostFormFields) {
        return std::nullopt;
    }
    FormFields fields;
    if (expectedNames.isEmpty()) {
        return body.isEmpty() ? std::optional(fields) : std::nullopt;
    }
    if (!body.startsWith(expectedNames.first() + '=')) {
        return std::nullopt;
    }
    qsizetype valueStart = expectedNames.first().size() + 1;
    for (qsizetype k = 0; k < expectedNames.size(); ++k) {
        qsizetype end = body.size();
        if (k + 1 < expectedNames.size()) {
            end = body.indexOf('&' + expectedNames[k + 1] + '=', valueStart);
            if (end < 0) {
                return std::nullopt;
            }
        }
        const auto value =
            fromWindows1251(QByteArrayView(body).sliced(valueStart, end - valueStart));
        if (!value) {
            return std::nullopt;
        }
        fields.append(FormField{expectedNames[k], *value});
        if (k + 1 < expectedNames.size()) {
            valueStart = end + 1 + expectedNames[k + 1].size() + 1;
        }
    }
    return fields;
}

std::optional<FormFields> decodeListForm(const QByteArray& body)
{
    if (!withinLimits(body)) {
        return std::nullopt;
    }
    FormFields fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= body.size(); ++i) {
        if (i < body.size() && body[i] != '&') {
            continue;
        }
        const QByteArrayView item = QByteArrayView(body).sliced(start, i - start);
        start = i + 1;
        if (item.isEmpty()) {
            continue;
        }
        if (fields.size() == kMostFormFields) {
            return std::nullopt;
        }
        const auto field = decodeListItem(item);
        if (!field) {
            return std::nullopt;
        }
        fields.append(*field);
    }
    return fields;
}

std::optional<FormFields> decodeFormBody(const QByteArray& body)
{
    if (!withinLimits(body)) {
        return std::nullopt;
    }
    if (!body.isEmpty() && hasListShape(body)) {
        return decodeListForm(body);
    }
    return decodeRawForm(body);
}

QByteArray formatRating(double rating)
{
    if (!std::isfinite(rating) || std::fabs(rating) < 0.00001) {
        return "0";
    }
    // 15 significant digits, rounded once; to_chars ignores the locale.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, rating, std::chars_format::scientific, 14);
    const std::string text(buffer, written.ptr);
    const std::size_t e = text.find('e');
    const bool negative = text[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.') {
            digits.push_back(text[i]);
        }
    }
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string out = negative ? "-" : "";
    if (exponent >= 15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += '.' + digits.substr(1);
        }
        out += "E+" + std::to_string(exponent);
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits + std::string(whole - digits.size(), '0');
        } else {
            out += digits.substr(0, whole) + '.' + digits.substr(whole);
        }
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return QByteArray::fromStdString(out);
}

QByteArray formatInteger(qint64 value)
{
    return QByteArray::number(value);
}

}  // namespace olk::online
