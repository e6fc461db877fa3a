#pragma once

#include <QDialog>
#include <QString>

#include "settings/settings.h"

class QLabel;

namespace olk {

class TevCardsButton;

// "About": the game's title and version, who made it and whom it thanks,
// the licence, the club's site (the online service's public page, when the
// game knows one) and a way on to the help page.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    // `siteAddress`: the address shown as the official site; empty leaves
    // that line out.
    AboutBox(const Settings& settings, const QString& siteAddress, QWidget* parent = nullptr);

    // The program's version, as the build names it ("0.1.0").
    static QString version();

    QLabel* siteLabel() const { return m_site; }
    QLabel* helpLink() const { return m_help; }
    TevCardsButton* okButton() const { return m_ok; }

signals:
    // The help link was followed (the box has closed by then); the owner
    // opens the help page.
    void helpRequested();

private:
    QLabel* m_site = nullptr;
    QLabel* m_help;
    TevCardsButton* m_ok;
};

}  // namespace olk
