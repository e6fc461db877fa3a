#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "accountui/passport_dialog.h"
#include "extras/cards_button.h"
#include "options/option_rules.h"
#include "options/options_dialog.h"
#include "options/options_tabs.h"
#include "settings/word_tables.h"

namespace olk {

GeneralTab::GeneralTab(OptionsDialog& dialog)
    : OptionsTab(dialog),
      m_sizes(windowSizeChoices(dialog.environment().screen)),
      m_windowSize(new QComboBox(this)),
      m_multiplayer(new QCheckBox(this)),
      m_statistics(new QCheckBox(this)),
      m_multimedia(new QGroupBox(this)),
      m_sound(new QCheckBox(m_multimedia)),
      m_music(new QCheckBox(m_multimedia)),
      m_gif(new QCheckBox(m_multimedia)),
      m_fly(new QCheckBox(m_multimedia)),
      m_cursor(new QCheckBox(m_multimedia)),
      m_newButtons(new QCheckBox(m_multimedia)),
      m_speed(new TevCardsButton(this)),
      m_passport(new TevCardsButton(this))
{
    for (int i = 0; i < m_sizes.size(); ++i) {
        m_windowSize->addItem(QString());
    }
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(4, 6, 4, 4);
    auto* left = new QVBoxLayout;
    left->addWidget(m_windowSize);
    left->addWidget(m_multiplayer);
    left->addWidget(m_statistics);
    left->addSpacing(8);
    m_speed->setColorSB(ColorSB::DGreen);
    m_speed->setFixedHeight(30);
    left->addWidget(m_speed);
    m_passport->setColorSB(ColorSB::DGreen);
    m_passport->setFixedHeight(30);
    left->addWidget(m_passport);
    left->addStretch();
    auto* media = new QVBoxLayout(m_multimedia);
    media->setSpacing(2);
    for (QCheckBox* check : {m_sound, m_music, m_gif, m_fly, m_cursor, m_newButtons}) {
        media->addWidget(check);
    }
    columns->addLayout(left, 1);
    columns->addWidget(m_multimedia, 1, Qt::AlignTop);

    connect(m_windowSize, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (Settings* s = edit(); s && index >= 0 && index < m_sizes.size()) {
            s->windowSize = m_sizes[index];
            // Games are saved as pictures only from the small window.
            if (s->windowSize != 1) {
                s->saveGamesAsGif = false;
            }
            commit();
        }
    });
    const struct {
        QCheckBox* check;
        bool Settings::*field;
    } checks[] = {{m_multiplayer, &Settings::networkMode}, {m_sound, &Settings::soundOn},
                  {m_music, &Settings::musicOn},           {m_gif, &Settings::gifAnimation},
                  {m_fly, &Settings::flyingCards},         {m_cursor, &Settings::ownCursor},
                  {m_newButtons, &Settings::newButtons}};
    for (const auto& each : checks) {
        connect(each.check, &QCheckBox::toggled, this, [this, field = each.field](bool on) {
            if (Settings* s = edit()) {
                s->*field = on;
                commit();
            }
        });
    }
    // Ticking or clearing it is the player's answer, as if the question had
    // been asked.
    connect(m_statistics, &QCheckBox::toggled, this, [this](bool on) {
        if (Settings* s = edit()) {
            s->sendStatistics = on;
            commit();
        }
    });
    connect(m_passport, &QPushButton::clicked, this, [this] {
        PassportDialog passport(m_dialog.edit(), m_dialog.environment().programFolder, &m_dialog);
        passport.exec();
        commit();
    });
    connect(m_speed, &QPushButton::clicked, this, [this] {
        if (m_dialog.environment().chooseSpeed) {
            m_dialog.environment().chooseSpeed(&m_dialog, m_dialog.edit());
        }
        retranslate();
        commit();
    });
}

void GeneralTab::load(const Settings& s)
{
    m_windowSize->setCurrentIndex(static_cast<int>(m_sizes.indexOf(s.windowSize)));
    m_multiplayer->setChecked(s.networkMode);
    m_statistics->setChecked(s.sendStatistics.value_or(false));
    m_sound->setChecked(s.soundOn);
    m_music->setChecked(s.musicOn);
    m_gif->setChecked(s.gifAnimation);
    m_fly->setChecked(s.flyingCards);
    m_cursor->setChecked(s.ownCursor);
    m_newButtons->setChecked(s.newButtons);
    m_speed->setText(text(Text::Speed) + QLatin1Char('=') + QString::number(s.flightSpeed));
}

void GeneralTab::retranslate()
{
    static const Text kSizes[] = {Text::WindowSizeSmall, Text::WindowSizeFull,
                                  Text::WindowSizeAverage1, Text::WindowSizeAverage2,
                                  Text::WindowSizeLarge};
    for (int i = 0; i < m_sizes.size(); ++i) {
        m_windowSize->setItemText(i, text(kSizes[m_sizes[i] - 1]));
    }
    m_multiplayer->setText(text(Text::Multiplayer));
    m_statistics->setText(text(Text::SendStatistics));
    m_multimedia->setTitle(text(Text::Multimedia));
    m_sound->setText(text(Text::Sound));
    m_music->setText(text(Text::Music));
    m_gif->setText(text(Text::GifAnimation));
    m_fly->setText(text(Text::FlyCards));
    m_cursor->setText(text(Text::RedMouseCursor));
    m_newButtons->setText(text(Text::NewButtons));
    m_passport->setText(text(Text::Passport));
    m_speed->setText(text(Text::Speed) + QLatin1Char('=') +
                     QString::number(m_dialog.settings().flightSpeed));
}

QString GeneralTab::title() const
{
    return text(Text::OptionsTabGeneral);
}

}  // namespace olk
