#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "extras/card_looks.h"
#include "options/option_rules.h"
#include "options/options_dialog.h"
#include "options/options_tabs.h"
#include "settings/word_tables.h"

namespace olk {

DecksTab::DecksTab(OptionsDialog& dialog)
    : OptionsTab(dialog),
      m_decks(new QListWidget(this)),
      m_modification(new QGroupBox(this)),
      m_modeGroup(new QButtonGroup(this)),
      m_samples(new CardSamples(this))
{
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(4, 4, 4, 4);
    auto* left = new QVBoxLayout;
    for (int deck = 0; deck < kDecks; ++deck) {
        m_decks->addItem(QString());
    }
    left->addWidget(m_decks, 1);
    DownloadButton* download = dialog.addDownloadButton(1, this);
    download->setFixedHeight(26);
    left->addWidget(download);
    auto* right = new QVBoxLayout;
    auto* modes = new QVBoxLayout(m_modification);
    modes->setSpacing(2);
    for (int mode = 0; mode < 3; ++mode) {
        m_modes[mode] = new QRadioButton(m_modification);
        m_modeGroup->addButton(m_modes[mode], mode);
        modes->addWidget(m_modes[mode]);
    }
    right->addWidget(m_modification);
    right->addWidget(m_samples, 0, Qt::AlignHCenter);
    right->addStretch();
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    connect(m_decks, &QListWidget::currentRowChanged, this, [this](int row) {
        if (Settings* s = edit(); s && row >= 0) {
            s->deckIndex = row;
            commit();
        }
    });
    connect(m_modeGroup, &QButtonGroup::idToggled, this, [this](int mode, bool on) {
        if (Settings* s = edit(); s && on && mode != static_cast<int>(DeckMode::Random)) {
            s->deckAlwaysOne = mode == static_cast<int>(DeckMode::AlwaysOne);
            commit();
        }
    });
}

void DecksTab::load(const Settings& s)
{
    m_decks->setCurrentRow(s.deckIndex);
    const DeckModeChoice choice = deckModeChoice(s.deckIndex, s.deckAlwaysOne);
    for (int mode = 0; mode < 3; ++mode) {
        m_modes[mode]->setEnabled(choice.enabled[mode]);
    }
    m_modes[static_cast<int>(choice.shown)]->setChecked(true);
    if (m_shownDeck != s.deckIndex) {
        m_shownDeck = s.deckIndex;
        m_samples->setPictures(sampleBacks(s.deckIndex, m_dialog.environment().programFolder,
                                           m_samples->samplesClass()));
    }
}

void DecksTab::retranslate()
{
    static const Text kNames[kDecks] = {
        Text::Classical1,   Text::Medieval1,    Text::Medieval2,  Text::Carpet,
        Text::DeckCross,    Text::DeckChess,    Text::DeckDiamond, Text::DeckKnightly,
        Text::DeckAnimals,  Text::DeckFlowers,  Text::DeckPlaces, Text::DeckOther,
        Text::DeckRussian};
    for (int deck = 0; deck < kDecks; ++deck) {
        m_decks->item(deck)->setText(text(kNames[deck]));
    }
    m_modification->setTitle(text(Text::Modification));
    m_modes[0]->setText(text(Text::ToChangeDecks));
    m_modes[1]->setText(text(Text::AlwaysOne));
    m_modes[2]->setText(text(Text::Random));
}

QString DecksTab::title() const
{
    return text(Text::OptionsTabDecks);
}

}  // namespace olk
