#include "extras/salute.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "records/resource_library.h"

namespace olk {
namespace {

int visibleWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->isVisible() ? 1 : 0;
    }
    return count;
}

// Without the graphics library nothing shows; with it the burst plays its
// frames and leaves nothing behind. A strip that is not a picture is
// ignored.
TEST(Salute, PlaysOnlyWithTheGraphicsLibraryAndLeavesNothingBehind)
{
    QTemporaryDir root;
    const QString program = root.filePath("program");
    QDir().mkpath(program);
    const int before = visibleWindows();
    playSalute(program);
    EXPECT_EQ(visibleWindows(), before);

    QImage strip(3000, 100, QImage::Format_ARGB32);
    strip.fill(QColor(255, 200, 0, 120));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    strip.save(&buffer, "PNG");
    for (const QByteArray& bytes : {QByteArray("not a picture"), png}) {
        QFile file(root.filePath("TevCGraph1.dll"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(packResourceLibrary({{"GTouch", ResourceKind::Png, bytes}}).value());
        file.close();
        playSalute(program);
        QCoreApplication::processEvents();
        EXPECT_EQ(visibleWindows(), before);
    }
}

}  // namespace
}  // namespace olk
