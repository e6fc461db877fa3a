#include "extras/card_pictures.h"

#include <QHash>
#include <QPainter>

#include "extras/card_looks.h"
#include "extras/draw_stretched.h"

// The built-in pictures: the table's and the menu's, and the dialogs'.
void initOlkArt()
{
    Q_INIT_RESOURCE(olk_art);
    Q_INIT_RESOURCE(olk_dialog_art);
}

namespace olk {

namespace {

constexpr const char* kBackParts[8] = {"", "01Mo", "02Tu", "03We", "04Th", "05Fr", "06Su", "07Su"};

}  // namespace

CardPictures::CardPictures()
{
    initOlkArt();
}

QImage graphicsLibraryPicture(const QString& programFolder, const QString& name)
{
    const std::optional<ResourceLibrary> library =
        ResourceLibrary::find(QStringLiteral("TevCGraph1.dll"), programFolder);
    return library ? QImage::fromData(library->bytes(name).value_or(QByteArray())) : QImage();
}

QImage builtInPicture(const QString& name)
{
    static const bool registered = [] {
        initOlkArt();
        return true;
    }();
    (void)registered;
    // Decoded once; the pictures are shared, not copied, between the places
    // that draw them.
    static QHash<QString, QImage> cache;
    const auto found = cache.constFind(name);
    if (found != cache.constEnd()) {
        return *found;
    }
    const QImage picture(QStringLiteral(":/art/") + name);
    cache.insert(name, picture);
    return picture;
}

void CardPictures::load(DrawingClass drawingClass, int cardWidth, int cardHeight, int cornerSize,
                        qreal ratio)
{
    load(CardSources{}, 0, 0, drawingClass, cardWidth, cardHeight, cornerSize, ratio);
}

CardSources findCardSources(Settings& settings, DrawingClass drawingClass,
                            const QString& programFolder)
{
    CardSources sources;
    auto open = [&](const QString& file) {
        std::optional<ResourceLibrary> library = ResourceLibrary::find(file, programFolder);
        if (!library && !sources.missingLibraries.contains(file)) {
            sources.missingLibraries.append(file);
        }
        return library;
    };
    const CardSetInfo& set = cardSetInfo(settings.cardSet);
    if (set.library != 0) {
        sources.faces = open(cardLibraryFile(set.library));
        if (!sources.faces) {
            settings.cardSet = 0;
        }
    }
    if (settings.cardSet < 0 || settings.cardSet >= kCardSets) {
        settings.cardSet = 0;
    }
    if (settings.deckIndex < 0 || settings.deckIndex >= kDecks) {
        settings.deckIndex = 0;
    }
    const bool narrow = cardSetInfo(settings.cardSet).narrow;
    const bool builtInBacks =
        settings.deckIndex == 0 && (drawingClass == DrawingClass::Small || !narrow);
    if (!builtInBacks) {
        const QString file = cardLibraryFile('B');
        sources.backs = set.library == 'B' && sources.faces ? sources.faces : open(file);
        if (!sources.backs) {
            settings.deckIndex = 0;
            // Deck 0's backs for a narrow set outside the small class are in
            // that library too: without them the set cannot be drawn either.
            if (narrow && drawingClass != DrawingClass::Small) {
                settings.cardSet = 0;
                sources.faces.reset();
            }
        }
    }
    return sources;
}

void CardPictures::load(const CardSources& sources, int cardSet, int deckIndex,
                        DrawingClass tableClass, int cardWidth, int cardHeight, int cornerSize,
                        qreal ratio)
{
    // Above ratio 1 every class resamples the large pictures to the device's
    // pixels; the small class's cards come out whole, as the scaled class's.
    const bool device = ratio != 1.0;
    const DrawingClass drawingClass =
        device && tableClass == DrawingClass::Small ? DrawingClass::Scaled : tableClass;
    m_class = drawingClass;
    m_outlined = drawingClass == DrawingClass::Small;
    const QString suffix = drawingClass == DrawingClass::Small ? QString() : QStringLiteral("B");
    const bool narrow = sources.faces && cardSetInfo(cardSet).narrow;
    auto prepare = [&](const QImage& picture) {
        if (device) {
            QImage card = stretchedCard(picture, qRound(cardWidth * ratio),
                                        qRound(cardHeight * ratio), qRound(cornerSize * ratio));
            card.setDevicePixelRatio(ratio);
            return card;
        }
        return drawingClass == DrawingClass::Scaled
                   ? stretchedCard(picture, cardWidth, cardHeight, cornerSize)
                   : picture;
    };
    // A library picture: decoded, and held at 69 x 94 in the small class.
    auto fromLibrary = [&](const std::optional<ResourceLibrary>& library, const QString& name,
                           bool face) -> QImage {
        if (!library) {
            return {};
        }
        const std::optional<QByteArray> bytes = library->bytes(name);
        QImage picture;
        if (!bytes || !picture.loadFromData(*bytes, "PNG")) {
            return {};
        }
        if (face) {
            restoreLibraryFace(picture, drawingClass, narrow);
        }
        if (drawingClass == DrawingClass::Small && picture.size() != QSize(69, 94)) {
            picture = picture.scaled(69, 94, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        return picture;
    };
    for (int n = 1; n <= 52; ++n) {
        const CardCode card = cardFromNumber(n).code;
        QImage picture =
            fromLibrary(sources.faces, libraryFaceName(card, cardSet, drawingClass), true);
        if (picture.isNull()) {
            picture = builtInPicture(faceName(card) + suffix);
        }
        m_faces[static_cast<std::size_t>(n)] = prepare(picture);
    }
    const int backs = sources.backs ? deckInfo(deckIndex).backs : 7;
    for (int b = 1; b <= 10; ++b) {
        QImage picture;
        if (b <= backs) {
            picture =
                fromLibrary(sources.backs, backName(b, deckIndex, drawingClass, narrow), false);
            if (picture.isNull()) {
                picture = builtInPicture(QStringLiteral("Ob") +
                                         QString::fromLatin1(kBackParts[std::min(b, 7)]) + suffix);
            }
            picture = prepare(picture);
        }
        m_backs[static_cast<std::size_t>(b)] = picture;
    }
}

namespace {

// A background picture at `logical` size on a screen of `ratio`: resampled
// once to the device's pixels and carrying the ratio.
QImage deviceBackground(const QImage& picture, QSize logical, qreal ratio)
{
    QImage result = devicePicture(picture, logical, ratio).convertToFormat(QImage::Format_RGB32);
    result.setDevicePixelRatio(ratio);
    return result;
}

}  // namespace

void CardPictures::loadBackground(int windowSize, QSize client, qreal ratio)
{
    if (windowSize == 1) {
        // The small table's own picture, at its own size.
        const QImage felt = builtInPicture(QStringLiteral("FonG"));
        m_background = deviceBackground(felt, felt.size(), ratio);
    } else {
        m_background = deviceBackground(builtInPicture(QStringLiteral("FonGB")), client, ratio);
    }
}

QStringList CardPictures::loadBackground(Settings& settings, bool purple, QSize client,
                                         const QString& programFolder, qreal ratio)
{
    QStringList missing;
    // A JPEG picture of a library, or null.
    auto picture = [&](const QString& file, const QString& name) -> QImage {
        const std::optional<ResourceLibrary> library = ResourceLibrary::find(file, programFolder);
        if (!library) {
            missing.append(file);
            return {};
        }
        QImage image;
        const std::optional<QByteArray> bytes = library->bytes(name);
        if (!bytes || !image.loadFromData(*bytes, "JPEG")) {
            return {};
        }
        return image;
    };
    auto stretched = [&](const QImage& image) { return deviceBackground(image, client, ratio); };
    if (purple) {
        const QImage lilac = picture(QStringLiteral("TevCGraph1.dll"), QStringLiteral("BGLilu"));
        if (!lilac.isNull()) {
            m_background = stretched(lilac);
            return missing;
        }
        settings.auxDesignPurple = false;
        settings.menuDesign = 0;
        settings.tableDesign = 0;
    }
    if (settings.background < 0 || settings.background > kBackgrounds ||
        settings.backgroundColour < 0 || settings.backgroundColour >= kBackgroundColours) {
        settings.background = 2;
        settings.backgroundColour = 0;
    }
    if (settings.background == 0) {
        m_background = QImage();
        return missing;
    }
    if (settings.background != 2 || settings.backgroundColour != 0) {
        const QImage chosen = picture(
            QStringLiteral("TevBackG03.dll"),
            backgroundName(settings.background, settings.backgroundColour, settings.windowSize));
        if (!chosen.isNull()) {
            m_background = settings.windowSize == 1 ? deviceBackground(chosen, chosen.size(), ratio)
                                                    : stretched(chosen);
            return missing;
        }
        // A library without the picture is as good as none.
        settings.background = 2;
        settings.backgroundColour = 0;
    }
    loadBackground(settings.windowSize, client, ratio);
    return missing;
}

const QImage& CardPictures::face(CardCode card) const
{
    const int n = numberOfCard(card);
    return n == 0 ? m_none : m_faces[static_cast<std::size_t>(n)];
}

const QImage& CardPictures::back(int backNumber) const
{
    const bool known = backNumber >= 1 && backNumber <= 10 &&
                       !m_backs[static_cast<std::size_t>(backNumber)].isNull();
    return m_backs[static_cast<std::size_t>(known ? backNumber : 1)];
}

QColor windowColour(int background, int backgroundColour)
{
    static const QColor kColours[] = {{0, 128, 0},   {128, 0, 0}, {128, 64, 0}, {128, 128, 0},
                                      {0, 128, 128}, {0, 0, 128}, {128, 0, 128}};
    if (background == 0 || backgroundColour < 0 || backgroundColour > 6) {
        return kColours[0];
    }
    return kColours[backgroundColour];
}

}  // namespace olk
