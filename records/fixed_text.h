#pragma once

#include <QByteArray>
#include <QList>

namespace olk {

// Helpers for the game's fixed-width Windows-1251 record lines.

// `text` in a field of `width` characters: blank-padded on the left, or
// cut to its first `width` characters.
inline QByteArray rightAligned(const QByteArray& text, int width)
{
    return text.size() >= width ? text.left(width) : QByteArray(width - text.size(), ' ') + text;
}

// Blank-padded on the right, or cut to its first `width` characters.
inline QByteArray leftAligned(const QByteArray& text, int width)
{
    return text.size() >= width ? text.left(width) : text + QByteArray(width - text.size(), ' ');
}

// File content as lines: split at LF, a CR before it dropped, and no empty
// line made of the last line's end.
inline QList<QByteArray> splitLines(const QByteArray& content)
{
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return lines;
}

}  // namespace olk
