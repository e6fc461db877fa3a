#pragma once

#include <QString>
#include <QWidget>

#include "core/game_engine.h"
#include "settings/settings.h"
#include "table/table_view.h"

namespace olk {

// The main window "Form1": hosts the table, sizes itself by the window size
// of the settings, asks before a game on the table is thrown away, and saves
// the settings when it closes.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow(Settings& settings, QString folder);

    // Sizes the window for the settings' window size and lays the table out.
    void applyWindowSize();

    TableView& table() { return *m_table; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Settings& m_settings;
    QString m_folder;
    GameEngine m_engine;
    TableView* m_table;
};

}  // namespace olk
