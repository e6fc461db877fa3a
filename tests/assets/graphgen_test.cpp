// The pictures olk-graphgen draws: every name the program asks for is in its
// library or in the built-in resources, decodes, and has its size.

#include <gtest/gtest.h>

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

#include "records/resource_library.h"

void initOlkDialogArt()
{
    Q_INIT_RESOURCE(olk_dialog_art);
}

namespace olk {
namespace {

struct Expected {
    QString name;
    QSize size;
    ResourceKind kind;
};

QString libraryPath(const char* fileName)
{
    return QStringLiteral(OLK_LIBRARY_DIR "/") + QString::fromLatin1(fileName);
}

void checkLibrary(const char* fileName, const std::vector<Expected>& expected)
{
    const std::optional<ResourceLibrary> library = ResourceLibrary::open(libraryPath(fileName));
    ASSERT_TRUE(library) << fileName;
    EXPECT_EQ(library->names().size(), static_cast<qsizetype>(expected.size())) << fileName;
    for (const Expected& entry : expected) {
        SCOPED_TRACE(entry.name.toStdString());
        ASSERT_EQ(library->kind(entry.name), entry.kind);
        const std::optional<QByteArray> bytes = library->bytes(entry.name);
        ASSERT_TRUE(bytes);
        const QImage image = QImage::fromData(*bytes);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), entry.size);
    }
}

TEST(GraphgenTest, BackgroundLibraryHoldsEveryBackgroundButTheBuiltInGreenFelt)
{
    const char* colours[] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};
    std::vector<Expected> expected;
    for (int number = 1; number <= 10; ++number) {
        for (const char* colour : colours) {
            const QString name = QStringLiteral("Fon%1").arg(number, 2, 10, QLatin1Char('0')) +
                                 QLatin1String(colour);
            if (name == QLatin1String("Fon02Gr")) {
                continue;
            }
            expected.push_back({name, QSize(760, 500), ResourceKind::Jpeg});
            expected.push_back({name + QLatin1Char('B'), QSize(1920, 922), ResourceKind::Jpeg});
        }
    }
    ASSERT_EQ(expected.size(), 138u);
    checkLibrary("TevBackG03.dll", expected);
    const std::optional<ResourceLibrary> library =
        ResourceLibrary::open(libraryPath("TevBackG03.dll"));
    ASSERT_TRUE(library);
    EXPECT_FALSE(library->contains(QStringLiteral("Fon02Gr")));
    EXPECT_FALSE(library->contains(QStringLiteral("Fon02GrB")));
}

TEST(GraphgenTest, GraphicsLibraryHoldsThePurpleDesign)
{
    std::vector<Expected> expected = {
        {QStringLiteral("BGLilu"), QSize(1920, 922), ResourceKind::Jpeg},
        {QStringLiteral("GFormOpt"), QSize(500, 400), ResourceKind::Png},
        {QStringLiteral("GFormRadio"), QSize(340, 320), ResourceKind::Png},
        {QStringLiteral("GIcon48Opt"), QSize(480, 48), ResourceKind::Png},
        {QStringLiteral("GIcon48Speed"), QSize(480, 48), ResourceKind::Png},
        {QStringLiteral("GTouch"), QSize(3000, 100), ResourceKind::Png},
    };
    for (const char day : QByteArrayLiteral("ABCDEFG")) {
        expected.push_back(
            {QStringLiteral("Gif") + QLatin1Char(day), QSize(3840, 200), ResourceKind::Png});
    }
    checkLibrary("TevCGraph1.dll", expected);
}

TEST(GraphgenTest, SaluteFadesToNothingByItsLastFrame)
{
    const std::optional<ResourceLibrary> library =
        ResourceLibrary::open(libraryPath("TevCGraph1.dll"));
    ASSERT_TRUE(library);
    const QImage strip =
        QImage::fromData(library->bytes(QStringLiteral("GTouch")).value_or(QByteArray()))
            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(strip.size(), QSize(3000, 100));
    auto opaquePixels = [&](int frame) {
        int count = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = frame * 100; x < frame * 100 + 100; ++x) {
                count += qAlpha(strip.pixel(x, y)) > 0;
            }
        }
        return count;
    };
    EXPECT_GT(opaquePixels(0), 0);
    EXPECT_GT(opaquePixels(15), 0);
    EXPECT_EQ(opaquePixels(29), 0);
}

TEST(GraphgenTest, DialogPicturesAreBuiltIn)
{
    initOlkDialogArt();
    std::vector<std::pair<QString, QSize>> expected = {
        {QStringLiteral("GCap300"), QSize(300, 56)},
        {QStringLiteral("GLenta280x090"), QSize(280, 90)},
    };
    const char* languages[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};
    const char* titles[] = {"Options", "Speed",     "Passport", "EndGame",
                            "History", "MyAccount", "OurGames", "SupportUs"};
    const char* headers[] = {"GFormOpt",     "GFormSpeed", "GFormPass", "GFormEndG",
                             "GFormHistory", "GFormAcc1",  "GFormAdv",  "GFormThank"};
    for (const char* language : languages) {
        for (const char* title : titles) {
            expected.push_back({QLatin1String(title) + QLatin1String(language), QSize(490, 48)});
        }
        for (const char* header : headers) {
            expected.push_back({QLatin1String(header) + QLatin1String(language), QSize(210, 90)});
        }
    }
    for (const char* flag :
         {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"}) {
        expected.push_back({QStringLiteral("FlagO") + QLatin1String(flag), QSize(100, 68)});
    }
    for (const auto& [name, size] : expected) {
        const QImage image(QStringLiteral(":/art/") + name);
        EXPECT_EQ(image.size(), size) << name.toStdString();
    }
}

TEST(GraphgenTest, EveryCountryOfEveryContinentHasItsFlag)
{
    initOlkDialogArt();
    // The length of each continent's list (account/countries.cpp), from
    // Europe to Africa, "Unknown" at index 0 included.
    const int lengths[] = {49, 52, 36, 15, 24, 55};
    for (int continent = 1; continent <= 6; ++continent) {
        for (int index = 0; index < lengths[continent - 1]; ++index) {
            const QString name =
                QStringLiteral("Country%1-%2").arg(continent).arg(index, 3, 10, QLatin1Char('0'));
            EXPECT_EQ(QImage(QStringLiteral(":/art/") + name).size(), QSize(40, 27))
                << name.toStdString();
        }
    }
}

}  // namespace
}  // namespace olk
