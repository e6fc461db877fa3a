#include "extras/salute.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include "extras/card_pictures.h"

namespace olk {
namespace {

constexpr int kFrame = 100;
constexpr int kFrames = 30;
constexpr int kPauseMs = 12;

// A window without a frame or focus that shows one picture, above all.
class SaluteWindow : public QWidget {
public:
    SaluteWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(kFrame, kFrame);
    }
    QImage picture;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, picture);
    }
};

}  // namespace

void playSalute(const QString& programFolder)
{
    const QImage strip = graphicsLibraryPicture(programFolder, QStringLiteral("GTouch"));
    if (strip.width() < kFrame || strip.height() < kFrame) {
        return;
    }
    const QPoint pointer = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(pointer);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QPoint corner = pointer - QPoint(kFrame / 2, kFrame / 2);
    const QPoint onScreen = corner - screen->geometry().topLeft();
    // The square under the burst, as it is now, in the screen's own pixels.
    const qreal ratio = screen->devicePixelRatio();
    QImage saved = screen->grabWindow(0, onScreen.x(), onScreen.y(), kFrame, kFrame).toImage();
    if (saved.size() != QSize(kFrame, kFrame) * ratio) {
        saved = QImage(QSize(kFrame, kFrame) * ratio, QImage::Format_RGB32);
        saved.fill(Qt::black);
    }
    saved.setDevicePixelRatio(ratio);
    SaluteWindow window;
    window.move(corner);
    const int frames = std::min(kFrames, strip.width() / kFrame);
    for (int frame = 0; frame < frames; ++frame) {
        QImage shown = saved.convertToFormat(QImage::Format_RGB32);
        {
            QPainter p(&shown);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(0, 0, kFrame, kFrame), strip,
                        QRect(frame * kFrame, 0, kFrame, kFrame));
        }
        window.picture = shown;
        if (frame == 0) {
            window.show();
        }
        window.repaint();
        QThread::msleep(kPauseMs);
    }
    window.picture = saved;
    window.repaint();
}

}  // namespace olk
