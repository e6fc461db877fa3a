#include "accountui/world_top_ten.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

#include "account/countries.h"
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
                                     QString accountCity, QWidget* parent, AccountDialogHooks hooks)
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
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(12, m_design.headerHeight() + 10, 12, 12);
    auto* icons = new QVBoxLayout;
    const Text names[3] = {Text::TableWindows, Text::TableAndroid, Text::TableAccounts};
    for (int t = 0; t < 3; ++t) {
        auto* button = new QToolButton(this);
        button->setIcon(worldTableIcon(t + 1, 48));
        button->setIconSize(QSize(48, 48));
        button->setFixedSize(56, 56);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setToolTip(text(names[t]));
        button->setAccessibleName(text(names[t]));
        button->setStyleSheet(QStringLiteral(
            "QToolButton:checked { border: 2px solid #c00000; border-radius: 8px; }"));
        connect(button, &QToolButton::clicked, this, [this, t] { chooseTable(t + 1); });
        m_tables[t] = button;
        icons->addWidget(button);
    }
    icons->addStretch();
    outer->addLayout(icons);

    auto* right = new QVBoxLayout;
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
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
        grid->setRowMinimumHeight(r, 20);
    }
    grid->setColumnStretch(3, 1);
    right->addLayout(grid);
    m_failed = new QLabel(text(Text::NoConnect), this);
    m_failed->setAlignment(Qt::AlignCenter);
    right->addWidget(m_failed);
    m_count = new QLabel(this);
    m_count->setAlignment(Qt::AlignCenter);
    right->addWidget(m_count);
    for (QLabel*& own : m_own) {
        own = new QLabel(this);
        own->setTextFormat(Qt::PlainText);
        right->addWidget(own);
    }
    m_ownFailed = new QLabel(text(Text::NoConnect), this);
    right->addWidget(m_ownFailed);
    auto* buttons = new QHBoxLayout;
    TevCardsButton* passport = dialogButton(this, settings, m_design, text(Text::Passport), 110);
    TevCardsButton* close = dialogButton(this, settings, m_design, text(Text::CloseButton), 110);
    buttons->addWidget(passport);
    buttons->addStretch();
    buttons->addWidget(close);
    right->addStretch();
    right->addLayout(buttons);
    outer->addLayout(right, 1);
    connect(passport, &QPushButton::clicked, this, [this] {
        m_hooks.editPassport(this, m_settings, m_programFolder);
        reload();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(640, m_design.headerHeight() + 440);
    chooseTable(1);
}

void WorldTopTenWindow::chooseTable(int table)
{
    m_table = std::clamp(table, 1, 3);
    for (int t = 0; t < 3; ++t) {
        m_tables[t]->setChecked(t + 1 == m_table);
    }
    reload();
}

void WorldTopTenWindow::finishOne()
{
    if (--m_waiting == 0) {
        unsetCursor();
    }
}

void WorldTopTenWindow::reload()
{
    // Answers to an earlier choice of table are dropped.
    const int generation = ++m_generation;
    const int gid = m_table == 1   ? online::kWindowsTable
                    : m_table == 2 ? online::kAndroidTable
                                   : online::kAccountTable;
    const bool windows = m_table == 1;
    m_waiting += 3;
    setCursor(Qt::BusyCursor);
    QPointer<WorldTopTenWindow> self(this);
    m_client.send(online::scoreTable(gid), [self, generation, gid,
                                            windows](const online::Reply& reply) {
        if (!self || generation != self->m_generation) {
            return;
        }
        const online::ScoreTableResult table = online::parseScoreTable(reply, gid);
        self->m_failed->setVisible(!table.ok);
        for (int r = 0; r < 10; ++r) {
            const online::TTevRecord& entry = table.rows[r];
            const bool shown = table.ok && !entry.isEmpty();
            self->m_places[r]->setText(shown ? QString::number(r + 1) + QLatin1Char('.')
                                             : QString());
            self->m_flags[r]->setPixmap(shown && windows ? countryFlag(entry.Country, QSize(24, 16))
                                                         : QPixmap());
            self->m_faces[r]->setPixmap(
                shown ? facePicture(entry.R07 == QLatin1String("M") ? u'M' : u'W', QSize(16, 20))
                      : QPixmap());
            self->m_rows[r]->setText(!shown    ? QString()
                                     : windows ? entry.Nick + QLatin1String(", ") + entry.City
                                               : entry.Nick + QLatin1String(", ") + entry.City +
                                                     QLatin1String(", ") + entry.Country);
            self->m_scores[r]->setText(shown ? QString::number(entry.Score) : QString());
        }
        self->finishOne();
    });
    m_client.send(online::scoreCount(gid), [self, generation](const online::Reply& reply) {
        if (!self || generation != self->m_generation) {
            return;
        }
        const online::NumberResult count = online::parseScoreCount(reply);
        self->m_count->setText(count.ok ? text(Text::NumberOfGames) + QLatin1String(": ") +
                                              QString::number(count.value)
                                        : QString());
        self->finishOne();
    });
    const bool account = m_table == 3;
    const QString nick = account ? m_accountNick : m_settings.passportNick;
    const QString city = account ? m_accountCity : m_settings.passportCity;
    m_client.send(
        online::myScores(gid, nick, city), [self, generation, gid](const online::Reply& reply) {
            if (!self || generation != self->m_generation) {
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
            self->finishOne();
        });
}

void WorldTopTenWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::WorldTopTen), 0);
}

}  // namespace olk
