#include "settings/fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

namespace olk {
namespace {

// Czech, German and Russian pangram pieces, and the French and Spanish
// letters: every one must come from the family's own face.
const QString kEuropean = QStringLiteral(
    "Příliš žluťoučký kůň úpěl ďábelské ódy — Größe — "
    "Съешь же ещё этих мягких французских булок");
const QString kWestern = QStringLiteral("Où ça? Naïve cœur, être. ¿Año? ¡Señor, pingüino!");

struct FamilyCase {
    FontFamily family;
    const char* name;
};

const FamilyCase kFamilies[] = {{FontFamily::Decor, "decor"},
                                {FontFamily::Serif, "serif"},
                                {FontFamily::Fixed, "fixed"},
                                {FontFamily::Conew, "conew"}};

// The faces of every glyph run the line is shaped into (the engines name
// their faces in lower case).
QStringList facesDrawing(const QString& line, const QFont& font)
{
    QTextLayout layout(line, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        faces << run.rawFont().familyName();
    }
    return faces;
}

class FontsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerFontSubstitutions(); }
};

TEST_F(FontsTest, EveryDefaultFaceDrawsLatinAndCyrillicItself)
{
    const Settings settings;
    for (const FamilyCase& c : kFamilies) {
        for (const bool bold : {false, true}) {
            QFont font = familyFont(settings, c.family, 16);
            font.setBold(bold);
            const QString face = QFontInfo(font).family();
            SCOPED_TRACE(std::string(c.name) + (bold ? " bold: " : ": ") + face.toStdString());

            const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(face);
            EXPECT_TRUE(systems.contains(QFontDatabase::Latin));
            EXPECT_TRUE(systems.contains(QFontDatabase::Cyrillic));

            const QRawFont raw = QRawFont::fromFont(font);
            ASSERT_TRUE(raw.isValid());
            EXPECT_EQ(raw.familyName().toLower().toStdString(), face.toLower().toStdString());
            for (const QChar ch : kEuropean + kWestern) {
                EXPECT_TRUE(raw.supportsCharacter(ch)) << QString(ch).toStdString();
            }

            // Shaped as a whole line, nothing is borrowed from a fallback face.
            for (const QString& line : {kEuropean, kWestern}) {
                const QStringList faces = facesDrawing(line, font);
                ASSERT_FALSE(faces.isEmpty());
                for (const QString& drawnIn : faces) {
                    EXPECT_EQ(drawnIn.toLower().toStdString(), face.toLower().toStdString())
                        << line.toStdString();
                }
            }
        }
    }
}

TEST_F(FontsTest, ChineseJapaneseAndKoreanComeFromTheCjkFaces)
{
    const Settings settings;
    const QString lines[] = {QStringLiteral("三十一点玩家俱乐部"), QStringLiteral("プレイヤー"),
                             QStringLiteral("서른하나")};
    for (const FamilyCase& c : kFamilies) {
        const QFont font = familyFont(settings, c.family, 16);
        for (const QString& line : lines) {
            SCOPED_TRACE(std::string(c.name) + ": " + line.toStdString());
            const QStringList faces = facesDrawing(line, font);
            ASSERT_FALSE(faces.isEmpty());
            for (const QString& face : faces) {
                EXPECT_TRUE(face.startsWith(QStringLiteral("Noto Sans CJK"))) << face.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace olk
