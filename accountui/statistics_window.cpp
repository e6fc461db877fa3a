#include "accountui/statistics_window.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPainter>
#include <QPointer>

#include "account/field_checks.h"
#include "accountui/account_art.h"
#include "extras/cards_button.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "settings/word_tables.h"

namespace olk {

StatisticsWindow::StatisticsWindow(online::ServiceClient& client, Settings& settings,
                                   const QString& programFolder,
                                   std::function<void()> saveSettings, QWidget* parent,
                                   AccountDialogHooks hooks)
    : QDialog(parent),
      m_client(client),
      m_settings(settings),
      m_saveSettings(std::move(saveSettings)),
      m_hooks(std::move(hooks))
{
    setWindowTitle(text(Text::Statistics));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_design.load(settings, programFolder, {"", "GFormPass", "GIcon48Opt"});
    setPalette(m_design.palette());
    m_askNick = [](QWidget* over, const QString& caption) -> std::optional<QString> {
        bool ok = false;
        const QString nick = QInputDialog::getText(over, text(Text::Statistics), caption,
                                                   QLineEdit::Normal, QString(), &ok);
        return ok ? std::optional<QString>(nick) : std::nullopt;
    };

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, m_design.headerHeight() + 12, 24, 14);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    auto* heading = new QLabel(text(Text::WorldStats), this);
    QFont big = heading->font();
    big.setPixelSize(20);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, 0, 1, 2);
    static constexpr Text kLabels[10] = {
        Text::NumberOfStarts,    Text::NumberOfUniqueStarts, Text::Likes,
        Text::LastLike,          Text::GamesPlayedWithPc,    Text::CyclesPlayedWithPc,
        Text::WinningPeople,     Text::LossOfPeople,         Text::GamesPlayedNet,
        Text::GamesPlayedOnline};
    for (int k = 0; k < 10; ++k) {
        grid->addWidget(new QLabel(text(kLabels[k]) + QLatin1Char(':'), this), k + 1, 0);
        m_values[k] = new QLabel(this);
        QFont bold = m_values[k]->font();
        bold.setBold(true);
        m_values[k]->setFont(bold);
        m_values[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_values[k]->setMinimumWidth(110);
        m_values[k]->setTextFormat(Qt::PlainText);
        grid->addWidget(m_values[k], k + 1, 1);
    }
    m_like = dialogButton(this, settings, m_design, text(Text::ILikeThisGame), 170);
    TevCardsButton* ok = dialogButton(this, settings, m_design, text(Text::Ok), 90);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_like);
    buttons->addStretch();
    buttons->addWidget(ok);
    grid->addLayout(buttons, 11, 0, 1, 2);
    m_like->setEnabled(false);
    connect(m_like, &QPushButton::clicked, this, &StatisticsWindow::like);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));

    QPointer<StatisticsWindow> self(this);
    m_client.send(online::statRead(), [self](const online::Reply& reply) {
        if (!self) {
            return;
        }
        const online::StatReadResult read = online::parseStatRead(reply);
        self->m_loaded = true;
        if (!read.ok) {
            self->m_values[0]->setText(text(Text::NoConnect));
            return;
        }
        self->showFigures(read.stat);
    });
}

void StatisticsWindow::showFigures(const online::TTevStat& stat)
{
    m_stat = stat;
    const qint64 numbers[10] = {stat.Stat1,    stat.Stat2,    stat.Stat3,    0,
                                stat.StatX[0], stat.StatX[1], stat.StatX[2], stat.StatX[3],
                                stat.StatX[4], stat.StatX[5]};
    const QLocale locale;
    for (int k = 0; k < 10; ++k) {
        m_values[k]->setText(k == 3 ? stat.Stat4 : locale.toString(numbers[k]));
    }
    m_like->setEnabled(!m_settings.likeSent);
}

void StatisticsWindow::like()
{
    if (m_busy || m_settings.likeSent) {
        return;
    }
    QString nick = m_settings.passportNick;
    if (nick == QLatin1String("Incognito")) {
        // Ask until the nick would pass the passport's check, or the player
        // gives up.
        while (true) {
            const std::optional<QString> typed = m_askNick(this, text(Text::LikeNickQuestion));
            if (!typed) {
                return;
            }
            const QString candidate = typed->trimmed().left(12);
            if (passportFieldCheck(candidate, FieldKind::Nick) != Lamp::Red &&
                candidate != QLatin1String("Incognito")) {
                nick = candidate;
                break;
            }
        }
        m_settings.passportNick = nick;
        if (m_saveSettings) {
            m_saveSettings();
        }
    }
    m_busy = true;
    m_like->setEnabled(false);
    QPointer<StatisticsWindow> self(this);
    m_client.send(online::statLike(1, nick), [self, nick](const online::Reply& reply) {
        if (!self) {
            return;
        }
        self->m_busy = false;
        if (!online::parseStatLike(reply)) {
            self->m_like->setEnabled(true);
            self->m_hooks.tell(self, text(Text::CouldNotConnectToServer), QString());
            return;
        }
        ++self->m_stat.Stat3;
        self->m_values[2]->setText(QLocale().toString(self->m_stat.Stat3));
        self->m_values[3]->setText(nick);
        self->m_settings.likeSent = true;
        if (self->m_saveSettings) {
            self->m_saveSettings();
        }
    });
}

void StatisticsWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::Statistics), 0);
}

}  // namespace olk
