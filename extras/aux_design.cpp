#include "extras/aux_design.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>

#include "extras/card_pictures.h"
#include "records/resource_library.h"
#include "settings/fonts.h"
#include "settings/language.h"

namespace olk {
namespace {

const QColor kGrey(212, 208, 200);

}  // namespace

void AuxDesign::load(const Settings& settings, const QString& programFolder, AuxPictureNames names)
{
    m_purple = settings.auxDesignPurple;
    m_grey = settings.auxDesignGrey;
    m_form = {};
    m_icon = {};
    m_ribbon = {};
    const QString header = QString::fromLatin1(names.header);
    // A dialog may have no lettering of its own: its title is written then.
    m_header = *names.lettering != '\0'
                   ? builtInPicture(pictureName(QString::fromLatin1(names.lettering)))
                   : QImage();
    if (m_purple) {
        m_form = graphicsLibraryPicture(programFolder, header);
        m_icon = graphicsLibraryPicture(programFolder, QString::fromLatin1(names.icon));
        m_headerHeight = 60;
    } else if (m_grey == 1) {
        m_headerHeight = 48;
    } else if (m_grey == 3) {
        m_headerHeight = 90;
        m_ribbon = builtInPicture(QStringLiteral("GLenta280x090"));
        m_header = builtInPicture(pictureName(header));
    } else {
        m_headerHeight = 64;
    }
}

QPalette AuxDesign::palette() const
{
    QPalette look = QApplication::palette();
    if (!m_purple) {
        look.setColor(QPalette::Window, kGrey);
        return look;
    }
    look.setColor(QPalette::Window, QColor(16, 0, 24));
    look.setColor(QPalette::WindowText, QColor(240, 226, 255));
    look.setColor(QPalette::Base, QColor(30, 8, 44));
    look.setColor(QPalette::AlternateBase, QColor(44, 14, 62));
    look.setColor(QPalette::Text, QColor(250, 244, 255));
    look.setColor(QPalette::Button, QColor(60, 20, 84));
    look.setColor(QPalette::ButtonText, QColor(250, 244, 255));
    look.setColor(QPalette::Highlight, QColor(170, 40, 200));
    look.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 110, 150));
    look.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 110, 150));
    return look;
}

// A dialog without a lettering picture of its own has its title written:
// bold serif, as large as fits.
static void drawTitle(QPainter& p, const QRect& place, const Settings& settings, const QString& title,
               const QColor& colour)
{
    QFont serif = familyFont(settings, FontFamily::Serif, 40);
    serif.setBold(true);
    QFontMetrics metrics(serif);
    while (metrics.horizontalAdvance(title) > place.width() && serif.pixelSize() > 12) {
        serif.setPixelSize(serif.pixelSize() - 2);
        metrics = QFontMetrics(serif);
    }
    p.setFont(serif);
    p.setPen(colour);
    p.drawText(place, Qt::AlignCenter, title);
}

void AuxDesign::paint(QPainter& p, int w, int h, const Settings& settings, const QString& title,
                      int iconFrame) const
{
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_purple) {
        p.fillRect(0, 0, w, h, Qt::black);
        if (!m_form.isNull()) {
            p.drawImage(QRect(0, 0, w, h), m_form);
        }
        if (!m_header.isNull()) {
            p.drawImage(QRect(5, 5, w - 10, 48), m_header);
        } else {
            drawTitle(p, QRect(90, 5, w - 180, 48), settings, title, QColor(240, 200, 255));
        }
        if (!m_icon.isNull()) {
            p.drawImage(QPoint(35, 22), m_icon, QRect(48 * iconFrame, 0, 48, 48));
        }
        p.fillRect(5, 55, w - 10, 6, QColor(200, 0, 0));
        return;
    }
    p.fillRect(0, 0, w, h, kGrey);
    switch (m_grey) {
    case 1:
        // Concise: the lettering alone on a darker band.
        p.fillRect(0, 0, w, m_headerHeight, QColor(120, 124, 132));
        if (!m_header.isNull()) {
            p.drawImage(QRect(5, 0, w - 10, 48), m_header);
        } else {
            drawTitle(p, QRect(5, 0, w - 10, 48), settings, title, QColor(255, 255, 255));
        }
        break;
    case 3: {
        // Red ribbons: the ribbon on the left, the header picture beside it.
        QLinearGradient band(0, 0, 0, m_headerHeight);
        band.setColorAt(0, QColor(236, 234, 228));
        band.setColorAt(1, QColor(190, 186, 178));
        p.fillRect(0, 0, w, m_headerHeight, band);
        if (!m_ribbon.isNull()) {
            p.drawImage(QPoint(0, 0), m_ribbon);
        }
        if (!m_header.isNull()) {
            p.drawImage(QPoint(w - 5 - m_header.width(), 0), m_header);
        }
        break;
    }
    default: {
        // Aristocratic: the caption plate with the title in capitals.
        p.fillRect(0, 0, w, m_headerHeight, QColor(150, 146, 138));
        const QImage plate = builtInPicture(QStringLiteral("GCap300"));
        const QRect place((w - 300) / 2, (m_headerHeight - 56) / 2, 300, 56);
        if (!plate.isNull()) {
            p.drawImage(place, plate);
        }
        drawTitle(p, place.adjusted(12, 0, -12, 0), settings, title.toUpper(),
                  QColor(255, 255, 0));
        break;
    }
    }
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, m_headerHeight, w, m_headerHeight);
}

}  // namespace olk
