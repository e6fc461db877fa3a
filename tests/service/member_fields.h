#pragma once

// The account requests' fields as the game builds them, for the service's
// tests and its fuzz target alike.

#include <QString>

#include "online/form_body.h"

namespace olk::service::testing {

// A new member's registration (send it as a raw form body).
inline online::FormFields registrationFields(const QString& nick, const QString& password,
                                             const QString& city = QStringLiteral("Moscow"),
                                             const QString& email = QStringLiteral("me@example.org"))
{
    return {{"nick", nick},
            {"pw", password},
            {"city", city},
            {"country1", QStringLiteral("Russia")},
            {"country2", QStringLiteral("1-001")},
            {"sex", QStringLiteral("M")},
            {"email", email},
            {"dater", QStringLiteral("10.12.2026")},
            {"R01", QStringLiteral("xxx")},
            {"R02", QStringLiteral("xxx")},
            {"R03", QStringLiteral("xxx")},
            {"R04", QStringLiteral("0")},
            {"R05", QStringLiteral("0")},
            {"R06", QStringLiteral("0")}};
}

// A login that asks for a session (send it as a list form body).
inline online::FormFields loginFields(const QString& nick, const QString& password)
{
    return {{"nick", nick}, {"pw", password}, {"label0", QStringLiteral("0")}};
}

}  // namespace olk::service::testing
