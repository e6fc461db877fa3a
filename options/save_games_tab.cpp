#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "options/options_dialog.h"
#include "options/options_tabs.h"
#include "settings/word_tables.h"

namespace olk {

SaveGamesTab::SaveGamesTab(OptionsDialog& dialog)
    : OptionsTab(dialog),
      m_save(new QCheckBox(this)),
      m_area(new QComboBox(this)),
      m_delayLabel(new QLabel(this)),
      m_delay(new QSpinBox(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 6, 4, 4);
    m_area->addItems({QString(), QString()});
    m_delay->setRange(10, 5000);
    m_delay->setSingleStep(10);
    m_delayLabel->setWordWrap(true);
    grid->addWidget(m_save, 0, 0, 1, 2);
    grid->addWidget(m_area, 1, 0, 1, 2);
    grid->addWidget(m_delayLabel, 2, 0);
    grid->addWidget(m_delay, 2, 1);
    grid->setRowStretch(3, 1);
    connect(m_save, &QCheckBox::toggled, this, [this](bool on) {
        m_area->setEnabled(on);
        m_delay->setEnabled(on);
        if (Settings* s = edit()) {
            s->saveGamesAsGif = on;
            commit();
        }
    });
    connect(m_area, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (Settings* s = edit(); s && index >= 0) {
            s->gifArea = index + 1;
            commit();
        }
    });
    connect(m_delay, &QSpinBox::valueChanged, this, [this](int delay) {
        if (Settings* s = edit()) {
            s->gifFrameDelay = delay;
            commit();
        }
    });
}

void SaveGamesTab::load(const Settings& s)
{
    // Games are recorded as pictures only from the small window.
    m_save->setEnabled(s.windowSize == 1);
    m_save->setChecked(s.saveGamesAsGif);
    m_area->setCurrentIndex(s.gifArea == 2 ? 1 : 0);
    m_delay->setValue(s.gifFrameDelay);
    m_area->setEnabled(s.saveGamesAsGif);
    m_delay->setEnabled(s.saveGamesAsGif);
}

void SaveGamesTab::retranslate()
{
    m_save->setText(text(Text::SaveGamesAsGifs));
    m_area->setItemText(0, text(Text::SaveMainWindowOnly));
    m_area->setItemText(1, text(Text::SaveScreen));
    m_delayLabel->setText(text(Text::DelayBetweenFrames));
}

QString SaveGamesTab::title() const
{
    return text(Text::OptionsTabSaveGames);
}

}  // namespace olk
