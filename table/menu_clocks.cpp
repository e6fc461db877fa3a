#include "table/menu_clocks.h"

#include <QFont>
#include <QPainter>
#include <QPointer>
#include <QTextDocument>

#include "extras/card_pictures.h"
#include "settings/word_tables.h"
#include "table/table_geometry.h"

namespace olk {

namespace {

constexpr int kDigitTop = 15;

QImage digitPicture(QChar letter, QChar character)
{
    const QString base = QStringLiteral("G") + letter + QStringLiteral("Clock");
    return builtInPicture(base + (character == u'-' ? QString(QLatin1Char('M')) : QString(character)));
}

// The kind's icon, stored larger and shown at 16 x 16.
QString iconName(int kind)
{
    switch (kind) {
    case 1:
    case 2:
    case 3:
        return QStringLiteral("Windows");
    case 4:
        return QStringLiteral("Android");
    case 6:
        return QStringLiteral("GTevs128");
    default:
        return QStringLiteral("Account48");
    }
}

// A country code as the score tables carry it ("1-001"): digits and dashes
// only, or nothing.
bool plausibleCountryCode(const QString& code)
{
    if (code.isEmpty() || code.size() > 8) {
        return false;
    }
    for (const QChar c : code) {
        if (!(c.isDigit() && c.unicode() < 128) && c != u'-') {
            return false;
        }
    }
    return true;
}

QFont panelFont(int pixels, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

bool menuClocksShown(int windowSize, QSize client)
{
    if (scaleFor(windowSize, client).s < 1.6) {
        return false;
    }
    switch (windowSize) {
    case 4:
    case 5:
        return true;
    case 2:
        return client.width() > 1290 && client.height() > 850;
    default:
        return false;
    }
}

QList<PlacedDigit> clockDigits(int hour, int minute)
{
    QList<PlacedDigit> digits;
    if (hour / 10 != 0) {
        digits.append({QChar(u'0' + hour / 10), 14});
    }
    digits.append({QChar(u'0' + hour % 10), 34});
    digits.append({QChar(u'0' + minute / 10), 61});
    digits.append({QChar(u'0' + minute % 10), 81});
    return digits;
}

QChar figureLetter(int kind)
{
    static const char kLetters[] = "RAGYVLN";
    return QLatin1Char(kLetters[std::clamp(kind, 1, 7) - 1]);
}

int FigureCycle::tick(const QTime& now)
{
    if (now.second() != 1) {
        m_asked = false;
        return 0;
    }
    if (m_asked) {
        return 0;
    }
    m_asked = true;
    return online::menuFigureKind(now.minute());
}

MenuClock::MenuClock(QWidget* parent)
    : QWidget(parent), m_background(builtInPicture(QStringLiteral("GClockBG")))
{
    setFixedSize(kClockPanelWidth, kClockPanelHeight);
    for (int digit = 0; digit <= 9; ++digit) {
        m_digits[digit] = digitPicture(u'B', QChar(u'0' + digit));
    }
    m_colonPicture = builtInPicture(QStringLiteral("GBClockP"));
}

void MenuClock::showTime(const QTime& now)
{
    const bool colon = now.msec() > 500;
    if (now.hour() == m_hour && now.minute() == m_minute && colon == m_colon) {
        return;
    }
    m_hour = now.hour();
    m_minute = now.minute();
    m_colon = colon;
    update();
}

void MenuClock::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_background);
    if (m_hour < 0) {
        return;
    }
    for (const PlacedDigit& placed : clockDigits(m_hour, m_minute)) {
        p.drawImage(placed.x, kDigitTop, m_digits[placed.digit.digitValue()]);
    }
    if (m_colon) {
        p.drawImage(55, 24, m_colonPicture);
    }
}

MenuFigurePanel::MenuFigurePanel(QWidget* parent)
    : QWidget(parent), m_background(builtInPicture(QStringLiteral("GClockBG")))
{
    setFixedSize(kClockPanelWidth, kClockPanelHeight);
}

void MenuFigurePanel::ask(int kind)
{
    const int question = ++m_questions;
    if (!m_hasFigure) {
        // Until the first answer: the kind's "00", without a hint.
        draw(online::startingFigure(kind));
        setToolTip(QString());
    }
    if (!m_source) {
        showFigure(online::failedFigure(kind));
        return;
    }
    QPointer<MenuFigurePanel> panel(this);
    m_source(kind, [panel, question](const online::MenuFigure& figure) {
        if (panel && panel->m_questions == question) {
            panel->showFigure(figure);
        }
    });
}

void MenuFigurePanel::showFigure(const online::MenuFigure& figure)
{
    draw(figure);
    m_hasFigure = true;
    // The hint is plain text whatever a nick holds.
    setToolTip(Qt::convertFromPlainText(figure.hint, Qt::WhiteSpaceNoWrap));
}

void MenuFigurePanel::draw(const online::MenuFigure& figure)
{
    const bool newKind = m_digits[0].isNull() || figure.kind != m_figure.kind;
    m_figure = figure;
    if (newKind) {
        const QChar letter = figureLetter(figure.kind);
        for (int digit = 0; digit <= 9; ++digit) {
            m_digits[digit] = digitPicture(letter, QChar(u'0' + digit));
        }
        m_digits[10] = digitPicture(letter, u'-');
        m_icon = builtInPicture(iconName(figure.kind))
                     .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_flag = {};
    if (figure.kind == 3 && plausibleCountryCode(figure.flagCountry)) {
        const QImage flag = builtInPicture(QStringLiteral("Country") + figure.flagCountry);
        if (!flag.isNull()) {
            m_flag = flag.scaled(20, 14, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
    }
    update();
}

QList<PlacedDigit> MenuFigurePanel::placedDigits() const
{
    QList<PlacedDigit> placed;
    const QList<int> xs = online::figureDigitPositions(static_cast<int>(m_figure.value.size()));
    for (int i = 0; i < xs.size(); ++i) {
        placed.append({m_figure.value.at(i), xs[i]});
    }
    return placed;
}

void MenuFigurePanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawImage(0, 0, m_background);
    if (m_digits[0].isNull()) {
        return;  // never asked
    }
    p.drawImage(10, 10, m_icon);
    const int width = online::figureDigitWidth(static_cast<int>(m_figure.value.size()));
    for (const PlacedDigit& placed : placedDigits()) {
        const int index = placed.digit == u'-' ? 10 : placed.digit.digitValue();
        if (index < 0 || index > 10) {
            continue;
        }
        const QImage& digit = m_digits[index];
        if (width == 0) {
            p.drawImage(placed.x, kDigitTop, digit);
        } else {
            p.drawImage(QRect(placed.x, kDigitTop, width, digit.height()), digit);
        }
    }
    const int kind = m_figure.kind;
    if (!m_figure.suffix.isEmpty()) {
        p.setFont(panelFont(16, true));
        p.setPen(QColor(40, 225, 235));
        p.drawText(QRect(90, 25, kClockPanelWidth - 94, 22), Qt::AlignLeft | Qt::AlignTop,
                   m_figure.suffix);
    }
    if (kind == 1 || kind == 2) {
        p.setFont(panelFont(11, true));
        p.setPen(kind == 1 ? QColor(255, 70, 60) : QColor(40, 225, 235));
        p.drawText(QRect(90, 10, kClockPanelWidth - 94, 14), Qt::AlignLeft | Qt::AlignTop,
                   text(kind == 1 ? Text::ClockLabelIq : Text::ClockLabelDeals));
    }
    if (!m_flag.isNull()) {
        p.drawImage(90, 10, m_flag);
    }
}

}  // namespace olk
