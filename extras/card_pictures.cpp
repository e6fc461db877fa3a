#include "extras/card_pictures.h"

#include <QHash>
#include <QPainter>

#include "extras/draw_stretched.h"

void initOlkArt()
{
    Q_INIT_RESOURCE(olk_art);
}

namespace olk {

namespace {

constexpr const char* kBackParts[8] = {"", "01Mo", "02Tu", "03We", "04Th", "05Fr", "06Su", "07Su"};

}  // namespace

CardPictures::CardPictures()
{
    initOlkArt();
}

QImage builtInPicture(const QString& name)
{
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

QString faceName(CardCode card)
{
    return QString::fromStdString(cardResourceName(card));
}

void CardPictures::load(DrawingClass drawingClass, int cardWidth, int cardHeight, int cornerSize)
{
    m_class = drawingClass;
    const QString suffix = drawingClass == DrawingClass::Small ? QString() : QStringLiteral("B");
    auto prepare = [&](const QImage& picture) {
        return drawingClass == DrawingClass::Scaled
                   ? stretchedCard(picture, cardWidth, cardHeight, cornerSize)
                   : picture;
    };
    for (int n = 1; n <= 52; ++n) {
        m_faces[static_cast<std::size_t>(n)] =
            prepare(builtInPicture(faceName(cardFromNumber(n).code) + suffix));
    }
    for (int b = 1; b <= 7; ++b) {
        m_backs[static_cast<std::size_t>(b)] = prepare(
            builtInPicture(QStringLiteral("Ob") + QString::fromLatin1(kBackParts[b]) + suffix));
    }
}

void CardPictures::loadBackground(int windowSize, QSize client)
{
    if (windowSize == 1) {
        m_background = builtInPicture(QStringLiteral("FonG"));
    } else {
        m_background = builtInPicture(QStringLiteral("FonGB"))
                           .scaled(client, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_background = m_background.convertToFormat(QImage::Format_RGB32);
}

const QImage& CardPictures::face(CardCode card) const
{
    const int n = numberOfCard(card);
    return n == 0 ? m_none : m_faces[static_cast<std::size_t>(n)];
}

const QImage& CardPictures::back(int backNumber) const
{
    return m_backs[static_cast<std::size_t>(backNumber >= 1 && backNumber <= 7 ? backNumber : 1)];
}

int chooseBack(bool alwaysOne, int dayOfWeek)
{
    if (alwaysOne || dayOfWeek < 1 || dayOfWeek > 7) {
        return 7;
    }
    return dayOfWeek;
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
