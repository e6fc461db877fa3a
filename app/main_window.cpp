#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "settings/settings_file.h"
#include "settings/word_tables.h"

namespace olk {

MainWindow::MainWindow(Settings& settings, QString folder)
    : m_settings(settings),
      m_folder(std::move(folder)),
      m_table(new TableView(m_engine, m_settings, this))
{
    setWindowTitle(text(Text::WindowTitle));
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    setAutoFillBackground(true);
    // Until the main menu exists, leaving a finished game starts the next one.
    connect(m_table, &TableView::gameLeft, m_table, &TableView::startLocalGame);
}

void MainWindow::applyWindowSize()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (m_settings.windowSize == 2 && screen) {
        // The whole screen, also where no window manager would do it for us.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setGeometry(screen->geometry());
        setWindowState(windowState() | Qt::WindowFullScreen);
        m_table->setGeometry(rect());
        return;
    }
    const QSize client =
        clientSizeFor(m_settings.windowSize, screen ? screen->size() : QSize(760, 500));
    setFixedSize(client);
    move(0, 0);
    m_table->setGeometry(rect());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_table->setGeometry(rect());
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(text(Text::WindowTitle));
    }
    QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_engine.state().gameActive) {
        QMessageBox box(QMessageBox::Question, text(Text::WindowTitle),
                        text(Text::LeaveGame) + QLatin1Char(' ') + text(Text::AllDataWillBeLost),
                        QMessageBox::NoButton, this);
        QPushButton* yes = box.addButton(text(Text::Yes), QMessageBox::YesRole);
        box.addButton(text(Text::No), QMessageBox::NoRole);
        box.exec();
        if (box.clickedButton() != yes) {
            event->ignore();
            return;
        }
    }
    m_table->driver().stop();
    if (!saveSettings(m_folder, m_settings)) {
        QMessageBox::critical(this, text(Text::WindowTitle), text(Text::CantSaveOptions));
    }
    event->accept();
}

}  // namespace olk
