// The card libraries "TevCards06A.dll", "TevCards06B.dll" and
// "TevCards06C.dll" as the build makes them with olk-cardgen: every face and
// back the game asks for is there at its size, faces come back the right way
// round through the game's own restoring, and the sets are different
// products.

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QString>

#include <cstdlib>
#include <map>
#include <optional>

#include "core/card.h"
#include "extras/card_looks.h"
#include "records/resource_library.h"

namespace olk {
namespace {

const ResourceLibrary& library(char letter)
{
    static std::map<char, std::optional<ResourceLibrary>> opened;
    auto found = opened.find(letter);
    if (found == opened.end()) {
        found = opened
                    .emplace(letter, ResourceLibrary::open(QStringLiteral(OLK_LIBRARY_DIR "/") +
                                                           cardLibraryFile(letter)))
                    .first;
    }
    if (!found->second) {
        ADD_FAILURE() << "cannot open " << cardLibraryFile(letter).toStdString();
        std::abort();
    }
    return *found->second;
}

QImage picture(char letter, const QString& name)
{
    QImage image;
    const std::optional<QByteArray> bytes = library(letter).bytes(name);
    if (bytes) {
        image.loadFromData(*bytes, "PNG");
    }
    return image;
}

QSize faceSize(DrawingClass drawingClass, bool narrow)
{
    return drawingClass == DrawingClass::Small ? QSize(69, 94) : QSize(narrow ? 126 : 146, 198);
}

// The sum of the brightness steps between neighbouring pixels: a picture
// with a seam where its stored form was turned over has a much larger one.
double roughness(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y + 1 < rgb.height(); ++y) {
        for (int x = 0; x + 1 < rgb.width(); ++x) {
            const int here = qGray(rgb.pixel(x, y));
            sum += std::abs(here - qGray(rgb.pixel(x + 1, y))) +
                   std::abs(here - qGray(rgb.pixel(x, y + 1)));
        }
    }
    return sum;
}

TEST(CardLibraries, EveryFaceOfEverySetIsThereAtItsSize)
{
    for (int cardSet = 1; cardSet < kCardSets; ++cardSet) {
        const CardSetInfo& set = cardSetInfo(cardSet);
        for (int n = 1; n <= 52; ++n) {
            const CardCode card = cardFromNumber(n).code;
            for (const DrawingClass drawingClass : {DrawingClass::Small, DrawingClass::Large}) {
                const QString name = libraryFaceName(card, cardSet, drawingClass);
                EXPECT_EQ(picture(set.library, name).size(), faceSize(drawingClass, set.narrow))
                    << "set " << cardSet << ": " << name.toStdString();
            }
        }
    }
}

TEST(CardLibraries, EveryBackIsThereAtItsSize)
{
    const struct {
        DrawingClass drawingClass;
        bool narrow;
        QSize size;
    } classes[] = {{DrawingClass::Small, false, QSize(69, 94)},
                   {DrawingClass::Large, false, QSize(146, 198)},
                   {DrawingClass::Large, true, QSize(126, 198)}};
    for (int deck = 0; deck < kDecks; ++deck) {
        for (int back = 1; back <= deckInfo(deck).backs; ++back) {
            for (const auto& drawn : classes) {
                // Deck 0's backs are built into the program but for narrow sets.
                if (deck == 0 && !drawn.narrow) {
                    continue;
                }
                const QString name = backName(back, deck, drawn.drawingClass, drawn.narrow);
                EXPECT_EQ(picture('B', name).size(), drawn.size) << name.toStdString();
            }
        }
    }
}

// Faces are stored with an ellipse turned over; the game's restoring must
// give back a whole picture, without the seam. A face stored as it is
// displayed would come out of restoring with the seam instead.
TEST(CardLibraries, RestoredFacesHaveNoSeam)
{
    const CardCode cards[] = {
        {rank::kKing, suit::kHearts}, {'7', suit::kClubs}, {rank::kAce, suit::kDiamonds}};
    for (int cardSet = 1; cardSet < kCardSets; ++cardSet) {
        const CardSetInfo& set = cardSetInfo(cardSet);
        for (const CardCode card : cards) {
            for (const DrawingClass drawingClass : {DrawingClass::Small, DrawingClass::Large}) {
                const QString name = libraryFaceName(card, cardSet, drawingClass);
                const QImage stored = picture(set.library, name);
                QImage restored = stored;
                restoreLibraryFace(restored, drawingClass, set.narrow);
                EXPECT_LT(roughness(restored), roughness(stored))
                    << "set " << cardSet << ": " << name.toStdString();
            }
        }
    }
}

// The table draws the corners of the small cards as part of its outline:
// they are stored white, so no hole shows between the two.
TEST(CardLibraries, SmallFacesHaveWhiteCorners)
{
    for (int cardSet = 1; cardSet < kCardSets; ++cardSet) {
        const CardSetInfo& set = cardSetInfo(cardSet);
        QImage face = picture(set.library,
                              libraryFaceName({'7', suit::kHearts}, cardSet, DrawingClass::Small));
        restoreLibraryFace(face, DrawingClass::Small, set.narrow);
        ASSERT_FALSE(face.isNull()) << "set " << cardSet;
        EXPECT_EQ(face.pixel(0, 0), qRgb(255, 255, 255)) << "set " << cardSet;
    }
}

TEST(CardLibraries, NoTwoSetsShareAKingOfHearts)
{
    for (const DrawingClass drawingClass : {DrawingClass::Small, DrawingClass::Large}) {
        QSet<QByteArray> seen;
        for (int cardSet = 1; cardSet < kCardSets; ++cardSet) {
            const CardSetInfo& set = cardSetInfo(cardSet);
            const QImage king = picture(
                set.library, libraryFaceName({rank::kKing, suit::kHearts}, cardSet, drawingClass));
            const QImage pixels = king.convertToFormat(QImage::Format_ARGB32);
            const QByteArray key(reinterpret_cast<const char*>(pixels.constBits()),
                                 static_cast<qsizetype>(pixels.sizeInBytes()));
            EXPECT_FALSE(seen.contains(key)) << "set " << cardSet;
            seen.insert(key);
        }
    }
}

}  // namespace
}  // namespace olk
