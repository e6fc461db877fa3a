#include "extras/hint_style.h"

#include <QApplication>
#include <QToolTip>

namespace olk {

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay) {
        return kHintDelayMs;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void installHintStyle()
{
    QApplication::setStyle(new HintStyle);
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(200, 20, 20));
    hints.setColor(QPalette::ToolTipText, Qt::white);
    QToolTip::setPalette(hints);
}

}  // namespace olk
