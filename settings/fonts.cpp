#include "settings/fonts.h"

#include <QStringList>

#include "settings/settings_file.h"

namespace olk {

QFont familyFont(const Settings& settings, FontFamily family, int size)
{
    QString face;
    int scale = 100;
    switch (family) {
    case FontFamily::Decor:
        face = settings.fontDecor;
        scale = settings.scaleDecor;
        break;
    case FontFamily::Serif:
        face = settings.fontSerif;
        scale = settings.scaleSerif;
        break;
    case FontFamily::Fixed:
        face = settings.fontFixed;
        scale = settings.scaleFixed;
        break;
    case FontFamily::Conew:
        face = settings.fontConew;
        scale = settings.scaleConew;
        break;
    }
    QFont font(face);
    font.setPixelSize(std::max(1, scaledFontHeight(size, scale)));
    return font;
}

void registerFontSubstitutions()
{
    // The first face of each list draws every Latin and Cyrillic letter the
    // ten languages use, so a Russian or Czech line never borrows glyphs from
    // another face; only Chinese, Japanese and Korean fall through to the CJK
    // faces behind it (which carry Cyrillic of their own, in another size and
    // weight, so they must never come first).
    const QStringList cjk = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK JP"),
                             QStringLiteral("Noto Sans CJK KR")};
    auto substitute = [&cjk](const char* name, const char* face) {
        QStringList faces = {QString::fromLatin1(face)};
        faces += cjk;
        QFont::insertSubstitutions(QString::fromLatin1(name), faces);
    };
    // Comfortaa: rounded and informal like the comic face it stands for.
    substitute("Comic Sans MS", "Comfortaa");
    substitute("Courier New", "Liberation Mono");
    substitute("Fixedsys", "DejaVu Sans Mono");
    substitute("FixedSys", "DejaVu Sans Mono");
}

}  // namespace olk
