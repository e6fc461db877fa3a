#include "table/progress_chart.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "core/cp1251.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"
#include "table/record_windows.h"

namespace olk {

namespace {

QString fieldText(const QByteArray& line, int start, int length)
{
    return QString::fromStdString(
        cp1251::toUtf8(line.mid(start, length).trimmed().toStdString()));
}

// A tick value with as many decimals as the step needs, "," before them as
// the records write numbers.
QString tickText(double value, double step)
{
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    QString result = QString::number(value, 'f', decimals);
    result.replace(QLatin1Char('.'), QLatin1Char(','));
    return result;
}

bool darkBackground(const QWidget& widget)
{
    return widget.palette().color(QPalette::Window).lightness() < 128;
}

}  // namespace

QString historyLinePlayer(const QByteArray& line)
{
    const QByteArray players = line.mid(15, 51);
    const qsizetype slash = players.indexOf('/');
    return QString::fromStdString(
        cp1251::toUtf8((slash >= 0 ? players.left(slash) : players).trimmed().toStdString()));
}

ProgressSeries progressSeries(const QList<QByteArray>& entryLines, const QString& player)
{
    ProgressSeries series;
    series.player = player.trimmed();
    if (series.player.isEmpty()) {
        return series;
    }
    for (const QByteArray& line : entryLines) {
        if (historyLinePlayer(line) != series.player) {
            continue;
        }
        ChartPoint point;
        point.game = static_cast<int>(series.points.size()) + 1;
        point.time = fieldText(line, 0, 5);
        point.date = fieldText(line, 5, 10);
        point.kind = line.size() > 89 ? line[89] : '?';
        bool ok = false;
        const int score = fieldText(line, 69, 10).toInt(&ok);
        if (ok) {
            point.score = score;
        }
        QString ratingText = fieldText(line, 79, 10);
        ratingText.replace(QLatin1Char(','), QLatin1Char('.'));
        const double rating = ratingText.toDouble(&ok);
        if (ok && std::isfinite(rating)) {
            point.rating = rating;
        }
        series.points.append(point);
    }
    return series;
}

QList<double> tidyTicks(double low, double high, int wanted)
{
    if (!std::isfinite(low) || !std::isfinite(high)) {
        return {};
    }
    if (high < low) {
        std::swap(low, high);
    }
    if (high - low < 1e-9) {
        const double pad = std::max(1.0, std::abs(low) * 0.1);
        low -= pad;
        high += pad;
    }
    wanted = std::max(2, wanted);
    const double raw = (high - low) / (wanted - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double step = (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10) * magnitude;
    const double first = std::floor(low / step + 1e-9);
    const double last = std::ceil(high / step - 1e-9);
    QList<double> ticks;
    for (double k = first; k <= last && ticks.size() < 1000; k += 1) {
        double value = k * step;
        if (std::abs(value) < step * 1e-9) {
            value = 0;  // never "-0"
        }
        ticks.append(value);
    }
    return ticks;
}

ProgressChart::ProgressChart(const Settings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings)
{
    setMouseTracking(true);
    setObjectName(QStringLiteral("ProgressChart"));
}

void ProgressChart::setSeries(ProgressSeries series)
{
    m_series = std::move(series);
    update();
}

QSize ProgressChart::sizeHint() const
{
    return {720, 420};
}

QSize ProgressChart::minimumSizeHint() const
{
    return {360, 240};
}

// Sizes follow the widget: the fonts grow with it, within bounds.
static int chartTextSize(const QWidget& widget)
{
    return std::clamp(std::min(widget.width() / 48, widget.height() / 26), 11, 20);
}

ProgressChart::Frame ProgressChart::frame() const
{
    Frame f;
    const int count = static_cast<int>(m_series.points.size());
    f.count = std::min(count, kMaxShown);
    f.first = count - f.count;
    const int size = chartTextSize(*this);
    const QFontMetrics title(familyFont(m_settings, FontFamily::Decor, size + 4));
    const QFontMetrics label(familyFont(m_settings, FontFamily::Serif, size));
    const int top = title.height() + label.height() * 2 + 8;
    const int side = label.horizontalAdvance(QStringLiteral("-00000,0")) + 12;
    const int bottom = label.height() * 2 + 10;
    f.plot = rect().adjusted(side, top, -side, -bottom);
    return f;
}

int ProgressChart::pointAt(QPoint position) const
{
    const Frame f = frame();
    if (f.count == 0 || f.plot.width() <= 0 ||
        !f.plot.adjusted(0, -4, 0, 4).contains(position)) {
        return -1;
    }
    const double slot = double(f.plot.width()) / f.count;
    const int i = std::clamp(static_cast<int>((position.x() - f.plot.left()) / slot), 0,
                             f.count - 1);
    return f.first + i;
}

QString ProgressChart::toolTipFor(int index) const
{
    if (index < 0 || index >= m_series.points.size()) {
        return {};
    }
    const ChartPoint& p = m_series.points[index];
    QStringList lines{text(Text::ChartGame) + QStringLiteral(": ") + QString::number(p.game),
                      text(Text::Date) + QStringLiteral(": ") + p.date + QLatin1Char(' ') +
                          p.time};
    if (p.score) {
        lines.append(text(Text::Score) + QStringLiteral(": ") + QString::number(*p.score));
    }
    if (p.rating) {
        lines.append(text(Text::Rating) + QStringLiteral(": ") + ratingWithTwoDecimals(*p.rating));
    }
    return lines.join(QLatin1Char('\n'));
}

bool ProgressChart::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = toolTipFor(pointAt(help->pos()));
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void ProgressChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = darkBackground(*this);
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor grid = dark ? QColor(255, 255, 255, 40) : QColor(0, 0, 0, 30);
    const QColor won = dark ? QColor(102, 187, 106) : QColor(46, 125, 50);
    const QColor lost = dark ? QColor(239, 83, 80) : QColor(198, 40, 40);
    const QColor line = dark ? QColor(100, 181, 246) : QColor(21, 101, 192);

    const int size = chartTextSize(*this);
    const QFont titleFont = familyFont(m_settings, FontFamily::Decor, size + 4);
    const QFont labelFont = familyFont(m_settings, FontFamily::Serif, size);
    const QFontMetrics titleMetrics(titleFont);
    const QFontMetrics labelMetrics(labelFont);
    const Frame f = frame();

    // The title: "Progress: <player>".
    painter.setPen(ink);
    painter.setFont(titleFont);
    const QString title = text(Text::ChartProgress) + QStringLiteral(": ") + m_series.player;
    painter.drawText(QRect(0, 2, width(), titleMetrics.height()), Qt::AlignHCenter,
                     titleMetrics.elidedText(title, Qt::ElideRight, width() - 8));
    painter.setFont(labelFont);

    if (f.count == 0) {
        painter.drawText(rect(), Qt::AlignCenter, text(Text::ChartNoGames));
        return;
    }
    const QRect plot = f.plot;
    if (plot.width() < 20 || plot.height() < 20) {
        return;
    }

    // The legend under the title, and the note on a cut history.
    const int legendY = titleMetrics.height() + 4;
    const int lh = labelMetrics.height();
    int x = plot.left();
    painter.fillRect(QRect(x, legendY + lh / 4, lh / 2, lh / 2), won);
    painter.fillRect(QRect(x + lh / 2, legendY + lh / 4, lh / 2, lh / 2), lost);
    x += lh + 4;
    painter.drawText(QPoint(x, legendY + labelMetrics.ascent()), text(Text::Score));
    x += labelMetrics.horizontalAdvance(text(Text::Score)) + lh;
    painter.setPen(QPen(line, 2));
    painter.drawLine(x, legendY + lh / 2, x + lh, legendY + lh / 2);
    painter.setPen(ink);
    x += lh + 4;
    painter.drawText(QPoint(x, legendY + labelMetrics.ascent()), text(Text::Rating));
    if (f.first > 0) {
        painter.drawText(QRect(plot.left(), legendY, plot.width(), lh), Qt::AlignRight,
                         text(Text::ChartLastGames).arg(f.count));
    }

    // The scales: scores always show their zero; ratings only their range.
    double scoreLow = 0, scoreHigh = 0;
    double ratingLow = 0, ratingHigh = 0;
    bool anyRating = false;
    for (int i = f.first; i < f.first + f.count; ++i) {
        const ChartPoint& p = m_series.points[i];
        if (p.score) {
            scoreLow = std::min<double>(scoreLow, *p.score);
            scoreHigh = std::max<double>(scoreHigh, *p.score);
        }
        if (p.rating) {
            ratingLow = anyRating ? std::min(ratingLow, *p.rating) : *p.rating;
            ratingHigh = anyRating ? std::max(ratingHigh, *p.rating) : *p.rating;
            anyRating = true;
        }
    }
    const int wantedTicks = std::clamp(plot.height() / (lh * 2), 3, 10);
    const QList<double> scoreTicks = tidyTicks(scoreLow, scoreHigh, wantedTicks);
    const QList<double> ratingTicks =
        anyRating ? tidyTicks(ratingLow, ratingHigh, wantedTicks) : QList<double>{};
    const double sLow = scoreTicks.front(), sHigh = scoreTicks.back();
    auto scoreY = [&](double v) {
        return plot.bottom() - (v - sLow) / (sHigh - sLow) * plot.height();
    };
    const double rLow = anyRating ? ratingTicks.front() : 0;
    const double rHigh = anyRating ? ratingTicks.back() : 1;
    auto ratingY = [&](double v) {
        return plot.bottom() - (v - rLow) / (rHigh - rLow) * plot.height();
    };

    // Grid and the score axis on the left; the rating axis on the right.
    const double scoreStep = scoreTicks.size() > 1 ? scoreTicks[1] - scoreTicks[0] : 1;
    for (double v : scoreTicks) {
        const int y = qRound(scoreY(v));
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(ink);
        painter.drawText(QRect(0, y - lh / 2, plot.left() - 6, lh),
                         Qt::AlignRight | Qt::AlignVCenter, tickText(v, scoreStep));
    }
    if (anyRating) {
        const double ratingStep = ratingTicks.size() > 1 ? ratingTicks[1] - ratingTicks[0] : 1;
        painter.setPen(line);
        for (double v : ratingTicks) {
            const int y = qRound(ratingY(v));
            painter.drawLine(plot.right(), y, plot.right() + 4, y);
            painter.drawText(QRect(plot.right() + 6, y - lh / 2, width() - plot.right() - 6, lh),
                             Qt::AlignLeft | Qt::AlignVCenter, tickText(v, ratingStep));
        }
    }
    painter.setPen(ink);
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomRight(), plot.topRight());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    // The zero line of the scores.
    painter.setPen(QPen(ink, 1.5));
    const int zeroY = qRound(scoreY(0));
    painter.drawLine(plot.left(), zeroY, plot.right(), zeroY);

    // The bars: thinner as the games grow, one pixel at the least.
    const double slot = double(plot.width()) / f.count;
    const double barWidth = std::max(1.0, slot * 0.6);
    auto centre = [&](int i) { return plot.left() + (i - f.first + 0.5) * slot; };
    painter.setPen(Qt::NoPen);
    for (int i = f.first; i < f.first + f.count; ++i) {
        const ChartPoint& p = m_series.points[i];
        if (!p.score) {
            continue;
        }
        const double y = scoreY(*p.score);
        QRectF bar(centre(i) - barWidth / 2, std::min<double>(y, zeroY), barWidth,
                   std::max(1.0, std::abs(y - zeroY)));
        painter.fillRect(bar, *p.score >= 0 ? won : lost);
    }

    // The rating line over the games that hold a rating.
    if (anyRating) {
        QPainterPath path;
        bool started = false;
        for (int i = f.first; i < f.first + f.count; ++i) {
            const ChartPoint& p = m_series.points[i];
            if (!p.rating) {
                continue;
            }
            const QPointF at(centre(i), ratingY(*p.rating));
            if (started) {
                path.lineTo(at);
            } else {
                path.moveTo(at);
                started = true;
            }
        }
        painter.setPen(QPen(line, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        if (slot >= 8) {
            painter.setBrush(line);
            for (int i = f.first; i < f.first + f.count; ++i) {
                const ChartPoint& p = m_series.points[i];
                if (p.rating) {
                    painter.drawEllipse(QPointF(centre(i), ratingY(*p.rating)), 3, 3);
                }
            }
        }
    }

    // The games along the bottom, whole numbers only.
    painter.setPen(ink);
    const int firstGame = m_series.points[f.first].game;
    const int lastGame = m_series.points[f.first + f.count - 1].game;
    const int labelWidth = labelMetrics.horizontalAdvance(QString::number(lastGame)) + lh;
    const QList<double> gameTicks =
        tidyTicks(firstGame, lastGame, std::clamp(plot.width() / std::max(1, labelWidth * 2), 2, 12));
    for (double v : gameTicks) {
        const int game = qRound(v);
        if (std::abs(v - game) > 1e-9 || game < firstGame || game > lastGame) {
            continue;
        }
        const int gx = qRound(centre(f.first + game - firstGame));
        painter.drawLine(gx, plot.bottom(), gx, plot.bottom() + 4);
        painter.drawText(QRect(gx - labelWidth, plot.bottom() + 4, labelWidth * 2, lh),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(game));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 6 + lh, plot.width(), lh),
                     Qt::AlignHCenter, text(Text::ChartGame));
}

}  // namespace olk
