#pragma once

#include <QDialog>
#include <QTimer>

#include "account/field_checks.h"
#include "extras/aux_design.h"
#include "settings/settings.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace olk {

class TevCardsButton;

// A lamp beside a field: red, yellow or green, 16 x 16.
QPixmap lampPicture(Lamp lamp);

// The countries of a continent for a list: each name with its flag.
void fillCountryList(QComboBox* list, int continent);
// The continents, in their order, in the language in use.
void fillContinentList(QComboBox* list);

// "My Passport": the light identity that signs world-table results and chat
// lines, edited in place in `settings` (nick, country, city, sex). A nick or
// city is kept as soon as both pass their checks; the window closes only
// then, and otherwise sends the keyboard to the field that fails.
class PassportDialog : public QDialog {
    Q_OBJECT

public:
    PassportDialog(Settings& settings, const QString& programFolder, QWidget* parent = nullptr);

    QLineEdit* nickEdit() const { return m_nick; }
    QLineEdit* cityEdit() const { return m_city; }
    QComboBox* continentList() const { return m_continent; }
    QComboBox* countryList() const { return m_country; }
    QComboBox* sexList() const { return m_sex; }
    TevCardsButton* okButton() const { return m_ok; }
    Lamp nickLamp() const { return m_nickLamp; }
    Lamp cityLamp() const { return m_cityLamp; }

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void check();
    bool fieldsPass() const;

    Settings& m_settings;
    AuxDesign m_design;
    QLineEdit* m_nick;
    QLineEdit* m_city;
    QComboBox* m_continent;
    QComboBox* m_country;
    QComboBox* m_sex;
    QLabel* m_nickLampLabel;
    QLabel* m_cityLampLabel;
    TevCardsButton* m_ok;
    Lamp m_nickLamp = Lamp::Red;
    Lamp m_cityLamp = Lamp::Red;
    QTimer m_iconTimer;
    int m_iconFrame = 0;
};

}  // namespace olk
