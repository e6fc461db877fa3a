#pragma once

#include <QString>
#include <memory>

class QThread;

namespace olk::service {

class Store;
class RelayWorker;
struct RelayCounters;

// The tournament relay: table n of the tournament listens on base port + n
// and plays its games between four connections, one per place. It runs in a
// thread of its own with its own event loop, so nothing it does waits on
// the HTTP side or holds it up; it reaches the database through the same
// store (a connection of its own thread).
//
// What the protocol leaves to the relay, settled here:
// - A connection is seated at place k of table n when its first frame asks
//   for k ("connect" + k), the store says k is held, the connection comes
//   from the address the place was taken from (the service lets no two
//   players from one address sit at one table, unless the relay is on
//   loopback), and no other connection holds k for the same player: before
//   the game, a connection whose player has left k over HTTP gives it up to
//   the connection of k's new holder. Otherwise it is closed. From then on
//   it plays place k whatever digit its frames carry. A connection that has
//   not asked for a place within `identifyMilliseconds` is closed.
// - When the fourth place is seated (and the store still holds all four for
//   the players seated) the relay deals: its own shuffle, seeded from the
//   system's secure source, sent as the "b" frame to all four, and the
//   rules engine of the table takes the deal the way the participants do.
// - Every move is applied to the relay's engine first: it is passed on to
//   the other three only when it is legal and the sender's turn; "hbegin"
//   and "bnext" only from place 1, "bnext" only after a deal ended (another
//   "bnext" before the deal arrives is ignored). Anything else that breaks
//   the rules closes the connection, and that counts as leaving.
// - Chat goes on to the other three, cut to the 15 characters a player
//   types, under the writer's own place; chat before the first deal is
//   dropped.
// - The move clock: `moveMilliseconds` (26 s) for the seat to move,
//   restarted as the participants restart theirs (every move, "hbegin",
//   a new deal and the end of a deal at place 1's seat), plus
//   `graceMilliseconds` for the client's own pacing (its clock ticks
//   between card flights and sounds) and the network. When it runs out,
//   the relay declares the loss itself. "TOut" from a participant is its
//   loss on time at once.
// - The end of a game: after the fourth deal, "e" to all four and the
//   result recorded from the relay's own balances in one transaction (score
//   change = the place's balance, games + 1, rating = the new score per game,
//   truncated), which frees the table's places; place 1's "o" is only
//   compared with them. A player who leaves ("disA", a closed connection,
//   a broken rule) ends the game with "a" to the other three; a lost clock
//   with "T" to the other three. Nothing is recorded for a broken game; the
//   table's places are freed. The old connections are closed
//   `lingerMilliseconds` later (their last frames are read and dropped), and
//   the table waits for new players at once.
// - Before the first deal, a seated connection that goes ("disA" or
//   closed) frees its place and the later ones in the store, as the client
//   would.
// - Hardening: frames are cut from the stream whatever the reads; at most
//   64 KiB waits unread per connection; a frame that is no participant's
//   frame closes the connection, as do more than `framesPerSecond` frames
//   within one second and more than `writeBacklog` bytes that the peer does
//   not read; at most 8 connections per table wait to be seated.
class Relay {
public:
    struct Config {
        QString listenAddress = QStringLiteral("127.0.0.1");
        int basePort = 8865;
        int tables = 10;
        int moveMilliseconds = 26000;
        int graceMilliseconds = 4000;
        int identifyMilliseconds = 10000;
        int lingerMilliseconds = 3000;
        // A computer player at machine speed sends about fifty frames in a
        // second across a deal's end and the next deal's first turns; a
        // person a few. Four times that is still a flood.
        int framesPerSecond = 200;
        qint64 writeBacklog = 64 * 1024;
    };

    Relay(Store& store, Config config);
    ~Relay();
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

    // Starts the thread and listens on every table's port; false, with the
    // reason, when a port cannot be listened on (nothing is left running).
    bool start(QString* error);
    // Closes every connection and ends the thread.
    void stop();

    // Tests and benchmarks: games recorded, games broken, and connections
    // seated at a place, so far.
    int gamesRecorded() const;
    int gamesBroken() const;
    int connectionsSeated() const;

private:
    Store& store_;
    Config config_;
    std::unique_ptr<QThread> thread_;
    std::unique_ptr<RelayCounters> counters_;
    RelayWorker* worker_ = nullptr;
};

}  // namespace olk::service
