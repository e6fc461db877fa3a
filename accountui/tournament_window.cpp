#include "accountui/tournament_window.h"

#include <algorithm>
#include <memory>

#include <QGridLayout>
#include <QPointer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include "accountui/account_art.h"
#include "extras/card_pictures.h"
#include "extras/cards_button.h"
#include "online/service_client.h"
#include "settings/word_tables.h"
#include "table/record_windows.h"

namespace olk {
namespace {

constexpr int kRefreshMs = 10000;
constexpr int kRelayCheckMs = 1000;

bool placeFree(const online::TTevTable_4::Place& place)
{
    return place.Nick == QLatin1String("X");
}

// The record that frees a place: "X" texts and zero numbers.
online::TTevClient freedRecord()
{
    online::TTevClient record;
    record.Nick = record.Country = record.City = record.IP = QStringLiteral("X");
    record.Sex = u'X';
    return record;
}

QString rulesHint()
{
    return text(Text::RulesTitle) + QLatin1String(": ") + text(Text::ThreeOfAKind30) +
           QLatin1String(": ") + text(Text::Yes) + QLatin1String("; ") +
           text(Text::PunishTheKnocker) + QLatin1String(": ") + text(Text::No);
}

}  // namespace

PlaceButtonState placeButtonState(const online::TTevTable_4& table, int place, int heldTable,
                                  int heldPlace, bool serverOpen)
{
    using Kind = PlaceButtonState::Kind;
    if (!serverOpen || place < 1 || place > online::kTablePlaces) {
        return {Kind::ServerOff, false};
    }
    if (table.Num == heldTable && place == heldPlace) {
        // The last place cannot be left: its game starts with it.
        return place == online::kTablePlaces ? PlaceButtonState{Kind::OwnLast, false}
                                             : PlaceButtonState{Kind::Own, true};
    }
    const auto& seat = table.Places[static_cast<std::size_t>(place - 1)];
    if (!placeFree(seat)) {
        return {Kind::Occupied, false};
    }
    const bool lowerTaken =
        place == 1 || !placeFree(table.Places[static_cast<std::size_t>(place - 2)]);
    if (heldTable == 0 && lowerTaken) {
        return {Kind::Take, true};
    }
    return {Kind::Free, false};
}

TournamentWindow::TournamentWindow(online::ServiceClient& client, const online::TTevUser& account,
                                   Settings& settings, const QString& programFolder,
                                   QWidget* parent, AccountDialogHooks hooks,
                                   std::function<void(const char*)> play)
    : QDialog(parent),
      m_client(client),
      m_settings(settings),
      m_hooks(std::move(hooks)),
      m_play(std::move(play)),
      m_message(new QLabel(this))
{
    setWindowTitle(text(Text::TournamentTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_design.load(settings, programFolder, {"", "GFormPass", "GIcon48Opt"});
    setPalette(m_design.palette());
    m_record.Nick = account.Nick;
    m_record.Country = account.Country2;
    m_record.City = account.City;
    m_record.Sex = account.Sex == u'W' ? u'W' : u'M';

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, m_design.headerHeight() + 6, 14, 12);
    column->setSpacing(6);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    column->addWidget(m_message);

    auto* middle = new QHBoxLayout;
    auto* results = new QGridLayout;
    results->setVerticalSpacing(3);
    static constexpr Text kRows[6] = {Text::NickLabel,   Text::YourScore,   Text::YourPlace,
                                      Text::Rating,      Text::ResultsGame, Text::CityLabel};
    auto* mine = new QLabel(text(Text::TabMyResults), this);
    QFont bold = mine->font();
    bold.setBold(true);
    mine->setFont(bold);
    results->addWidget(mine, 0, 0, 1, 2);
    for (int r = 0; r < 6; ++r) {
        results->addWidget(new QLabel(text(kRows[r]) + QLatin1Char(':'), this), r + 1, 0);
        m_results[r] = new QLabel(this);
        m_results[r]->setFont(bold);
        m_results[r]->setTextFormat(Qt::PlainText);
        results->addWidget(m_results[r], r + 1, 1);
    }
    m_results[0]->setText(m_record.Nick);
    m_results[5]->setText(m_record.City);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setAlignment(Qt::AlignCenter);
    m_statusLabel->setFont(bold);
    results->addWidget(m_statusLabel, 7, 0, 1, 2);
    results->setRowStretch(8, 1);
    if (m_record.Nick == QLatin1String(kTournamentAdminNick)) {
        m_addressBox = new QLineEdit(this);
        m_addressBox->setMaxLength(64);
        m_addressBox->setPlaceholderText(QStringLiteral("relay"));
        results->addWidget(m_addressBox, 9, 0, 1, 2);
    }
    middle->addLayout(results);

    // Ten tables of four places, in two columns of five.
    auto* tables = new QGridLayout;
    tables->setHorizontalSpacing(10);
    tables->setVerticalSpacing(2);
    for (int t = 1; t <= online::kTournamentTables; ++t) {
        const int block = (t - 1) % 5;
        const int side = (t - 1) / 5;
        auto* name = new QLabel(QString::number(t), this);
        name->setFont(bold);
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tables->addWidget(name, block * 2, side * 3, 2, 1);
        for (int k = 1; k <= online::kTablePlaces; ++k) {
            TevCardsButton* button = dialogButton(this, settings, m_design, QString(), 150);
            button->setFixedHeight(22);
            button->setToolTip(rulesHint());
            connect(button, &QPushButton::clicked, this, [this, t, k] {
                if (m_heldTable == t && m_heldPlace == k) {
                    leavePlace();
                } else {
                    takePlace(t, k);
                }
            });
            m_places[t - 1][k - 1] = button;
            tables->addWidget(button, block * 2 + (k - 1) / 2, side * 3 + 1 + (k - 1) % 2);
        }
    }
    middle->addLayout(tables, 1);
    column->addLayout(middle, 1);

    m_refresh = dialogButton(this, settings, m_design, text(Text::RefreshButton), 110);
    m_topTen = dialogButton(this, settings, m_design, text(Text::TabTopTen), 110);
    m_close = dialogButton(this, settings, m_design, text(Text::CloseButton), 110);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_refresh);
    buttons->addWidget(m_topTen);
    buttons->addStretch();
    buttons->addWidget(m_close);
    column->addLayout(buttons);
    connect(m_refresh, &QPushButton::clicked, this, &TournamentWindow::refresh);
    connect(m_topTen, &QPushButton::clicked, this, &TournamentWindow::topTenRequested);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    m_refreshTimer.setInterval(kRefreshMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &TournamentWindow::refresh);
    m_refreshTimer.start();
    m_relayTimer.setInterval(kRelayCheckMs);
    connect(&m_relayTimer, &QTimer::timeout, this, &TournamentWindow::checkRelay);
    m_relayTimer.start();

    // The address the service sees this player at: the tournament record's.
    QPointer<TournamentWindow> self(this);
    setBusy(+1);
    m_client.fetch(online::Endpoint::PublicAddress, QString(),
                   [self](const online::Reply& reply) {
                       if (!self) {
                           return;
                       }
                       self->setBusy(-1);
                       const QString address =
                           reply ? QString::fromUtf8(reply->trimmed()).left(64) : QString();
                       self->m_record.IP = address.isEmpty() ? QStringLiteral("X") : address;
                   });
    readResults();
    refresh();
    showTables();
}

TevCardsButton* TournamentWindow::placeButton(int table, int place) const
{
    return m_places[static_cast<std::size_t>(table - 1)][static_cast<std::size_t>(place - 1)];
}

void TournamentWindow::setBusy(int delta)
{
    m_waiting += delta;
    if (m_waiting > 0) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
        // The places wait for every answer before they may be pressed.
        showTables();
    }
}

void TournamentWindow::readResults()
{
    QPointer<TournamentWindow> self(this);
    setBusy(+1);
    m_client.send(online::tourRatingRead(m_record.Nick), [self](const online::Reply& reply) {
        if (!self) {
            return;
        }
        self->setBusy(-1);
        const online::TourRatingResult read = online::parseTourRatingRead(reply);
        if (!read.ok) {
            for (int r : {1, 2, 3, 4}) {
                self->m_results[r]->setText(text(Text::NoConnect));
            }
            return;
        }
        self->m_recordRead = true;
        self->m_record.Score = read.score;
        self->m_record.Kon = read.kon;
        self->m_record.Rating = read.rating;
        self->m_results[1]->setText(QString::number(read.score));
        self->m_results[3]->setText(QString::number(read.rating));
        self->m_results[4]->setText(QString::number(read.kon));
        self->setBusy(+1);
        self->m_client.send(online::tourPlace(online::TourKind::Score, read.score),
                            [self](const online::Reply& placed) {
                                if (!self) {
                                    return;
                                }
                                self->setBusy(-1);
                                const online::NumberResult place =
                                    online::parseTourPlace(placed);
                                self->m_results[2]->setText(place.ok
                                                                ? QString::number(place.value)
                                                                : text(Text::NoConnect));
                            });
    });
}

void TournamentWindow::refresh()
{
    const int generation = ++m_generation;
    m_refreshLeft = 2;
    QPointer<TournamentWindow> self(this);
    setBusy(+2);
    m_client.send(online::tourTables(), [self, generation](const online::Reply& reply) {
        if (!self) {
            return;
        }
        self->setBusy(-1);
        if (generation != self->m_generation) {
            return;
        }
        const online::TourTablesResult read = online::parseTourTables(reply);
        self->m_tablesRead = read.ok;
        if (read.ok) {
            self->m_tables = read.tables;
        }
        self->refreshed();
    });
    m_client.send(online::tourServerInfo(), [self, generation](const online::Reply& reply) {
        if (!self) {
            return;
        }
        self->setBusy(-1);
        if (generation != self->m_generation) {
            return;
        }
        const online::TourServerInfoResult info = online::parseTourServerInfo(reply);
        self->m_infoRead = info.ok;
        self->m_serverStatus = info.ok ? info.status : u'X';
        QFont font = self->m_message->font();
        const qsizetype length = info.message.size();
        font.setPixelSize(length > 54 ? 20 : length > 39 ? 24 : 28);
        self->m_message->setFont(font);
        self->m_message->setText(info.ok ? info.message : text(Text::NoConnect));
        self->refreshed();
    });
}

void TournamentWindow::refreshed()
{
    if (--m_refreshLeft > 0) {
        return;
    }
    const bool open = m_tablesRead && m_infoRead && m_serverStatus == u'Y';
    if (!open && holding()) {
        // The tournament closed, or cannot be read: the place goes.
        freePlaces(m_heldTable, m_heldPlace, m_heldPlace);
        m_heldTable = m_heldPlace = 0;
        emit placeLeft();
    } else if (holding() && placeFree(m_tables[m_heldTable - 1].Places[0])) {
        // Place 1 of the own table is free: the table broke up.
        m_heldTable = m_heldPlace = 0;
    }
    showTables();
}

void TournamentWindow::showTables()
{
    const bool open = m_tablesRead && m_infoRead && m_serverStatus == u'Y';
    m_statusLabel->setText(text(open ? Text::ServerOn : Text::ServerOff));
    m_statusLabel->setStyleSheet(open ? QStringLiteral("color: #108020;")
                                      : QStringLiteral("color: #c00000;"));
    for (int t = 1; t <= online::kTournamentTables; ++t) {
        const online::TTevTable_4& table = m_tables[static_cast<std::size_t>(t - 1)];
        for (int k = 1; k <= online::kTablePlaces; ++k) {
            const PlaceButtonState state =
                placeButtonState(table, k, m_heldTable, m_heldPlace, open && table.Num == t);
            const auto& seat = table.Places[static_cast<std::size_t>(k - 1)];
            QString caption;
            switch (state.kind) {
            case PlaceButtonState::Kind::Own:
                caption = text(Text::LogOff);
                break;
            case PlaceButtonState::Kind::OwnLast:
                caption = m_record.Nick + QLatin1String(" : ") + QString::number(m_record.Score);
                break;
            case PlaceButtonState::Kind::Occupied:
                caption = seat.Nick + QLatin1String(" : ") + QString::number(seat.Score);
                break;
            case PlaceButtonState::Kind::Take:
                caption = text(Text::TakeThePlaceOf);
                break;
            case PlaceButtonState::Kind::Free:
                caption = text(Text::PlaceFree);
                break;
            case PlaceButtonState::Kind::ServerOff:
                caption = text(Text::ServerOff);
                break;
            }
            TevCardsButton* button = placeButton(t, k);
            button->setText(caption);
            button->setEnabled(state.enabled && m_waiting == 0);
        }
    }
    // While a place is held the window stays, and so does the list.
    const bool locked = holding() && open;
    for (TevCardsButton* button : {m_refresh, m_topTen, m_close}) {
        button->setEnabled(!locked);
    }
}

void TournamentWindow::takePlace(int table, int place)
{
    if (holding() || table < 1 || table > online::kTournamentTables || place < 1 ||
        place > online::kTablePlaces) {
        return;
    }
    checkLowerPlace(table, place, 1, m_tables[static_cast<std::size_t>(table - 1)]);
}

void TournamentWindow::checkLowerPlace(int table, int place, int lower,
                                       const online::TTevTable_4& list)
{
    QPointer<TournamentWindow> self(this);
    if (lower < place) {
        // Two players from one address never share a table, unless the
        // relay is this machine's or the administrator plays: the lower
        // places' occupants are read first, one after the other.
        setBusy(+1);
        m_client.send(online::tourClientRead(table, lower),
                      [self, table, place, lower, list](const online::Reply& reply) {
                          if (!self) {
                              return;
                          }
                          self->setBusy(-1);
                          const online::TourClientResult occupant =
                              online::parseTourClientRead(reply);
                          if (occupant.ok && occupant.client.IP == self->m_record.IP &&
                              self->m_record.IP != QLatin1String("X") &&
                              list.IP != QLatin1String("127.0.0.1") &&
                              self->m_record.Nick != QLatin1String(kTournamentAdminNick)) {
                              self->m_hooks.tell(self, text(Text::SameAddressAtTable), QString());
                              self->showTables();
                              return;
                          }
                          self->checkLowerPlace(table, place, lower + 1, list);
                      });
        return;
    }
    setBusy(+1);
    m_client.send(online::tourSeat(table, place, online::SeatAction::Take, m_record),
                  [self, table, place, list](const online::Reply& reply) {
                      if (!self) {
                          return;
                      }
                      self->setBusy(-1);
                      if (online::parseTourSeat(reply).code != 0) {
                          if (self->m_play) {
                              self->m_play("WWrongs");
                          }
                          self->showTables();
                          return;
                      }
                      self->m_heldTable = table;
                      self->m_heldPlace = place;
                      QString relay = list.IP;
                      if (self->m_addressBox &&
                          !self->m_addressBox->text().trimmed().isEmpty()) {
                          relay = self->m_addressBox->text().trimmed();
                      }
                      self->showTables();
                      emit self->placeTaken(table, place, relay, list.Port);
                      self->refresh();
                  });
}

void TournamentWindow::freePlaces(int table, int fromPlace, int toPlace,
                                  std::function<void()> then)
{
    const int count = std::max(0, toPlace - fromPlace + 1);
    if (count == 0) {
        if (then) {
            then();
        }
        return;
    }
    QPointer<TournamentWindow> self(this);
    auto left = std::make_shared<int>(count);
    auto done = std::make_shared<std::function<void()>>(std::move(then));
    setBusy(+count);
    for (int k = fromPlace; k <= toPlace; ++k) {
        m_client.send(online::tourSeat(table, k, online::SeatAction::Free, freedRecord()),
                      [self, left, done](const online::Reply&) {
                          if (!self) {
                              return;
                          }
                          // What comes next takes the window over before
                          // it would show itself free for a moment.
                          if (--*left == 0 && *done) {
                              (*done)();
                          }
                          self->setBusy(-1);
                      });
    }
}

void TournamentWindow::leavePlace()
{
    if (!holding() || m_heldPlace >= online::kTablePlaces) {
        return;
    }
    const int table = m_heldTable;
    const int place = m_heldPlace;
    QPointer<TournamentWindow> self(this);
    setBusy(+1);
    m_client.send(online::tourSeat(table, place, online::SeatAction::Leave, freedRecord()),
                  [self, table, place](const online::Reply& reply) {
                      if (!self) {
                          return;
                      }
                      self->setBusy(-1);
                      if (online::parseTourSeat(reply).code != 0) {
                          if (self->m_play) {
                              self->m_play("WWrongs");
                          }
                          self->showTables();
                          return;
                      }
                      // The places after it cannot play without it.
                      self->forgetPlace();
                      emit self->placeLeft();
                      self->freePlaces(table, place + 1, online::kTablePlaces - 1,
                                       [self] { self->refresh(); });
                  });
}

void TournamentWindow::forgetPlace()
{
    m_heldTable = 0;
    m_heldPlace = 0;
    showTables();
}

void TournamentWindow::checkRelay()
{
    if (!std::exchange(m_relayError, false) || !holding()) {
        return;
    }
    m_hooks.tell(this, text(Text::ServerConnectionError), QString());
    QPointer<TournamentWindow> self(this);
    freePlaces(m_heldTable, m_heldPlace, online::kTablePlaces, [self] { self->refresh(); });
    forgetPlace();
}

void TournamentWindow::reject()
{
    // A held place keeps the window: the game may start any moment.
    if (holding() && m_serverStatus == u'Y') {
        return;
    }
    QDialog::reject();
}

void TournamentWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::TournamentTitle), 0);
}

// ---- The tournament's top ten ------------------------------------------------

TournamentTopTenWindow::TournamentTopTenWindow(online::ServiceClient& client,
                                               const online::TTevClient& own, Settings& settings,
                                               const QString& programFolder, QWidget* parent)
    : QDialog(parent),
      m_client(client),
      m_own(own),
      m_settings(settings),
      m_failed(new QLabel(text(Text::NoConnect), this)),
      m_place(new QLabel(this)),
      m_medal(new QLabel(this))
{
    setWindowTitle(text(Text::TournamentTopTenTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_design.load(settings, programFolder, {"", "GFormPass", "GIcon48Opt"});
    setPalette(m_design.palette());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, m_design.headerHeight() + 8, 16, 12);
    auto* kinds = new QHBoxLayout;
    static constexpr Text kKinds[3] = {Text::Score, Text::Rating, Text::Games};
    for (int k = 0; k < 3; ++k) {
        m_kinds[k] = dialogButton(this, settings, m_design, text(kKinds[k]), 100);
        m_kinds[k]->setCheckable(true);
        connect(m_kinds[k], &QPushButton::clicked, this, [this, k] { chooseKind(k); });
        kinds->addWidget(m_kinds[k]);
    }
    kinds->addStretch();
    column->addLayout(kinds);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    for (int r = 0; r < 10; ++r) {
        m_places[r] = new QLabel(this);
        m_flags[r] = new QLabel(this);
        m_faces[r] = new QLabel(this);
        m_rows[r] = new QLabel(this);
        m_rows[r]->setTextFormat(Qt::PlainText);
        m_values[r] = new QLabel(this);
        m_values[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = m_values[r]->font();
        bold.setBold(true);
        m_values[r]->setFont(bold);
        grid->addWidget(m_places[r], r, 0);
        grid->addWidget(m_flags[r], r, 1);
        grid->addWidget(m_faces[r], r, 2);
        grid->addWidget(m_rows[r], r, 3);
        grid->addWidget(m_values[r], r, 4);
        grid->setRowMinimumHeight(r, 20);
    }
    grid->setColumnStretch(3, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(grid, 1);
    auto* mine = new QVBoxLayout;
    m_medal->setAlignment(Qt::AlignCenter);
    m_place->setAlignment(Qt::AlignCenter);
    mine->addStretch();
    mine->addWidget(m_medal);
    mine->addWidget(m_place);
    mine->addStretch();
    middle->addSpacing(12);
    middle->addLayout(mine);
    column->addLayout(middle);
    m_failed->setAlignment(Qt::AlignCenter);
    column->addWidget(m_failed);
    TevCardsButton* close = dialogButton(this, settings, m_design, text(Text::CloseButton), 110);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(close, 0, Qt::AlignRight);
    setFixedWidth(600);
    chooseKind(0);
}

void TournamentTopTenWindow::chooseKind(int kind)
{
    m_kind = std::clamp(kind, 0, 2);
    for (int k = 0; k < 3; ++k) {
        m_kinds[k]->setChecked(k == m_kind);
    }
    const int generation = ++m_generation;
    for (int r = 0; r < 10; ++r) {
        for (QLabel* label : {m_places[r], m_flags[r], m_faces[r], m_rows[r], m_values[r]}) {
            label->clear();
        }
    }
    m_failed->hide();
    m_place->clear();
    m_medal->clear();
    m_shownPlace = 0;
    static constexpr online::TourKind kKinds[3] = {
        online::TourKind::Score, online::TourKind::Rating, online::TourKind::Games};
    const online::TourKind which = kKinds[m_kind];
    QPointer<TournamentTopTenWindow> self(this);
    m_waiting += 2;
    setCursor(Qt::BusyCursor);
    const auto done = [self] {
        if (--self->m_waiting == 0) {
            self->unsetCursor();
        }
    };
    m_client.send(online::tourTopTen(which), [self, generation,
                                              done](const online::Reply& reply) {
        if (!self) {
            return;
        }
        done();
        if (generation != self->m_generation) {
            return;
        }
        const online::ScoreTableResult top = online::parseTourTopTen(reply);
        self->m_failed->setVisible(!top.ok);
        for (int r = 0; r < 10 && top.ok; ++r) {
            const online::TTevRecord& entry = top.rows[r];
            if (entry.isEmpty()) {
                continue;
            }
            self->m_places[r]->setText(QString::number(r + 1) + QLatin1Char('.'));
            self->m_flags[r]->setPixmap(countryFlag(entry.Country, QSize(24, 16)));
            self->m_faces[r]->setPixmap(
                facePicture(entry.R07 == QLatin1String("M") ? u'M' : u'W', QSize(16, 20)));
            self->m_rows[r]->setText(entry.Nick + QLatin1String(", ") + entry.City);
            self->m_values[r]->setText(QString::number(entry.Score));
        }
    });
    const std::int32_t ownValue =
        m_kind == 0 ? m_own.Score : m_kind == 1 ? m_own.Rating : m_own.Kon;
    m_client.send(online::tourPlace(which, ownValue), [self, generation,
                                                       done](const online::Reply& reply) {
        if (!self) {
            return;
        }
        done();
        if (generation != self->m_generation) {
            return;
        }
        const online::NumberResult place = online::parseTourPlace(reply);
        if (!place.ok || place.value < 1) {
            return;
        }
        self->m_shownPlace = place.value;
        if (place.value <= 10) {
            self->m_medal->setPixmap(QPixmap::fromImage(medalPicture(place.value)));
        } else {
            self->m_place->setText(text(Text::YourPlace) + QLatin1String(": ") +
                                   QString::number(place.value));
        }
    });
}

void TournamentTopTenWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::TournamentTopTenTitle), 0);
}

}  // namespace olk
