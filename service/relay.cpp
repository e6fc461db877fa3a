#include "service/relay.h"

#include "core/game_engine.h"
#include "core/seat_plan.h"
#include "core/seats.h"
#include "core/shuffle.h"
#include "service/relay_frames.h"
#include "service/store.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QPointer>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace olk::service {

namespace {

constexpr qsizetype kMaxUnread = 64 * 1024;
constexpr int kMaxWaiting = 8;  // connections per table not seated yet
constexpr int kSweepMilliseconds = 1000;
constexpr int kCloseMilliseconds = 5000;  // a closed connection's last writes

// The relay's engine sees the table as place 1 does: place p sits at
// seatOfRole(kRelayView, p), the order of play is the participants'.
constexpr int kRelayView = 1;

int seatOfPlace(int place)
{
    return seatOfRole(kRelayView, place);
}

int placeAtSeat(int seat)
{
    return roleAtSeat(kRelayView, seat);
}

Rng secureRng()
{
    return Rng(QRandomGenerator::system()->generate64());
}

// Every seat played by a participant elsewhere.
SeatPlan allRemote()
{
    SeatPlan plan;
    for (int seat = 1; seat <= kSeats; ++seat) {
        plan.control[seat] = SeatControl::Remote;
        plan.announces[seat] = false;
    }
    return plan;
}

// Closes a connection after what was written to it has gone out.
void closeGently(QTcpSocket* socket)
{
    socket->disconnect();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QTimer::singleShot(kCloseMilliseconds, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
}

void closeAtOnce(QTcpSocket* socket)
{
    socket->disconnect();
    socket->abort();
    socket->deleteLater();
}

}  // namespace

struct RelayCounters {
    std::atomic<int> recorded{0};
    std::atomic<int> broken{0};
    std::atomic<int> seated{0};
};

// The relay's database work, in a thread of its own so that a slow query
// never holds up the frames of any table. Jobs run in the order given; an
// answer comes back to the relay's thread through `home`, which lives as
// long as the lane's answers can arrive (the lane is drained before it goes).
class StoreLane {
public:
    explicit StoreLane(QObject* home) : home_(home)
    {
        thread_.setObjectName(QStringLiteral("relay-store"));
        thread_.start();
        context_.moveToThread(&thread_);
    }

    ~StoreLane()
    {
        // Every job given so far runs to its end (a game's result included).
        QMetaObject::invokeMethod(
            &context_, [] {}, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }

    StoreLane(const StoreLane&) = delete;
    StoreLane& operator=(const StoreLane&) = delete;

    void run(std::function<void()> job)
    {
        QMetaObject::invokeMethod(&context_, std::move(job), Qt::QueuedConnection);
    }

    template <typename Result>
    void ask(std::function<Result()> job, std::function<void(Result)> answer)
    {
        QObject* home = home_;
        QMetaObject::invokeMethod(
            &context_,
            [home, job = std::move(job), answer = std::move(answer)]() mutable {
                QMetaObject::invokeMethod(
                    home,
                    [answer = std::move(answer), result = job()]() mutable {
                        answer(std::move(result));
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }

private:
    QObject* home_;
    QThread thread_;
    QObject context_;
};

// One table: its listening socket, its connections and, while a game runs,
// its rules engine and move clock. Lives in the relay's thread.
class RelayTable : public ParticipantLink {
public:
    RelayTable(int number, Store& store, StoreLane& lane, const Relay::Config& config,
               RelayCounters& counters)
        : number_(number),
          store_(store),
          lane_(lane),
          config_(config),
          counters_(counters),
          plan_(allRemote())
    {
        clock_.setSingleShot(true);
        QObject::connect(&clock_, &QTimer::timeout, &server_, [this] {
            if (playing_) {
                endBroken(clockPlace_, true);
            }
        });
        sweep_.setInterval(kSweepMilliseconds);
        QObject::connect(&sweep_, &QTimer::timeout, &server_, [this] { sweep(); });
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
    }

    ~RelayTable() override
    {
        clock_.stop();
        sweep_.stop();
        for (auto& [socket, connection] : connections_) {
            closeAtOnce(socket);
        }
        connections_.clear();
    }

    bool listen(QString* error)
    {
        const int port = config_.basePort + number_;
        QHostAddress address(config_.listenAddress);
        if (address.isNull()) {
            // A host name, such as "localhost": its first address.
            const QList<QHostAddress> found =
                QHostInfo::fromName(config_.listenAddress).addresses();
            if (!found.isEmpty()) {
                address = found.front();
            }
        }
        if (port < 1 || port > 65535 || address.isNull() ||
            !server_.listen(address, static_cast<quint16>(port))) {
            *error = QStringLiteral("cannot listen on %1 port %2 for tournament table %3: %4")
                         .arg(config_.listenAddress)
                         .arg(port)
                         .arg(number_)
                         .arg(server_.errorString());
            return false;
        }
        sweep_.start();
        return true;
    }

    // --- ParticipantLink: what the engine tells the participants' clocks
    void restartMoveClock(int seat) override
    {
        clockPlace_ = placeAtSeat(seat);
        clock_.start(config_.moveMilliseconds + config_.graceMilliseconds);
    }
    void stopMoveClocks() override { clock_.stop(); }
    void sendFinalBalances(const OneBasedArray<int, kSeats>& byPlace) override
    {
        finalBalances_ = byPlace;
    }

private:
    // Unseated -> Asking (the store is asked about its place) -> Seated ->
    // Finished (its game is over).
    enum class State { Unseated, Asking, Seated, Finished };
    struct Connection {
        quint64 id = 0;
        State state = State::Unseated;
        int place = 0;
        QByteArray unread;
        QElapsedTimer since;
        QElapsedTimer window;
        int framesInWindow = 0;
        // Place 1 of a finished game: the balances its "o" should carry.
        std::optional<OneBasedArray<int, kSeats>> expectedBalances;
    };

    void note(const char* what, int place) const
    {
        std::fprintf(stderr, "olk-service: relay table %d place %d: %s\n", number_, place, what);
    }

    void accept()
    {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            int waiting = 0;
            for (const auto& [s, c] : connections_) {
                waiting += c.state == State::Unseated ? 1 : 0;
            }
            if (waiting >= kMaxWaiting) {
                closeAtOnce(socket);
                continue;
            }
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            socket->setReadBufferSize(kMaxUnread);
            Connection& connection = connections_[socket];
            connection.id = ++nextConnection_;
            connection.since.start();
            QObject::connect(socket, &QTcpSocket::readyRead, &server_,
                             [this, socket] { readFrom(socket); });
            // Queued: a write that finds the peer gone must not end a game
            // in the middle of dealing or passing on a move.
            QObject::connect(
                socket, &QTcpSocket::disconnected, socket,
                [this, socket] { drop(socket, nullptr); }, Qt::QueuedConnection);
            if (socket->bytesAvailable() > 0) {
                readFrom(socket);
            }
        }
    }

    // Whether one more frame is within the connection's rate.
    bool countFrame(Connection& c) const
    {
        if (!c.window.isValid() || c.window.elapsed() >= 1000) {
            c.window.start();
            c.framesInWindow = 0;
        }
        return ++c.framesInWindow <= config_.framesPerSecond;
    }

    // Handles every whole frame kept and read; what follows "connect" waits
    // in `unread` until the store has answered.
    void readFrom(QTcpSocket* socket)
    {
        for (;;) {
            auto it = connections_.find(socket);
            if (it == connections_.end()) {
                return;
            }
            qsizetype used = 0;
            while (it->second.state != State::Asking &&
                   it->second.unread.size() - used >= kParticipantFrameLength) {
                const QByteArray frame = it->second.unread.mid(used, kParticipantFrameLength);
                used += kParticipantFrameLength;
                if (!countFrame(it->second)) {
                    drop(socket, "too many frames");
                    return;
                }
                handleFrame(socket, frame);
                it = connections_.find(socket);
                if (it == connections_.end()) {
                    return;
                }
            }
            it->second.unread.remove(0, used);
            if (it->second.state == State::Asking) {
                return;
            }
            const QByteArray chunk = socket->read(kMaxUnread - it->second.unread.size());
            if (chunk.isEmpty()) {
                return;
            }
            it->second.unread += chunk;
        }
    }

    void handleFrame(QTcpSocket* socket, const QByteArray& frame)
    {
        Connection& c = connections_.at(socket);
        const auto parsed = parseParticipantFrame(frame);
        if (c.state == State::Finished) {
            // The game is over: only place 1's report of the balances is
            // looked at, and only to compare it with the relay's own.
            if (parsed && parsed->kind == ParticipantFrame::Kind::Balances && c.expectedBalances &&
                parsed->balances != *c.expectedBalances) {
                note("reported final balances that differ from the relay's (not used)", c.place);
            }
            return;
        }
        if (!parsed) {
            drop(socket, "sent a frame that is no participant's");
            return;
        }
        if (c.state == State::Unseated) {
            if (parsed->kind != ParticipantFrame::Kind::Connect) {
                drop(socket, "did not ask for a place first");
                return;
            }
            seat(socket, parsed->place);
            return;
        }
        const int place = c.place;
        switch (parsed->kind) {
        case ParticipantFrame::Kind::Connect:
            drop(socket, "asked for a place twice");
            return;
        case ParticipantFrame::Kind::Leave:
            drop(socket, nullptr);
            return;
        case ParticipantFrame::Kind::TimeOut:
            if (playing_) {
                endBroken(place, true);
            } else {
                drop(socket, nullptr);
            }
            return;
        case ParticipantFrame::Kind::Chat:
            if (playing_ && !parsed->line.isEmpty()) {
                sendOthers(place, relayChatFrame(parsed->line, place));
            }
            return;
        case ParticipantFrame::Kind::Balances:
            return;  // only after the last deal, and then only compared
        case ParticipantFrame::Kind::NextDeal:
            if (place != 1 || !playing_) {
                drop(socket, "asked for a deal it may not ask for");
                return;
            }
            if (engine_->state().turnState == turn::kDealOver &&
                engine_->state().gameDeals < kMatchDeals) {
                deal();
            }
            return;  // a second "bnext" before the deal went out is no harm
        case ParticipantFrame::Kind::Move:
            move(socket, place, parsed->move);
            return;
        }
    }

    void move(QTcpSocket* socket, int place, const Move& move)
    {
        if (!playing_) {
            drop(socket, "moved before the game started");
            return;
        }
        const TableState& st = engine_->state();
        bool legal = false;
        if (move.kind == MoveKind::Begin) {
            legal = place == 1 && engine_->beginPlay(false);
        } else {
            legal = st.playPhase == 2 && turn::seatOf(st.turnState) == seatOfPlace(place) &&
                    applyRemoteMove(*engine_, plan_, move);
        }
        if (!legal) {
            drop(socket, "made a move that is not legal or not its turn");
            return;
        }
        sendOthers(place, relayMoveFrame(move, place));
        if (playing_ && finalBalances_) {
            endRecorded();
        }
    }

    using Seats = std::optional<std::vector<TourSeat>>;

    // The place is claimed at once when nobody holds it; the store's answer
    // seats the connection or closes it. Before the game, a place whose
    // seated connection's player no longer holds it in the store (left over
    // HTTP) goes to the connection of its new holder.
    void seat(QTcpSocket* socket, int place)
    {
        QTcpSocket* current = holders_[place];
        if (playing_ || (current != nullptr && connections_.at(current).state != State::Seated)) {
            drop(socket, "asked for a place that is in play");
            return;
        }
        Connection& c = connections_.at(socket);
        c.state = State::Asking;
        c.place = place;
        if (current == nullptr) {
            holders_[place] = socket;
            ++generation_;
        }
        const quint64 id = c.id;
        Store* store = &store_;
        lane_.ask<Seats>(
            [store] { return store->tourSeats(); },
            [this, socket, id, place](Seats seats) { seated(socket, id, place, seats); });
    }

    void seated(QTcpSocket* socket, quint64 id, int place, const Seats& seats)
    {
        const auto it = connections_.find(socket);
        if (it == connections_.end() || it->second.id != id || it->second.state != State::Asking) {
            return;  // gone meanwhile
        }
        const TourSeat* held = nullptr;
        if (seats) {
            for (const TourSeat& s : *seats) {
                if (s.table == number_ && s.place == place) {
                    held = &s;
                    break;
                }
            }
        }
        if (held == nullptr || !QHostAddress(held->ip).isEqual(
                                   socket->peerAddress(), QHostAddress::ConvertV4MappedToIPv4)) {
            drop(socket, "asked for a place it does not hold");
            return;
        }
        if (QTcpSocket* current = holders_[place]; current != socket) {
            if (current != nullptr) {
                if (playing_ || connections_.at(current).state != State::Seated ||
                    nickKey(nicks_[place]) == nickKey(held->nick)) {
                    drop(socket, "asked for a place that another connection holds");
                    return;
                }
                drop(current, "no longer holds its place");
            }
            holders_[place] = socket;
        }
        it->second.state = State::Seated;
        nicks_[place] = held->nick;
        ++generation_;
        ++counters_.seated;
        startWhenFull();
        // What it sent after "connect" waited for this.
        QPointer<QTcpSocket> p(socket);
        QMetaObject::invokeMethod(
            &server_,
            [this, p] {
                if (p) {
                    readFrom(p.data());
                }
            },
            Qt::QueuedConnection);
    }

    // When the four places are seated, the store is asked once more: a
    // place may have been left over HTTP since its player sat down, and only
    // the players still holding theirs play.
    void startWhenFull()
    {
        if (playing_ || verifying_) {
            return;
        }
        for (QTcpSocket* s : holders_) {
            if (s == nullptr || connections_.at(s).state != State::Seated) {
                return;
            }
        }
        verifying_ = true;
        const quint64 generation = generation_;
        Store* store = &store_;
        lane_.ask<Seats>([store] { return store->tourSeats(); },
                         [this, generation](Seats seats) {
                             verifying_ = false;
                             if (generation == generation_ && seats) {
                                 start(*seats);
                             }
                             // Otherwise the next change, or the sweep, asks again.
                         });
    }

    void start(const std::vector<TourSeat>& seats)
    {
        std::vector<QTcpSocket*> gone;
        for (int place = 1; place <= kSeats; ++place) {
            bool same = false;
            for (const TourSeat& s : seats) {
                same = same || (s.table == number_ && s.place == place &&
                                nickKey(s.nick) == nickKey(nicks_[place]));
            }
            if (!same) {
                gone.push_back(holders_[place]);
            }
        }
        for (QTcpSocket* s : gone) {
            drop(s, "no longer holds its place");
        }
        if (!gone.empty()) {
            return;
        }
        engine_ = std::make_unique<GameEngine>(nullptr, secureRng());
        GameSetup& setup = engine_->setup();
        setup.mode = GameMode::Tournament;
        setup.ownRole = kRelayView;
        setup.rules = RuleOptions{true, false};
        setup.flyingCards = false;
        engine_->setLink(this);
        finalBalances_.reset();
        playing_ = true;
        deal();
    }

    void deal()
    {
        DeckCells deck;
        Rng rng = secureRng();
        shuffleDeck(deck, rng);
        const QByteArray frame = relayDealFrame(deck);
        for (QTcpSocket* s : holders_) {
            if (s != nullptr) {
                write(s, frame);
            }
        }
        engine_->receiveDeck(deck);
        engine_->startDeal(engine_->state().gameDeals > 0);
        // Every participant starts place 1's clock for "To Begin".
        restartMoveClock(seatOfPlace(1));
    }

    // The fourth deal ended: the result from the relay's own balances,
    // recorded in the store's lane (which also frees the table's places).
    void endRecorded()
    {
        const OneBasedArray<int, kSeats> balances = *finalBalances_;
        const OneBasedArray<QString, kSeats> nicks = nicks_;
        Store* store = &store_;
        RelayCounters* counters = &counters_;
        const int table = number_;
        lane_.run([store, counters, table, balances, nicks] {
            std::vector<TournamentResult> results;
            bool read = true;
            for (int place = 1; place <= kSeats; ++place) {
                const auto standing = store->tourStanding(nicks[place]);
                read = read && standing.has_value();
                const qint64 games = standing ? standing->kon : 0;
                const qint64 newScore = (standing ? standing->score : 0) + balances[place];
                results.push_back({nicks[place], balances[place], newScore / (games + 1)});
            }
            if (read && store->recordTournamentResult(table, results)) {
                ++counters->recorded;
                return;
            }
            std::fprintf(
                stderr, "olk-service: relay table %d: the game's result was not recorded\n", table);
            freePlaces(*store, table, nicks);
        });
        if (QTcpSocket* first = holders_[1]) {
            connections_.at(first).expectedBalances = balances;
        }
        sendOthers(0, relayEndFrame());
        endGame();
    }

    // A game that ends before its fourth deal: `place` left or lost on time.
    void endBroken(int place, bool onTime)
    {
        sendOthers(place, onTime ? relayTimeUpFrame(place) : relayLeftFrame(place));
        ++counters_.broken;
        freePlaces();
        endGame();
    }

    static void freePlaces(Store& store, int table, const OneBasedArray<QString, kSeats>& nicks)
    {
        for (int place = 1; place <= kSeats; ++place) {
            if (!nicks[place].isEmpty()) {
                store.freeTourSeat(table, place, nicks[place]);
            }
        }
    }

    void freePlaces()
    {
        Store* store = &store_;
        const int table = number_;
        const OneBasedArray<QString, kSeats> nicks = nicks_;
        lane_.run([store, table, nicks] { freePlaces(*store, table, nicks); });
    }

    // The table is free again at once; the game's connections are closed a
    // little later, their last frames read and dropped meanwhile.
    void endGame()
    {
        playing_ = false;
        clock_.stop();
        finalBalances_.reset();
        std::vector<QPointer<QTcpSocket>> old;
        for (QTcpSocket*& s : holders_) {
            if (s != nullptr) {
                connections_.at(s).state = State::Finished;
                old.emplace_back(s);
            }
            s = nullptr;
        }
        ++generation_;
        for (QString& nick : nicks_) {
            nick.clear();
        }
        QTimer::singleShot(config_.lingerMilliseconds, &server_, [this, old] {
            for (const QPointer<QTcpSocket>& s : old) {
                if (s && connections_.erase(s.data()) > 0) {
                    closeGently(s.data());
                }
            }
        });
        // The engine is not on the stack here: endings run after a move
        // returned, or from a timer or a socket event.
        engine_.reset();
    }

    // The connection is gone or broke a rule (`why`, or nullptr when it
    // left or closed): at play, that ends the game.
    void drop(QTcpSocket* socket, const char* why)
    {
        const auto it = connections_.find(socket);
        if (it == connections_.end()) {
            return;
        }
        const Connection c = it->second;
        connections_.erase(it);
        if (why != nullptr) {
            note(why, c.place);
        }
        closeAtOnce(socket);
        if (c.place != 0 && holders_[c.place] == socket) {
            holders_[c.place] = nullptr;
            ++generation_;
        }
        if (c.state != State::Seated) {
            return;
        }
        if (playing_) {
            endBroken(c.place, false);
        } else {
            // Before the game a leaver's place, and the later ones, are
            // freed as the client itself frees them.
            Store* store = &store_;
            const int table = number_;
            const int place = c.place;
            const QString nick = nicks_[place];
            lane_.run([store, table, place, nick] { store->freeTourSeat(table, place, nick); });
            nicks_[place].clear();
        }
    }

    void sweep()
    {
        std::vector<QTcpSocket*> late;
        for (const auto& [socket, c] : connections_) {
            if (c.state == State::Unseated && c.since.elapsed() > config_.identifyMilliseconds) {
                late.push_back(socket);
            }
        }
        for (QTcpSocket* s : late) {
            drop(s, "asked for no place in time");
        }
        startWhenFull();
    }

    // To every seated participant but `place` (0: to all four).
    void sendOthers(int place, const QByteArray& frame)
    {
        for (int p = 1; p <= kSeats; ++p) {
            if (p != place && holders_[p] != nullptr) {
                write(holders_[p], frame);
            }
        }
    }

    void write(QTcpSocket* socket, const QByteArray& frame)
    {
        socket->write(frame);
        socket->flush();
        if (socket->bytesToWrite() > config_.writeBacklog) {
            // Dropped from the event loop, never inside a move.
            QPointer<QTcpSocket> p(socket);
            QMetaObject::invokeMethod(
                &server_,
                [this, p] {
                    if (p) {
                        drop(p.data(), "does not read what it is sent");
                    }
                },
                Qt::QueuedConnection);
        }
    }

    int number_;
    Store& store_;
    StoreLane& lane_;
    const Relay::Config& config_;
    RelayCounters& counters_;
    SeatPlan plan_;
    QTcpServer server_;
    QTimer clock_;
    QTimer sweep_;
    int clockPlace_ = 0;
    std::map<QTcpSocket*, Connection> connections_;
    OneBasedArray<QTcpSocket*, kSeats> holders_{};
    OneBasedArray<QString, kSeats> nicks_{};
    bool playing_ = false;
    bool verifying_ = false;  // the store is asked whether the four may start
    quint64 generation_ = 0;  // changes whenever a place's holder does
    quint64 nextConnection_ = 0;
    std::unique_ptr<GameEngine> engine_;
    std::optional<OneBasedArray<int, kSeats>> finalBalances_;
};

class RelayWorker : public QObject {
public:
    RelayWorker(Store& store, const Relay::Config& config, RelayCounters& counters)
        : store_(store), config_(config), counters_(counters)
    {
    }

    ~RelayWorker() override
    {
        // The lane's last answers come to this object, which goes after it.
        lane_.reset();
        tables_.clear();
    }

    bool listen(QString* error)
    {
        lane_ = std::make_unique<StoreLane>(this);
        for (int n = 1; n <= config_.tables; ++n) {
            tables_.push_back(std::make_unique<RelayTable>(n, store_, *lane_, config_, counters_));
            if (!tables_.back()->listen(error)) {
                tables_.clear();
                return false;
            }
        }
        return true;
    }

private:
    Store& store_;
    const Relay::Config& config_;
    RelayCounters& counters_;
    std::unique_ptr<StoreLane> lane_;
    std::vector<std::unique_ptr<RelayTable>> tables_;
};

Relay::Relay(Store& store, Config config)
    : store_(store), config_(std::move(config)), counters_(std::make_unique<RelayCounters>())
{
}

Relay::~Relay()
{
    stop();
}

bool Relay::start(QString* error)
{
    stop();
    thread_ = std::make_unique<QThread>();
    thread_->setObjectName(QStringLiteral("relay"));
    thread_->start();
    worker_ = new RelayWorker(store_, config_, *counters_);
    worker_->moveToThread(thread_.get());
    bool listening = false;
    QString reason;
    QMetaObject::invokeMethod(
        worker_, [this, &listening, &reason] { listening = worker_->listen(&reason); },
        Qt::BlockingQueuedConnection);
    if (!listening) {
        stop();
        if (error) {
            *error = reason;
        }
        return false;
    }
    return true;
}

void Relay::stop()
{
    if (!thread_) {
        return;
    }
    if (worker_) {
        RelayWorker* worker = worker_;
        QMetaObject::invokeMethod(
            worker, [worker] { delete worker; }, Qt::BlockingQueuedConnection);
        worker_ = nullptr;
    }
    thread_->quit();
    thread_->wait();
    thread_.reset();
}

int Relay::gamesRecorded() const
{
    return counters_->recorded;
}

int Relay::gamesBroken() const
{
    return counters_->broken;
}

int Relay::connectionsSeated() const
{
    return counters_->seated;
}

}  // namespace olk::service
