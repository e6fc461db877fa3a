#pragma once

// The account dialogs' own pictures, drawn at the size asked for (crisp at
// any device pixel ratio): the star of the account state, the default faces
// and the icons of the fourteen personal fields.

#include <QChar>
#include <QPixmap>
#include <QString>

#include "settings/settings.h"

class QWidget;

namespace olk {

class AuxDesign;
class TevCardsButton;

// A button of the online dialogs in the chosen look: the cards look in the
// purple design, red otherwise, `width` x 28.
TevCardsButton* dialogButton(QWidget* parent, const Settings& settings, const AuxDesign& design,
                             const QString& caption, int width);

// The flag of a country code at `size`; empty when the code names none.
QPixmap countryFlag(const QString& code, QSize size);

// The star of account state 1 (red), 2 (yellow) or 3 (green); `frame`
// 0..11 of its twinkle.
QPixmap starPicture(int accountState, int frame, int size);

// The face shown where a member has no photo: a silhouette for "M" or "W".
QPixmap facePicture(QChar sex, QSize size);

// The photo in JPEG bytes scaled into `size`, or the default face.
QPixmap photoOrFace(const QByteArray& jpeg, QChar sex, QSize size);

// The icon of personal field 0..13 (first name .. YouTube).
QPixmap infoIcon(int field, int size);

}  // namespace olk
