#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>

#include "extras/aux_design.h"
#include "extras/radio.h"
#include "records/resource_library.h"
#include "settings/settings.h"

class QComboBox;
class QLabel;

namespace olk {

class TevCardsButton;

// The text of the status line under the station's logo: why the radio is
// silent, or that it plays; empty while it is off.
QString radioStatusText(Radio::Status status);

// "Tev Internet-Radio": the radio picture (a click switches the radio), the
// logo box, the country and station lists with their flags, the volume
// buttons and display, and "Ok". Every choice acts at once; the station goes
// on playing after the dialog closes.
class RadioDialog : public QDialog {
    Q_OBJECT

public:
    RadioDialog(Radio& radio, const Settings& settings, const QString& programFolder,
                QWidget* parent = nullptr);

    QComboBox* countryList() const { return m_countries; }
    QComboBox* stationList() const { return m_stations; }
    TevCardsButton* volumeDown() const { return m_down; }
    TevCardsButton* volumeUp() const { return m_up; }
    TevCardsButton* okButton() const { return m_ok; }
    QLabel* statusLine() const { return m_status; }
    // How far the controls stand above their places in the purple design.
    int raised() const { return m_raise; }
    // A click on the radio picture.
    void clickRadio();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture(const QString& name) const;
    void fillStations();
    void chooseStation(int row);
    void showStatus();

    Radio& m_radio;
    const Settings& m_settings;
    QString m_programFolder;
    AuxDesign m_design;
    Settings m_look;  // the settings with the design this dialog can have
    std::optional<ResourceLibrary> m_library;
    int m_raise = 0;
    int m_iconFrame = 0;
    QTimer m_iconTimer;
    bool m_filling = false;
    QByteArray m_listText;
    QComboBox* m_countries;
    QComboBox* m_stations;
    TevCardsButton* m_down;
    TevCardsButton* m_up;
    TevCardsButton* m_ok;
    QLabel* m_status;
};

}  // namespace olk
