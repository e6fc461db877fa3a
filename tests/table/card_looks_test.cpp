#include "extras/card_looks.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "extras/card_pictures.h"

namespace olk {
namespace {

const CardCode kTwoOfHearts{'2', suit::kHearts};
const CardCode kJackOfHearts{rank::kJack, suit::kHearts};
const CardCode kAceOfHearts{rank::kAce, suit::kHearts};

// The resource names each look is drawn from.
TEST(CardLooks, NamesOfFacesBacksAndBackgrounds)
{
    // "Corona": its own courts and aces, "Modern"'s pips.
    EXPECT_EQ(libraryFaceName(kTwoOfHearts, 6, DrawingClass::Small), "Ch02Mod");
    EXPECT_EQ(libraryFaceName(kJackOfHearts, 6, DrawingClass::Small), "Ch2JCor");
    EXPECT_EQ(libraryFaceName(kAceOfHearts, 6, DrawingClass::Large), "Ch5ACorB");
    // "Crown": its own courts only; "Playboy": pips of "Rhine Style".
    EXPECT_EQ(libraryFaceName(kAceOfHearts, 7, DrawingClass::Scaled), "Ch5AModB");
    EXPECT_EQ(libraryFaceName(CardCode{rank::kTen, suit::kSpades}, 25, DrawingClass::Small),
              "Pi10Rhi");
    EXPECT_EQ(cardLibraryFile(cardSetInfo(38).library), "TevCards06B.dll");  // "Maya"
    EXPECT_EQ(cardLibraryFile(cardSetInfo(40).library), "TevCards06C.dll");  // "French"
    EXPECT_EQ(cardLibraryFile(cardSetInfo(9).library), "TevCards06A.dll");   // "Frankfurt"
    EXPECT_TRUE(cardSetInfo(28).narrow);
    EXPECT_FALSE(cardSetInfo(45).narrow);
    EXPECT_EQ(cardSetInfo(99).library, 0) << "unknown sets are the built-in one";

    EXPECT_EQ(backName(7, 0, DrawingClass::Small, false), "Ob07Su");
    EXPECT_EQ(backName(1, 0, DrawingClass::Scaled, true), "Ob01MoU");
    EXPECT_EQ(backName(10, 8, DrawingClass::Large, false), "Ob10XXAniB");
    EXPECT_EQ(backName(10, 1, DrawingClass::Small, false), "Ob01MoCl1") << "deck 1 has seven";

    EXPECT_EQ(backgroundName(1, 6, 1), "Fon01Fi");
    EXPECT_EQ(backgroundName(1, 6, 5), "Fon01FiB");
    EXPECT_EQ(backgroundName(10, 4, 3), "Fon10B1B");

    // Decks of ten draw at random; the others follow the weekday rule.
    EXPECT_EQ(chooseBack(false, 7, 9, 4), 4);
    EXPECT_EQ(chooseBack(true, 7, 11, 10), 10);
    EXPECT_EQ(chooseBack(false, 3, 12, 9), 3);
    EXPECT_EQ(chooseBack(true, 3, 0, 9), 7);
}

// The stored ellipse is turned back exactly, and nothing outside it changes.
TEST(CardLooks, RestoringAFaceInvertsItsEllipseOnly)
{
    QImage face(69, 94, QImage::Format_ARGB32);
    face.fill(qRgb(200, 40, 10));
    QImage stored = face;
    restoreLibraryFace(stored, DrawingClass::Small, false);
    EXPECT_EQ(stored.pixel(47, 34), qRgb(55, 215, 245)) << "the ellipse's middle";
    EXPECT_EQ(stored.pixel(5, 5), face.pixel(5, 5));
    EXPECT_EQ(stored.pixel(20, 80), face.pixel(20, 80));
    restoreLibraryFace(stored, DrawingClass::Small, false);
    EXPECT_EQ(stored, face);
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A folder with a program folder inside; libraries go beside the program
// or above it.
class CardLibraries : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(program())); }
    QString program() const { return root.filePath(QStringLiteral("program")); }

    // A library with the given faces (one colour each, stored as libraries
    // store them) and backs.
    void writeLibrary(const QString& path, const QStringList& faces, const QStringList& backs,
                      QSize size)
    {
        std::vector<ResourceEntry> entries;
        for (const QString& name : faces) {
            QImage face(size, QImage::Format_ARGB32);
            face.fill(kFaceColour);
            restoreLibraryFace(face, size.width() == 69 ? DrawingClass::Small : DrawingClass::Large,
                               false);
            entries.push_back({name, ResourceKind::Png, png(face)});
        }
        for (const QString& name : backs) {
            QImage back(size, QImage::Format_ARGB32);
            back.fill(kBackColour);
            entries.push_back({name, ResourceKind::Png, png(back)});
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(packResourceLibrary(entries).value());
    }

    static constexpr QRgb kFaceColour = 0xFF336699;
    static constexpr QRgb kBackColour = 0xFF884422;
    QTemporaryDir root;
};

// Without the libraries every choice falls back to the program's own
// pictures and names the missing file once.
TEST_F(CardLibraries, MissingLibrariesFallBackWithTheirNames)
{
    const struct {
        const char* what;
        int cardSet;
        int deck;
        DrawingClass drawingClass;
        QStringList missing;
        int cardSetAfter;
        int deckAfter;
    } cases[] = {
        {"built-in set and deck", 0, 0, DrawingClass::Large, {}, 0, 0},
        {"Maya", 38, 0, DrawingClass::Small, {"TevCards06B.dll"}, 0, 0},
        {"Maya with deck Chess", 38, 5, DrawingClass::Small, {"TevCards06B.dll"}, 0, 0},
        {"Corona with deck Flowers", 6, 9, DrawingClass::Scaled,
         {"TevCards06A.dll", "TevCards06B.dll"}, 0, 0},
        {"Czech: once it falls back, deck 0 needs no library", 47, 0, DrawingClass::Large,
         {"TevCards06C.dll"}, 0, 0},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.cardSet = c.cardSet;
        settings.deckIndex = c.deck;
        const CardSources sources = findCardSources(settings, c.drawingClass, program());
        EXPECT_EQ(sources.missingLibraries, c.missing) << c.what;
        EXPECT_EQ(settings.cardSet, c.cardSetAfter) << c.what;
        EXPECT_EQ(settings.deckIndex, c.deckAfter) << c.what;
        EXPECT_FALSE(sources.faces) << c.what;
        EXPECT_FALSE(sources.backs) << c.what;
    }
}

// "Plastic" is narrow: in the small class deck 0 is the program's own, but
// at a larger size its backs are in "TevCards06B.dll", and without it the
// set falls back too.
TEST_F(CardLibraries, ANarrowSetNeedsTheBackLibraryAtLargerSizes)
{
    writeLibrary(root.filePath(QStringLiteral("TevCards06A.dll")), {}, {}, QSize(69, 94));
    Settings settings;
    settings.cardSet = 28;
    CardSources sources = findCardSources(settings, DrawingClass::Small, program());
    EXPECT_TRUE(sources.missingLibraries.isEmpty());
    EXPECT_EQ(settings.cardSet, 28);
    EXPECT_TRUE(sources.faces) << "found in the folder above";

    sources = findCardSources(settings, DrawingClass::Scaled, program());
    EXPECT_EQ(sources.missingLibraries, QStringList{"TevCards06B.dll"});
    EXPECT_EQ(settings.cardSet, 0);
    EXPECT_EQ(settings.deckIndex, 0);
}

// Pictures come from the libraries, restored; a picture a library lacks is
// the program's own; a damaged library counts as missing.
TEST_F(CardLibraries, PicturesComeFromTheLibrariesAndGapsFromTheProgram)
{
    writeLibrary(QDir(program()).filePath(QStringLiteral("TevCards06A.dll")),
                 {"Ch02Mod", "Ch2JCor"}, {}, QSize(69, 94));
    QStringList backs;
    for (int b = 1; b <= 10; ++b) {
        backs << backName(b, 9, DrawingClass::Small, false);
    }
    writeLibrary(QDir(program()).filePath(QStringLiteral("TevCards06B.dll")), {}, backs,
                 QSize(69, 94));
    Settings settings;
    settings.cardSet = 6;  // "Corona"
    settings.deckIndex = 9;  // "Flowers"
    const CardSources sources = findCardSources(settings, DrawingClass::Small, program());
    ASSERT_TRUE(sources.missingLibraries.isEmpty());
    CardPictures pictures;
    pictures.load(sources, settings.cardSet, settings.deckIndex, DrawingClass::Small, 71, 96, 8);
    EXPECT_EQ(pictures.face(kTwoOfHearts).pixel(47, 34), kFaceColour) << "restored";
    EXPECT_EQ(pictures.face(kJackOfHearts).pixel(3, 3), kFaceColour);
    EXPECT_EQ(pictures.face(kAceOfHearts), builtInPicture(QStringLiteral("Ch5A")));
    EXPECT_EQ(pictures.back(10).pixel(30, 30), kBackColour) << "ten backs";
    EXPECT_EQ(pictures.back(10).size(), QSize(69, 94));

    QFile damaged(QDir(program()).filePath(QStringLiteral("TevCards06A.dll")));
    ASSERT_TRUE(damaged.resize(40));
    const CardSources again = findCardSources(settings, DrawingClass::Small, program());
    EXPECT_EQ(again.missingLibraries, QStringList{"TevCards06A.dll"});
    EXPECT_EQ(settings.cardSet, 0);
}

// Backgrounds: from "TevBackG03.dll", stretched to the window but at "Small
// window"; without it "Felt" in "Green"; the purple design's picture from
// "TevCGraph1.dll", and without it the purple designs are given up.
TEST_F(CardLibraries, BackgroundsAndTheirFallBacks)
{
    const QSize client(1520, 1000);
    CardPictures pictures;
    Settings settings;
    settings.windowSize = 5;
    settings.background = 1;
    settings.backgroundColour = 6;
    settings.auxDesignPurple = true;
    settings.menuDesign = 1;
    settings.tableDesign = 1;
    EXPECT_EQ(pictures.loadBackground(settings, true, client, program()),
              (QStringList{"TevCGraph1.dll", "TevBackG03.dll"}));
    EXPECT_FALSE(settings.auxDesignPurple);
    EXPECT_EQ(settings.menuDesign, 0);
    EXPECT_EQ(settings.tableDesign, 0);
    EXPECT_EQ(settings.background, 2);
    EXPECT_EQ(settings.backgroundColour, 0);
    EXPECT_EQ(pictures.background().size(), client) << "Felt in Green";

    settings.background = 0;
    EXPECT_TRUE(pictures.loadBackground(settings, false, client, program()).isEmpty());
    EXPECT_TRUE(pictures.background().isNull()) << "no picture";

    QImage sun(760, 500, QImage::Format_RGB32);
    sun.fill(qRgb(250, 200, 0));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    sun.save(&buffer, "JPEG");
    QFile file(root.filePath(QStringLiteral("TevBackG03.dll")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(packResourceLibrary({{"Fon01Fi", ResourceKind::Jpeg, jpeg},
                                    {"Fon01FiB", ResourceKind::Jpeg, jpeg}})
                   .value());
    file.close();
    settings.background = 1;
    settings.backgroundColour = 6;
    EXPECT_TRUE(pictures.loadBackground(settings, false, client, program()).isEmpty());
    EXPECT_EQ(pictures.background().size(), client);
    EXPECT_LT(qAbs(qRed(pictures.background().pixel(700, 500)) - 250), 6);
    settings.windowSize = 1;
    pictures.loadBackground(settings, false, QSize(760, 500), program());
    EXPECT_EQ(pictures.background().size(), QSize(760, 500));
    settings.backgroundColour = 5;  // not in this library
    pictures.loadBackground(settings, false, QSize(760, 500), program());
    EXPECT_EQ(settings.background, 2);
    EXPECT_EQ(settings.backgroundColour, 0);
}

}  // namespace
}  // namespace olk
