#include "service/field_checks.h"

#include "online/form_body.h"

#include <cmath>
#include <limits>

namespace olk::service {

std::optional<QStringList> formValues(const QByteArray& body, const QList<QByteArray>& names,
                                      bool raw)
{
    const auto fields = raw ? online::decodeRawForm(body, names) : online::decodeListForm(body);
    if (!fields || fields->size() != names.size()) {
        return std::nullopt;
    }
    QStringList values;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if ((*fields)[i].name != names[i]) {
            return std::nullopt;
        }
        values.push_back((*fields)[i].value);
    }
    return values;
}

bool isCyrillic(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
}

bool isAllowed(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
           QStringView(u"!(),-.@_").contains(c) || isCyrillic(c);
}

bool accountFieldValid(const QString& text, int kind)
{
    static const int longest[] = {0, 12, 15, 12, 30};
    if (text.size() < 2 || text.size() > longest[kind] || (kind == 3 && text.size() < 4)) {
        return false;
    }
    for (QChar c : text) {
        if (!isAllowed(c) || (kind != 2 && isCyrillic(c))) {
            return false;
        }
    }
    if (kind == 4) {
        const qsizetype at = text.indexOf(QLatin1Char('@'));
        return at >= 1 && at < text.size() - 1;
    }
    return true;
}

bool passportFieldValid(const QString& text, int kind)
{
    const int longest = kind == 1 ? 12 : 15;
    if (text.size() < 2 || text.size() > longest) {
        return false;
    }
    for (QChar c : text) {
        if (!isAllowed(c)) {
            return false;
        }
    }
    return true;
}

bool tokenValid(const QString& text, qsizetype longest)
{
    if (text.size() > longest) {
        return false;
    }
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph || c.isSurrogate()) {
            return false;
        }
    }
    return true;
}

std::optional<qint64> integerValue(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ratingValue(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);  // C locale: "." only
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e12) {
        return std::nullopt;
    }
    return value;
}

}  // namespace olk::service
