#include "records/club_name.h"

#include <QList>
#include <memory>
#include <optional>

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include "core/cp1251.h"

namespace olk {

namespace {

// A character the club can keep: printable and in Windows-1251 (0x98 is a
// hole in the code page).
std::optional<char> clubByte(char32_t c)
{
    const auto byte = cp1251::fromUnicode(c);
    if (!byte || *byte < 0x20 || *byte == 0x98) {
        return std::nullopt;
    }
    return static_cast<char>(*byte);
}

// ICU's Latin-ASCII transform, made once: it knows the plain spelling of
// every accented and special Latin letter.
const icu::Transliterator* latinToAscii()
{
    static const std::unique_ptr<icu::Transliterator> transform = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8("Latin-ASCII"), UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    return transform.get();
}

// The plain spelling of one Latin letter, or nothing when it has none.
std::optional<QString> plainLatin(char32_t c)
{
    const icu::Transliterator* transform = latinToAscii();
    if (transform == nullptr || QChar::script(c) != QChar::Script_Latin) {
        return std::nullopt;
    }
    icu::UnicodeString text(static_cast<UChar32>(c));
    transform->transliterate(text);
    const QString plain = QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
    if (plain.isEmpty()) {
        return std::nullopt;
    }
    for (const QChar ch : plain) {
        if (ch.unicode() >= 0x80 || !clubByte(ch.unicode())) {
            return std::nullopt;
        }
    }
    return plain;
}

}  // namespace

std::optional<QByteArray> clubBytes(const QString& text)
{
    QByteArray out;
    for (const char32_t c : text.toUcs4()) {
        const auto byte = clubByte(c);
        if (!byte) {
            return std::nullopt;
        }
        out += *byte;
    }
    return out;
}

ClubName clubName(const QString& typed, int maxLength)
{
    ClubName name;
    // "e" followed by a combining accent is one letter to the reader.
    const QString composed = typed.trimmed().normalized(QString::NormalizationForm_C);
    if (composed.isEmpty()) {
        return name;
    }
    QString kept;
    bool simplified = false;
    for (const char32_t c : composed.toUcs4()) {
        if (clubByte(c)) {
            kept += QString::fromUcs4(&c, 1);
        } else if (const auto plain = plainLatin(c)) {
            kept += *plain;
            simplified = true;
        } else {
            return name;
        }
    }
    kept = kept.left(maxLength).trimmed();
    if (kept.isEmpty()) {
        return name;
    }
    name.status = simplified ? ClubName::Status::Simplified : ClubName::Status::Kept;
    name.text = kept;
    name.bytes = clubBytes(kept).value_or(QByteArray());
    return name;
}

}  // namespace olk
