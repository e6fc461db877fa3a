#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "options/options_dialog.h"
#include "options/options_tabs.h"
#include "settings/word_tables.h"

namespace olk {

GameTab::GameTab(OptionsDialog& dialog)
    : OptionsTab(dialog),
      m_minor(new QGroupBox(this)),
      m_threeOfAKind(new QCheckBox(m_minor)),
      m_punish(new QCheckBox(m_minor))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 4);
    auto* rules = new QVBoxLayout(m_minor);
    for (QCheckBox* check : {m_threeOfAKind, m_punish}) {
        rules->addWidget(check);
    }
    layout->addWidget(m_minor);
    layout->addStretch();
    connect(m_threeOfAKind, &QCheckBox::toggled, this, [this](bool on) {
        if (Settings* s = edit()) {
            s->threeOfAKind30 = on;
            commit();
        }
    });
    connect(m_punish, &QCheckBox::toggled, this, [this](bool on) {
        if (Settings* s = edit()) {
            s->punishKnocker = on;
            commit();
        }
    });
}

void GameTab::load(const Settings& s)
{
    m_threeOfAKind->setChecked(s.threeOfAKind30);
    m_punish->setChecked(s.punishKnocker);
}

void GameTab::retranslate()
{
    m_minor->setTitle(text(Text::Minor));
    m_threeOfAKind->setText(text(Text::ThreeOfAKind30));
    m_punish->setText(text(Text::PunishTheKnocker));
}

QString GameTab::title() const
{
    return text(Text::OptionsTabGame);
}

}  // namespace olk
