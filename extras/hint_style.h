#pragma once

#include <QProxyStyle>

namespace olk {

// The program's hints: red, white text, shown once the pointer has rested
// 250 ms (not the platform's longer wait), gone after five seconds.
class HintStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

inline constexpr int kHintDelayMs = 250;

// Puts the hint colours and timing in place for the whole application.
void installHintStyle();

}  // namespace olk
