#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include "extras/card_looks.h"
#include "extras/card_pictures.h"
#include "options/options_dialog.h"
#include "options/options_tabs.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

QIcon swatch(const QColor& colour)
{
    QPixmap square(16, 16);
    square.fill(colour);
    QPainter p(&square);
    p.setPen(QColor(40, 40, 40));
    p.drawRect(0, 0, 15, 15);
    return QIcon(square);
}

}  // namespace

BackgroundTab::BackgroundTab(OptionsDialog& dialog)
    : OptionsTab(dialog),
      m_group(new QGroupBox(this)),
      m_backgrounds(new QListWidget(m_group)),
      m_colours(new QListWidget(m_group))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 4);
    auto* lists = new QHBoxLayout(m_group);
    for (int background = 1; background <= kBackgrounds; ++background) {
        m_backgrounds->addItem(QString());
    }
    for (int colour = 0; colour < kBackgroundColours; ++colour) {
        m_colours->addItem(new QListWidgetItem(swatch(windowColour(1, colour)), QString()));
    }
    lists->addWidget(m_backgrounds);
    lists->addWidget(m_colours);
    layout->addWidget(m_group, 1);
    DownloadButton* download = dialog.addDownloadButton(3, this);
    download->setFixedHeight(26);
    layout->addWidget(download);
    connect(m_backgrounds, &QListWidget::currentRowChanged, this, [this](int row) {
        if (Settings* s = edit(); s && row >= 0) {
            s->background = row + 1;
            commit();
        }
    });
    connect(m_colours, &QListWidget::currentRowChanged, this, [this](int row) {
        if (Settings* s = edit(); s && row >= 0) {
            s->backgroundColour = row;
            commit();
        }
    });
}

void BackgroundTab::load(const Settings& s)
{
    m_backgrounds->setCurrentRow(s.background - 1);
    m_colours->setCurrentRow(s.backgroundColour);
    // Both screens purple: the background is the purple design's own.
    const bool choosable = !(s.menuDesign == 1 && s.tableDesign == 1);
    m_backgrounds->setEnabled(choosable);
    m_colours->setEnabled(choosable);
}

void BackgroundTab::retranslate()
{
    static const Text kNames[kBackgrounds] = {
        Text::BackgroundSun,     Text::BackgroundFelt,   Text::BackgroundGradient,
        Text::BackgroundCloth,   Text::Carpet,           Text::BackgroundTree,
        Text::BackgroundCasino,  Text::BackgroundPattern, Text::BackgroundSilk,
        Text::BackgroundOrnament};
    static const Text kColours[kBackgroundColours] = {
        Text::ColourGreen,     Text::ColourRed,      Text::ColourOrange, Text::ColourYellow,
        Text::ColourLightBlue, Text::ColourDarkBlue, Text::ColourViolet};
    m_group->setTitle(text(Text::Background));
    for (int i = 0; i < kBackgrounds; ++i) {
        m_backgrounds->item(i)->setText(text(kNames[i]));
    }
    for (int i = 0; i < kBackgroundColours; ++i) {
        m_colours->item(i)->setText(text(kColours[i]));
    }
}

QString BackgroundTab::title() const
{
    return text(Text::OptionsTabBackground);
}

}  // namespace olk
