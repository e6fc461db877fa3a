#include "accountui/chat_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include "account/field_checks.h"
#include "accountui/account_art.h"
#include "extras/card_pictures.h"
#include "extras/cards_button.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

constexpr int kRowHeight = 50;
constexpr int kBoardWidth = 700;
constexpr int kTickMs = 15000;

}  // namespace

// ---- The board -------------------------------------------------------------

ChatBoard::ChatBoard(QWidget* parent) : QWidget(parent), m_new(builtInPicture(QStringLiteral("GNew")))
{
    setFixedSize(kBoardWidth, 10 * kRowHeight);
}

void ChatBoard::show(const std::array<online::TTevRecord, 10>& rows, int lastSeen,
                     bool lastAtBottom)
{
    m_rows = rows;
    m_lastSeen = lastSeen;
    m_lastAtBottom = lastAtBottom;
    m_failed = false;
    update();
}

void ChatBoard::showFailure()
{
    m_rows = {};
    m_failed = true;
    update();
}

const online::TTevRecord& ChatBoard::drawnRow(int row) const
{
    const int index = m_lastAtBottom ? 10 - row : row - 1;
    return m_rows[static_cast<std::size_t>(std::clamp(index, 0, 9))];
}

QString ChatBoard::headLine(const online::TTevRecord& entry)
{
    return online::chatShown(entry.City) + QLatin1String(" : ") + online::chatShown(entry.R09) +
           QLatin1Char(' ') + entry.R08 + QLatin1String(" : ") + entry.Nick;
}

void ChatBoard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor bands[2] = {QColor(250, 248, 238), QColor(232, 238, 248)};
    for (int row = 0; row < 10; ++row) {
        p.fillRect(0, row * kRowHeight, width(), kRowHeight, bands[row % 2]);
    }
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    if (m_failed) {
        p.setPen(QColor(200, 0, 0));
        p.drawText(QRect(0, 0, width(), 25), Qt::AlignCenter, text(Text::NoConnect));
        return;
    }
    const QFontMetrics metrics(font);
    for (int row = 1; row <= 10; ++row) {
        const online::TTevRecord& entry = drawnRow(row);
        if (entry.isEmpty()) {
            continue;
        }
        const int top = (row - 1) * kRowHeight;
        const bool fresh = entry.Score > m_lastSeen;
        const int right = fresh && !m_new.isNull() ? width() - m_new.width() - 8 : width() - 4;
        int x = 4;
        p.setPen(QColor(20, 20, 90));
        QFont bold = font;
        bold.setBold(true);
        p.setFont(bold);
        const QString number = QString::number(entry.Score) + QLatin1Char('.');
        p.drawText(QRect(x, top, 50, 25), Qt::AlignLeft | Qt::AlignVCenter, number);
        x += QFontMetrics(bold).horizontalAdvance(number) + 6;
        p.setFont(font);
        p.drawPixmap(x, top + 5, countryFlag(entry.Country, QSize(24, 16)));
        x += 28;
        p.drawPixmap(x, top + 3, facePicture(entry.R07 == QLatin1String("W") ? u'W' : u'M',
                                             QSize(16, 20)));
        x += 20;
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRect(x, top, right - x, 25), Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(headLine(entry), Qt::ElideRight, right - x));
        p.setPen(QColor(0, 0, 0));
        p.drawText(QRect(12, top + 25, right - 12, 25), Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(online::chatShown(entry.R10), Qt::ElideRight, right - 12));
        if (fresh && !m_new.isNull()) {
            for (int line = 0; line < 2; ++line) {
                p.drawImage(QPoint(width() - m_new.width() - 4,
                                   top + line * 25 + (25 - m_new.height()) / 2),
                            m_new);
            }
        }
    }
}

// ---- The window ------------------------------------------------------------

ChatWindow::ChatWindow(online::ServiceClient& client, online::NewsAndChat& chat,
                       Settings& settings, const QString& programFolder, QWidget* parent,
                       AccountDialogHooks hooks)
    : QDialog(parent),
      m_client(client),
      m_chat(chat),
      m_settings(settings),
      m_programFolder(programFolder),
      m_hooks(std::move(hooks)),
      m_lastSeen(chat.chatState().lastSeen),
      m_board(new ChatBoard(this)),
      m_message(new QLineEdit(this)),
      m_bottom(new QCheckBox(text(Text::LastMessageAtBottom), this)),
      m_openOnNew(new QCheckBox(text(Text::OpenOnNewMessage), this))
{
    setWindowTitle(text(Text::ChatWindowTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_design.load(settings, programFolder, {"", "GFormPass", "GIcon48Opt"});
    setPalette(m_design.palette());
    m_send = dialogButton(this, settings, m_design, text(Text::SendButton), 110);
    m_refresh = dialogButton(this, settings, m_design, text(Text::RefreshButton), 110);
    m_passport = dialogButton(this, settings, m_design, text(Text::Passport), 110);
    TevCardsButton* close = dialogButton(this, settings, m_design, text(Text::CloseButton), 110);
    m_message->setMaxLength(online::kChatMessageLength);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, m_design.headerHeight() + 8, 16, 12);
    column->setSpacing(8);
    auto* top = new QHBoxLayout;
    top->addWidget(m_bottom);
    top->addWidget(m_openOnNew);
    top->addStretch();
    top->addWidget(m_refresh);
    column->addLayout(top);
    column->addWidget(m_board);
    auto* writing = new QHBoxLayout;
    writing->addWidget(m_message, 1);
    writing->addWidget(m_send);
    column->addLayout(writing);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_passport);
    buttons->addStretch();
    buttons->addWidget(close);
    column->addLayout(buttons);

    m_bottom->setChecked(chat.chatState().lastAtBottom);
    m_openOnNew->setChecked(chat.chatState().openOnNew);
    connect(m_message, &QLineEdit::returnPressed, this, &ChatWindow::send);
    connect(m_send, &QPushButton::clicked, this, &ChatWindow::send);
    connect(m_refresh, &QPushButton::clicked, this, [this] {
        m_refresh->hide();
        reload();
    });
    connect(m_bottom, &QCheckBox::toggled, this, [this](bool on) {
        m_chat.setChatOptions(on, m_openOnNew->isChecked());
        m_bottom->setEnabled(false);
        reload();
    });
    connect(m_openOnNew, &QCheckBox::toggled, this,
            [this](bool on) { m_chat.setChatOptions(m_bottom->isChecked(), on); });
    connect(m_passport, &QPushButton::clicked, this, [this] {
        m_hooks.editPassport(this, m_settings, m_programFolder);
        passportChecked();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_tick.setInterval(kTickMs);
    connect(&m_tick, &QTimer::timeout, this, &ChatWindow::tick);
    m_tick.start();
    setFixedSize(sizeHint());
    passportChecked();
    reload();
}

void ChatWindow::passportChecked()
{
    // Only a passport whose nick and city could sign a message may write.
    const bool signable =
        passportFieldCheck(m_settings.passportNick, FieldKind::Nick) != Lamp::Red &&
        passportFieldCheck(m_settings.passportCity, FieldKind::City) != Lamp::Red;
    const bool open = signable && !m_busy && !m_sentUntilTick;
    m_message->setEnabled(open);
    m_send->setEnabled(open);
}

void ChatWindow::tick()
{
    m_sentUntilTick = false;
    m_refresh->show();
    m_bottom->setEnabled(true);
    passportChecked();
}

void ChatWindow::setBusy(bool busy)
{
    m_busy = busy;
    setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
    passportChecked();
}

void ChatWindow::reload()
{
    QPointer<ChatWindow> self(this);
    m_client.send(online::scoreTable(online::kChatTable), [self](const online::Reply& reply) {
        if (!self) {
            return;
        }
        const online::ScoreTableResult board = online::parseScoreTable(reply, online::kChatTable);
        if (!board.ok) {
            self->m_board->showFailure();
            return;
        }
        if (!board.rows[0].isEmpty()) {
            self->m_chat.boardLoaded(board.rows[0].Score);
        }
        self->m_board->show(board.rows, self->m_lastSeen, self->m_bottom->isChecked());
    });
}

void ChatWindow::send()
{
    if (m_message->text().isEmpty() || m_busy || !m_message->isEnabled()) {
        return;
    }
    const QString message = m_message->text();
    const QString stamp = online::chatStamp(QDateTime::currentDateTime(), text(Text::WindowTitle));
    setBusy(true);
    QPointer<ChatWindow> self(this);
    const auto failed = [self] {
        if (self) {
            self->setBusy(false);
            self->m_hooks.tell(self, text(Text::UnableToSendMessage), QString());
        }
    };
    // The next number is the newest one's plus one; the service refuses a
    // number somebody else took meanwhile, and the message stays to be
    // sent again.
    m_client.send(online::scoreTable(online::kChatTable), [self, message, stamp,
                                                             failed](const online::Reply& reply) {
        if (!self) {
            return;
        }
        const online::ScoreTableResult board = online::parseScoreTable(reply, online::kChatTable);
        if (!board.ok) {
            failed();
            return;
        }
        const int number = board.rows[0].isEmpty() ? 1 : board.rows[0].Score + 1;
        const Settings& s = self->m_settings;
        const online::TTevRecord entry =
            online::chatEntry(number, message, stamp, s.passportNick, s.passportCity,
                              s.passportCountry, s.passportSex);
        self->m_client.send(online::scorePost(entry), [self, number,
                                                       failed](const online::Reply& posted) {
            if (!self) {
                return;
            }
            if (!online::parseScorePost(posted).ok) {
                failed();
                return;
            }
            self->m_message->clear();
            self->m_sentUntilTick = true;
            self->m_refresh->hide();
            self->m_chat.messageSent(number);
            self->m_lastSeen = number;
            self->setBusy(false);
            self->reload();
        });
    });
}

void ChatWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::ChatWindowTitle), 0);
}

void ChatWindow::done(int result)
{
    // Whatever the board showed counts as read.
    m_chat.openChat();
    QDialog::done(result);
}

}  // namespace olk
