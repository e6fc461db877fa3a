#pragma once

// Pieces the pictures of the calendar library share. Every picture is drawn
// at its final size with antialiasing, on a transparent ground, except the
// waving flags, which are drawn four times larger and reduced.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <functional>
#include <vector>

namespace olk::calgen {

constexpr double kPi = 3.14159265358979323846;

// The room a page gives a picture: the zodiac signs 26 x 26 at (17, 65),
// the animals and the holidays 54 x 70 at (3, 27).
constexpr int kSignSize = 26;
constexpr int kPictureWidth = 54;
constexpr int kPictureHeight = 70;

struct Picture {
    QString name;
    QImage image;
};

// A transparent w x h picture and an antialiased painter on it.
QImage blank(int w, int h);
void prepare(QPainter& p);

// A star of `points` points centred on `c`, one point straight up.
QPainterPath starPath(QPointF c, double outer, double inner, int points = 5);
// A heart about `size` wide, its top centre at `top`.
QPainterPath heartPath(QPointF top, double size);
// A radial highlight: `colour` lighter in the upper left of `r`.
QBrush ball(const QRectF& r, const QColor& colour);

// A flag of w x h units painted by `paint` (in that box), waving on a pole
// whose top is at `poleTop`: the cloth hangs from the pole's top to the
// right, `w` wide.
using FlagPaint = std::function<void(QPainter&, double w, double h)>;
void wavingFlag(QPainter& p, QPointF poleTop, double poleLength, double w, double h,
                const FlagPaint& paint);

// The flags, in a w x h box from (0, 0).
void flagStripes(QPainter& p, double w, double h, std::initializer_list<QColor> colours,
                 bool across);
void flagUsa(QPainter& p, double w, double h);
void flagUk(QPainter& p, double w, double h);
void flagSpain(QPainter& p, double w, double h);

std::vector<Picture> pagePictures();     // R_BASE, R_01 .. R_12
std::vector<Picture> animalPictures();   // R_VOSKRIS .. R_VOSPIG0
std::vector<Picture> holidayPictures();  // every picture of the holiday table

}  // namespace olk::calgen
