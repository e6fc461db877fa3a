#pragma once

#include <QByteArray>
#include <QString>

namespace olk {

// Reading and writing of the files the program keeps for itself: the club
// files, the history files and "Olk.ini". One place holds the rules, so every
// file follows them.

enum class ReadStatus {
    Ok,
    Missing,     // no such file
    Unreadable,  // not a regular file (a folder, a FIFO, a device) or not readable
};

struct FileRead {
    ReadStatus status = ReadStatus::Missing;
    QByteArray content;
};

// Reads at most `limit` bytes of a regular file. Anything else at the path is
// never opened for reading in a way that could block (a FIFO without a
// writer, a terminal), and is reported as unreadable.
FileRead readOwnFile(const QString& path, qint64 limit);

// Replaces the file at `path` with `content`. The bytes go to a temporary
// file in the same folder, which takes the old file's place only after every
// write and the final flush succeeded; on any failure (a full disk, a file
// size limit, a folder that cannot be written) the temporary file is dropped,
// the old file stays as it was, and the result is false.
bool writeOwnFile(const QString& path, const QByteArray& content);

// A program killed in the middle of a save can leave its temporary file
// ("Olk.clb.a1B2c3") beside the real one. Removes such leftovers of the
// settings file, the two club files and the history files of `folder`, and
// of the downloads into the folder above ("TevCards06A.dll.Xy12ab").
// Returns how many were removed.
int removeSaveLeftovers(const QString& folder);

}  // namespace olk
