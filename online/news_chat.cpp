#include "online/news_chat.h"

#include <QDir>
#include <algorithm>
#include <QLocale>

#include "account/field_checks.h"
#include "records/fixed_text.h"
#include "records/record_io.h"
#include "settings/address_cipher.h"

namespace olk::online {
namespace {

constexpr qint64 kStateFileLimit = 4096;

QString statePath(const QString& programFolder, const char* name)
{
    return QDir(programFolder).filePath(QStringLiteral("../") + QLatin1String(name));
}

QList<QByteArray> stateLines(const QString& programFolder, const char* name)
{
    const FileRead read = readOwnFile(statePath(programFolder, name), kStateFileLimit);
    return read.status == ReadStatus::Ok ? splitLines(read.content) : QList<QByteArray>();
}

int numberLine(const QList<QByteArray>& lines, int index)
{
    if (index >= lines.size()) {
        return 0;
    }
    bool ok = false;
    const int number = lines[index].trimmed().toInt(&ok);
    return ok && number > 0 ? number : 0;
}

}  // namespace

int latestNewsNumber(const QByteArray& document)
{
    static const QByteArray kTag = "TevNews";
    const qsizetype at = document.indexOf(kTag);
    if (at < 0 || at + kTag.size() + 5 > document.size()) {
        return 0;
    }
    const QByteArray digits = document.mid(at + kTag.size(), 5);
    // Leading blanks only; then digits to the end of the five.
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == ' ') {
        ++first;
    }
    if (first == digits.size()) {
        return 0;
    }
    int number = 0;
    for (qsizetype i = first; i < digits.size(); ++i) {
        if (digits[i] < '0' || digits[i] > '9') {
            return 0;
        }
        number = number * 10 + (digits[i] - '0');
    }
    return number;
}

int readNewsState(const QString& programFolder)
{
    return numberLine(stateLines(programFolder, kNewsStateFileName), 0);
}

bool writeNewsState(const QString& programFolder, int number)
{
    return writeOwnFile(statePath(programFolder, kNewsStateFileName),
                        QByteArray::number(number) + "\r\n");
}

ChatState readChatState(const QString& programFolder)
{
    const QString path = statePath(programFolder, kChatStateFileName);
    if (readOwnFile(path, kStateFileLimit).status == ReadStatus::Missing) {
        writeOwnFile(path, "1\r\n0\r\n0\r\n");
    }
    const QList<QByteArray> lines = stateLines(programFolder, kChatStateFileName);
    ChatState state;
    state.lastSeen = numberLine(lines, 0);
    state.lastAtBottom = lines.size() > 1 && lines[1] == "1";
    state.openOnNew = lines.size() > 2 && lines[2] == "1";
    return state;
}

bool writeChatState(const QString& programFolder, const ChatState& state)
{
    const QByteArray content = QByteArray::number(state.lastSeen) + "\r\n" +
                               (state.lastAtBottom ? "1" : "0") + "\r\n" +
                               (state.openOnNew ? "1" : "0") + "\r\n";
    return writeOwnFile(statePath(programFolder, kChatStateFileName), content);
}

QString chatStored(const QString& text)
{
    QString stored = text;
    for (QChar& c : stored) {
        if (passportFieldCheck(QString(c), FieldKind::Character) == Lamp::Red) {
            c = u'_';
        }
    }
    return stored;
}

QString chatShown(const QString& stored)
{
    QString shown = stored;
    return shown.replace(u'_', u' ');
}

QString chatStamp(const QDateTime& now, const QString& gameName)
{
    const QLocale locale = QLocale::system();
    return chatStored(locale.toString(now.time(), QLocale::ShortFormat)) + u'_' +
           chatStored(locale.toString(now.date(), QLocale::ShortFormat)) + u'_' +
           chatStored(gameName);
}

TTevRecord chatEntry(int number, const QString& message, const QString& stamp,
                     const QString& nick, const QString& city, const QString& country,
                     const QString& sex)
{
    TTevRecord entry;
    entry.GID = kChatTable;
    entry.Score = number;
    entry.Nick = nick;
    entry.City = city;
    entry.Country = country;
    entry.R07 = sex;
    entry.R09 = stamp;
    entry.R10 = chatStored(message.left(kChatMessageLength));
    return entry;
}

NewsAndChat::NewsAndChat(ServiceClient& client, QString programFolder, QObject* parent)
    : QObject(parent), m_client(client), m_programFolder(std::move(programFolder))
{
}

void NewsAndChat::checkNews(std::function<void()> done)
{
    m_client.fetch(Endpoint::News, QString(), [this, done = std::move(done)](const Reply& reply) {
        const int seen = readNewsState(m_programFolder);
        m_latestNews = reply ? latestNewsNumber(*reply) : 0;
        const bool unread = seen < m_latestNews;
        if (unread != m_newsUnread) {
            m_newsUnread = unread;
            emit changed();
        }
        if (done) {
            done();
        }
    });
}

void NewsAndChat::checkChat(std::function<void()> done)
{
    m_chat = readChatState(m_programFolder);
    m_chatRead = true;
    m_client.send(scoreTable(kChatTable), [this, done = std::move(done)](const Reply& reply) {
        const ScoreTableResult board = parseScoreTable(reply, kChatTable);
        m_latestChat = board.ok && !board.rows[0].isEmpty() ? board.rows[0].Score : 0;
        const bool unread = m_chat.lastSeen < m_latestChat;
        if (unread != m_chatUnread) {
            m_chatUnread = unread;
            emit changed();
        }
        if (done) {
            done();
        }
    });
}

const ChatState& NewsAndChat::chatState()
{
    if (!m_chatRead) {
        m_chat = readChatState(m_programFolder);
        m_chatRead = true;
    }
    return m_chat;
}

QString NewsAndChat::openNews()
{
    // Never backwards either.
    if (m_latestNews > readNewsState(m_programFolder)) {
        writeNewsState(m_programFolder, m_latestNews);
    }
    if (m_newsUnread) {
        m_newsUnread = false;
        emit changed();
    }
    return decipherAddress(m_client.address(Endpoint::News)).value_or(QString());
}

void NewsAndChat::openChat()
{
    chatState();
    // Never backwards: a board that could not be read says nothing.
    m_chat.lastSeen = std::max(m_chat.lastSeen, m_latestChat);
    writeChatState(m_programFolder, m_chat);
    if (m_chatUnread) {
        m_chatUnread = false;
        emit changed();
    }
}

void NewsAndChat::boardLoaded(int newest)
{
    m_latestChat = std::max(m_latestChat, newest);
}

void NewsAndChat::messageSent(int number)
{
    chatState();
    m_latestChat = number;
    m_chat.lastSeen = number;
    writeChatState(m_programFolder, m_chat);
}

void NewsAndChat::setChatOptions(bool lastAtBottom, bool openOnNew)
{
    chatState();
    m_chat.lastAtBottom = lastAtBottom;
    m_chat.openOnNew = openOnNew;
    writeChatState(m_programFolder, m_chat);
}

}  // namespace olk::online
