#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "extras/card_looks.h"
#include "extras/card_pictures.h"
#include "options/option_rules.h"
#include "options/options_dialog.h"
#include "options/options_tabs.h"
#include "records/resource_library.h"
#include "settings/language.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

constexpr Text kSetNames[kCardSets] = {
    Text::Classical1,          Text::Medieval1,           Text::CardSetModern,
    Text::CardSetAncientEgypt, Text::CardSetBaronesse,    Text::CardSetCeltic,
    Text::CardSetCorona,       Text::CardSetCrown,        Text::CardSetEnglishPattern,
    Text::CardSetFrankfurt,    Text::CardSetHistoricalCostumes, Text::CardSetNativeAmericans,
    Text::CardSetOldGardenRoses, Text::CardSetParrots,    Text::CardSetRoyal,
    Text::CardSetShakespeare,  Text::CardSetBigBen,       Text::CardSetFourReigns,
    Text::CardSetLargePrintLondon, Text::CardSetClassical2, Text::CardSetHearts,
    Text::CardSetSeasons,      Text::CardSetRhineStyle,   Text::Medieval2,
    Text::CardSetDoods,        Text::CardSetPlayboy,      Text::CardSetEpic,
    Text::CardSetUssr,         Text::CardSetPlastic,      Text::CardSetSkatGerman,
    Text::CardSetSkatTournament, Text::CardSetSkatFrench, Text::CardSetWhitePalekh,
    Text::CardSetDiana,        Text::CardSetPrincely,     Text::CardSetForSolitaires,
    Text::CardSetSatin,        Text::CardSetSlavic,       Text::CardSetMaya,
    Text::CardSetBast,         Text::CardSetFrench,       Text::CardSetSpanish1,
    Text::CardSetSpanish2,     Text::CardSetSpanish3,     Text::CardSetSpanish4,
    Text::CardSetChinese,      Text::CardSetItalian,      Text::CardSetCzech,
};

// A small flag for the list, from the language's flag picture.
QIcon smallFlag(int language)
{
    const QImage flag = builtInPicture(QString::fromLatin1(languageInfo(language).flag));
    if (flag.isNull()) {
        return {};
    }
    return QIcon(QPixmap::fromImage(flag.scaled(20, 14, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation)));
}

}  // namespace

QList<QImage> sampleFaces(int cardSet, const QString& programFolder, DrawingClass drawingClass)
{
    const CardCode cards[] = {{rank::kAce, suit::kSpades},
                              {rank::kKing, suit::kHearts},
                              {rank::kQueen, suit::kDiamonds},
                              {'7', suit::kClubs}};
    const CardSetInfo& set = cardSetInfo(cardSet);
    std::optional<ResourceLibrary> library;
    if (set.library != 0) {
        library = ResourceLibrary::find(cardLibraryFile(set.library), programFolder);
        if (!library) {
            return {};
        }
    }
    QList<QImage> faces;
    for (CardCode card : cards) {
        QImage face;
        if (library) {
            face = QImage::fromData(
                library->bytes(libraryFaceName(card, cardSet, drawingClass))
                    .value_or(QByteArray()));
            restoreLibraryFace(face, drawingClass, set.narrow);
        } else {
            face = builtInPicture(faceName(card) + (drawingClass == DrawingClass::Small
                                                        ? QString()
                                                        : QStringLiteral("B")));
        }
        if (!face.isNull()) {
            faces.append(face);
        }
    }
    return faces;
}

QList<QImage> sampleBacks(int deckIndex, const QString& programFolder, DrawingClass drawingClass)
{
    std::optional<ResourceLibrary> library;
    if (deckIndex != 0) {
        library = ResourceLibrary::find(cardLibraryFile('B'), programFolder);
        if (!library) {
            return {};
        }
    }
    QList<QImage> backs;
    for (int number : {1, deckInfo(deckIndex).backs}) {
        const QString name = backName(number, deckIndex, drawingClass, false);
        const QImage back = library ? QImage::fromData(library->bytes(name).value_or(QByteArray()))
                                    : builtInPicture(name);
        if (!back.isNull()) {
            backs.append(back);
        }
    }
    return backs;
}

CardsTab::CardsTab(OptionsDialog& dialog)
    : OptionsTab(dialog), m_sets(new QListWidget(this)), m_samples(new CardSamples(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    m_sets->setIconSize(QSize(20, 14));
    for (int set = 0; set < kCardSets; ++set) {
        m_sets->addItem(new QListWidgetItem(smallFlag(cardSetInfo(set).flagLanguage), QString()));
    }
    layout->addWidget(m_sets, 1);
    layout->addWidget(m_samples, 0, Qt::AlignHCenter);
    auto* downloads = new QHBoxLayout;
    for (int file = 0; file < 3; ++file) {
        DownloadButton* button = dialog.addDownloadButton(file, this);
        button->setFixedHeight(26);
        downloads->addWidget(button);
    }
    layout->addLayout(downloads);
    connect(m_sets, &QListWidget::currentRowChanged, this, [this](int row) {
        if (Settings* s = edit(); s && row >= 0) {
            s->cardSet = row;
            commit();
        }
    });
}

void CardsTab::load(const Settings& s)
{
    m_sets->setCurrentRow(s.cardSet);
    if (m_shownSet != s.cardSet) {
        m_shownSet = s.cardSet;
        m_samples->setPictures(sampleFaces(s.cardSet, m_dialog.environment().programFolder,
                                           m_samples->samplesClass()));
    }
}

void CardsTab::retranslate()
{
    for (int set = 0; set < kCardSets; ++set) {
        m_sets->item(set)->setText(text(kSetNames[set]));
    }
}

QString CardsTab::title() const
{
    return text(Text::Cards);
}

}  // namespace olk
