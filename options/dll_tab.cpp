#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "options/option_rules.h"
#include "options/options_dialog.h"
#include "options/options_tabs.h"
#include "settings/word_tables.h"

namespace olk {

DllTab::DllTab(OptionsDialog& dialog)
    : OptionsTab(dialog),
      m_radioGroup(new QGroupBox(this)),
      m_fromServer(new QRadioButton(m_radioGroup)),
      m_fromDisk(new QRadioButton(m_radioGroup))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 4);
    layout->setSpacing(4);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    for (int file = 0; file < kDownloadFiles; ++file) {
        DownloadButton* button = dialog.addDownloadButton(file, this);
        button->setFixedHeight(24);
        grid->addWidget(button, file / 2, file % 2);
    }
    layout->addLayout(grid);
    auto* radio = new QVBoxLayout(m_radioGroup);
    radio->setSpacing(1);
    radio->addWidget(m_fromServer);
    radio->addWidget(m_fromDisk);
    layout->addWidget(m_radioGroup);
    layout->addStretch();
    connect(m_fromServer, &QRadioButton::toggled, this, [this](bool on) {
        if (Settings* s = edit()) {
            s->radioListFromServer = on;
            commit();
        }
    });
}

void DllTab::load(const Settings& s)
{
    (s.radioListFromServer ? m_fromServer : m_fromDisk)->setChecked(true);
}

void DllTab::retranslate()
{
    m_radioGroup->setTitle(text(Text::ReadingRadioList));
    m_fromServer->setText(text(Text::FromTheServer));
    m_fromDisk->setText(text(Text::FromDisk));
}

QString DllTab::title() const
{
    return text(Text::OptionsTabDll);
}

}  // namespace olk
