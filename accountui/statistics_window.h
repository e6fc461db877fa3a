#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "accountui/account_dialog.h"
#include "extras/aux_design.h"
#include "online/records.h"
#include "settings/settings.h"

class QLabel;

namespace olk {

namespace online {
class ServiceClient;
}

class TevCardsButton;

// "Statistics" ("WORLD STATS"): the game's world counters as the statistics
// service sums them, read when the window opens (no wait: the figures fill
// in when the service answers; "No Connect" when it cannot), and the button
// "I like this game!", which counts once per installation.
class StatisticsWindow : public QDialog {
    Q_OBJECT

public:
    // `saveSettings` keeps the settings once the like went through.
    StatisticsWindow(online::ServiceClient& client, Settings& settings,
                     const QString& programFolder, std::function<void()> saveSettings,
                     QWidget* parent, AccountDialogHooks hooks = AccountDialogHooks::standard());

    // The input box that asks an "Incognito" player for a nick: the text
    // typed, or nothing when cancelled. Replaceable for the tests.
    using AskNick = std::function<std::optional<QString>(QWidget*, const QString& caption)>;
    void setAskNick(AskNick ask) { m_askNick = std::move(ask); }

    // The ten values in the order shown.
    QLabel* value(int k) const { return m_values[k]; }
    TevCardsButton* likeButton() const { return m_like; }
    bool loaded() const { return m_loaded; }
    void like();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showFigures(const online::TTevStat& stat);

    online::ServiceClient& m_client;
    Settings& m_settings;
    std::function<void()> m_saveSettings;
    AccountDialogHooks m_hooks;
    AskNick m_askNick;
    AuxDesign m_design;
    QLabel* m_values[10] = {};
    TevCardsButton* m_like;
    online::TTevStat m_stat;
    bool m_loaded = false;
    bool m_busy = false;
};

}  // namespace olk
