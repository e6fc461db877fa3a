#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace olk {

struct Settings;

// The radio icon of the main menu (`ImRadio`, 220 x 125): the shelf
// "GPolkaNw" with the radio "GRadioA" on it and its lamp: "GRadioB" while
// the radio's files are missing, "GRadioR" while it is off, "GRadioG" while
// it plays. A left click asks to switch the radio, a right click for the
// radio dialog. Hovering shows the station in a red balloon for five
// seconds.
class RadioIcon : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 220;
    static constexpr int kHeight = 125;

    RadioIcon(const Settings& settings, QWidget* parent = nullptr);

    // Only a window of uniform scale 1.6 or more has room for the icon.
    static bool shownAtScale(double s) { return s >= 1.6; }
    // Centred between `left` and `right` across, and between `top` and
    // `bottom` down.
    static QRect place(int left, int right, int top, int bottom);

    void setRadio(bool available, bool on, const QString& stationName);
    bool available() const { return m_available; }
    bool on() const { return m_on; }
    // The hint: "Tev Internet-Radio: " + the station.
    QString hint() const;
    // The lamp picture drawn over the radio now.
    QString lampPicture() const;

signals:
    void toggleRequested();
    void dialogRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    const Settings& m_settings;
    bool m_available = false;
    bool m_on = false;
    QString m_station;
    QImage m_shelf;
    QImage m_radio;
    QImage m_lamps[3];  // unavailable, off, on
};

}  // namespace olk
