#include "service/reply_text.h"

#include "core/cp1251.h"

namespace olk::service {

QString replyToken(const QString& value)
{
    QString token = value;
    for (QChar& c : token) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('$') || c == QLatin1Char('*') ||
            c == QLatin1Char('~') || c.category() == QChar::Other_Control || c.isSpace()) {
            c = QLatin1Char('_');
        }
    }
    return token;
}

QString replyInfoItem(const QString& value)
{
    QString item = value;
    for (QChar& c : item) {
        if (c == QLatin1Char('$') || c == QLatin1Char('~') || c == QLatin1Char('*') ||
            c.category() == QChar::Other_Control || c.isSpace()) {
            c = QLatin1Char(' ');
        }
    }
    return item;
}

QString withoutRefusalMarker(const QString& text)
{
    QString result = text;
    for (qsizetype i = 1; i < result.size(); ++i) {
        if (result[i] == QLatin1Char('o') && result[i - 1] == QLatin1Char('n')) {
            result[i] = QChar(0x043E);
        }
    }
    return result;
}

QByteArray replyBytes(const QString& text)
{
    const std::string bytes = cp1251::fromUtf8Lossy(text.toStdString());
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace olk::service
