#include "extras/card_looks.h"

#include <algorithm>
#include <array>

#include "settings/language.h"

namespace olk {
namespace {

constexpr int kEnglish = Language::English;
constexpr int kRussian = Language::Russian;
constexpr int kGerman = Language::German;
constexpr int kFrench = Language::French;
constexpr int kSpanish = Language::Spanish;
constexpr int kChinese = Language::Chinese;
constexpr int kItalian = Language::Italian;
constexpr int kCzech = Language::Czech;

// "same" codes are written out.
constexpr std::array<CardSetInfo, kCardSets> kCardSetTable{{
    {0, "", "", "", false, kEnglish},  // "Classical-1", built in
    {'A', "Med", "Med", "Med", false, kEnglish},
    {'A', "Mod", "Mod", "Mod", false, kEnglish},
    {'A', "Anc", "Anc", "Anc", false, kEnglish},
    {'A', "Bar", "Bar", "Bar", false, kEnglish},
    {'A', "Cel", "Cel", "Cel", false, kEnglish},
    {'A', "Cor", "Mod", "Cor", false, kEnglish},
    {'A', "Cro", "Mod", "Mod", false, kEnglish},
    {'A', "Eng", "Eng", "Eng", false, kEnglish},
    {'A', "Fra", "Fra", "Fra", false, kEnglish},
    {'A', "His", "Mod", "Mod", false, kEnglish},
    {'A', "Nat", "Nat", "Nat", false, kEnglish},
    {'A', "Old", "Old", "Old", false, kEnglish},
    {'A', "Par", "Mod", "Mod", false, kEnglish},
    {'A', "Roy", "Roy", "Roy", false, kEnglish},
    {'A', "Sha", "Sha", "Sha", false, kEnglish},
    {'A', "Big", "Big", "Big", false, kEnglish},
    {'A', "004", "004", "004", false, kEnglish},
    {'A', "Lon", "Lon", "Lon", false, kEnglish},
    {'A', "Cl2", "Sea", "Sea", false, kEnglish},
    {'A', "Hea", "Sea", "Sea", false, kEnglish},
    {'A', "Sea", "Sea", "Sea", false, kEnglish},
    {'A', "Rhi", "Rhi", "Rhi", false, kEnglish},
    {'A', "Me2", "Me2", "Me2", false, kEnglish},
    {'A', "Doo", "Doo", "Doo", false, kEnglish},
    {'A', "Boy", "Rhi", "Boy", false, kEnglish},
    {'A', "Epi", "Epi", "Epi", false, kEnglish},
    {'A', "USR", "Big", "USR", false, kEnglish},
    {'A', "Pla", "Pla", "Pla", true, kEnglish},
    {'A', "SkN", "SkN", "SkN", true, kGerman},
    {'A', "SkT", "SkT", "SkT", true, kGerman},
    {'A', "SkF", "SkF", "SkF", true, kGerman},
    {'B', "Bel", "Bel", "Bel", true, kRussian},
    {'B', "Dia", "Dia", "Dia", true, kRussian},
    {'B', "Kny", "Kny", "Kny", true, kRussian},
    {'B', "Pas", "Pas", "Pas", true, kRussian},
    {'B', "Rus", "Rus", "Rus", true, kRussian},
    {'B', "Sla", "Sla", "Sla", true, kRussian},
    {'B', "May", "May", "May", true, kRussian},
    {'B', "Lub", "Lub", "Lub", true, kRussian},
    {'C', "Fra", "Fra", "Fra", false, kFrench},
    {'C', "Mus", "Mus", "Mus", true, kSpanish},
    {'C', "BS1", "BS1", "BS1", true, kSpanish},
    {'C', "BS2", "BS2", "BS2", true, kSpanish},
    {'C', "BS3", "BS3", "BS3", true, kSpanish},
    {'C', "Chi", "Chi", "Chi", false, kChinese},
    {'C', "BIt", "BIt", "BIt", true, kItalian},
    {'C', "Cze", "Cze", "Cze", true, kCzech},
}};

constexpr std::array<DeckInfo, kDecks> kDeckTable{{
    {"", 7},
    {"Cl1", 7},
    {"Cl2", 7},
    {"Car", 7},
    {"Cro", 7},
    {"Che", 7},
    {"Dia", 7},
    {"Kni", 7},
    {"Ani", 10},
    {"Flo", 10},
    {"Pla", 10},
    {"Oth", 10},
    {"Rus", 7},
}};

constexpr std::array<const char*, 11> kBackParts{"",     "01Mo", "02Tu", "03We", "04Th", "05Fr",
                                                 "06Su", "07Su", "08XX", "09XX", "10XX"};

constexpr std::array<const char*, kBackgroundColours> kColourCodes{"Gr", "Re", "Or", "Ye",
                                                                   "B1", "B2", "Fi"};

}  // namespace

const CardSetInfo& cardSetInfo(int cardSet)
{
    return kCardSetTable[static_cast<std::size_t>(cardSet >= 0 && cardSet < kCardSets ? cardSet : 0)];
}

QString cardLibraryFile(char library)
{
    return QStringLiteral("TevCards06") + QLatin1Char(library) + QStringLiteral(".dll");
}

const DeckInfo& deckInfo(int deckIndex)
{
    return kDeckTable[static_cast<std::size_t>(deckIndex >= 0 && deckIndex < kDecks ? deckIndex : 0)];
}

QString faceName(CardCode card)
{
    return QString::fromStdString(cardResourceName(card));
}

int chooseBack(bool alwaysOne, int dayOfWeek)
{
    if (alwaysOne || dayOfWeek < 1 || dayOfWeek > 7) {
        return 7;
    }
    return dayOfWeek;
}

QString libraryFaceName(CardCode card, int cardSet, DrawingClass drawingClass)
{
    const CardSetInfo& set = cardSetInfo(cardSet);
    const char* code = set.pipCode;
    switch (rankOf(card)) {
    case rank::kJack:
    case rank::kQueen:
    case rank::kKing:
        code = set.setCode;
        break;
    case rank::kAce:
        code = set.aceCode;
        break;
    default:
        break;
    }
    return faceName(card) + QLatin1String(code) +
           (drawingClass == DrawingClass::Small ? QString() : QStringLiteral("B"));
}

QString backName(int backNumber, int deckIndex, DrawingClass drawingClass, bool narrowSet)
{
    const int part = backNumber >= 1 && backNumber <= deckInfo(deckIndex).backs ? backNumber : 1;
    const QString suffix = drawingClass == DrawingClass::Small ? QString()
                           : narrowSet                         ? QStringLiteral("U")
                                                               : QStringLiteral("B");
    return QStringLiteral("Ob") + QLatin1String(kBackParts[static_cast<std::size_t>(part)]) +
           QLatin1String(deckInfo(deckIndex).code) + suffix;
}

QString backgroundName(int background, int backgroundColour, int windowSize)
{
    const int colour = backgroundColour >= 0 && backgroundColour < kBackgroundColours ? backgroundColour : 0;
    return QStringLiteral("Fon") + QStringLiteral("%1").arg(background, 2, 10, QLatin1Char('0')) +
           QLatin1String(kColourCodes[static_cast<std::size_t>(colour)]) +
           (windowSize == 1 ? QString() : QStringLiteral("B"));
}

int chooseBack(bool alwaysOne, int dayOfWeek, int deckIndex, int random)
{
    if (deckInfo(deckIndex).backs == 10) {
        return random >= 1 && random <= 10 ? random : 1;
    }
    return chooseBack(alwaysOne, dayOfWeek);
}

void restoreLibraryFace(QImage& face, DrawingClass drawingClass, bool narrowSet)
{
    // The ellipse inscribed in (10, 10)–(right, bottom), edges excluded; it
    // may reach past the picture, and only what lies inside changes.
    const int right = drawingClass == DrawingClass::Small ? 84 : 188;
    const int bottom = drawingClass == DrawingClass::Small ? 59 : (narrowSet ? 116 : 136);
    if (face.isNull()) {
        return;
    }
    face = face.convertToFormat(QImage::Format_ARGB32);
    const double cx = (10 + right) / 2.0;
    const double cy = (10 + bottom) / 2.0;
    const double rx = (right - 10) / 2.0;
    const double ry = (bottom - 10) / 2.0;
    for (int y = 10; y < std::min(bottom, face.height()); ++y) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        const double dy = (y + 0.5 - cy) / ry;
        for (int x = 10; x < std::min(right, face.width()); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            if (dx * dx + dy * dy <= 1.0) {
                line[x] = line[x] ^ 0x00FFFFFFu;  // every colour channel c → 255 − c
            }
        }
    }
}

}  // namespace olk
