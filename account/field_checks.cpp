#include "account/field_checks.h"

#include <optional>

namespace olk {
namespace {

bool isCyrillic(QChar c)
{
    // А..я and Ё, ё: the Russian letters Windows-1251 holds.
    return (c >= QChar(0x0410) && c <= QChar(0x044F)) || c == QChar(0x0401) ||
           c == QChar(0x0451);
}

bool isAllowed(QChar c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) {
        return true;
    }
    return QStringView(u"!(),-.@_").contains(c) || isCyrillic(c);
}

int maxLength(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Nick:
    case FieldKind::Password:
        return 12;
    case FieldKind::City:
        return 15;
    case FieldKind::EMail:
        return 30;
    case FieldKind::Character:
        break;
    }
    return 1;
}

// The steps both checks share: empty, too long, one character for a whole
// field, a character outside the set. Nothing when they pass.
std::optional<Lamp> commonCheck(const QString& text, FieldKind kind)
{
    if (text.isEmpty()) {
        return Lamp::Red;
    }
    if (kind != FieldKind::Character && text.size() > maxLength(kind)) {
        return Lamp::Red;
    }
    if (kind != FieldKind::Character && text.size() == 1) {
        return Lamp::Red;
    }
    for (QChar c : text) {
        if (!isAllowed(c)) {
            return Lamp::Red;
        }
    }
    return std::nullopt;
}

bool hasCyrillic(const QString& text)
{
    for (QChar c : text) {
        if (isCyrillic(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace

Lamp accountFieldCheck(const QString& text, FieldKind kind)
{
    if (kind == FieldKind::Password && !text.isEmpty() && text.size() < 4 &&
        text.size() <= maxLength(kind)) {
        return Lamp::Red;
    }
    if (const std::optional<Lamp> lamp = commonCheck(text, kind)) {
        return *lamp;
    }
    if (hasCyrillic(text)) {
        return kind == FieldKind::Character || kind == FieldKind::City ? Lamp::Yellow : Lamp::Red;
    }
    if (kind == FieldKind::EMail) {
        const qsizetype at = text.indexOf(u'@');
        return at >= 1 && at < text.size() - 1 ? Lamp::Green : Lamp::Red;
    }
    return Lamp::Green;
}

Lamp passportFieldCheck(const QString& text, FieldKind kind)
{
    if (kind != FieldKind::Character && kind != FieldKind::Nick && kind != FieldKind::City) {
        return Lamp::Red;
    }
    if (const std::optional<Lamp> lamp = commonCheck(text, kind)) {
        return *lamp;
    }
    return hasCyrillic(text) ? Lamp::Yellow : Lamp::Green;
}

}  // namespace olk
