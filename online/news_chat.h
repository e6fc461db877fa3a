#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>

#include "online/records.h"
#include "online/service_client.h"

namespace olk::online {

// The maker's news and the players' chat, and what this player has already
// seen of them. Both state files lie in the folder above the program's,
// beside the user file, and are shared with the maker's other games:
//
//   "TevNewsTev.ini"  one line: the number of the latest news item opened.
//   "TevChatTev.ini"  three lines: the number of the latest chat message
//                     seen; "1" when the newest message is drawn at the
//                     bottom, else "0"; "1" when the chat window opens by
//                     itself on a new message during a game, else "0".
//
// A line that is not a number counts as 0, an option line other than
// exactly "1" as off. Lines end in CR LF (LF alone is read too).
inline constexpr char kNewsStateFileName[] = "TevNewsTev.ini";
inline constexpr char kChatStateFileName[] = "TevChatTev.ini";

// The news document carries its latest item's number as the five characters
// after the tag "TevNews" (leading blanks allowed). 0 without the tag or
// when those five characters are not a number.
int latestNewsNumber(const QByteArray& document);

int readNewsState(const QString& programFolder);
bool writeNewsState(const QString& programFolder, int number);

struct ChatState {
    int lastSeen = 0;
    bool lastAtBottom = false;  // "Last message at the bottom"
    bool openOnNew = false;     // "Open this window when a new message"
    friend bool operator==(const ChatState&, const ChatState&) = default;
};

// Reads the chat state file; a missing one is made first with "1", "0", "0".
ChatState readChatState(const QString& programFolder);
bool writeChatState(const QString& programFolder, const ChatState& state);

// A chat text as stored: every character outside the passport's set
// becomes "_". As shown: every "_" is a blank.
QString chatStored(const QString& text);
QString chatShown(const QString& stored);
// The writer's stamp of a message (R09): time, date and game name, joined
// by "_", in the system's short formats.
QString chatStamp(const QDateTime& now, const QString& gameName);

// The entry that posts `message` as number `number`, signed with the
// passport (nick, city, country, sex).
TTevRecord chatEntry(int number, const QString& message, const QString& stamp,
                     const QString& nick, const QString& city, const QString& country,
                     const QString& sex);

inline constexpr int kChatMessageLength = 80;

// The run's view of the news and the chat: the checks (each one request,
// through the event loop) and the unread flags they set, cleared by opening
// the news or the chat. A failed check counts as nothing new.
class NewsAndChat : public QObject {
    Q_OBJECT

public:
    NewsAndChat(ServiceClient& client, QString programFolder, QObject* parent = nullptr);

    void checkNews(std::function<void()> done = {});
    void checkChat(std::function<void()> done = {});

    bool newsUnread() const { return m_newsUnread; }
    bool chatUnread() const { return m_chatUnread; }
    int latestNews() const { return m_latestNews; }
    int latestChat() const { return m_latestChat; }
    // As last read from the state file (read now if it never was).
    const ChatState& chatState();

    // Opening the news page: its latest number counts as read from now on.
    // Returns the page's address for the browser (empty when unreadable).
    QString openNews();
    // Opening the chat window: the state file takes the latest number and
    // the options, and the chat counts as read.
    void openChat();
    // A board loaded in the chat window: its newest number is the latest.
    void boardLoaded(int newest);
    // The player's own message went out as `number`.
    void messageSent(int number);
    void setChatOptions(bool lastAtBottom, bool openOnNew);

signals:
    void changed();

private:
    ServiceClient& m_client;
    QString m_programFolder;
    int m_latestNews = 0;
    int m_latestChat = 0;
    bool m_newsUnread = false;
    bool m_chatUnread = false;
    ChatState m_chat;
    bool m_chatRead = false;
};

}  // namespace olk::online
