// The dialog pictures built into the program: title lettering in the eight
// picture languages, the caption plate, the red ribbon, the headers of the
// "Gray with red ribbons" dialogs and the language flags.

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <vector>

#include "assets/artkit/artkit.h"
#include "assets/graphgen/parts.h"

namespace olk::graphgen {
namespace {

using art::canvas;

// The dialogs in the order of their names and texts below.
struct DialogNames {
    const char* title;   // the title lettering: "Options" + suffix
    const char* header;  // the header picture: "GFormOpt" + suffix
};
constexpr std::array<DialogNames, 8> kDialogs = {{{"Options", "GFormOpt"},
                                                  {"Speed", "GFormSpeed"},
                                                  {"Passport", "GFormPass"},
                                                  {"EndGame", "GFormEndG"},
                                                  {"History", "GFormHistory"},
                                                  {"MyAccount", "GFormAcc1"},
                                                  {"OurGames", "GFormAdv"},
                                                  {"SupportUs", "GFormThank"}}};

struct Language {
    const char* suffix;
    std::array<const char*, 8> texts;
};

// Options, Speed, Passport, End of game, History, My account, Our games,
// Support us. A '|' marks where a long word may be hyphenated in a header.
const std::array<Language, 8> kLanguages = {{
    {"Eng",
     {"Options", "Speed", "Passport", "End of game", "History", "My account", "Our games",
      "Support us"}},
    {"Rus",
     {"Нас|тройки", "Скорость", "Паспорт", "Конец игры", "История", "Мой счёт", "Наши игры",
      "Под|дер|жите нас"}},
    {"Deu",
     {"Einstel|lungen", "Geschwin|digkeit", "Spieler|pass", "Spielende", "Verlauf", "Mein Konto",
      "Unsere Spiele", "Unter|stützen Sie uns"}},
    {"Fra",
     {"Options", "Vitesse", "Passeport", "Fin de partie", "Histo|rique", "Mon compte", "Nos jeux",
      "Soutenez-nous"}},
    {"Spa",
     {"Opciones", "Velocidad", "Pasaporte", "Fin de la partida", "Historial", "Mi cuenta",
      "Nuestros juegos", "Apóyanos"}},
    {"Chi", {"设置", "速度", "护照", "游戏结束", "历史记录", "我的账户", "我们的游戏", "支持我们"}},
    {"Ita",
     {"Opzioni", "Velocità", "Passa|porto", "Fine partita", "Crono|logia", "Il mio account",
      "I nostri giochi", "Sostienici"}},
    {"Cze",
     {"Nastavení", "Rychlost", "Pas", "Konec hry", "Historie", "Můj účet", "Naše hry",
      "Podpořte nás"}},
}};

// The gold of the lettering: bright above, amber below, which reads on the
// grey dialogs as on the black and purple ones.
const QColor kLetterTop(255, 236, 140);
const QColor kLetterBottom(206, 128, 16);

// Lettering in the look of art::renderLettering, in one line or, when the
// text is too long for one, in two balanced lines; centred in w x h.
QImage renderLetteringBlock(int w, int h, const QString& text)
{
    constexpr int kOversample = 2;
    const double bigW = w * kOversample;
    const double bigH = h * kOversample;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setItalic(true);
    auto fits = [&](const QStringList& candidate, int pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        for (const QString& line : candidate) {
            if (metrics.horizontalAdvance(line) > bigW * 0.95) {
                return false;
            }
        }
        return metrics.height() * candidate.size() <= bigH * 0.95;
    };
    auto largest = [&](const QStringList& candidate) {
        int pixels = static_cast<int>(bigH * 0.36);
        while (pixels > 16 && !fits(candidate, pixels)) {
            pixels -= 2;
        }
        return pixels;
    };
    // The candidates: one line, or two split at the space (or after the
    // hyphen) nearest the middle; each in the face's normal and narrow cut.
    // The largest wins; the normal cut unless the narrow one is clearly
    // larger.
    const QString whole = QString(text).remove(QLatin1Char('|'));
    // Where a line may end: at a space (dropped), after a hyphen, or at a
    // '|' (shown as a hyphen).
    std::vector<qsizetype> breaks;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar c = text[i];
        if (i > 0 && (c == QLatin1Char(' ') || c == QLatin1Char('|') || c == QLatin1Char('-'))) {
            breaks.push_back(i);
        }
    }
    auto piece = [&](qsizetype from, qsizetype to) {  // the line from `from` up to break `to`
        QString line = text.mid(from, to - from);
        if (to < text.size() && text[to] != QLatin1Char(' ')) {
            line += QLatin1Char('-');
        }
        return line.remove(QLatin1Char('|'));
    };
    auto layoutAt = [&](std::vector<qsizetype> at) {
        QStringList result;
        qsizetype from = 0;
        for (const qsizetype to : at) {
            result << piece(from, to);
            from = to + 1;
        }
        result << piece(from, text.size());
        return result;
    };
    // Every layout of one, two or three lines.
    std::vector<QStringList> layouts{{whole}};
    for (std::size_t i = 0; i < breaks.size(); ++i) {
        layouts.push_back(layoutAt({breaks[i]}));
        for (std::size_t j = i + 1; j < breaks.size(); ++j) {
            layouts.push_back(layoutAt({breaks[i], breaks[j]}));
        }
    }
    QStringList lines{whole};
    int size = 0;
    QFont::Stretch stretch = QFont::Unstretched;
    for (const QFont::Stretch cut : {QFont::Unstretched, QFont::Condensed}) {
        font.setStretch(cut);
        for (const QStringList& layout : layouts) {
            const int pixels = largest(layout);
            const int needed = cut == QFont::Unstretched ? size + 1 : size * 11 / 10 + 1;
            // More lines only when clearly larger.
            const int extra = size > 0 ? 4 * std::max<int>(0, layout.size() - lines.size()) : 0;
            if (pixels >= needed + extra) {
                lines = layout;
                size = pixels;
                stretch = cut;
            }
        }
    }
    font.setStretch(stretch);
    font.setPixelSize(size);
    const QFontMetricsF metrics(font);
    QPainterPath path;
    const double lineHeight = metrics.ascent() + metrics.descent() * 0.6;
    const double top = (bigH - lineHeight * lines.size()) / 2;
    for (int i = 0; i < lines.size(); ++i) {
        const double x = (bigW - metrics.horizontalAdvance(lines[i])) / 2;
        path.addText(x, top + metrics.ascent() + lineHeight * i, font, lines[i]);
    }
    QImage big = canvas(static_cast<int>(bigW), static_cast<int>(bigH));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path.translated(3, 4), QColor(0, 0, 0, 110));
    QLinearGradient fill(0, top, 0, top + lineHeight * lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const double from = static_cast<double>(i) / lines.size();
        const double to = static_cast<double>(i + 1) / lines.size();
        fill.setColorAt(from + 0.1 * (to - from), kLetterTop);
        fill.setColorAt(to - 0.05 * (to - from), kLetterBottom);
    }
    p.setPen(QPen(QColor(60, 30, 0), kOversample * 2.0, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.end();
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------- plate and ribbon

// A dark walnut plate with rounded ends, a brass rim and an engraved line.
QImage renderCaptionPlate()
{
    constexpr int kOversample = 3;
    const int w = 300 * kOversample;
    const int h = 56 * kOversample;
    QImage big = canvas(w, h);
    // The wood, computed pixel by pixel, then cut to the plate's shape.
    QImage wood(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(wood.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double bend = 18 * (fractalNoise(x / 180.0, y / 60.0, 2, 77) - 0.5);
            const double ring = std::pow(0.5 + 0.5 * std::sin((y + bend) / 7.0), 3);
            const double streak = valueNoise(x / 50.0, y / 2.0, 78) - 0.5;
            const double t = 0.55 - 0.25 * ring + 0.2 * streak;
            line[x] = qRgb(static_cast<int>(52 + 40 * t), static_cast<int>(28 + 22 * t),
                           static_cast<int>(14 + 10 * t));
        }
    }
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = kOversample;
    const QRectF outer(u, u, w - 2 * u, h - 2 * u);
    QPainterPath shape;
    shape.addRoundedRect(outer, outer.height() / 2, outer.height() / 2);
    QLinearGradient brass(0, outer.top(), 0, outer.bottom());
    brass.setColorAt(0, QColor(255, 230, 150));
    brass.setColorAt(0.5, QColor(190, 140, 50));
    brass.setColorAt(1, QColor(110, 70, 20));
    p.fillPath(shape, brass);
    const QRectF inner = outer.adjusted(3.5 * u, 3.5 * u, -3.5 * u, -3.5 * u);
    QPainterPath field;
    field.addRoundedRect(inner, inner.height() / 2, inner.height() / 2);
    p.setClipPath(field);
    p.drawImage(0, 0, wood);
    // Light from above, shadow below; the engraved line near the rim.
    QLinearGradient light(0, inner.top(), 0, inner.bottom());
    light.setColorAt(0, QColor(255, 220, 170, 40));
    light.setColorAt(0.4, QColor(0, 0, 0, 0));
    light.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(inner, light);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 10, 4), 1.2 * u));
    p.drawPath(field);
    const QRectF groove = inner.adjusted(4 * u, 4 * u, -4 * u, -4 * u);
    p.setPen(QPen(QColor(10, 5, 2, 200), 1.0 * u));
    p.drawRoundedRect(groove, groove.height() / 2, groove.height() / 2);
    p.setPen(QPen(QColor(200, 150, 80, 110), 0.7 * u));
    p.drawRoundedRect(groove.translated(0, 0.9 * u), groove.height() / 2, groove.height() / 2);
    p.setPen(QPen(QColor(70, 40, 10), 1.0 * u));
    p.drawPath(shape);
    p.end();
    return big.scaled(300, 56, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A red satin ribbon across the picture from lower left to upper right, its
// swallow-tailed ends folded behind it.
QImage renderRibbon()
{
    constexpr int kOversample = 3;
    QImage big = canvas(280 * kOversample, 90 * kOversample);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kOversample, kOversample);
    const double band = 32;
    // The band's middle line: a gentle S from lower left to upper right.
    const QPointF start(48, 57);
    const QPointF end(232, 33);
    auto along = [&](double t) {
        const QPointF straight = start + (end - start) * t;
        return straight + QPointF(0, 6 * std::sin(2 * kPi * t));
    };
    auto normal = [&](double t) {
        const QPointF d = along(std::min(1.0, t + 0.01)) - along(std::max(0.0, t - 0.01));
        const double length = std::hypot(d.x(), d.y());
        return QPointF(-d.y() / length, d.x() / length);
    };
    // The tails: behind the band's ends, darker, with a notch.
    for (const bool left : {true, false}) {
        const double t = left ? 0.0 : 1.0;
        const QPointF at = along(t);
        const QPointF n = normal(t) * (band / 2);
        const QPointF out = left ? QPointF(-32, 8) : QPointF(32, -8);
        QPainterPath tail;
        tail.moveTo(at - n - out * 0.2);
        tail.lineTo(at - n + out);
        tail.lineTo(at + out * 0.72);  // the notch
        tail.lineTo(at + n + out);
        tail.lineTo(at + n - out * 0.2);
        tail.closeSubpath();
        QLinearGradient shade(at - n, at + n);
        shade.setColorAt(0, QColor(120, 6, 14));
        shade.setColorAt(0.5, QColor(170, 16, 26));
        shade.setColorAt(1, QColor(90, 4, 10));
        p.setPen(QPen(QColor(70, 0, 6), 0.8));
        p.setBrush(shade);
        p.drawPath(tail.translated(0, left ? 5 : -5));
        // The fold where the tail turns under the band.
        QPainterPath fold;
        fold.moveTo(at - n);
        fold.lineTo(at - n + QPointF(0, left ? 5 : -5));
        fold.lineTo(at + n + QPointF(0, left ? 5 : -5));
        fold.lineTo(at + n);
        fold.closeSubpath();
        p.setBrush(QColor(80, 2, 8));
        p.drawPath(fold);
    }
    // The band, shaded across its width like satin.
    QPainterPath shape;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const QPointF pt = along(t) + normal(t) * (band / 2);
        i == 0 ? shape.moveTo(pt) : shape.lineTo(pt);
    }
    for (int i = steps; i >= 0; --i) {
        const double t = static_cast<double>(i) / steps;
        shape.lineTo(along(t) - normal(t) * (band / 2));
    }
    shape.closeSubpath();
    const QPointF mid = along(0.5);
    const QPointF n = normal(0.5) * (band / 2);
    QLinearGradient satin(mid - n, mid + n);
    satin.setColorAt(0.0, QColor(140, 8, 18));
    satin.setColorAt(0.3, QColor(236, 60, 60));
    satin.setColorAt(0.42, QColor(255, 150, 140));
    satin.setColorAt(0.55, QColor(214, 30, 40));
    satin.setColorAt(1.0, QColor(110, 4, 12));
    p.setPen(QPen(QColor(80, 0, 6), 0.9));
    p.setBrush(satin);
    p.drawPath(shape);
    // A sheen along the band where it bends towards the light.
    QLinearGradient sheen(start, end);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.3, QColor(255, 255, 255, 50));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.75, QColor(0, 0, 0, 40));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawPath(shape);
    // Stitching along both edges.
    QPen stitch(QColor(255, 200, 190, 150), 0.7, Qt::DashLine);
    p.setPen(stitch);
    p.setBrush(Qt::NoBrush);
    for (const double side : {1.0, -1.0}) {
        QPainterPath seam;
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const QPointF pt = along(t) + normal(t) * (side * (band / 2 - 2.5));
            i == 0 ? seam.moveTo(pt) : seam.lineTo(pt);
        }
        p.drawPath(seam);
    }
    p.end();
    return big.scaled(280, 90, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------- emblems

// Emblems are drawn in a 100 x 100 box.
const QPen kInk(QColor(40, 26, 20), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

QLinearGradient shine(QPointF from, QPointF to, const QColor& light, const QColor& dark)
{
    QLinearGradient g(from, to);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

void miniCard(QPainter& p, QPointF at, double angle, Suit suit)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(QPen(QColor(40, 26, 20), 2));
    p.setBrush(QColor(255, 253, 248));
    p.drawRoundedRect(QRectF(-16, -22, 32, 44), 4, 4);
    p.fillPath(suitPath(suit, 22), isRed(suit) ? QColor(210, 20, 40) : QColor(24, 20, 30));
    p.restore();
}

void emblemOptions(QPainter& p)
{
    QPainterPath gear;
    const int teeth = 9;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = 2 * kPi * i / (teeth * 4);
        const double r = (i % 4 < 2) ? 40 : 31;
        const QPointF pt(40 + r * std::cos(a), 42 + r * std::sin(a));
        i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(40, 42), 12, 12);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(kInk);
    p.setBrush(shine(QPointF(0, 0), QPointF(80, 90), QColor(235, 238, 245), QColor(110, 118, 135)));
    p.drawPath(gear);
    miniCard(p, QPointF(66, 66), -12, Suit::Spades);
    miniCard(p, QPointF(78, 70), 14, Suit::Hearts);
}

void emblemSpeed(QPainter& p)
{
    const QPointF c(50, 72);
    p.setPen(kInk);
    p.setBrush(shine(QPointF(0, 10), QPointF(0, 100), QColor(250, 250, 252), QColor(170, 176, 190)));
    p.drawPie(QRectF(c.x() - 46, c.y() - 46, 92, 92), 0, 180 * 16);
    p.drawLine(QPointF(c.x() - 46, c.y()), QPointF(c.x() + 46, c.y()));
    // Green, yellow and red arcs of the scale.
    const QColor zones[3] = {QColor(40, 170, 60), QColor(240, 190, 30), QColor(220, 30, 30)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(zones[i], 7, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 36, c.y() - 36, 72, 72), (180 - 60 * i) * 16, -60 * 16);
    }
    p.setPen(QPen(QColor(40, 26, 20), 2));
    for (int i = 0; i <= 8; ++i) {
        const double a = kPi - kPi * i / 8;
        p.drawLine(c + QPointF(26 * std::cos(a), -26 * std::sin(a)),
                   c + QPointF(31 * std::cos(a), -31 * std::sin(a)));
    }
    const double needle = kPi * 0.28;
    QPainterPath hand;
    hand.moveTo(c + QPointF(38 * std::cos(needle), -38 * std::sin(needle)));
    hand.lineTo(c + QPointF(4 * std::cos(needle + kPi / 2), -4 * std::sin(needle + kPi / 2)));
    hand.lineTo(c + QPointF(4 * std::cos(needle - kPi / 2), -4 * std::sin(needle - kPi / 2)));
    hand.closeSubpath();
    p.setPen(QPen(QColor(100, 0, 0), 1.5));
    p.setBrush(QColor(220, 20, 20));
    p.drawPath(hand);
    p.setBrush(QColor(40, 26, 20));
    p.drawEllipse(c, 6, 6);
}

void emblemPassport(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(shine(QPointF(20, 0), QPointF(80, 100), QColor(150, 30, 40), QColor(80, 8, 16)));
    p.drawRoundedRect(QRectF(20, 8, 62, 86), 6, 6);
    p.setPen(QPen(QColor(230, 190, 100), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(51, 42), 15, 15);
    p.drawLine(QPointF(36, 42), QPointF(66, 42));
    p.drawEllipse(QRectF(44, 27, 14, 30));
    for (int i = 0; i < 2; ++i) {
        p.drawLine(QPointF(32, 70 + 8 * i), QPointF(70, 70 + 8 * i));
    }
    p.setPen(QPen(QColor(60, 10, 14), 2));
    p.drawLine(QPointF(27, 10), QPointF(27, 92));
}

void emblemTrophy(QPainter& p)
{
    const QLinearGradient gold =
        shine(QPointF(20, 0), QPointF(80, 0), QColor(255, 240, 160), QColor(190, 120, 20));
    p.setPen(kInk);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 16, 30, 32), 90 * 16, 180 * 16);
    p.drawArc(QRectF(62, 16, 30, 32), 90 * 16, -180 * 16);
    QPainterPath cup;
    cup.moveTo(22, 12);
    cup.lineTo(78, 12);
    cup.cubicTo(78, 50, 64, 62, 50, 64);
    cup.cubicTo(36, 62, 22, 50, 22, 12);
    cup.closeSubpath();
    p.setBrush(gold);
    p.drawPath(cup);
    p.drawRect(QRectF(45, 64, 10, 14));
    p.drawRoundedRect(QRectF(28, 78, 44, 14), 3, 3);
    p.save();
    p.translate(50, 34);
    p.fillPath(starPath(12, 5, -kPi / 2), QColor(255, 255, 230));
    p.restore();
}

void emblemScroll(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(shine(QPointF(0, 20), QPointF(100, 20), QColor(236, 214, 160), QColor(250, 238, 200)));
    p.drawRect(QRectF(22, 14, 56, 72));
    const QLinearGradient roll =
        shine(QPointF(0, 0), QPointF(0, 16), QColor(240, 210, 150), QColor(150, 100, 40));
    p.setBrush(roll);
    p.drawRoundedRect(QRectF(14, 6, 72, 14), 7, 7);
    p.drawRoundedRect(QRectF(14, 80, 72, 14), 7, 7);
    p.setPen(QPen(QColor(140, 100, 50), 2));
    for (int i = 0; i < 5; ++i) {
        p.drawLine(QPointF(30, 30 + 10 * i), QPointF(i == 4 ? 56 : 70, 30 + 10 * i));
    }
    p.setPen(QPen(QColor(170, 20, 30), 2.5));
    p.setBrush(QColor(200, 30, 40));
    p.drawEllipse(QPointF(66, 72), 6, 6);
}

void emblemPerson(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(shine(QPointF(0, 50), QPointF(0, 100), QColor(90, 140, 220), QColor(30, 60, 130)));
    QPainterPath body;
    body.moveTo(12, 94);
    body.cubicTo(12, 64, 30, 56, 50, 56);
    body.cubicTo(70, 56, 88, 64, 88, 94);
    body.closeSubpath();
    p.drawPath(body);
    QRadialGradient skin(QPointF(44, 26), 26);
    skin.setColorAt(0, QColor(255, 228, 200));
    skin.setColorAt(1, QColor(220, 170, 130));
    p.setBrush(skin);
    p.drawEllipse(QPointF(50, 32), 20, 22);
}

void emblemJoystick(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(shine(QPointF(0, 60), QPointF(0, 96), QColor(90, 90, 100), QColor(30, 30, 36)));
    p.drawRoundedRect(QRectF(12, 62, 76, 30), 10, 10);
    p.setBrush(QColor(60, 60, 66));
    p.drawRect(QRectF(46, 34, 8, 32));
    QRadialGradient knob(QPointF(44, 22), 18);
    knob.setColorAt(0, QColor(255, 140, 140));
    knob.setColorAt(1, QColor(190, 10, 20));
    p.setBrush(knob);
    p.drawEllipse(QPointF(50, 26), 15, 15);
    p.setBrush(QColor(40, 180, 60));
    p.drawEllipse(QPointF(26, 76), 6, 6);
    p.setBrush(QColor(240, 200, 30));
    p.drawEllipse(QPointF(74, 76), 6, 6);
}

void emblemHeart(QPainter& p)
{
    QRadialGradient red(QPointF(38, 34), 60);
    red.setColorAt(0, QColor(255, 120, 130));
    red.setColorAt(0.6, QColor(220, 20, 40));
    red.setColorAt(1, QColor(140, 0, 16));
    p.setPen(kInk);
    p.setBrush(red);
    p.save();
    p.translate(50, 52);
    p.drawPath(suitPath(Suit::Hearts, 84));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 130));
    p.drawEllipse(QPointF(32, 32), 9, 6);
}

using EmblemFunction = void (*)(QPainter&);
constexpr std::array<EmblemFunction, 8> kEmblems = {emblemOptions,  emblemSpeed,  emblemPassport,
                                                   emblemTrophy,   emblemScroll, emblemPerson,
                                                   emblemJoystick, emblemHeart};

// A header of a grey dialog: the emblem at the left, the title right of it.
QImage renderHeader(EmblemFunction emblem, const QString& title)
{
    QImage image = canvas(210, 90);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    {
        constexpr int kOversample = 3;
        QImage big = canvas(70 * kOversample, 70 * kOversample);
        QPainter e(&big);
        e.setRenderHint(QPainter::Antialiasing);
        e.scale(big.width() / 100.0, big.height() / 100.0);
        // A soft shadow first, then the emblem.
        e.save();
        e.translate(2.5, 3.5);
        e.setOpacity(0.25);
        emblem(e);
        e.restore();
        emblem(e);
        e.end();
        QImage small = big.scaled(62, 62, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        p.drawImage(2, 14, small);
    }
    p.drawImage(66, 0, renderLetteringBlock(143, 90, title));
    p.end();
    return image;
}

}  // namespace

bool makeDialogs(Output& out)
{
    bool ok = out.save(renderCaptionPlate(), QStringLiteral("GCap300")) &&
              out.save(renderRibbon(), QStringLiteral("GLenta280x090"));
    for (const Language& language : kLanguages) {
        const QString suffix = QString::fromLatin1(language.suffix);
        for (std::size_t i = 0; ok && i < kDialogs.size(); ++i) {
            const QString text = QString::fromUtf8(language.texts[i]);
            const QString oneLine = QString(text).remove(QLatin1Char('|'));
            ok = out.save(art::renderLettering(490, 48, oneLine, 0.72, kLetterTop, kLetterBottom),
                          QString::fromLatin1(kDialogs[i].title) + suffix) &&
                 out.save(renderHeader(kEmblems[i], text),
                          QString::fromLatin1(kDialogs[i].header) + suffix);
        }
    }
    for (const char* code : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"}) {
        ok = ok && out.save(renderFlag(QString::fromLatin1(code), 100, 68),
                            QStringLiteral("FlagO") + QString::fromLatin1(code));
    }
    return ok && makeCountryFlags(out);
}

}  // namespace olk::graphgen
