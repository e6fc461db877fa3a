// The club's music as olk-musicgen composes it.

#include "assets/musicgen/compose.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace olk::musicgen {
namespace {

// Six pieces of 1.5 to 3 minutes, each a Standard MIDI File written the same
// way every time, under a file name the music player reads back.
TEST(Musicgen, SixPiecesOfTheRightLengthAndTheSameNotesEveryTime)
{
    const std::vector<PieceInfo> all = pieces();
    ASSERT_GE(all.size(), 6u);
    std::set<std::string> names;
    const std::regex fileName(R"([A-Za-z][A-Za-z_']*~[A-Za-z][A-Za-z_]*\.ogg)");
    for (std::size_t i = 0; i < all.size(); ++i) {
        const PieceInfo& piece = all[i];
        EXPECT_GE(piece.seconds, 90) << piece.title;
        EXPECT_LE(piece.seconds, 180) << piece.title;
        const std::string name = trackFileName(piece);
        EXPECT_TRUE(std::regex_match(name, fileName)) << name;
        names.insert(name);
        const std::vector<std::uint8_t> song = composePiece(static_cast<int>(i));
        ASSERT_GT(song.size(), 1000u);
        EXPECT_EQ(std::string(song.begin(), song.begin() + 4), "MThd");
        EXPECT_EQ(song, composePiece(static_cast<int>(i))) << piece.title;
    }
    EXPECT_EQ(names.size(), all.size());
}

}  // namespace
}  // namespace olk::musicgen
