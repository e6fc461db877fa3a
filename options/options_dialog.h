#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QTimer>
#include <functional>

#include "extras/aux_design.h"
#include "extras/cards_button.h"
#include "extras/library_download.h"
#include "settings/settings.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QStackedWidget;

namespace olk {

class OptionsTab;

// Where the dialog runs: the program's folder (the libraries lie there or
// above it), the screen the window sizes must fit, the download server, and
// how it asks for a sound or the speed dialog.
struct OptionsEnvironment {
    QString programFolder;
    QSize screen;
    QString downloadServer;  // empty: downloads fail at once
    std::function<void(const char* effect)> play;
    // Opens the speed dialog over the options; the edited settings' speed
    // is changed there.
    std::function<void(QWidget* parent, Settings& settings)> chooseSpeed;
    // Called whenever the download buttons are refreshed (when the dialog
    // shows and after each download): the radio looks for its files again.
    std::function<void()> downloadsRefreshed;
};

// A download button: fetches one optional file into the folder above the
// program's; enabled only while the file is in neither place, and drawn
// paler when it is there.
class DownloadButton : public TevCardsButton {
    Q_OBJECT

public:
    DownloadButton(QString file, QWidget* parent);
    const QString& file() const { return m_file; }

private:
    QString m_file;
};

// The options: nine tabs, the language list and its flag, and "Ok". The
// dialog edits a copy of the settings; every change is announced at once
// with `edited`, and the owner applies the differences and hands the result
// back with `showSettings` (a choice that had to fall back shows as it
// fell).
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    OptionsDialog(const Settings& settings, OptionsEnvironment environment,
                  QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // Sets every control from `settings` without acting on any of them.
    void showSettings(const Settings& settings);
    const Settings& settings() const { return m_edit; }
    const OptionsEnvironment& environment() const { return m_environment; }

    // For the tabs: the edited copy, changed by a control.
    Settings& edit() { return m_edit; }
    // A control changed `edit()`: tell the owner.
    void commit();
    bool loading() const { return m_loading; }

    // The download buttons: every tab's register here so that all are
    // refreshed together.
    DownloadButton* addDownloadButton(int fileIndex, QWidget* parent);
    void refreshDownloads();
    bool downloading() const { return m_download.isRunning(); }

    int tabCount() const;
    OptionsTab* tab(int index) const;
    void showTab(int index);
    QList<TevCardsButton*> tabButtons() const { return m_tabButtons; }
    TevCardsButton* okButton() const { return m_ok; }
    QComboBox* languageList() const { return m_language; }
    // The client height of the design in use.
    static int clientHeight(const Settings& settings);

signals:
    void edited(const Settings& settings);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyDesign();
    void retranslate();
    void startDownload(DownloadButton* button);
    void downloadFinished(bool ok);

    Settings m_edit;
    OptionsEnvironment m_environment;
    bool m_loading = false;
    QList<OptionsTab*> m_tabs;
    QList<TevCardsButton*> m_tabButtons;
    QStackedWidget* m_pages;
    QComboBox* m_language;
    QLabel* m_flag;
    QProgressBar* m_progress;
    TevCardsButton* m_ok;
    QList<DownloadButton*> m_downloadButtons;
    LibraryDownload m_download;
    AuxDesign m_design;
    int m_designShown = -1;  // 0 purple, else the grey design
    bool m_nataShown = false;
    int m_languageShown = -1;
    QTimer m_iconTimer;
    int m_iconFrame = 0;
};

}  // namespace olk
