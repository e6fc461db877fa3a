#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "options/option_rules.h"
#include "options/options_dialog.h"
#include "options/options_tabs.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

// The auxiliary design list: "Gray aristocratic", "Gray concise", "Gray with
// red ribbons", "Purple".
constexpr int kGreyOfEntry[3] = {2, 1, 3};

int auxEntry(const Settings& s)
{
    if (s.auxDesignPurple) {
        return 3;
    }
    return s.auxDesignGrey == 1 ? 1 : (s.auxDesignGrey == 3 ? 2 : 0);
}

}  // namespace

DesignTab::DesignTab(OptionsDialog& dialog)
    : OptionsTab(dialog),
      m_menuLabel(new QLabel(this)),
      m_menu(new QComboBox(this)),
      m_tableLabel(new QLabel(this)),
      m_table(new QComboBox(this)),
      m_auxLabel(new QLabel(this)),
      m_aux(new QComboBox(this)),
      m_salute(new QGroupBox(this)),
      m_saluteButtons(new QCheckBox(m_salute)),
      m_saluteCards(new QCheckBox(m_salute))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    m_menu->addItems({QString(), QString()});
    m_table->addItems({QString(), QString()});
    m_aux->addItems({QString(), QString(), QString(), QString()});
    for (QWidget* each : {static_cast<QWidget*>(m_menuLabel), static_cast<QWidget*>(m_menu),
                          static_cast<QWidget*>(m_tableLabel), static_cast<QWidget*>(m_table),
                          static_cast<QWidget*>(m_auxLabel), static_cast<QWidget*>(m_aux)}) {
        layout->addWidget(each);
    }
    auto* salute = new QHBoxLayout(m_salute);
    salute->addWidget(m_saluteButtons);
    salute->addWidget(m_saluteCards);
    layout->addSpacing(4);
    layout->addWidget(m_salute);
    layout->addStretch();
    connect(m_menu, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (Settings* s = edit(); s && index >= 0) {
            s->menuDesign = index;
            commit();
        }
    });
    connect(m_table, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (Settings* s = edit(); s && index >= 0) {
            s->tableDesign = index;
            commit();
        }
    });
    connect(m_aux, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (Settings* s = edit(); s && index >= 0) {
            s->auxDesignPurple = index == 3;
            if (index < 3) {
                s->auxDesignGrey = kGreyOfEntry[index];
            }
            commit();
        }
    });
    connect(m_saluteButtons, &QCheckBox::toggled, this, [this](bool on) {
        if (Settings* s = edit()) {
            s->saluteButtons = on;
            commit();
        }
    });
    connect(m_saluteCards, &QCheckBox::toggled, this, [this](bool on) {
        if (Settings* s = edit()) {
            s->saluteCards = on;
            commit();
        }
    });
}

void DesignTab::load(const Settings& s)
{
    m_menu->setCurrentIndex(s.menuDesign == 1 ? 1 : 0);
    m_table->setCurrentIndex(s.tableDesign == 1 ? 1 : 0);
    m_aux->setCurrentIndex(auxEntry(s));
    // The salute is a picture of the graphics library.
    const bool available = saluteAvailable(m_dialog.environment().programFolder);
    m_salute->setEnabled(available);
    m_saluteButtons->setChecked(available && s.saluteButtons);
    m_saluteCards->setChecked(available && s.saluteCards);
}

void DesignTab::retranslate()
{
    m_menuLabel->setText(text(Text::MainMenuDesign));
    m_tableLabel->setText(text(Text::GameTableDesign));
    m_auxLabel->setText(text(Text::AuxWindowDesign));
    for (QComboBox* design : {m_menu, m_table}) {
        design->setItemText(0, text(Text::Customizable));
        design->setItemText(1, text(Text::Purple));
    }
    m_aux->setItemText(0, text(Text::GrayAristocratic));
    m_aux->setItemText(1, text(Text::GrayConcise));
    m_aux->setItemText(2, text(Text::GrayWithRedRibbons));
    m_aux->setItemText(3, text(Text::Purple));
    m_salute->setTitle(text(Text::Salute));
    m_saluteButtons->setText(text(Text::Buttons));
    m_saluteCards->setText(text(Text::Cards));
}

QString DesignTab::title() const
{
    return text(Text::OptionsTabDesign);
}

}  // namespace olk
