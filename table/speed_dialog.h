#pragma once

#include <QDialog>
#include <QSlider>

#include "settings/settings.h"

namespace olk {

class TevCardsButton;

// A horizontal slider on which a click anywhere on the track goes straight to
// the level under the pointer (instead of a page step towards it), with the
// level numbers written under its ticks.
class LevelSlider : public QSlider {
    Q_OBJECT

public:
    LevelSlider(int minimum, int maximum, QWidget* parent = nullptr);

    // The x of the tick of `level`, in the slider's coordinates.
    int tickX(int level) const;
    // The rectangle of the number written under the tick of `level`.
    QRect labelRect(int level) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect grooveRect() const;
    int m_labelHeight;
};

// "Choice of speed": the flight speed of the cards, 1 to 6, set at once as
// the slider moves.
class SpeedDialog : public QDialog {
    Q_OBJECT

public:
    SpeedDialog(Settings& settings, QWidget* parent = nullptr);

    LevelSlider* slider() const { return m_slider; }
    TevCardsButton* okButton() const { return m_ok; }

private:
    LevelSlider* m_slider;
    TevCardsButton* m_ok;
};

}  // namespace olk
