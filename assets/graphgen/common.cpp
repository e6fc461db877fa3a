#include "assets/graphgen/common.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QMutexLocker>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace olk::graphgen {

QColor mixColour(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(static_cast<float>(mix(a.redF(), b.redF(), t)),
                            static_cast<float>(mix(a.greenF(), b.greenF(), t)),
                            static_cast<float>(mix(a.blueF(), b.blueF(), t)),
                            static_cast<float>(mix(a.alphaF(), b.alphaF(), t)));
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    double tx = x - fx;
    double ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = hashUnit(ix, iy, seed);
    const double b = hashUnit(ix + 1, iy, seed);
    const double c = hashUnit(ix, iy + 1, seed);
    const double d = hashUnit(ix + 1, iy + 1, seed);
    return mix(mix(a, b, tx), mix(c, d, tx), ty);
}

double fractalNoise(double x, double y, int octaves, std::uint32_t seed)
{
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 1013u);
        total += weight;
        x *= 2.03;
        y *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

QPainterPath suitPath(Suit suit, double size)
{
    // Drawn in a 100 x 100 box centred on the origin, then scaled.
    QPainterPath path;
    switch (suit) {
    case Suit::Hearts:
        path.moveTo(0, 46);
        path.cubicTo(-20, 22, -50, 4, -50, -20);
        path.cubicTo(-50, -40, -34, -50, -24, -50);
        path.cubicTo(-12, -50, -3, -43, 0, -30);
        path.cubicTo(3, -43, 12, -50, 24, -50);
        path.cubicTo(34, -50, 50, -40, 50, -20);
        path.cubicTo(50, 4, 20, 22, 0, 46);
        break;
    case Suit::Diamonds:
        path.moveTo(0, -50);
        path.quadTo(16, -20, 38, 0);
        path.quadTo(16, 20, 0, 50);
        path.quadTo(-16, 20, -38, 0);
        path.quadTo(-16, -20, 0, -50);
        break;
    case Suit::Spades:
        path.moveTo(0, -50);
        path.cubicTo(-18, -24, -48, -10, -48, 12);
        path.cubicTo(-48, 30, -28, 38, -8, 24);
        path.quadTo(-10, 40, -22, 50);
        path.lineTo(22, 50);
        path.quadTo(10, 40, 8, 24);
        path.cubicTo(28, 38, 48, 30, 48, 12);
        path.cubicTo(48, -10, 18, -24, 0, -50);
        break;
    case Suit::Clubs: {
        path.setFillRule(Qt::WindingFill);
        path.addEllipse(QPointF(0, -26), 22, 22);
        path.addEllipse(QPointF(-25, 10), 22, 22);
        path.addEllipse(QPointF(25, 10), 22, 22);
        path.addRect(QRectF(-6, -10, 12, 30));
        QPainterPath stem;
        stem.moveTo(-5, 10);
        stem.quadTo(-8, 40, -22, 50);
        stem.lineTo(22, 50);
        stem.quadTo(8, 40, 5, 10);
        stem.closeSubpath();
        path = path.united(stem);
        break;
    }
    }
    path.closeSubpath();
    QTransform scale;
    scale.scale(size / 100.0, size / 100.0);
    return scale.map(path.simplified());
}

QPainterPath starPath(double outer, double inner, double angle)
{
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const double a = angle + k * kPi / 5;
        const double r = k % 2 ? inner : outer;
        const QPointF point(r * std::cos(a), r * std::sin(a));
        k == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

Output::Output(const QString& folder, const QString& prefix) : m_folder(folder), m_prefix(prefix)
{
    m_ready = QDir().mkpath(folder);
}

bool Output::save(const QImage& image, const QString& name, int jpegQuality)
{
    const bool jpeg = jpegQuality >= 0;
    const QString file = name + (jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png"));
    QSaveFile out(QDir(m_folder).filePath(file));
    bool ok = out.open(QIODevice::WriteOnly);
    if (ok) {
        QImageWriter writer(&out, jpeg ? "JPEG" : "PNG");
        if (jpeg) {
            writer.setQuality(jpegQuality);
            writer.setOptimizedWrite(true);
        } else {
            writer.setQuality(0);  // for PNG: the strongest compression
        }
        ok = writer.write(jpeg ? image.convertToFormat(QImage::Format_RGB32) : image) &&
             out.commit();
    }
    if (!ok) {
        std::fprintf(stderr, "olk-graphgen: cannot write %s\n", qPrintable(file));
        return false;
    }
    QMutexLocker lock(&m_mutex);
    m_files << file;
    return true;
}

bool Output::writeList(const QString& listName) const
{
    QStringList files;
    {
        QMutexLocker lock(&m_mutex);
        files = m_files;
    }
    files.sort();
    QSaveFile qrc(QDir(m_folder).filePath(listName));
    if (!qrc.open(QIODevice::WriteOnly)) {
        return false;
    }
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"" << m_prefix << "\">\n";
    for (const QString& file : files) {
        // The picture's name without its extension, as the program asks for it.
        out << "    <file alias=\"" << file.section('.', 0, 0) << "\">" << file << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    out.flush();
    return qrc.commit();
}

}  // namespace olk::graphgen
