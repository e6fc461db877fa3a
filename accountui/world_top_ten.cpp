#include "accountui/world_top_ten.h"

#include <QDir>
#include <QGridLayout>
#include <QLinearGradient>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

#include "account/countries.h"
#include "core/cp1251.h"
#include "records/end_of_game.h"
#include "account/field_checks.h"
#include "accountui/account_art.h"
#include "extras/card_pictures.h"
#include "extras/cards_button.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

QLabel* boldLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

QPixmap worldTableIcon(int table, int size)
{
    if (table == 3) {
        return starPicture(2, 0, size);
    }
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QColor body(52, 60, 76);
    const QColor screen(88, 170, 230);
    p.setPen(Qt::NoPen);
    if (table == 1) {
        // A computer screen on its stand.
        p.setBrush(body);
        p.drawRoundedRect(QRectF(s * 0.06, s * 0.12, s * 0.88, s * 0.6), s * 0.06, s * 0.06);
        p.drawRect(QRectF(s * 0.44, s * 0.72, s * 0.12, s * 0.12));
        p.drawRoundedRect(QRectF(s * 0.28, s * 0.82, s * 0.44, s * 0.07), s * 0.03, s * 0.03);
        p.setBrush(screen);
        p.drawRect(QRectF(s * 0.12, s * 0.18, s * 0.76, s * 0.48));
    } else if (table == 4) {
        // The tournament's golden cup.
        QLinearGradient gold(0, 0, s, 0);
        gold.setColorAt(0, QColor(250, 225, 110));
        gold.setColorAt(0.5, QColor(255, 245, 190));
        gold.setColorAt(1, QColor(200, 140, 30));
        p.setBrush(gold);
        p.setPen(QPen(QColor(130, 85, 10), s * 0.03));
        QPainterPath cup;
        cup.moveTo(s * 0.22, s * 0.1);
        cup.lineTo(s * 0.78, s * 0.1);
        cup.cubicTo(s * 0.78, s * 0.5, s * 0.62, s * 0.6, s * 0.5, s * 0.6);
        cup.cubicTo(s * 0.38, s * 0.6, s * 0.22, s * 0.5, s * 0.22, s * 0.1);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(s * 0.06, s * 0.14, s * 0.24, s * 0.26), 90 * 16, 180 * 16);
        p.drawArc(QRectF(s * 0.7, s * 0.14, s * 0.24, s * 0.26), 270 * 16, 180 * 16);
        p.setBrush(gold);
        p.drawRect(QRectF(s * 0.45, s * 0.6, s * 0.1, s * 0.16));
        p.drawRoundedRect(QRectF(s * 0.28, s * 0.76, s * 0.44, s * 0.12), s * 0.03, s * 0.03);
    } else if (table == 5 || table == 6) {
        // This computer's clubs: a screen with a card on it; the network's
        // two screens joined.
        const auto screenAt = [&](const QRectF& r) {
            p.setPen(Qt::NoPen);
            p.setBrush(body);
            p.drawRoundedRect(r, s * 0.04, s * 0.04);
            p.setBrush(screen);
            p.drawRect(r.adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04));
        };
        if (table == 5) {
            screenAt(QRectF(s * 0.06, s * 0.14, s * 0.88, s * 0.6));
            p.drawRect(QRectF(s * 0.44, s * 0.74, s * 0.12, s * 0.1));
            p.drawRoundedRect(QRectF(s * 0.28, s * 0.82, s * 0.44, s * 0.07), s * 0.03, s * 0.03);
            p.setBrush(Qt::white);
            p.setPen(QPen(QColor(60, 60, 60), s * 0.015));
            p.drawRoundedRect(QRectF(s * 0.38, s * 0.22, s * 0.24, s * 0.34), s * 0.03, s * 0.03);
            p.setPen(QColor(200, 20, 30));
            QFont suit(QStringLiteral("DejaVu Sans"));
            suit.setPixelSize(std::max(6, static_cast<int>(s * 0.22)));
            p.setFont(suit);
            p.drawText(QRectF(s * 0.38, s * 0.22, s * 0.24, s * 0.34), Qt::AlignCenter,
                       QString(QChar(0x2665)));
        } else {
            screenAt(QRectF(s * 0.02, s * 0.1, s * 0.46, s * 0.36));
            screenAt(QRectF(s * 0.52, s * 0.54, s * 0.46, s * 0.36));
            p.setPen(QPen(QColor(240, 190, 40), s * 0.05, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(s * 0.3, s * 0.5), QPointF(s * 0.3, s * 0.72));
            p.drawLine(QPointF(s * 0.3, s * 0.72), QPointF(s * 0.5, s * 0.72));
        }
    } else {
        // A phone.
        p.setBrush(body);
        p.drawRoundedRect(QRectF(s * 0.28, s * 0.06, s * 0.44, s * 0.88), s * 0.08, s * 0.08);
        p.setBrush(QColor(120, 200, 90));
        p.drawRect(QRectF(s * 0.33, s * 0.16, s * 0.34, s * 0.64));
        p.setBrush(QColor(200, 200, 200));
        p.drawEllipse(QPointF(s * 0.5, s * 0.87), s * 0.035, s * 0.035);
    }
    return pixmap;
}

// ---- Submission ----------------------------------------------------------

WorldScoreSubmission::WorldScoreSubmission(online::ServiceClient& client, Settings& settings,
                                           const QString& programFolder, int cycleScore,
                                           QWidget* parent, AccountDialogHooks hooks)
    : QDialog(parent),
      m_client(client),
      m_settings(settings),
      m_programFolder(programFolder),
      m_score(cycleScore),
      m_hooks(std::move(hooks))
{
    setWindowTitle(text(Text::WorldTopTen));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_design.load(settings, programFolder, {"Passport", "GFormPass", "GIcon48Opt"});
    setPalette(m_design.palette());
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, m_design.headerHeight() + 14, 18, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    m_face = new QLabel(this);
    m_nick = boldLabel(this);
    m_flag = new QLabel(this);
    m_city = boldLabel(this);
    auto* score = boldLabel(this);
    score->setText(QString::number(cycleScore));
    m_place = boldLabel(this);
    grid->addWidget(new QLabel(text(Text::NickLabel), this), 0, 0);
    grid->addWidget(m_face, 0, 1);
    grid->addWidget(m_nick, 0, 2);
    grid->addWidget(
        new QLabel(text(Text::CountryLabel) + QLatin1String(" & ") + text(Text::CityLabel), this),
        1, 0);
    grid->addWidget(m_flag, 1, 1);
    grid->addWidget(m_city, 1, 2);
    grid->addWidget(new QLabel(text(Text::YourScore) + QLatin1Char(':'), this), 2, 0);
    grid->addWidget(score, 2, 2);
    grid->addWidget(m_place, 3, 0, 1, 3);
    m_send = dialogButton(this, settings, m_design, text(Text::SendButton), 110);
    m_passport = dialogButton(this, settings, m_design, text(Text::Passport), 110);
    TevCardsButton* close = dialogButton(this, settings, m_design, text(Text::CloseButton), 110);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_send);
    buttons->addWidget(m_passport);
    buttons->addStretch();
    buttons->addWidget(close);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    connect(m_send, &QPushButton::clicked, this, &WorldScoreSubmission::send);
    connect(m_passport, &QPushButton::clicked, this, &WorldScoreSubmission::editPassport);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    close->setDefault(true);
    showPassport();
    // Until it is first shown, nothing can be sent.
    m_send->setEnabled(false);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

void WorldScoreSubmission::showPassport()
{
    const QChar sex = m_settings.passportSex == QLatin1String("W") ? u'W' : u'M';
    m_face->setPixmap(facePicture(sex, QSize(20, 25)));
    m_nick->setText(m_settings.passportNick);
    m_flag->setPixmap(countryFlag(m_settings.passportCountry, QSize(24, 16)));
    m_flag->setToolTip(countryName(m_settings.passportCountry));
    m_city->setText(m_settings.passportCity);
}

void WorldScoreSubmission::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (std::exchange(m_shownOnce, true)) {
        return;
    }
    m_send->setEnabled(passportFieldCheck(m_settings.passportNick, FieldKind::Nick) != Lamp::Red &&
                       passportFieldCheck(m_settings.passportCity, FieldKind::City) != Lamp::Red);
    if (m_settings.passportNick == QLatin1String("Incognito")) {
        // Once the window is up: the player names himself first.
        QPointer<WorldScoreSubmission> self(this);
        QMetaObject::invokeMethod(
            this,
            [self] {
                if (self) {
                    self->editPassport();
                }
            },
            Qt::QueuedConnection);
    }
}

void WorldScoreSubmission::editPassport()
{
    m_hooks.editPassport(this, m_settings, m_programFolder);
    showPassport();
    // A name sent to the world table must be in Latin letters.
    m_send->setEnabled(
        !m_sent && passportFieldCheck(m_settings.passportNick, FieldKind::Nick) == Lamp::Green &&
        passportFieldCheck(m_settings.passportCity, FieldKind::City) != Lamp::Red);
}

void WorldScoreSubmission::send()
{
    online::TTevRecord entry;
    entry.GID = online::kWindowsTable;
    entry.Nick = m_settings.passportNick;
    entry.City = m_settings.passportCity;
    entry.Country = m_settings.passportCountry;
    entry.Score = m_score;
    entry.R07 = m_settings.passportSex;
    entry.R09 = QStringLiteral("#");
    entry.R10 = QStringLiteral("#");
    m_send->setEnabled(false);
    m_waiting = true;
    setCursor(Qt::BusyCursor);
    QPointer<WorldScoreSubmission> self(this);
    m_client.send(online::scorePost(entry), [self](const online::Reply& reply) {
        if (!self) {
            return;
        }
        self->m_waiting = false;
        self->unsetCursor();
        const online::NumberResult place = online::parseScorePost(reply);
        if (!place.ok) {
            self->m_send->setEnabled(true);
            self->m_hooks.tell(self, text(Text::UnableToWriteResult), QString());
            return;
        }
        self->m_sent = true;
        self->m_place->setText(text(Text::YourPlace) + QLatin1String(": ") +
                               QString::number(place.value));
    });
}

void WorldScoreSubmission::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::WorldTopTen), 0);
}

// ---- The tables ------------------------------------------------------------

WorldTopTenWindow::WorldTopTenWindow(online::ServiceClient& client, Settings& settings,
                                     const QString& programFolder, QString accountNick,
                                     QString accountCity, QWidget* parent, AccountDialogHooks hooks,
                                     bool localClub)
    : QDialog(parent),
      m_client(client),
      m_settings(settings),
      m_programFolder(programFolder),
      m_accountNick(std::move(accountNick)),
      m_accountCity(std::move(accountCity)),
      m_hooks(std::move(hooks))
{
    setWindowTitle(text(Text::WorldTopTen));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_design.load(settings, programFolder, {"", "GFormPass", "GIcon48Opt"});
    setPalette(m_design.palette());
    const bool purple = m_design.purple();
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(12, m_design.headerHeight() + 10, 12, 12);
    const auto iconButton = [this](const QPixmap& icon, const QString& hint, int size) {
        auto* button = new QToolButton(this);
        button->setIcon(icon);
        button->setIconSize(QSize(size, size));
        button->setFixedSize(size + 8, size + 8);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        // The keyboard's focus tints the button; the chosen one has a frame.
        button->setStyleSheet(QStringLiteral(
            "QToolButton:focus { background: rgba(32, 96, 208, 70); border-radius: 8px; }"
            "QToolButton:checked { border: 2px solid #c00000; border-radius: 8px; }"));
        return button;
    };
    auto* icons = new QVBoxLayout;
    icons->setSpacing(purple ? 2 : 6);
    if (purple) {
        static constexpr Text kHeadings[7] = {
            Text::AccountRatingHeading, Text::AccountScoreHeading, Text::WindowsScoreHeading,
            Text::AndroidScoreHeading,  Text::TournamentHeading,   Text::WindowsLocalGames,
            Text::WindowsNetGames};
        static constexpr int kIcons[7] = {0, 3, 1, 2, 4, 5, 6};
        for (int c = 0; c < 7; ++c) {
            const QPixmap icon = c == 0 ? starPicture(3, 0, 40) : worldTableIcon(kIcons[c], 40);
            m_categories[c] = iconButton(icon, text(kHeadings[c]), 40);
            connect(m_categories[c], &QToolButton::clicked, this,
                    [this, c] { chooseCategory(c + 1); });
            icons->addWidget(m_categories[c]);
        }
    } else {
        const Text names[3] = {Text::TableWindows, Text::TableAndroid, Text::TableAccounts};
        for (int t = 0; t < 3; ++t) {
            m_tables[t] = iconButton(worldTableIcon(t + 1, 48), text(names[t]), 48);
            connect(m_tables[t], &QToolButton::clicked, this, [this, t] { chooseTable(t + 1); });
            icons->addWidget(m_tables[t]);
        }
    }
    icons->addStretch();
    outer->addLayout(icons);

    auto* centre = new QVBoxLayout;
    m_heading = boldLabel(this);
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setVisible(purple);
    centre->addWidget(m_heading);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(purple ? 6 : 2);
    for (int r = 0; r < 10; ++r) {
        m_places[r] = new QLabel(this);
        m_flags[r] = new QLabel(this);
        m_faces[r] = new QLabel(this);
        m_rows[r] = new QLabel(this);
        m_rows[r]->setTextFormat(Qt::PlainText);
        m_scores[r] = boldLabel(this);
        m_scores[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(m_places[r], r, 0);
        grid->addWidget(m_flags[r], r, 1);
        grid->addWidget(m_faces[r], r, 2);
        grid->addWidget(m_rows[r], r, 3);
        grid->addWidget(m_scores[r], r, 4);
        grid->setRowMinimumHeight(r, purple ? 25 : 20);
    }
    grid->setColumnStretch(3, 1);
    centre->addLayout(grid);
    m_failed = new QLabel(text(Text::NoConnect), this);
    m_failed->setAlignment(Qt::AlignCenter);
    centre->addWidget(m_failed);
    // The count and the own entries: under the rows, or in the purple
    // design's side panel.
    auto* side = purple ? new QVBoxLayout : centre;
    if (purple) {
        static constexpr Text kKinds[3] = {Text::Score, Text::Rating, Text::Games};
        auto* kinds = new QHBoxLayout;
        for (int k = 0; k < 3; ++k) {
            m_kinds[k] = new QToolButton(this);
            m_kinds[k]->setText(text(kKinds[k]));
            m_kinds[k]->setCheckable(true);
            m_kinds[k]->setAutoRaise(true);
            m_kinds[k]->setStyleSheet(QStringLiteral(
                "QToolButton { color: #f0e2ff; padding: 3px 6px; }"
                "QToolButton:focus { background: rgba(240, 226, 255, 60); border-radius: 6px; }"
                "QToolButton:checked { border: 2px solid #ff3030; border-radius: 6px; }"
                "QToolButton:disabled { color: #826e96; }"));
            connect(m_kinds[k], &QToolButton::clicked, this, [this, k] { chooseKind(k); });
            kinds->addWidget(m_kinds[k]);
        }
        side->addLayout(kinds);
        side->addSpacing(12);
    }
    m_count = new QLabel(this);
    m_count->setAlignment(Qt::AlignCenter);
    side->addWidget(m_count);
    for (QLabel*& own : m_own) {
        own = new QLabel(this);
        own->setTextFormat(Qt::PlainText);
        side->addWidget(own);
    }
    m_ownFailed = new QLabel(text(Text::NoConnect), this);
    side->addWidget(m_ownFailed);
    TevCardsButton* passport = dialogButton(this, settings, m_design, text(Text::Passport), 110);
    TevCardsButton* close = dialogButton(this, settings, m_design, text(Text::CloseButton), 110);
    if (purple) {
        side->addStretch();
        side->addWidget(passport);
        side->addWidget(close);
        centre->addStretch();
        outer->addLayout(centre, 1);
        outer->addSpacing(10);
        outer->addLayout(side);
    } else {
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(passport);
        buttons->addStretch();
        buttons->addWidget(close);
        centre->addStretch();
        centre->addLayout(buttons);
        outer->addLayout(centre, 1);
    }
    connect(passport, &QPushButton::clicked, this, [this] {
        m_hooks.editPassport(this, m_settings, m_programFolder);
        reload();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    close->setDefault(true);
    // What was chosen last stays chosen for the run.
    static int s_table = 1;
    static int s_category = WindowsScores;
    static int s_kind = 0;
    connect(this, &QDialog::finished, this, [this] {
        s_table = m_table;
        s_category = m_category;
        s_kind = m_kind;
    });
    m_kind = s_kind;
    if (purple) {
        setFixedSize(780, m_design.headerHeight() + 400);
        int category = s_category;
        if (localClub) {
            category = settings.networkMode ? NetClub : LocalClub;
        } else if (category < AccountScores || category > AndroidScores) {
            category = WindowsScores;
        }
        chooseCategory(category);
    } else {
        setFixedSize(640, m_design.headerHeight() + 440);
        chooseTable(s_table);
    }
}

void WorldTopTenWindow::chooseTable(int table)
{
    m_table = std::clamp(table, 1, 3);
    for (int t = 0; t < 3; ++t) {
        if (m_tables[t]) {
            m_tables[t]->setChecked(t + 1 == m_table);
        }
    }
    reload();
}

void WorldTopTenWindow::chooseCategory(int category)
{
    m_category = std::clamp(category, 1, 7);
    for (int c = 0; c < 7; ++c) {
        if (m_categories[c]) {
            m_categories[c]->setChecked(c + 1 == m_category);
        }
    }
    reload();
}

void WorldTopTenWindow::chooseKind(int kind)
{
    m_kind = std::clamp(kind, 0, 2);
    reload();
}

void WorldTopTenWindow::finishOne()
{
    if (--m_waiting == 0) {
        unsetCursor();
    }
}

void WorldTopTenWindow::clearRows()
{
    for (int r = 0; r < 10; ++r) {
        showRow(r, QString(), u'M', QString(), QString());
        m_places[r]->clear();
        m_faces[r]->clear();
    }
    m_count->clear();
    for (QLabel* own : m_own) {
        own->clear();
    }
    m_failed->hide();
    m_ownFailed->hide();
}

void WorldTopTenWindow::showRow(int r, const QString& flagCode, QChar sex, const QString& who,
                                const QString& value)
{
    const bool shown = !who.isEmpty();
    m_places[r]->setText(shown ? QString::number(r + 1) + QLatin1Char('.') : QString());
    m_flags[r]->setPixmap(shown && !flagCode.isEmpty() ? countryFlag(flagCode, QSize(24, 16))
                                                       : QPixmap());
    m_faces[r]->setPixmap(shown ? facePicture(sex, QSize(16, 20)) : QPixmap());
    m_rows[r]->setText(who);
    m_scores[r]->setText(value);
    // Places 1-3 stand out in the purple design.
    if (m_design.purple()) {
        m_places[r]->setStyleSheet(r < 3 ? QStringLiteral("color: #ff5050; font-weight: bold;")
                                         : QString());
    }
}

void WorldTopTenWindow::reload()
{
    // Answers to an earlier choice are dropped.
    ++m_generation;
    clearRows();
    if (!m_design.purple()) {
        const int gid = m_table == 1   ? online::kWindowsTable
                        : m_table == 2 ? online::kAndroidTable
                                       : online::kAccountTable;
        const bool account = m_table == 3;
        loadScores(gid, m_table == 1, account ? m_accountNick : m_settings.passportNick,
                   account ? m_accountCity : m_settings.passportCity);
        return;
    }
    static constexpr Text kHeadings[7] = {
        Text::AccountRatingHeading, Text::AccountScoreHeading, Text::WindowsScoreHeading,
        Text::AndroidScoreHeading,  Text::TournamentHeading,   Text::WindowsLocalGames,
        Text::WindowsNetGames};
    m_heading->setText(text(kHeadings[m_category - 1]));
    // Only the tournament's ranking can be chosen; the others mark theirs.
    const int marked = m_category == Tournament ? m_kind : m_category == AccountRating ? 1 : 0;
    for (int k = 0; k < 3; ++k) {
        m_kinds[k]->setEnabled(m_category == Tournament);
        m_kinds[k]->setChecked(k == marked);
    }
    switch (m_category) {
    case AccountRating:
        loadAccountRating();
        break;
    case AccountScores:
        loadScores(online::kAccountTable, false, m_accountNick, m_accountCity);
        break;
    case WindowsScores:
        loadScores(online::kWindowsTable, true, m_settings.passportNick, m_settings.passportCity);
        break;
    case AndroidScores:
        loadScores(online::kAndroidTable, false, m_settings.passportNick,
                   m_settings.passportCity);
        break;
    case Tournament:
        loadTournament();
        break;
    case LocalClub:
        loadClubFile(QStringLiteral("Olk.clb"));
        break;
    default:
        loadClubFile(QStringLiteral("Olk.net"));
        break;
    }
}

void WorldTopTenWindow::loadScores(int gid, bool withFlag, const QString& nick,
                                   const QString& city)
{
    const int generation = m_generation;
    m_waiting += 3;
    setCursor(Qt::BusyCursor);
    QPointer<WorldTopTenWindow> self(this);
    m_client.send(online::scoreTable(gid), [self, generation, gid,
                                            withFlag](const online::Reply& reply) {
        if (!self) {
            return;
        }
        // A stale answer still ends its wait.
        self->finishOne();
        if (generation != self->m_generation) {
            return;
        }
        const online::ScoreTableResult table = online::parseScoreTable(reply, gid);
        self->m_failed->setVisible(!table.ok);
        for (int r = 0; r < 10; ++r) {
            const online::TTevRecord& entry = table.rows[r];
            if (!table.ok || entry.isEmpty()) {
                continue;
            }
            const QString who =
                withFlag ? entry.Nick + QLatin1String(", ") + entry.City
                         : entry.Nick + QLatin1String(", ") + entry.City + QLatin1String(", ") +
                               entry.Country;
            self->showRow(r, withFlag ? entry.Country : QString(),
                          entry.R07 == QLatin1String("M") ? u'M' : u'W', who,
                          QString::number(entry.Score));
        }
    });
    m_client.send(online::scoreCount(gid), [self, generation](const online::Reply& reply) {
        if (!self) {
            return;
        }
        // A stale answer still ends its wait.
        self->finishOne();
        if (generation != self->m_generation) {
            return;
        }
        const online::NumberResult count = online::parseScoreCount(reply);
        self->m_count->setText(count.ok ? text(Text::NumberOfGames) + QLatin1String(": ") +
                                              QString::number(count.value)
                                        : QString());
    });
    m_client.send(
        online::myScores(gid, nick, city), [self, generation, gid](const online::Reply& reply) {
            if (!self) {
                return;
            }
            self->finishOne();
            if (generation != self->m_generation) {
                return;
            }
            const online::ScoreTableResult own = online::parseMyScores(reply, gid);
            self->m_ownFailed->setVisible(!own.ok);
            for (int r = 0; r < 5; ++r) {
                const online::TTevRecord& entry = own.rows[r];
                self->m_own[r]->setText(own.ok && !entry.isEmpty()
                                            ? QString::number(entry.Place) + QLatin1String(". ") +
                                                  entry.Nick + QLatin1String("  ") +
                                                  QString::number(entry.Score)
                                            : QString());
            }
        });
}

void WorldTopTenWindow::loadAccountRating()
{
    const int generation = m_generation;
    ++m_waiting;
    setCursor(Qt::BusyCursor);
    QPointer<WorldTopTenWindow> self(this);
    m_client.send(online::accountTopTen(), [self, generation](const online::Reply& reply) {
        if (!self) {
            return;
        }
        // A stale answer still ends its wait.
        self->finishOne();
        if (generation != self->m_generation) {
            return;
        }
        const online::AccountTopTenResult top = online::parseAccountTopTen(reply);
        self->m_failed->setVisible(!top.ok);
        for (int r = 0; r < 10 && top.ok; ++r) {
            const online::TTevTop10& row = top.rows[r];
            if (row.Nick.isEmpty()) {
                continue;
            }
            self->showRow(r, row.Country, row.Sex, row.Nick + QLatin1String(", ") + row.City,
                          clubRatingText(row.Rating));
        }
    });
}

void WorldTopTenWindow::loadTournament()
{
    const int generation = m_generation;
    ++m_waiting;
    setCursor(Qt::BusyCursor);
    static constexpr online::TourKind kKinds[3] = {online::TourKind::Score,
                                                   online::TourKind::Rating,
                                                   online::TourKind::Games};
    QPointer<WorldTopTenWindow> self(this);
    m_client.send(online::tourTopTen(kKinds[m_kind]), [self, generation](const online::Reply& reply) {
        if (!self) {
            return;
        }
        // A stale answer still ends its wait.
        self->finishOne();
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
            self->showRow(r, entry.Country, entry.R07 == QLatin1String("M") ? u'M' : u'W',
                          entry.Nick + QLatin1String(", ") + entry.City,
                          QString::number(entry.Score));
        }
    });
}

void WorldTopTenWindow::loadClubFile(const QString& name)
{
    // This computer's club: lines 6-15, the name in characters 1-20 and the
    // score in 21-26.
    const ClubLoad load = readClubFile(QDir(m_programFolder).filePath(name));
    const bool ok = load.status == ClubStatus::Ok;
    m_failed->setVisible(!ok);
    for (int r = 0; r < 10 && ok; ++r) {
        const QByteArray line = load.file.line(6 + r);
        const QString who =
            QString::fromStdString(cp1251::toUtf8(line.left(20).toStdString())).trimmed();
        if (who.isEmpty()) {
            continue;
        }
        m_places[r]->setText(QString::number(r + 1) + QLatin1Char('.'));
        m_rows[r]->setText(who);
        m_scores[r]->setText(QString::fromLatin1(line.mid(20, 6)).trimmed());
        m_places[r]->setStyleSheet(r < 3 ? QStringLiteral("color: #ff5050; font-weight: bold;")
                                         : QString());
    }
}

void WorldTopTenWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::WorldTopTen), 0);
}

}  // namespace olk
