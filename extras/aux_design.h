#pragma once

// The look of the auxiliary windows (the options, the passport and the other
// dialogs), chosen in the options: "Gray aristocratic" (a caption plate with
// the title in capitals), "Gray concise" (the title lettering), "Gray with
// red ribbons" (a ribbon and the dialog's header picture) or "Purple" (a
// black window on the dialog's picture of the graphics library, an animated
// icon, light texts and buttons in the cards look).

#include <QImage>
#include <QPalette>
#include <QString>

#include "settings/settings.h"

class QPainter;

namespace olk {

// What a dialog names for its look: its lettering ("Options"), its header
// picture ("GFormOpt", also its purple background) and its purple icon
// strip ("GIcon48Opt"), all without the language suffix. An empty lettering:
// the title is written instead.
struct AuxPictureNames {
    const char* lettering;
    const char* header;
    const char* icon;
};

class AuxDesign {
public:
    // Loads the pictures of the chosen design for the language in use; the
    // purple ones come from "TevCGraph1.dll" beside the program or above it.
    void load(const Settings& settings, const QString& programFolder, AuxPictureNames names);

    bool purple() const { return m_purple; }
    // The height of the header band, over which the dialog puts nothing.
    int headerHeight() const { return m_headerHeight; }
    // The palette of the dialog: grey, or light texts on dark purple.
    QPalette palette() const;

    // Paints the background and the header for a window of `width` x
    // `height` with the dialog's `title` (shown in capitals on the plate of
    // the aristocratic design); `iconFrame` 0..9 of the purple icon.
    void paint(QPainter& p, int width, int height, const Settings& settings, const QString& title,
               int iconFrame) const;

private:
    bool m_purple = false;
    int m_grey = 2;
    int m_headerHeight = 64;
    QImage m_form;
    QImage m_icon;
    QImage m_ribbon;
    QImage m_header;
};

}  // namespace olk
