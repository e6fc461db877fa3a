// olk-radiogen: draws the radio library "TevRadio02.dll".
//
//   olk-radiogen <station list TevRadio.rad> <output folder>
//
// Writes the pictures into the folder with the resource list "radio.qrc",
// which olk-libpack packs (records/resource_library.h). Entries:
//   "RRADIO_MAING", "RRADIO_MAINR"   the radio switched on and off, 145 x 90
//   "RRADIO_VOLUME00" .. "10"        the volume display, 78 x 30
//   "RRADIO_RAMKA"                   the logo box's frame, 180 x 180
//   "RRADIO_LOGO_RADIOUN"            the logo of a station without one
//   "RRADIO_LOGO_..."                every logo the station list names,
//                                    150 x 150 (drawn at (15, 15) in the frame)
//   "RFLAG_" + country code          the 28 countries' flags, 14 x 12
// The logos are the program's own lettering and emblems made from the
// stations' names, not the stations' trademarks. Same input, same bytes.

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <map>

#include "assets/artgen/radio_art.h"
#include "assets/graphgen/common.h"
#include "assets/graphgen/parts.h"
#include "extras/radio.h"

namespace {

using olk::graphgen::Output;

// The country list's codes with the names the flag painters know them by.
const std::map<QString, const char*> kFlagNames = {
    {"RUS", "Russia"},
    {"UA0", "Ukraine"},
    {"BEL", "Belarus"},
    {"MOL", "Moldova"},
    {"EST", "Estonia"},
    {"LAT", "Latvia"},
    {"LIT", "Lithuania"},
    {"ARM", "Armenia"},
    {"GEO", "Georgia"},
    {"AZE", "Azerbaijan"},
    {"KZ0", "Kazakhstan"},
    {"UZ0", "Uzbekistan"},
    {"USA", "USA"},
    {"CAN", "Canada"},
    {"UK0", "United Kingdom"},
    {"AUS", "Australia"},
    {"DE0", "Germany"},
    {"FRA", "France"},
    {"ITA", "Italy"},
    {"NED", "Netherlands"},
    {"SWE", "Sweden"},
    {"CZ0", "Czech Republic"},
    {"ESP", "Spain"},
    {"BRA", "Brazil"},
    {"IND", "India"},
    {"CHI", "China"},
    {"JAP", "Japan"},
    {"SK0", "South Korea"},
};

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A stable colour for a name: the same station always gets the same hue.
QColor hueOf(const QString& name)
{
    quint32 h = 2166136261u;
    for (QChar c : name) {
        h = (h ^ c.unicode()) * 16777619u;
    }
    return QColor::fromHsv(static_cast<int>(h % 360), 170 + static_cast<int>(h >> 9) % 60,
                           150 + static_cast<int>(h >> 17) % 60);
}

// `text` in the largest bold font up to `maxPixels` that fits `box` in at
// most two lines, centred, with a dark outline.
void letter(QPainter& p, const QRectF& box, const QString& text, int maxPixels,
            const QColor& colour)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    QStringList lines{text};
    const int space = text.indexOf(QLatin1Char(' '), text.size() / 3);
    for (int px = maxPixels; px >= 9; --px) {
        font.setPixelSize(px);
        const QFontMetricsF metrics(font);
        lines = {text};
        if (metrics.horizontalAdvance(text) > box.width() && space > 0) {
            lines = {text.left(space), text.mid(space + 1)};
        }
        bool fits = lines.size() * metrics.height() <= box.height();
        for (const QString& line : lines) {
            fits = fits && metrics.horizontalAdvance(line) <= box.width();
        }
        if (fits) {
            break;
        }
    }
    const QFontMetricsF metrics(font);
    QPainterPath path;
    double y = box.center().y() - lines.size() * metrics.height() / 2 + metrics.ascent();
    for (const QString& line : lines) {
        const double x = box.center().x() - metrics.horizontalAdvance(line) / 2;
        path.addText(x, y, font, line);
        y += metrics.height();
    }
    p.setPen(QPen(QColor(0, 0, 0, 150), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

// Radio waves from a mast: the emblem every logo carries.
void waves(QPainter& p, QPointF at, double size, const QColor& colour)
{
    p.setPen(QPen(colour, size * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(at, at + QPointF(0, size * 0.9));
    p.drawLine(at + QPointF(0, size * 0.3), at + QPointF(-size * 0.25, size * 0.9));
    p.drawLine(at + QPointF(0, size * 0.3), at + QPointF(size * 0.25, size * 0.9));
    p.setBrush(colour);
    p.drawEllipse(at, size * 0.08, size * 0.08);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const double r = size * 0.18 * i;
        const QRectF arc(at.x() - r, at.y() - r, 2 * r, 2 * r);
        p.drawArc(arc, 30 * 16, 120 * 16);
    }
}

// A station's logo: a disc or plate in the station's colour with the waves
// emblem and its name in letters.
QImage stationLogo(const QString& name, const QString& logoName)
{
    constexpr int kSize = 150;
    QImage image = canvas(kSize, kSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = hueOf(logoName);
    const bool disc = (qHash(logoName) & 1) != 0;
    QPainterPath shape;
    if (disc) {
        shape.addEllipse(QRectF(6, 6, kSize - 12, kSize - 12));
    } else {
        shape.addRoundedRect(QRectF(6, 14, kSize - 12, kSize - 28), 18, 18);
    }
    QLinearGradient fill(0, 0, 0, kSize);
    fill.setColorAt(0, base.lighter(150));
    fill.setColorAt(1, base.darker(160));
    p.fillPath(shape, fill);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    waves(p, QPointF(kSize / 2.0, disc ? 30 : 32), 34, QColor(255, 255, 255, 220));
    letter(p, QRectF(18, 66, kSize - 36, 56), name, 30, QColor(255, 250, 230));
    return image;
}

// The club's own station: the four suits around the waves.
QImage clubLogo()
{
    QImage image = canvas(150, 150);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient felt(75, 60, 90);
    felt.setColorAt(0, QColor(40, 150, 80));
    felt.setColorAt(1, QColor(10, 70, 35));
    QPainterPath disc;
    disc.addEllipse(QRectF(5, 5, 140, 140));
    p.fillPath(disc, felt);
    p.setPen(QPen(QColor(230, 190, 90), 4));
    p.drawPath(disc);
    const olk::graphgen::Suit suits[4] = {olk::graphgen::Suit::Spades, olk::graphgen::Suit::Hearts,
                                          olk::graphgen::Suit::Diamonds,
                                          olk::graphgen::Suit::Clubs};
    const QPointF places[4] = {{33, 52}, {117, 52}, {58, 124}, {92, 124}};
    for (int i = 0; i < 4; ++i) {
        const QPainterPath suit = olk::graphgen::suitPath(suits[i], 20).translated(places[i]);
        p.fillPath(suit, olk::graphgen::isRed(suits[i]) ? QColor(220, 30, 30) : QColor(20, 20, 20));
        p.setPen(QPen(QColor(255, 255, 255, 180), 1.2));
        p.drawPath(suit);
    }
    waves(p, QPointF(75, 30), 36, QColor(255, 240, 190));
    letter(p, QRectF(30, 70, 90, 42), QStringLiteral("Olk Club Radio"), 24, QColor(255, 230, 140));
    return image;
}

// A station without a logo of its own: a grey plate with the waves.
QImage unknownLogo()
{
    QImage image = canvas(150, 150);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(10, 10, 130, 130), 20, 20);
    QLinearGradient grey(0, 0, 0, 150);
    grey.setColorAt(0, QColor(170, 174, 182));
    grey.setColorAt(1, QColor(100, 104, 112));
    p.fillPath(plate, grey);
    waves(p, QPointF(75, 40), 50, QColor(245, 245, 250));
    letter(p, QRectF(20, 98, 110, 32), QStringLiteral("Radio"), 26, Qt::white);
    return image;
}

// The frame of the logo box: a gilded moulding round a dark velvet field.
QImage frame()
{
    QImage image = canvas(180, 180);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gold(0, 0, 180, 180);
    gold.setColorAt(0, QColor(250, 222, 140));
    gold.setColorAt(0.5, QColor(176, 124, 40));
    gold.setColorAt(1, QColor(238, 200, 110));
    QPainterPath outer;
    outer.addRoundedRect(QRectF(1, 1, 178, 178), 12, 12);
    p.fillPath(outer, gold);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(12, 12, 156, 156), 6, 6);
    QRadialGradient velvet(90, 80, 110);
    velvet.setColorAt(0, QColor(70, 20, 90));
    velvet.setColorAt(1, QColor(20, 4, 30));
    p.fillPath(inner, velvet);
    p.setPen(QPen(QColor(90, 60, 10), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outer);
    p.drawPath(inner);
    return image;
}

// The volume display: an amber bar graph on a dark glass, `level` of ten
// bars lit.
QImage volumeDisplay(int level)
{
    QImage image = canvas(78, 30);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath glass;
    glass.addRoundedRect(QRectF(0.5, 0.5, 77, 29), 5, 5);
    p.fillPath(glass, QColor(20, 16, 14));
    p.setPen(QPen(QColor(150, 120, 60), 1));
    p.drawPath(glass);
    for (int bar = 0; bar < 10; ++bar) {
        const double h = 5 + bar * 1.9;
        const QRectF r(5 + bar * 7, 25 - h, 5, h);
        const bool lit = bar < level;
        QColor colour = bar < 6   ? QColor(90, 230, 90)
                        : bar < 8 ? QColor(250, 210, 60)
                                  : QColor(250, 80, 50);
        if (!lit) {
            colour = QColor(60, 56, 50);
        }
        p.fillRect(r, colour);
    }
    return image;
}

bool save(Output& out, const QImage& image, const QString& name)
{
    if (!out.save(image.convertToFormat(QImage::Format_ARGB32), name)) {
        std::fprintf(stderr, "olk-radiogen: cannot write %s\n", qPrintable(name));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: olk-radiogen <TevRadio.rad> <output folder>\n");
        return 2;
    }
    QFile listFile(args[1]);
    if (!listFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "olk-radiogen: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const std::vector<olk::RadioStation> stations = olk::parseStationList(listFile.readAll());
    Output out(args[2], QStringLiteral("/"));
    if (!out.ready() || stations.empty()) {
        std::fprintf(stderr, "olk-radiogen: no output folder or no stations\n");
        return 1;
    }
    using olk::art::RadioLamp;
    bool ok = save(out, olk::art::renderRadioSet(145, 90, RadioLamp::Green), "RRADIO_MAING") &&
              save(out, olk::art::renderRadioSet(145, 90, RadioLamp::Red), "RRADIO_MAINR") &&
              save(out, frame(), "RRADIO_RAMKA") && save(out, unknownLogo(), "RRADIO_LOGO_RADIOUN");
    for (int level = 0; level <= 10; ++level) {
        ok = ok && save(out, volumeDisplay(level),
                        QStringLiteral("RRADIO_VOLUME%1").arg(level, 2, 10, QLatin1Char('0')));
    }
    for (const olk::RadioCountry& country : olk::radioCountries()) {
        const auto name = kFlagNames.find(QLatin1String(country.code));
        const QImage flag = name == kFlagNames.end()
                                ? QImage()
                                : olk::graphgen::renderCountryFlagAt(name->second, 14, 12, 1.0);
        if (flag.isNull()) {
            std::fprintf(stderr, "olk-radiogen: no flag for %s\n", country.code);
            return 1;
        }
        ok = ok && save(out, flag, QLatin1String(country.flag));
    }
    // One logo per name; the first station that names it gives the letters.
    std::map<QString, QString> logos;
    for (const olk::RadioStation& station : stations) {
        logos.emplace(station.logo, station.name);
    }
    for (const auto& [logo, name] : logos) {
        if (logo == QLatin1String("RRADIO_LOGO_RADIOUN")) {
            continue;
        }
        ok = ok && save(out,
                        logo == QLatin1String("RRADIO_LOGO_OLKCLUB") ? clubLogo()
                                                                     : stationLogo(name, logo),
                        logo);
    }
    if (!ok || !out.writeList(QStringLiteral("radio.qrc"))) {
        std::fprintf(stderr, "olk-radiogen: the radio pictures are not complete\n");
        return 1;
    }
    return 0;
}
