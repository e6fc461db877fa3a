#pragma once

// A tournament participant over a raw socket, for the relay's tests and
// benchmark: it asks for its place, keeps its own rules engine from the
// frames it receives (as the game does) and, when it plays by itself, makes
// its moves with the computer opponent and its place-1 duties ("hbegin",
// "bnext", "o"). Every byte received is kept for the frame checks.

#include "core/game_engine.h"
#include "core/seat_plan.h"
#include "net/messages.h"
#include "net/receiver.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <vector>

namespace olk::service::testing {

class RelayPlayer : public ParticipantLink {
public:
    RelayPlayer(int place, quint16 port, bool playsItself = true)
        : place_(place), playsItself_(playsItself), engine_(nullptr, Rng(place))
    {
        GameSetup& setup = engine_.setup();
        setup.mode = GameMode::Tournament;
        setup.ownRole = place;
        setup.flyingCards = false;
        engine_.setLink(this);
        QObject::connect(&socket_, &QTcpSocket::connected, &socket_, [this] {
            // Frames go at once, as the game sends them (no Nagle delay).
            socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
            send(net::buildRelayConnect(place_));
        });
        QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] { read(); });
        QObject::connect(&socket_, &QTcpSocket::disconnected, &socket_, [this] { closed_ = true; });
        socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
    }

    // Raw bytes as they go, cut into pieces of `pieceSize` written one by
    // one (0: whole).
    void send(const QByteArray& bytes)
    {
        if (onSend) {
            onSend(bytes);
        }
        if (pieceSize <= 0) {
            socket_.write(bytes);
        } else {
            for (qsizetype i = 0; i < bytes.size(); i += pieceSize) {
                socket_.write(bytes.mid(i, pieceSize));
                socket_.flush();
            }
        }
        socket_.flush();
    }

    int place() const { return place_; }
    bool closed() const { return closed_; }
    const QByteArray& received() const { return received_; }
    const GameEngine& engine() const { return engine_; }
    bool gameEnded() const { return ended_; }
    // The relay's "a" or "T": the place it named, 0 before.
    int leftPlace() const { return leftPlace_; }
    int timeUpPlace() const { return timeUpPlace_; }
    std::vector<net::ChatLine> chat;

    // A frame from the relay arrived (the raw bytes of a move frame).
    std::function<void(const net::MoveMessage&)> onMove;
    std::function<void(const QByteArray&)> onSend;
    int pieceSize = 0;
    // Place 1 reports these instead of its true balances ("o").
    std::optional<OneBasedArray<int, kSeats>> falseBalances;

    // --- ParticipantLink: what this participant's engine says
    void announceMove(const Move& move) override { send(net::buildRelayMove(move, place_)); }
    void sendFinalBalances(const OneBasedArray<int, kSeats>& byPlace) override
    {
        send(net::buildRelayFinalBalances(falseBalances ? *falseBalances : byPlace, place_));
    }

private:
    void read()
    {
        const QByteArray bytes = socket_.readAll();
        received_ += bytes;
        for (const net::Message& message : receiver_.feed(bytes).messages) {
            handle(message);
        }
        act();
    }

    void handle(const net::Message& message)
    {
        if (const auto* deal = std::get_if<net::Deal>(&message)) {
            engine_.receiveDeck(deal->deck);
            engine_.startDeal(engine_.state().gameDeals > 0);
            if (playsItself_ && place_ == 1) {
                engine_.beginPlay(true);
            }
        } else if (const auto* move = std::get_if<net::MoveMessage>(&message)) {
            if (onMove) {
                onMove(*move);
            }
            applyRemoteMove(engine_, plan_, move->move);
        } else if (const auto* line = std::get_if<net::ChatLine>(&message)) {
            chat.push_back(*line);
        } else if (std::holds_alternative<net::GameEnded>(message)) {
            ended_ = true;
        } else if (const auto* left = std::get_if<net::PlayerLeft>(&message)) {
            leftPlace_ = left->place;
        } else if (const auto* late = std::get_if<net::LostOnTime>(&message)) {
            timeUpPlace_ = late->place;
        }
    }

    // Plays whatever is this participant's to play now.
    void act()
    {
        if (!playsItself_ || ended_ || leftPlace_ != 0 || timeUpPlace_ != 0) {
            return;
        }
        while (driveTurn(engine_, plan_)) {
        }
        const TableState& st = engine_.state();
        if (place_ == 1 && st.turnState == turn::kDealOver && st.gameDeals % kMatchDeals != 0 &&
            askedAfter_ != st.gameDeals) {
            askedAfter_ = st.gameDeals;
            send(net::buildRelayNextDeal(place_));
        }
    }

    int place_;
    bool playsItself_;
    GameEngine engine_;
    // The computer plays seat 4 here, announcing; the others arrive.
    SeatPlan plan_ = [] {
        SeatPlan plan = SeatPlan::forGame(GameMode::Tournament);
        plan.control[kLocalSeat] = SeatControl::Computer;
        return plan;
    }();
    net::MessageReceiver receiver_{net::MessageReceiver::Side::Relay};
    QTcpSocket socket_;
    QByteArray received_;
    bool closed_ = false;
    bool ended_ = false;
    int leftPlace_ = 0;
    int timeUpPlace_ = 0;
    int askedAfter_ = 0;
};

// Runs the event loop until `done` holds or `milliseconds` passed; whether
// it holds.
inline bool waitFor(const std::function<bool()>& done, int milliseconds = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

}  // namespace olk::service::testing
