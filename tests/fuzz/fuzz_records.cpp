// Any bytes as a club file, a history file and a settings file: the readers
// return a value and never crash, and what they accept is written back the
// same way every time.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "records/club_file.h"
#include "records/fixed_text.h"
#include "records/history_file.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const olk::ClubFile club = olk::ClubFile::parse(bytes);
    if (club.isValid()) {
        // A valid file written again is the same valid file.
        const olk::ClubFile again = olk::ClubFile::parse(club.serialize());
        if (!again.isValid() || again.serialize() != club.serialize()) {
            std::abort();
        }
        for (int slot = 1; slot <= 5; ++slot) {
            olk::playerName(club.line(slot));
            olk::playerRating(club.line(slot));
            olk::passwordFromStored(club.line(slot).mid(44, 15));
        }
    }

    const olk::HistoryCheck history = olk::checkHistory(bytes);
    if (history.valid && olk::historyEntries(bytes).size() != history.entries) {
        std::abort();
    }

    // Whatever a settings file holds, what the program writes back is a
    // complete file, and writing what it reads from that changes nothing
    // (odd characters such as line breaks inside a field are written as
    // blanks the first time).
    const olk::SettingsRead read = olk::settingsFromLines(olk::splitLines(bytes));
    const QList<QByteArray> written = olk::settingsToLines(read.settings);
    const olk::SettingsRead reread = olk::settingsFromLines(written);
    if (!reread.complete || olk::settingsToLines(reread.settings) != written) {
        std::abort();
    }
    return 0;
}
