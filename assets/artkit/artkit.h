#pragma once

// Drawing pieces shared by the programs that make Olk's pictures at build
// time (olk-artgen, olk-cardgen, olk-graphgen).

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <QString>
#include <functional>

namespace olk::art {

// A picture of w x h filled with `fill`, ready for antialiased painting.
QImage canvas(int w, int h, Qt::GlobalColor fill = Qt::transparent);

// A rounded card outline of the given size, as the shape of a card.
QPainterPath cardShape(QRectF r, double radius);

// Lettering: `text` centred in w x h at `heightShare` of the height (smaller
// when it would not fit), filled with a gradient from `top` to `bottom`, with
// a dark outline and a soft shadow.
QImage renderLettering(int w, int h, const QString& text, double heightShare, const QColor& top,
                       const QColor& bottom);

// An animation as a strip of `frames` frames of `frameSize` side by side;
// `frame` paints one frame (clipped to it) for its phase 0 <= phase < 1.
QImage renderStrip(int frames, const std::function<void(QPainter&, double phase)>& frame,
                   QSize frameSize = QSize(160, 200));

// The element of a card in a KDE SVG deck: rank index 1 (two) .. 13 (ace)
// and the suit's name "heart", "diamond", "club" or "spade" ("2_heart",
// "king_spade", "1_club").
QString deckElement(int rankIndex, const char* suitName);

// The picture on an opaque white ground. The table draws the corners of the
// small cards as part of its 1-pixel outline: white there leaves no hole.
QImage onWhite(const QImage& picture);

// ---- card backs

// Paints a back's pattern over its whole panel; `unit` is a 24th of the
// card's width, so a pattern looks the same at every size.
using Pattern = std::function<void(QPainter&, const QRectF& panel, double unit)>;

struct BackDesign {
    const char* part;  // "01Mo" ...
    QColor ink;        // the main colour, also the panel's rim
    QColor light;      // the pattern's second colour
    Pattern pattern;
};

// Pattern pieces: a lattice of crossed lines over `a`, and a ringed
// four-petalled medallion in the panel's centre.
void diamondLattice(QPainter& p, const QRectF& r, double u, const QColor& a, const QColor& b);
void medallion(QPainter& p, const QRectF& r, double u, const QColor& ring, const QColor& fill);

// The seven backs of the built-in deck, one a weekday ("01Mo" .. "07Su").
QList<BackDesign> backDesigns();

// A back of w x h: a white rounded card, the design's panel inside a narrow
// white margin with a soft sheen and a rim; `outline` draws the card's edge.
QImage renderBack(const BackDesign& design, int w, int h, bool outline);

}  // namespace olk::art
