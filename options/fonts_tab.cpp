#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "extras/cards_button.h"
#include "options/options_dialog.h"
#include "options/options_tabs.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

struct FamilyFields {
    QString Settings::*name;
    int Settings::*scale;
};

// "Large font", "Small font", "Special font 1", "Special font 2".
constexpr FamilyFields kFamilies[4] = {{&Settings::fontDecor, &Settings::scaleDecor},
                                       {&Settings::fontSerif, &Settings::scaleSerif},
                                       {&Settings::fontFixed, &Settings::scaleFixed},
                                       {&Settings::fontConew, &Settings::scaleConew}};

}  // namespace

FontsTab::FontsTab(OptionsDialog& dialog)
    : OptionsTab(dialog),
      m_family(new QComboBox(this)),
      m_font(new QComboBox(this)),
      m_scaleLabel(new QLabel(this)),
      m_scale(new QSpinBox(this)),
      m_default(new TevCardsButton(this)),
      m_note(new QLabel(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 6, 4, 4);
    for (int i = 0; i < 4; ++i) {
        m_family->addItem(QString());
    }
    m_font->addItems(QFontDatabase::families());
    m_font->setMaxVisibleItems(16);
    m_scale->setRange(50, 150);
    m_default->setColorSB(ColorSB::DGreen);
    m_default->setFixedHeight(28);
    m_note->setWordWrap(true);
    grid->addWidget(m_family, 0, 0, 1, 2);
    grid->addWidget(m_font, 1, 0, 1, 2);
    grid->addWidget(m_scaleLabel, 2, 0);
    grid->addWidget(m_scale, 2, 1);
    grid->addWidget(m_default, 3, 0, 1, 2);
    grid->addWidget(m_note, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);

    connect(m_family, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            m_familyShown = index;
            showFamily();
        }
    });
    connect(m_font, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (Settings* s = edit(); s && !name.isEmpty()) {
            s->*kFamilies[m_familyShown].name = name;
            commit();
        }
    });
    connect(m_scale, &QSpinBox::valueChanged, this, [this](int percent) {
        if (Settings* s = edit(); s && percent >= 50 && percent <= 150) {
            s->*kFamilies[m_familyShown].scale = percent;
            commit();
        }
    });
    connect(m_default, &QPushButton::clicked, this, [this] {
        if (Settings* s = edit()) {
            const Settings defaults;
            for (const FamilyFields& family : kFamilies) {
                s->*family.name = defaults.*family.name;
                s->*family.scale = defaults.*family.scale;
            }
            showFamily();
            commit();
        }
    });
}

void FontsTab::showFamily()
{
    const Settings& s = m_dialog.settings();
    const QSignalBlocker quietFont(m_font);
    const QSignalBlocker quietScale(m_scale);
    const QString name = s.*kFamilies[m_familyShown].name;
    // A face the settings name but this machine lacks (the program maps it
    // to one it has) still shows as chosen.
    if (m_font->findText(name) < 0) {
        m_font->insertItem(0, name);
    }
    m_font->setCurrentIndex(m_font->findText(name));
    m_scale->setValue(s.*kFamilies[m_familyShown].scale);
}

void FontsTab::load(const Settings&)
{
    showFamily();
}

void FontsTab::retranslate()
{
    m_family->setItemText(0, text(Text::FontLarge));
    m_family->setItemText(1, text(Text::FontSmall));
    m_family->setItemText(2, text(Text::FontSpecial) + QStringLiteral(" 1"));
    m_family->setItemText(3, text(Text::FontSpecial) + QStringLiteral(" 2"));
    m_scaleLabel->setText(text(Text::ScalePercent));
    m_default->setText(text(Text::DefaultFonts));
    m_note->setText(text(Text::AttentionExclamation) + QLatin1Char('\n') +
                    text(Text::FontsChangeWarning));
}

QString FontsTab::title() const
{
    return text(Text::OptionsTabFonts);
}

}  // namespace olk
