// olk-artgen: draws the program's built-in pictures at build time.
//
//   olk-artgen <output folder> <SVG card deck>
//
// Writes every picture into the output folder together with "art.qrc", which
// the build compiles into the program's resources:
//   faces of "Classical-1"  "Ch02" .. "Pi5A" (69 x 94) and "Ch02B" .. "Pi5AB"
//                           (146 x 198), rendered from a KDE SVG card deck
//   backs of deck 0         "Ob01Mo" .. "Ob07Su" and their "B" versions, one
//                           design a weekday
//   the green felt          "FonG" (760 x 500) and "FonGB" (1920 x 922)
//   name plates             "SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet"
//                           (160 x 20) and their "B" versions (480 x 60)
//   turn arrows             "Hand_Up", "Hand_Down" (80 x 120)
//   frames                  "RamkaBBSm"/"RamkaBBBg" (deal counter) and
//                           "RamkaERSm"/"RamkaERBg" (chat log)
//   deck symbol             "GKolodaSmall" (58 x 25), "GKolodaSmallB" (174 x 75)
//   move clocks             "GTimerR", "GTimerY" (64 x 64)
//   main menu               "GTitle" (300 x 90, stored 900 x 270 to be shrunk
//                           to the window), the caption "Cap" + suffix
//                           (400 x 70) and the subtitles "Elite"/"Net__" +
//                           suffix (350 x 40) in the eight picture languages
//   button artwork          "R29_L", "R29_R", "R29_2" .. "R59_2" (normal
//                           look) and "Q29_L" .. "Q59_2" (second look)
//   menu decorations        the scroll "GSvitok" (100 x 200), lamps "Lamp1" ..
//                           "Lamp6" (20 x 30), the animations "GifMenu1" and
//                           "GifMenu2", and "GifBest" for the best result of a
//                           cycle (strips of 24 frames of 160 x 200)
//   end-of-cycle medal      "Medal" (120 x 160) and the places "Place01" ..
//                           "Place10" (64 x 64) put on it
//   menu clocks             the panel "GClockBG" (115 x 64); segment digits
//                           "G" + set + "Clock0" .. "Clock9" and the minus
//                           "G" + set + "ClockM" (18 x 40) for the sets B
//                           (the clock, amber, with the colon "GBClockP",
//                           6 x 22), R red, A aqua, G green, Y yellow,
//                           V violet, L gold and N blue; the icons
//                           "Windows", "Android", "Account48" (48 x 48) and
//                           "GTevs128" (128 x 128), shown at 16 x 16
//   recording banner        "AdvBar3" (175 x 40), behind "Creating a GIF..."
//   news and chat           the beacons "GSirenaB" (blue) and "GSirenaR"
//                           (red), strips of 12 frames of 32 x 32; the
//                           board "GPolkaNw" (220 x 125), "GNews072" and
//                           "GChat072" (72 x 72) and the badge "GNew"
//                           (30 x 14)
// Everything but the faces is drawn here with QPainter; the output only
// depends on the deck file, so two builds give the same pictures.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QSvgRenderer>
#include <QTextStream>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "assets/artgen/radio_art.h"
#include "assets/artgen/music_art.h"
#include "assets/artkit/artkit.h"
#include "extras/button_shading.h"

namespace {

using namespace olk::art;

QDir g_out;
QStringList g_files;

bool save(const QImage& image, const QString& name, const char* format = "PNG")
{
    const QString file = name + (QByteArray(format) == "JPG" ? ".jpg" : ".png");
    if (!image.save(g_out.filePath(file), format, QByteArray(format) == "JPG" ? 92 : -1)) {
        std::fprintf(stderr, "olk-artgen: cannot write %s\n", qPrintable(file));
        return false;
    }
    g_files << file;
    return true;
}

// ---------------------------------------------------------------- faces

// Renders one face: a white card with rounded corners filling the whole
// picture, and the deck's own face centred on it with its own proportions.
QImage renderFace(QSvgRenderer& svg, const QString& element, int w, int h, bool outline)
{
    constexpr int kOversample = 4;
    const int bigW = w * kOversample;
    const int bigH = h * kOversample;
    QImage big = canvas(bigW, bigH);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = bigW * 0.06;
    const QPainterPath shape = cardShape(QRectF(0.5, 0.5, bigW - 1.0, bigH - 1.0), radius);
    p.fillPath(shape, Qt::white);

    const QRectF bounds = svg.boundsOnElement(element);
    const double scale = std::min(bigW / bounds.width(), bigH / bounds.height());
    const QSizeF size(bounds.width() * scale, bounds.height() * scale);
    const QRectF target((bigW - size.width()) / 2, (bigH - size.height()) / 2, size.width(),
                        size.height());
    p.setClipPath(shape);
    svg.render(&p, element, target);
    p.setClipping(false);
    if (outline) {
        p.setPen(QPen(QColor(60, 60, 60), kOversample * 0.9));
        p.drawPath(shape);
    }
    p.end();
    QImage small = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return small;
}

bool makeFaces(QSvgRenderer& svg)
{
    const struct {
        const char* prefix;
        const char* svgName;
    } suits[] = {{"Ch", "heart"}, {"Bu", "diamond"}, {"Kr", "club"}, {"Pi", "spade"}};
    static const char* kRankParts[] = {"02", "03", "04", "05", "06", "07", "08",
                                       "09", "10", "2J", "3Q", "4K", "5A"};
    for (const auto& suit : suits) {
        for (int rank = 1; rank <= 13; ++rank) {
            const QString element = deckElement(rank, suit.svgName);
            if (!svg.elementExists(element)) {
                std::fprintf(stderr, "olk-artgen: the deck has no element %s\n",
                             qPrintable(element));
                return false;
            }
            const QString name =
                QString::fromLatin1(suit.prefix) + QString::fromLatin1(kRankParts[rank - 1]);
            // The small face sits inside the table's own 1-pixel outline; the
            // large one carries its outline itself.
            // The corners of the small face are drawn by the table as part of
            // its outline: keep them white so no hole shows between the two.
            if (!save(onWhite(renderFace(svg, element, 69, 94, false)), name) ||
                !save(renderFace(svg, element, 146, 198, true), name + "B")) {
                return false;
            }
        }
    }
    return true;
}

// ---------------------------------------------------------------- backs

bool makeBacks()
{
    for (const BackDesign& design : backDesigns()) {
        const QString name = QStringLiteral("Ob") + QString::fromLatin1(design.part);
        if (!save(onWhite(renderBack(design, 69, 94, false)), name) ||
            !save(renderBack(design, 146, 198, true), name + "B")) {
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------- table

// Green baize: a base colour with fine fibres of noise and a gentle light in
// the middle. The noise comes from a fixed seed, so every build is the same.
QImage renderFelt(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    std::uint32_t state = 0x2545F491u;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x - cx, y - cy) / reach;  // 0 centre .. 1 corner
            const double light = 1.08 - 0.38 * d * d;
            const int grain = static_cast<int>(next() % 17) - 8;
            const int r = std::clamp(static_cast<int>(22 * light) + grain / 3, 0, 255);
            const int g = std::clamp(static_cast<int>(104 * light) + grain, 0, 255);
            const int b = std::clamp(static_cast<int>(52 * light) + grain / 2, 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    // Fibres: short faint strokes.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int fibres = w * h / 60;
    for (int i = 0; i < fibres; ++i) {
        const double x = next() % w;
        const double y = next() % h;
        const double angle = (next() % 360) * M_PI / 180.0;
        const double length = 2 + next() % 4;
        p.setPen(QPen(next() % 2 ? QColor(255, 255, 255, 14) : QColor(0, 0, 0, 16), 1));
        p.drawLine(QPointF(x, y),
                   QPointF(x + length * std::cos(angle), y + length * std::sin(angle)));
    }
    return image;
}

QImage renderPlate(int w, int h, const QColor& colour)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, w - 1.0, h - 1.0);
    const double radius = h * 0.45;
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, colour.lighter(150));
    fill.setColorAt(0.45, colour);
    fill.setColorAt(1.0, colour.darker(160));
    p.setBrush(fill);
    p.setPen(QPen(colour.darker(220), std::max(1.0, h / 20.0)));
    p.drawRoundedRect(r, radius, radius);
    // Gloss on the upper half.
    QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(r.adjusted(h * 0.12, h * 0.08, -h * 0.12, -r.height() / 2), radius * 0.7,
                      radius * 0.7);
    return image;
}

QImage renderArrow(bool up)
{
    const int w = 80;
    const int h = 120;
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (!up) {
        p.translate(0, h);
        p.scale(1, -1);
    }
    QPainterPath arrow;
    arrow.moveTo(40, 4);
    arrow.lineTo(76, 52);
    arrow.lineTo(54, 52);
    arrow.lineTo(54, 116);
    arrow.lineTo(26, 116);
    arrow.lineTo(26, 52);
    arrow.lineTo(4, 52);
    arrow.closeSubpath();
    QLinearGradient fill(0, 0, w, 0);
    fill.setColorAt(0.0, QColor(255, 226, 120));
    fill.setColorAt(0.5, QColor(250, 190, 40));
    fill.setColorAt(1.0, QColor(200, 130, 20));
    p.setBrush(fill);
    p.setPen(QPen(QColor(90, 50, 10), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arrow);
    return image;
}

QImage renderFrame(int w, int h, const QColor& tint)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = w / 60.0;
    const QRectF r(unit, unit, w - 2 * unit, h - 2 * unit);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, QColor(255, 252, 240, 235));
    fill.setColorAt(1.0, QColor(232, 226, 205, 235));
    p.setBrush(fill);
    p.setPen(QPen(tint, unit * 1.2));
    p.drawRoundedRect(r, unit * 5, unit * 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tint.lighter(160), unit * 0.5));
    p.drawRoundedRect(r.adjusted(unit * 2, unit * 2, -unit * 2, -unit * 2), unit * 3.5, unit * 3.5);
    return image;
}

QImage renderDeckSymbol(int w, int h)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = h / 25.0;
    const QRectF r(unit * 0.5, unit * 0.5, w - unit, h - unit);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, QColor(255, 255, 255, 240));
    fill.setColorAt(1.0, QColor(215, 225, 240, 240));
    p.setBrush(fill);
    p.setPen(QPen(QColor(40, 60, 120), unit));
    p.drawRoundedRect(r, unit * 6, unit * 6);
    return image;
}

QImage renderTimer(const QColor& colour)
{
    QImage image = canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(QPointF(26, 24), 36);
    fill.setColorAt(0.0, colour.lighter(160));
    fill.setColorAt(1.0, colour.darker(130));
    p.setBrush(fill);
    p.setPen(QPen(colour.darker(220), 3));
    p.drawEllipse(QRectF(3, 3, 58, 58));
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    for (int k = 0; k < 12; ++k) {
        p.save();
        p.translate(32, 32);
        p.rotate(30 * k);
        p.drawLine(QPointF(0, -26), QPointF(0, -22));
        p.restore();
    }
    return image;
}

bool makeTable()
{
    const struct {
        const char* name;
        QColor colour;
    } plates[] = {{"SPBlue", QColor(30, 80, 200)},
                  {"SPGreen", QColor(30, 140, 60)},
                  {"SPRed", QColor(200, 30, 30)},
                  {"SPYellow", QColor(225, 160, 0)},
                  {"SPFiolet", QColor(120, 40, 170)}};
    for (const auto& plate : plates) {
        const QString name = QString::fromLatin1(plate.name);
        if (!save(renderPlate(160, 20, plate.colour), name) ||
            !save(renderPlate(480, 60, plate.colour), name + "B")) {
            return false;
        }
    }
    return save(renderFelt(760, 500), "FonG", "JPG") &&
           save(renderFelt(1920, 922), "FonGB", "JPG") && save(renderArrow(true), "Hand_Up") &&
           save(renderArrow(false), "Hand_Down") &&
           save(renderFrame(120, 150, QColor(40, 70, 150)), "RamkaBBSm") &&
           save(renderFrame(360, 450, QColor(40, 70, 150)), "RamkaBBBg") &&
           save(renderFrame(130, 90, QColor(150, 60, 40)), "RamkaERSm") &&
           save(renderFrame(390, 270, QColor(150, 60, 40)), "RamkaERBg") &&
           save(renderDeckSymbol(58, 25), "GKolodaSmall") &&
           save(renderDeckSymbol(174, 75), "GKolodaSmallB") &&
           save(renderTimer(QColor(210, 40, 30)), "GTimerR") &&
           save(renderTimer(QColor(240, 200, 40)), "GTimerY");
}

// The medal of the end-of-cycle window, and the place numbers put on it.
QImage renderMedal()
{
    QImage image = canvas(120, 160);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Ribbon.
    QPainterPath ribbon;
    ribbon.moveTo(35, 0);
    ribbon.lineTo(55, 0);
    ribbon.lineTo(70, 70);
    ribbon.lineTo(50, 70);
    ribbon.closeSubpath();
    QPainterPath ribbon2;
    ribbon2.moveTo(85, 0);
    ribbon2.lineTo(65, 0);
    ribbon2.lineTo(50, 70);
    ribbon2.lineTo(70, 70);
    ribbon2.closeSubpath();
    p.setPen(QPen(QColor(90, 10, 20), 2));
    p.setBrush(QColor(190, 30, 45));
    p.drawPath(ribbon);
    p.setBrush(QColor(30, 60, 160));
    p.drawPath(ribbon2);
    // Disc.
    QRadialGradient gold(QPointF(48, 88), 60);
    gold.setColorAt(0.0, QColor(255, 245, 170));
    gold.setColorAt(0.6, QColor(235, 180, 40));
    gold.setColorAt(1.0, QColor(160, 100, 10));
    p.setBrush(gold);
    p.setPen(QPen(QColor(120, 70, 5), 3));
    p.drawEllipse(QRectF(12, 62, 96, 96));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 235, 150), 2));
    p.drawEllipse(QRectF(22, 72, 76, 76));
    return image;
}

QImage renderPlaceNumber(int place)
{
    QImage image = canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(place == 10 ? 34 : 44);
    QPainterPath number;
    const QString text = QString::number(place);
    const QFontMetrics metrics(font);
    number.addText((64 - metrics.horizontalAdvance(text)) / 2.0, 47, font, text);
    p.setPen(QPen(QColor(255, 250, 220), 3));
    p.drawPath(number);
    p.fillPath(number, QColor(110, 60, 0));
    return image;
}

bool makeRecords()
{
    if (!save(renderMedal(), "Medal")) {
        return false;
    }
    for (int place = 1; place <= 10; ++place) {
        if (!save(renderPlaceNumber(place),
                  QStringLiteral("Place%1").arg(place, 2, 10, QLatin1Char('0')))) {
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------- menu

// The title picture: four cards fanned out, the best hand of the game. The
// menu shows it 300 x 90 in the small window and up to full screen size in
// the largest ones, so it is stored kTitleScale times larger and shrunk to
// the window, never blown up.
constexpr int kTitleWidth = 300;
constexpr int kTitleHeight = 90;
constexpr int kTitleScale = 3;

QImage renderTitle(QSvgRenderer& svg)
{
    // Everything below is worked out in the 300 x 90 units of the picture.
    // Each card turns about a point far below the fan's middle; the fan with
    // its shadows is then scaled to sit whole inside the picture, so no card
    // is cut at any edge.
    const char* cards[] = {"1_spade", "king_heart", "queen_diamond", "jack_club"};
    const QSizeF cardSize = svg.boundsOnElement(QString::fromLatin1(cards[0])).size();
    const QRectF card(-cardSize.width() / 2, -cardSize.height() / 2, cardSize.width(),
                      cardSize.height());
    const double reach = cardSize.height() * 3.5;  // the turning point below each card's centre
    QTransform turns[4];
    QRectF fan;
    for (int i = 0; i < 4; ++i) {
        turns[i].rotate(-10.5 + 7 * i);
        turns[i].translate(0, -reach);
        fan |= turns[i].mapRect(card);
    }
    const QPointF shadow(1.2, 1.6);
    const double margin = 1.0;
    const QRectF room(margin, margin, kTitleWidth - 2 * margin - shadow.x(),
                      kTitleHeight - 2 * margin - shadow.y());
    const double fit = std::min(room.width() / fan.width(), room.height() / fan.height());
    QTransform place;
    place.translate(room.center().x(), room.center().y());
    place.scale(fit, fit);
    place.translate(-fan.center().x(), -fan.center().y());

    // Drawn at twice the stored size and shrunk, which smooths the clipped
    // edges of the faces.
    constexpr int kOversample = 2;
    constexpr int kPixels = kTitleScale * kOversample;
    QImage big = canvas(kTitleWidth * kPixels, kTitleHeight * kPixels);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QTransform toPixels = QTransform::fromScale(kPixels, kPixels);
    const QPainterPath shape = cardShape(card, card.width() * 0.06);
    for (int i = 0; i < 4; ++i) {
        const QTransform onPicture = turns[i] * place;
        // A soft shadow down and to the right: two layers, the nearer darker.
        p.setTransform(toPixels);
        p.setPen(Qt::NoPen);
        p.fillPath(onPicture.map(shape).translated(shadow), QColor(0, 0, 0, 45));
        p.fillPath(onPicture.map(shape).translated(shadow * 0.5), QColor(0, 0, 0, 55));

        p.setTransform(onPicture * toPixels);
        p.fillPath(shape, Qt::white);
        p.setClipPath(shape);
        svg.render(&p, QString::fromLatin1(cards[i]), card);
        p.setClipping(false);
        p.setPen(QPen(QColor(60, 60, 60), 0.9 / fit));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }
    p.end();
    return big.scaled(kTitleWidth * kTitleScale, kTitleHeight * kTitleScale, Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation);
}

// A parchment scroll standing upright, rolled at both ends.
QImage renderScroll()
{
    QImage image = canvas(100, 200);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 100, 0);
    paper.setColorAt(0.0, QColor(214, 186, 130));
    paper.setColorAt(0.5, QColor(246, 230, 190));
    paper.setColorAt(1.0, QColor(214, 186, 130));
    p.setPen(QPen(QColor(120, 80, 30), 2));
    p.setBrush(paper);
    p.drawRect(QRectF(14, 16, 72, 168));
    for (const double y : {4.0, 176.0}) {
        QLinearGradient roll(0, y, 0, y + 20);
        roll.setColorAt(0.0, QColor(150, 105, 45));
        roll.setColorAt(0.5, QColor(235, 205, 140));
        roll.setColorAt(1.0, QColor(130, 90, 35));
        p.setBrush(roll);
        p.drawRoundedRect(QRectF(6, y, 88, 20), 10, 10);
        p.setBrush(QColor(110, 70, 25));
        p.drawEllipse(QRectF(2, y + 3, 10, 14));
        p.drawEllipse(QRectF(88, y + 3, 10, 14));
    }
    // Faint ornament lines on the paper.
    p.setPen(QPen(QColor(170, 130, 70, 120), 1));
    for (int i = 0; i < 6; ++i) {
        p.drawLine(QPointF(24, 40 + 26 * i), QPointF(76, 40 + 26 * i));
    }
    return image;
}

// A lamp bulb of 20 x 30 in one of six colours, lit.
QImage renderLamp(const QColor& colour)
{
    QImage image = canvas(20, 30);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(8, 10), 12);
    glow.setColorAt(0.0, QColor(255, 255, 255));
    glow.setColorAt(0.35, colour.lighter(130));
    glow.setColorAt(1.0, colour.darker(170));
    p.setBrush(glow);
    p.setPen(QPen(colour.darker(250), 1));
    p.drawEllipse(QRectF(2, 2, 16, 19));
    p.setBrush(QColor(120, 120, 125));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawRect(QRectF(6, 21, 8, 7));
    return image;
}

bool makeMenuAnimations(QSvgRenderer& svg)
{
    // A card turning over and over: the ace of hearts and the back of Sunday.
    const QImage face = renderFace(svg, QStringLiteral("1_heart"), 110, 150, true);
    const QImage back = renderBack(backDesigns().back(), 110, 150, true);
    const QImage turning = renderStrip(24, [&](QPainter& p, double phase) {
        const double angle = phase * 2 * M_PI;
        const double squeeze = std::cos(angle);
        const QImage& side = squeeze >= 0 ? face : back;
        p.translate(80, 100);
        p.scale(std::max(0.02, std::abs(squeeze)), 1.0);
        p.drawImage(QPointF(-55, -75), side);
    });
    // The four suits circling a golden coin.
    const QImage circling = renderStrip(24, [&](QPainter& p, double phase) {
        const QPointF centre(80, 100);
        QRadialGradient gold(centre - QPointF(8, 8), 40);
        gold.setColorAt(0.0, QColor(255, 245, 170));
        gold.setColorAt(1.0, QColor(190, 130, 20));
        p.setBrush(gold);
        p.setPen(QPen(QColor(120, 70, 5), 2));
        p.drawEllipse(centre, 30, 30);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(34);
        p.setFont(font);
        const QChar suits[4] = {QChar(0x2660), QChar(0x2665), QChar(0x2666), QChar(0x2663)};
        for (int k = 0; k < 4; ++k) {
            const double angle = (phase + k / 4.0) * 2 * M_PI;
            const QPointF at = centre + QPointF(58 * std::cos(angle), 70 * std::sin(angle));
            p.setPen(k == 1 || k == 2 ? QColor(220, 30, 40) : QColor(20, 20, 20));
            p.drawText(QRectF(at.x() - 20, at.y() - 20, 40, 40), Qt::AlignCenter,
                       QString(suits[k]));
        }
    });
    // A golden star that grows and turns: the best result of a cycle.
    const QImage star = renderStrip(24, [&](QPainter& p, double phase) {
        const QPointF centre(80, 100);
        p.translate(centre);
        p.rotate(phase * 72);
        const double r = 30 + 40 * std::min(1.0, phase * 1.5);
        QPainterPath shape;
        for (int k = 0; k < 10; ++k) {
            const double a = k * M_PI / 5 - M_PI / 2;
            const double radius = k % 2 ? r * 0.45 : r;
            const QPointF point(radius * std::cos(a), radius * std::sin(a));
            k == 0 ? shape.moveTo(point) : shape.lineTo(point);
        }
        shape.closeSubpath();
        QRadialGradient gold(QPointF(-10, -10), r);
        gold.setColorAt(0.0, QColor(255, 250, 190));
        gold.setColorAt(1.0, QColor(220, 150, 20));
        p.setBrush(gold);
        p.setPen(QPen(QColor(130, 80, 10), 3));
        p.drawPath(shape);
    });
    return save(turning, "GifMenu1") && save(circling, "GifMenu2") && save(star, "GifBest");
}

bool makeMenu(QSvgRenderer& svg)
{
    const QColor lamps[6] = {QColor(230, 40, 40), QColor(250, 170, 30), QColor(240, 230, 50),
                             QColor(60, 200, 70), QColor(50, 130, 240), QColor(190, 80, 230)};
    for (int i = 0; i < 6; ++i) {
        if (!save(renderLamp(lamps[i]), QStringLiteral("Lamp%1").arg(i + 1))) {
            return false;
        }
    }
    if (!save(renderScroll(), "GSvitok") || !makeMenuAnimations(svg)) {
        return false;
    }

    const struct {
        const char* suffix;
        const char* caption;
        const char* elite;
        const char* network;
    } languages[] = {
        {"Eng", "Thirty-one", "Players' Club", "Network Game"},
        {"Rus", "Тридцать одно", "Клуб игроков", "Сетевая игра"},
        {"Deu", "Einunddreißig", "Spielerclub", "Netzwerkspiel"},
        {"Fra", "Trente et un", "Club des joueurs", "Jeu en réseau"},
        {"Spa", "Treinta y uno", "Club de jugadores", "Juego en red"},
        {"Chi", "三十一点", "玩家俱乐部", "网络游戏"},
        {"Ita", "Trentuno", "Club dei giocatori", "Gioco in rete"},
        {"Cze", "Jednatřicet", "Klub hráčů", "Síťová hra"},
    };
    const QColor gold(255, 236, 140);
    const QColor amber(214, 140, 20);
    const QColor silver(250, 250, 255);
    const QColor steel(150, 170, 200);
    for (const auto& language : languages) {
        const QString suffix = QString::fromLatin1(language.suffix);
        if (!save(renderLettering(400, 70, QString::fromUtf8(language.caption), 0.78, gold, amber),
                  QStringLiteral("Cap") + suffix) ||
            !save(renderLettering(350, 40, QString::fromUtf8(language.elite), 0.72, silver, steel),
                  QStringLiteral("Elite") + suffix) ||
            !save(
                renderLettering(350, 40, QString::fromUtf8(language.network), 0.72, silver, steel),
                QStringLiteral("Net__") + suffix)) {
            return false;
        }
    }
    return save(renderTitle(svg), "GTitle");
}

// ---------------------------------------------------------------- menu clocks

// The digits of the menu's two clock panels: lit segments of a seven-segment
// display, leaning a little, with the unlit segments left as a faint ghost of
// the same colour, all on transparency over the dark panel "GClockBG".
constexpr int kDigitWidth = 18;
constexpr int kDigitHeight = 40;

// Lit segments a..g as bits 0..6 (a top, b upper right, c lower right,
// d bottom, e lower left, f upper left, g middle).
constexpr int kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr int kMinusSegments = 0x40;

QPainterPath segmentPath(int segment)
{
    const double t = 3.6;    // thickness
    const double gap = 0.7;  // between neighbouring segments
    const double left = 2.6 + t / 2;
    const double right = kDigitWidth - 2.6 - t / 2;
    const double top = 1.2 + t / 2;
    const double bottom = kDigitHeight - 1.2 - t / 2;
    const double middle = kDigitHeight / 2.0;
    QPolygonF shape;
    auto across = [&](double y) {
        const double x1 = left + gap;
        const double x2 = right - gap;
        shape << QPointF(x1, y) << QPointF(x1 + t / 2, y - t / 2) << QPointF(x2 - t / 2, y - t / 2)
              << QPointF(x2, y) << QPointF(x2 - t / 2, y + t / 2) << QPointF(x1 + t / 2, y + t / 2);
    };
    auto down = [&](double x, double y1, double y2) {
        y1 += gap;
        y2 -= gap;
        shape << QPointF(x, y1) << QPointF(x + t / 2, y1 + t / 2) << QPointF(x + t / 2, y2 - t / 2)
              << QPointF(x, y2) << QPointF(x - t / 2, y2 - t / 2) << QPointF(x - t / 2, y1 + t / 2);
    };
    switch (segment) {
    case 0: across(top); break;
    case 1: down(right, top, middle); break;
    case 2: down(right, middle, bottom); break;
    case 3: across(bottom); break;
    case 4: down(left, middle, bottom); break;
    case 5: down(left, top, middle); break;
    default: across(middle); break;
    }
    // The lean: the top leans right, the foot left.
    QTransform lean;
    lean.translate(0, middle);
    lean.shear(-0.07, 0);
    lean.translate(0, -middle);
    QPainterPath path;
    path.addPolygon(lean.map(shape));
    path.closeSubpath();
    return path;
}

void paintLit(QPainter& p, const QPainterPath& path, const QColor& colour)
{
    // A soft halo, then the segment bright in its middle.
    QColor halo = colour;
    halo.setAlpha(70);
    p.setPen(QPen(halo, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    const QRectF box = path.boundingRect();
    QLinearGradient fill(box.topLeft(), box.width() > box.height() ? box.bottomLeft()
                                                                   : box.topRight());
    fill.setColorAt(0.0, colour);
    fill.setColorAt(0.5, colour.lighter(150));
    fill.setColorAt(1.0, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

QImage renderDigit(int segments, const QColor& colour)
{
    QImage image = canvas(kDigitWidth, kDigitHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor ghost = colour;
    ghost.setAlpha(26);
    for (int segment = 0; segment < 7; ++segment) {
        if (!(segments & (1 << segment))) {
            p.fillPath(segmentPath(segment), ghost);
        }
    }
    for (int segment = 0; segment < 7; ++segment) {
        if (segments & (1 << segment)) {
            paintLit(p, segmentPath(segment), colour);
        }
    }
    return image;
}

// The clock's colon, drawn at (55, 24): two dots level with the segments'
// thirds.
QImage renderColon(const QColor& colour)
{
    QImage image = canvas(6, 22);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QPointF& centre : {QPointF(3.4, 5), QPointF(2.6, 17)}) {
        QPainterPath dot;
        dot.addEllipse(centre, 1.9, 1.9);
        paintLit(p, dot, colour);
    }
    return image;
}

// The panel under the digits: dark glass in a bevelled metal frame.
QImage renderClockPanel()
{
    constexpr int w = 115;
    constexpr int h = 64;
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 0.5, w - 1.0, h - 1.0);
    QLinearGradient metal(outer.topLeft(), outer.bottomLeft());
    metal.setColorAt(0.0, QColor(190, 195, 205));
    metal.setColorAt(0.5, QColor(105, 110, 122));
    metal.setColorAt(1.0, QColor(60, 62, 70));
    p.setPen(QPen(QColor(25, 25, 30), 1));
    p.setBrush(metal);
    p.drawRoundedRect(outer, 8, 8);
    const QRectF glass(4, 4, w - 8, h - 8);
    QLinearGradient dark(glass.topLeft(), glass.bottomLeft());
    dark.setColorAt(0.0, QColor(30, 33, 40));
    dark.setColorAt(1.0, QColor(8, 9, 12));
    p.setPen(QPen(QColor(15, 15, 18), 1.2));
    p.setBrush(dark);
    p.drawRoundedRect(glass, 5, 5);
    // Fine rows, as on a display behind glass.
    p.setClipRect(glass.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (double y = glass.top() + 2; y < glass.bottom(); y += 2) {
        p.drawLine(QPointF(glass.left(), y), QPointF(glass.right(), y));
    }
    // A glint across the upper part of the glass.
    QPainterPath glint;
    glint.moveTo(glass.left(), glass.top());
    glint.lineTo(glass.right(), glass.top());
    glint.lineTo(glass.right(), glass.top() + 10);
    glint.cubicTo(glass.center().x() + 20, glass.top() + 16, glass.center().x() - 20,
                  glass.top() + 20, glass.left(), glass.top() + 24);
    glint.closeSubpath();
    QLinearGradient shine(glass.topLeft(), QPointF(glass.left(), glass.top() + 24));
    shine.setColorAt(0.0, QColor(255, 255, 255, 38));
    shine.setColorAt(1.0, QColor(255, 255, 255, 4));
    p.fillPath(glint, shine);
    return image;
}

// The icons of the figure panel, drawn at 48 (or 128) and shown at 16 x 16.
QImage renderWindowsIcon()
{
    QImage image = canvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tiles[4] = {QColor(240, 80, 40), QColor(120, 190, 30), QColor(0, 160, 240),
                             QColor(255, 190, 0)};
    for (int k = 0; k < 4; ++k) {
        const QRectF tile(3 + (k % 2) * 22, 3 + (k / 2) * 22, 20, 20);
        QLinearGradient fill(tile.topLeft(), tile.bottomRight());
        fill.setColorAt(0.0, tiles[k].lighter(130));
        fill.setColorAt(1.0, tiles[k].darker(115));
        p.setPen(QPen(tiles[k].darker(170), 1.5));
        p.setBrush(fill);
        p.drawRoundedRect(tile, 3, 3);
    }
    return image;
}

QImage renderAndroidIcon()
{
    QImage image = canvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor green(120, 200, 60);
    p.setPen(QPen(green.darker(160), 1.5));
    p.setBrush(green);
    // Head (half a disc), body, arms and legs.
    QPainterPath head;
    head.moveTo(11, 19);
    head.arcTo(QRectF(11, 5, 26, 28), 180, -180);
    head.closeSubpath();
    p.drawPath(head);
    p.drawRoundedRect(QRectF(11, 21, 26, 18), 4, 4);
    p.drawRoundedRect(QRectF(3, 21, 6, 15), 3, 3);
    p.drawRoundedRect(QRectF(39, 21, 6, 15), 3, 3);
    p.drawRoundedRect(QRectF(16, 36, 6, 10), 3, 3);
    p.drawRoundedRect(QRectF(26, 36, 6, 10), 3, 3);
    p.setPen(QPen(green.darker(160), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 9), QPointF(13, 4));
    p.drawLine(QPointF(32, 9), QPointF(35, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(18.5, 13.5), 2, 2);
    p.drawEllipse(QPointF(29.5, 13.5), 2, 2);
    return image;
}

QImage renderAccountIcon()
{
    QImage image = canvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(QPointF(20, 14), 36);
    fill.setColorAt(0.0, QColor(170, 215, 255));
    fill.setColorAt(1.0, QColor(40, 100, 200));
    p.setBrush(fill);
    p.setPen(QPen(QColor(15, 40, 100), 2));
    QPainterPath body;
    body.moveTo(5, 46);
    body.cubicTo(5, 30, 14, 26, 24, 26);
    body.cubicTo(34, 26, 43, 30, 43, 46);
    body.closeSubpath();
    p.drawPath(body);
    p.drawEllipse(QPointF(24, 14), 10, 11);
    return image;
}

QImage renderTevsCoin()
{
    QImage image = canvas(128, 128);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gold(QPointF(48, 44), 80);
    gold.setColorAt(0.0, QColor(255, 248, 190));
    gold.setColorAt(0.55, QColor(240, 190, 50));
    gold.setColorAt(1.0, QColor(170, 110, 10));
    p.setBrush(gold);
    p.setPen(QPen(QColor(110, 65, 5), 6));
    p.drawEllipse(QRectF(5, 5, 118, 118));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 235, 150), 4));
    p.drawEllipse(QRectF(18, 18, 92, 92));
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(76);
    QPainterPath letter;
    const QFontMetrics metrics(font);
    letter.addText((128 - metrics.horizontalAdvance(QLatin1Char('T'))) / 2.0, 91, font,
                   QStringLiteral("T"));
    p.fillPath(letter.translated(2, 2), QColor(120, 70, 5, 160));
    p.fillPath(letter, QColor(150, 95, 10));
    return image;
}

bool makeClocks()
{
    const struct {
        char letter;
        QColor colour;
    } sets[] = {{'B', QColor(255, 150, 20)}, {'R', QColor(255, 55, 45)},
                {'A', QColor(40, 225, 235)}, {'G', QColor(70, 235, 80)},
                {'Y', QColor(245, 240, 60)}, {'V', QColor(185, 110, 255)},
                {'L', QColor(255, 200, 70)}, {'N', QColor(70, 150, 255)}};
    for (const auto& set : sets) {
        const QString base = QStringLiteral("G") + QLatin1Char(set.letter) + QStringLiteral("Clock");
        for (int digit = 0; digit <= 9; ++digit) {
            if (!save(renderDigit(kDigitSegments[digit], set.colour), base + QString::number(digit))) {
                return false;
            }
        }
        if (!save(renderDigit(kMinusSegments, set.colour), base + QStringLiteral("M"))) {
            return false;
        }
        if (set.letter == 'B' && !save(renderColon(set.colour), base + QStringLiteral("P"))) {
            return false;
        }
    }
    return save(renderClockPanel(), "GClockBG") && save(renderWindowsIcon(), "Windows") &&
           save(renderAndroidIcon(), "Android") && save(renderAccountIcon(), "Account48") &&
           save(renderTevsCoin(), "GTevs128");
}

// ---------------------------------------------------------------- news and chat

// A beacon on a dark foot whose lamp turns: a light runs round the dome and
// throws rays while it faces the viewer.
QImage renderSiren(const QColor& colour)
{
    return renderStrip(
        12,
        [&](QPainter& p, double phase) {
            const double angle = phase * 2 * M_PI;
            const double facing = std::cos(angle);  // 1: the light looks out of the picture
            // Rays behind the dome.
            if (facing > 0) {
                QColor ray = colour.lighter(150);
                ray.setAlpha(static_cast<int>(150 * facing));
                p.setPen(QPen(ray, 2, Qt::SolidLine, Qt::RoundCap));
                for (int k = 0; k < 5; ++k) {
                    const double a = M_PI * (0.1 + 0.2 * k);
                    const QPointF from(16 - 12 * std::cos(a), 17 - 12 * std::sin(a));
                    const QPointF to(16 - 15.5 * std::cos(a), 17 - 15.5 * std::sin(a));
                    p.drawLine(from, to);
                }
            }
            // The dome.
            QPainterPath dome;
            dome.moveTo(7, 25);
            dome.lineTo(7, 17);
            dome.arcTo(QRectF(7, 8, 18, 18), 180, -180);
            dome.lineTo(25, 25);
            dome.closeSubpath();
            QLinearGradient glass(7, 0, 25, 0);
            glass.setColorAt(0.0, colour.darker(160));
            glass.setColorAt(0.5, colour);
            glass.setColorAt(1.0, colour.darker(160));
            p.setPen(QPen(colour.darker(260), 1));
            p.setBrush(glass);
            p.drawPath(dome);
            // The lamp's light inside the dome.
            p.save();
            p.setClipPath(dome);
            const QPointF light(16 + 8 * std::sin(angle), 18);
            QRadialGradient glow(light, 9);
            const int strength = static_cast<int>(120 + 135 * std::max(0.0, facing));
            glow.setColorAt(0.0, QColor(255, 255, 255, strength));
            glow.setColorAt(0.4, QColor(colour.lighter(170).red(), colour.lighter(170).green(),
                                        colour.lighter(170).blue(), strength * 2 / 3));
            glow.setColorAt(1.0, QColor(255, 255, 255, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawRect(QRectF(0, 0, 32, 32));
            p.restore();
            // A gloss on the dome and the foot.
            p.setPen(QPen(QColor(255, 255, 255, 150), 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(10, 11, 12, 12), 100 * 16, 50 * 16);
            QLinearGradient foot(0, 25, 0, 30);
            foot.setColorAt(0.0, QColor(120, 120, 130));
            foot.setColorAt(1.0, QColor(40, 40, 45));
            p.setPen(QPen(QColor(20, 20, 25), 1));
            p.setBrush(foot);
            p.drawRoundedRect(QRectF(4.5, 24.5, 23, 6), 2, 2);
        },
        QSize(32, 32));
}

// The board that holds the news and chat pictures with their beacons: a
// wooden plaque with a ledge along its foot.
QImage renderShelf()
{
    constexpr int w = 220;
    constexpr int h = 125;
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF board(2, 2, w - 4, h - 14);
    QLinearGradient wood(board.topLeft(), board.bottomLeft());
    wood.setColorAt(0.0, QColor(150, 96, 52));
    wood.setColorAt(1.0, QColor(104, 62, 30));
    p.setPen(QPen(QColor(60, 32, 12), 2));
    p.setBrush(wood);
    p.drawRoundedRect(board, 10, 10);
    // Grain, from a fixed seed so every build is the same.
    std::uint32_t state = 0x6C8E9CF5u;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    p.setClipRect(board.adjusted(3, 3, -3, -3));
    for (int line = 0; line < 22; ++line) {
        const double y = board.top() + 4 + line * 5 + next() % 3;
        QPainterPath grain;
        grain.moveTo(board.left(), y);
        for (double x = board.left(); x < board.right(); x += 20) {
            grain.quadTo(x + 10, y + (static_cast<int>(next() % 5) - 2) * 0.8, x + 20, y);
        }
        p.setPen(QPen(line % 3 ? QColor(70, 40, 15, 45) : QColor(210, 160, 100, 40), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(grain);
    }
    p.setClipping(false);
    // An inner bevel.
    p.setPen(QPen(QColor(230, 180, 120, 90), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(board.adjusted(5, 5, -5, -5), 7, 7);
    // The ledge with its shadow on the board.
    p.fillRect(QRectF(10, h - 21, w - 20, 5), QColor(0, 0, 0, 60));
    const QRectF ledge(4, h - 16, w - 8, 14);
    QLinearGradient plank(ledge.topLeft(), ledge.bottomLeft());
    plank.setColorAt(0.0, QColor(196, 136, 80));
    plank.setColorAt(0.3, QColor(160, 104, 56));
    plank.setColorAt(1.0, QColor(90, 52, 22));
    p.setPen(QPen(QColor(60, 32, 12), 1.5));
    p.setBrush(plank);
    p.drawRoundedRect(ledge, 4, 4);
    return image;
}

QImage renderNewspaper()
{
    QImage image = canvas(72, 72);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(36, 36);
    p.rotate(-8);
    p.translate(-36, -36);
    const QRectF sheet(12, 8, 50, 58);
    p.fillRect(sheet.translated(2.5, 2.5), QColor(0, 0, 0, 70));
    // The back pages, then the front one.
    p.setPen(QPen(QColor(120, 115, 100), 1));
    p.setBrush(QColor(225, 220, 200));
    p.drawRect(sheet.translated(-4, 2));
    QLinearGradient paper(sheet.topLeft(), sheet.bottomRight());
    paper.setColorAt(0.0, QColor(252, 250, 240));
    paper.setColorAt(1.0, QColor(225, 220, 205));
    p.setBrush(paper);
    p.drawRect(sheet);
    // Masthead, headline, a picture and the columns.
    p.fillRect(QRectF(16, 12, 42, 7), QColor(30, 30, 35));
    p.fillRect(QRectF(16, 22, 42, 3), QColor(180, 30, 30));
    p.fillRect(QRectF(16, 28, 18, 14), QColor(70, 110, 170));
    p.setPen(QPen(QColor(110, 110, 115), 1.4));
    for (int row = 0; row < 4; ++row) {
        p.drawLine(QPointF(37, 29.5 + row * 4), QPointF(58, 29.5 + row * 4));
    }
    for (int row = 0; row < 5; ++row) {
        p.drawLine(QPointF(16, 46.5 + row * 4), QPointF(35, 46.5 + row * 4));
        p.drawLine(QPointF(39, 46.5 + row * 4), QPointF(58, 46.5 + row * 4));
    }
    return image;
}

QImage renderChatBubbles()
{
    QImage image = canvas(72, 72);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    auto bubble = [&p](const QRectF& r, bool tailLeft, const QColor& top, const QColor& bottom) {
        QPainterPath shape;
        shape.addRoundedRect(r, 10, 10);
        QPainterPath tail;
        const double x = tailLeft ? r.left() + 10 : r.right() - 10;
        const double dx = tailLeft ? -6 : 6;
        tail.moveTo(x - 5, r.bottom() - 2);
        tail.lineTo(x + dx, r.bottom() + 9);
        tail.lineTo(x + 6, r.bottom() - 2);
        tail.closeSubpath();
        shape = shape.united(tail);
        p.fillPath(shape.translated(2, 2), QColor(0, 0, 0, 60));
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0.0, top);
        fill.setColorAt(1.0, bottom);
        p.setPen(QPen(bottom.darker(190), 1.5));
        p.setBrush(fill);
        p.drawPath(shape);
    };
    bubble(QRectF(4, 6, 46, 30), true, QColor(130, 200, 255), QColor(30, 110, 210));
    bubble(QRectF(22, 30, 46, 28), false, QColor(255, 255, 255), QColor(210, 215, 225));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    for (int k = 0; k < 3; ++k) {
        p.drawEllipse(QPointF(17 + k * 10, 21), 3, 3);
    }
    p.setBrush(QColor(60, 70, 90));
    for (int k = 0; k < 3; ++k) {
        p.drawEllipse(QPointF(35 + k * 10, 44), 3, 3);
    }
    return image;
}

// The badge put on what is new.
QImage renderNewBadge()
{
    QImage image = canvas(30, 14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 14);
    fill.setColorAt(0.0, QColor(255, 90, 70));
    fill.setColorAt(1.0, QColor(190, 10, 20));
    p.setPen(QPen(QColor(110, 0, 0), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 29, 13), 6.5, 6.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 30, 14), Qt::AlignCenter, QStringLiteral("NEW"));
    return image;
}

bool makeNewsArt()
{
    return save(renderSiren(QColor(40, 110, 255)), "GSirenaB") &&
           save(renderSiren(QColor(235, 30, 30)), "GSirenaR") && save(renderShelf(), "GPolkaNw") &&
           save(renderNewspaper(), "GNews072") && save(renderChatBubbles(), "GChat072") &&
           save(renderNewBadge(), "GNew");
}

// ---------------------------------------------------------------- buttons

// The row colours of a button piece: the normal look takes the shading lines
// of its height; the second look ("Q") has a red rim around a white field.
std::vector<QRgb> buttonRows(int rows, bool nata)
{
    std::vector<QRgb> colours;
    if (!nata) {
        const std::uint32_t* table = rows == 29   ? olk::shading::kHeight30.data()
                                     : rows == 44 ? olk::shading::kHeight45.data()
                                                  : olk::shading::kHeight60.data();
        for (int i = 0; i < rows; ++i) {
            colours.push_back(0xFF000000u | table[i]);
        }
        return colours;
    }
    const int rim = std::max(3, rows / 10);
    for (int i = 0; i < rows; ++i) {
        if (i < rim || i >= rows - rim) {
            const int depth = std::min(i, rows - 1 - i);
            colours.push_back(qRgb(150 + 40 * depth, 10 + 10 * depth, 20 + 10 * depth));
        } else {
            const double t = static_cast<double>(i - rim) / std::max(1, rows - 2 * rim);
            const int v = static_cast<int>(255 - 30 * t);
            colours.push_back(qRgb(v, v, std::min(255, v + 8)));
        }
    }
    return colours;
}

// A cap of width `width` for `rows` rows: the rows' colours inside a rounded
// end, its curve outlined in the darkest red.
QImage renderCap(int width, int rows, bool nata, bool left)
{
    constexpr int kOversample = 4;
    const std::vector<QRgb> colours = buttonRows(rows, nata);
    QImage big = canvas(width * kOversample, rows * kOversample);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    const double w = width * kOversample;
    const double h = rows * kOversample;
    shape.addRoundedRect(QRectF(left ? 0.5 * kOversample : -w, 0.5 * kOversample,
                                2 * w - kOversample, h - kOversample),
                         w * 0.95, h * 0.42);
    p.setClipPath(shape);
    for (int i = 0; i < rows; ++i) {
        p.fillRect(QRectF(0, i * kOversample, w, kOversample), QColor::fromRgb(colours[i]));
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(0x80, 0, 0), kOversample));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.end();
    return big.scaled(width, rows, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage renderMiddle(int rows, bool nata)
{
    const std::vector<QRgb> colours = buttonRows(rows, nata);
    QImage image(2, rows, QImage::Format_ARGB32);
    for (int i = 0; i < rows; ++i) {
        image.setPixel(0, i, colours[i]);
        image.setPixel(1, i, colours[i]);
    }
    return image;
}

bool makeButtons()
{
    const struct {
        const char* name;
        int cap;
        int rows;
    } heights[] = {{"29", 8, 29}, {"44", 13, 44}, {"59", 17, 59}};
    for (const bool nata : {false, true}) {
        for (const auto& height : heights) {
            const QString base =
                QString::fromLatin1(nata ? "Q" : "R") + QString::fromLatin1(height.name);
            if (!save(renderCap(height.cap, height.rows, nata, true), base + "_L") ||
                !save(renderCap(height.cap, height.rows, nata, false), base + "_R") ||
                !save(renderMiddle(height.rows, nata), base + "_2")) {
                return false;
            }
        }
    }
    return true;
}

// The banner behind "Creating a GIF...": a light ribbon with a gold edge,
// its rounded corners open to the table behind.
bool makeRecordingBanner()
{
    QImage image = canvas(175, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 40);
    fill.setColorAt(0.0, QColor(255, 250, 225));
    fill.setColorAt(0.5, QColor(246, 232, 180));
    fill.setColorAt(1.0, QColor(222, 196, 120));
    p.setBrush(fill);
    p.setPen(QPen(QColor(150, 105, 20), 2));
    p.drawRoundedRect(QRectF(1, 1, 173, 38), 9, 9);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 4, 167, 32), 6, 6);
    p.end();
    return save(image, "AdvBar3");
}

bool writeQrc()
{
    QFile qrc(g_out.filePath("art.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/art\">\n";
    for (const QString& file : g_files) {
        // The picture's name without its extension, as the program asks for it.
        out << "    <file alias=\"" << file.section('.', 0, 0) << "\">" << file << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
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
        std::fprintf(stderr, "usage: olk-artgen <output folder> <SVG card deck>\n");
        return 2;
    }
    g_out = QDir(args[1]);
    if (!g_out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "olk-artgen: cannot create %s\n", qPrintable(args[1]));
        return 1;
    }
    QSvgRenderer svg(args[2]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "olk-artgen: cannot read the card deck %s\n", qPrintable(args[2]));
        return 1;
    }
    if (!olk::art::makeMusicArt(
            [](const QImage& image, const QString& name) { return save(image, name); })) {
        return 1;
    }
    if (!makeFaces(svg) || !makeBacks() || !makeTable() || !makeRecords() || !makeMenu(svg) ||
        !makeClocks() || !makeNewsArt() ||
        !olk::art::makeRadioArt([](const QImage& i, const QString& n) { return save(i, n); }) ||
        !makeButtons() || !makeRecordingBanner() ||
        !writeQrc()) {
        return 1;
    }
    return 0;
}
