#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <array>

#include "accountui/account_dialog.h"
#include "extras/aux_design.h"
#include "online/news_chat.h"
#include "online/records.h"
#include "settings/settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace olk {

class TevCardsButton;

// The message board of the chat: ten rows of two lines, the newest at the
// top (or at the bottom), each with its number, the writer's flag, face,
// city, stamp, version and nick, then the message; messages newer than the
// last seen one carry the "new" badge.
class ChatBoard : public QWidget {
public:
    explicit ChatBoard(QWidget* parent = nullptr);

    void show(const std::array<online::TTevRecord, 10>& rows, int lastSeen, bool lastAtBottom);
    void showFailure();

    // Row 1..10 as drawn from the top: the entry there, or an empty one.
    const online::TTevRecord& drawnRow(int row) const;
    bool failed() const { return m_failed; }
    // The two lines of an entry as the board writes them.
    static QString headLine(const online::TTevRecord& entry);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<online::TTevRecord, 10> m_rows;
    int m_lastSeen = 0;
    bool m_lastAtBottom = false;
    bool m_failed = false;
    QImage m_new;
};

// "Tev Games Chat": the board of the latest ten messages, one line to write
// (at most 80 characters, signed with the passport), the two options, a
// refresh at the top right, "Close" and "Passport". After a message, a
// refresh or a change of the order, the next one waits for the 15-second
// tick. Nothing here waits for the service: the board fills when it answers.
class ChatWindow : public QDialog {
    Q_OBJECT

public:
    ChatWindow(online::ServiceClient& client, online::NewsAndChat& chat, Settings& settings,
               const QString& programFolder, QWidget* parent,
               AccountDialogHooks hooks = AccountDialogHooks::standard());

    ChatBoard* board() const { return m_board; }
    QLineEdit* messageField() const { return m_message; }
    TevCardsButton* sendButton() const { return m_send; }
    TevCardsButton* refreshButton() const { return m_refresh; }
    TevCardsButton* passportButton() const { return m_passport; }
    QCheckBox* bottomBox() const { return m_bottom; }
    QCheckBox* openOnNewBox() const { return m_openOnNew; }
    bool busy() const { return m_busy; }
    // The 15-second tick, at once (the tests' clock).
    void tick();

    void send();
    void reload();

protected:
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;

private:
    void passportChecked();
    void setBusy(bool busy);

    online::ServiceClient& m_client;
    online::NewsAndChat& m_chat;
    Settings& m_settings;
    QString m_programFolder;
    AccountDialogHooks m_hooks;
    AuxDesign m_design;
    int m_lastSeen;  // what had been seen before the window opened
    ChatBoard* m_board;
    QLineEdit* m_message;
    TevCardsButton* m_send;
    TevCardsButton* m_refresh;
    TevCardsButton* m_passport;
    QCheckBox* m_bottom;
    QCheckBox* m_openOnNew;
    QTimer m_tick;
    bool m_busy = false;
    bool m_sentUntilTick = false;
};

}  // namespace olk
