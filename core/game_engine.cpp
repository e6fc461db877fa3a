#include "game_engine.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

#include "hand_value.h"
#include "opponent.h"
#include "seats.h"

namespace olk {

namespace {

std::string withoutTrailingBlanks(const std::string& text)
{
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

bool isValidSeat(int seat)
{
    return seat >= 1 && seat <= kSeats;
}

std::int32_t clampToInt32(std::int64_t value)
{
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

bool isValidDeck(const DeckCells& deck)
{
    std::uint64_t seen = 0;
    for (const CardCell& cell : deck) {
        const int n = numberOfCard(cell.code);
        if (n == 0 || cell != cellFor(cell.code) || (seen & (std::uint64_t{1} << (n - 1)))) {
            return false;
        }
        seen |= std::uint64_t{1} << (n - 1);
    }
    return true;
}

bool inPlay(const TableState& state, int seat)
{
    return state.gameActive && state.playPhase == 2 && isValidSeat(seat);
}

}  // namespace

bool canTake(const TableState& state, int seat, int source)
{
    if (!inPlay(state, seat) || state.turnState != seat || state.players[seat].cardCount != 3) {
        return false;
    }
    if (source == 1) {
        return state.pileCount >= 1;
    }
    return source == 2 && state.nextDeckIndex <= kDeckCards;
}

bool canDiscard(const TableState& state, int seat, int cell)
{
    return inPlay(state, seat) && state.turnState == seat + turn::kDiscardOffset && cell >= 1 &&
           cell <= state.players[seat].cardCount && !state.players[seat].cells[cell].isEmpty();
}

bool canKnock(const TableState& state, int seat)
{
    return inPlay(state, seat) && state.turnState == seat && state.moveCount >= 4 &&
           state.knocker == 0;
}

GameEngine::GameEngine(TableObserver* observer, Rng rng)
    : m_observer(observer ? observer : &m_silent),
      m_link(&m_silentLink),
      m_driver(&m_silentDriver),
      m_rng(rng)
{
}

void GameEngine::setObserver(TableObserver* observer)
{
    m_observer = observer ? observer : &m_silent;
}

void GameEngine::setLink(ParticipantLink* link)
{
    m_link = link ? link : &m_silentLink;
}

void GameEngine::setTurnDriver(TurnDriver* driver)
{
    m_driver = driver ? driver : &m_silentDriver;
}

void GameEngine::setShowAllHands(bool on)
{
    if (m_showAllHands == on) {
        return;
    }
    m_showAllHands = on;
    m_observer->showAllHandsChanged(on);
    if (m_state.gameActive && m_state.turnState != turn::kNoDeal) {
        for (int seat = 1; seat < kLocalSeat; ++seat) {
            m_observer->showHand(seat, handFaceUp(seat) || m_state.turnState == turn::kDealOver);
        }
    }
}

bool GameEngine::presetNextDeck(const DeckCells& deck)
{
    if (!isValidDeck(deck)) {
        return false;
    }
    m_presetDeck = deck;
    return true;
}

bool GameEngine::receiveDeck(const DeckCells& deck)
{
    if (!isValidDeck(deck)) {
        return false;
    }
    m_state.deck = deck;
    for (PlayerRecord& player : m_state.players) {
        player.cells.fill(kEmptyCell);
        player.cardCount = 0;
    }
    if (m_setup.mode == GameMode::Tournament) {
        for (int block = 1; block <= 4; ++block) {
            PlayerRecord& player = m_state.players[seatOfRelayBlock(m_setup.ownRole, block)];
            for (int i = 1; i <= 3; ++i) {
                player.cells[i] = m_state.deck[3 * (block - 1) + i];
            }
            player.cardCount = 3;
        }
    }
    return true;
}

void GameEngine::newGame()
{
    TableState& st = m_state;
    for (PlayerRecord& player : st.players) {
        player.dealPoints = 0;
        player.balance = 0;
    }
    st.gameDeals = 0;
    st.gameScore = 0;
    st.matchOver = false;
    st.redeal = false;
    setShowAllHands(false);
    st.dealNumber = m_profile.dealNumber;
    st.scoreBase = m_profile.scoreBase;
    st.totalScore = m_profile.scoreBase;
    st.rating = m_profile.rating;
    st.players[kLocalSeat].name = withoutTrailingBlanks(m_profile.name);
}

void GameEngine::dealCards()
{
    // A local game deals as role 1 does on the direct connection.
    const int ownRole = m_setup.mode == GameMode::Local ? 1 : m_setup.ownRole;
    for (int block = 1; block <= 4; ++block) {
        PlayerRecord& player = m_state.players[seatOfDirectBlock(ownRole, block)];
        for (int i = 1; i <= 3; ++i) {
            player.cells[i] = m_state.deck[3 * (block - 1) + i];
        }
        player.cells[4] = kEmptyCell;
        player.cardCount = 3;
    }
}

void GameEngine::startDeal(bool isNextDeal)
{
    TableState& st = m_state;
    const GameMode mode = m_setup.mode;

    m_observer->prepareTableForDeal();
    if (mode == GameMode::Local) {
        st.players[kLocalSeat].name = withoutTrailingBlanks(m_profile.name);
        for (int seat = 1; seat < kLocalSeat; ++seat) {
            st.players[seat].name = "PC";
        }
    }
    m_observer->chooseBack();

    if (!isNextDeal) {
        newGame();
    }

    if (!st.redeal) {
        ++st.gameDeals;
        ++st.dealNumber;
    }
    st.redeal = false;

    if (mode == GameMode::Local || mode == GameMode::NetworkHost) {
        if (m_presetDeck) {
            st.deck = *m_presetDeck;
            m_presetDeck.reset();
        } else {
            shuffleDeck(st.deck, m_rng);
        }
        for (PlayerRecord& player : st.players) {
            player.cells.fill(kEmptyCell);
            player.cardCount = 0;
        }
    }
    if (mode == GameMode::NetworkHost) {
        m_link->sendDeal(st.deck, m_setup.rules);
    }

    st.firstSeat = mode == GameMode::Local ? firstSeatLocal(st.dealNumber)
                                           : firstSeatNetworked(st.gameDeals, m_setup.ownRole);
    st.turnState = st.firstSeat;

    st.pile.fill(kEmptyCell);
    st.pileCount = 1;
    st.pile[1] = st.deck[13];
    st.nextDeckIndex = 14;
    st.moveCount = 0;
    st.knocker = 0;
    st.turnsAfterKnock = 0;
    st.matchOver = false;
    st.gameActive = true;

    m_observer->showDealCounter();
    const bool mayBegin = mode == GameMode::Local || mode == GameMode::NetworkHost ||
                          (mode == GameMode::Tournament && m_setup.ownRole == 1);
    setButtons({FirstButton::ToBegin, mayBegin, false});

    if (isNetworked()) {
        m_observer->showChatLine();
    }
    if (mode == GameMode::NetworkJoined && m_setup.awaitingFirstDeal) {
        // Nothing lies on the table until the host's deck arrives; an empty
        // table also keeps every move illegal meanwhile.
        for (PlayerRecord& player : st.players) {
            player.cells.fill(kEmptyCell);
            player.cardCount = 0;
        }
        st.pile.fill(kEmptyCell);
        st.pileCount = 0;
        st.nextDeckIndex = kDeckCards + 1;
        st.playPhase = 1;
        m_observer->showAwaitingServer();
        return;
    }

    if (mode != GameMode::Tournament) {
        dealCards();
    }

    for (int seat = 1; seat <= kSeats; ++seat) {
        m_observer->setPlateHint(seat, st.players[seat].balance);
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& player = st.players[seat];
        sortHand(player);
        m_observer->showHand(seat, handFaceUp(seat));
        m_observer->showPlate(seat, {PlateColour::Yellow, false, player.dealPoints});
    }
    m_observer->showTurnArrow(st.turnState);
    m_observer->showDeckAndPile();

    m_observer->playSound("WTasoKo", false);

    st.playPhase = 1;
    m_driver->stopTurnDriver();
    m_observer->setDealNumberHint(st.dealNumber,
                                  mode == GameMode::Tournament ? kMatchDeals : kCycleDeals);

    if (m_setup.saveGamesAsGif) {
        m_observer->startRecording();
    }
    verify();
}

bool GameEngine::beginPlay(bool announceIt)
{
    TableState& st = m_state;
    if (!st.gameActive || st.playPhase != 1 || !turn::isTakePhase(st.turnState)) {
        return false;
    }
    st.playPhase = 2;
    m_driver->startTurnDriver();
    setButtons({FirstButton::Knock, false, m_buttons.exitEnabled});
    announce(announceIt, {MoveKind::Begin, 0, kEmptyCard});
    if (m_setup.mode == GameMode::Tournament) {
        m_link->restartMoveClock(turn::seatOf(st.turnState));
    }
    return true;
}

bool GameEngine::takeCard(int seat, int source, bool announceIt)
{
    TableState& st = m_state;
    if (!canTake(st, seat, source)) {
        return false;
    }
    announce(announceIt, {MoveKind::Take, source, kEmptyCard});
    if (m_setup.mode == GameMode::Tournament) {
        m_link->restartMoveClock(seat);
    }

    PlayerRecord& player = st.players[seat];
    CardCell card;
    if (source == 1) {
        card = st.pile[st.pileCount];
        st.pile[st.pileCount] = kEmptyCell;
        --st.pileCount;
    } else {
        card = st.deck[st.nextDeckIndex];
        ++st.nextDeckIndex;
    }
    player.cells[player.cardCount + 1] = card;
    m_observer->showDeckAndPile();

    sortHand(player);
    int newCell = 1;
    while (player.cells[newCell].code != card.code) {
        ++newCell;
    }
    if (m_setup.flyingCards) {
        const bool hidden = seat != kLocalSeat && source == 2;
        m_observer->flyCard({{source == 1 ? FlightEnd::Place::Pile : FlightEnd::Place::Deck, 0, 0},
                             {FlightEnd::Place::Hand, seat, newCell},
                             hidden ? kFaceDownCard : card.code});
    }
    m_observer->showHand(seat, handFaceUp(seat));
    m_observer->playSound("WHodsDo", true);

    st.turnState += turn::kDiscardOffset;
    if (st.turnState == kLocalSeat + turn::kDiscardOffset) {
        setKnockEnabled(false);
    }
    m_observer->showDealCounter();
    verify();
    return true;
}

bool GameEngine::discardCard(int seat, int cell, bool announceIt)
{
    TableState& st = m_state;
    if (!canDiscard(st, seat, cell)) {
        return false;
    }
    PlayerRecord& player = st.players[seat];
    const CardCell card = player.cells[cell];

    announce(announceIt, {MoveKind::Discard, 0, card.code});
    if (m_setup.mode == GameMode::Tournament) {
        m_link->restartMoveClock(turn::nextSeat(seat));
    }

    ++st.pileCount;
    st.pile[st.pileCount] = card;
    player.cells[cell] = kEmptyCell;
    sortHand(player);
    m_observer->showHand(seat, handFaceUp(seat));
    if (seat == kLocalSeat) {
        setKnockEnabled(false);
    }
    if (m_setup.flyingCards) {
        m_observer->flyCard(
            {{FlightEnd::Place::Hand, seat, cell}, {FlightEnd::Place::Pile, 0, 0}, card.code});
    }
    m_observer->showDeckAndPile();

    st.turnState = turn::nextSeat(seat);
    if (isNetworked()) {
        m_observer->showTurnArrow(st.turnState);
    }
    ++st.moveCount;
    m_observer->showDealCounter();
    if (st.knocker != 0) {
        ++st.turnsAfterKnock;
    }
    setKnockEnabled(st.turnState == kLocalSeat && st.moveCount >= 4 && st.knocker == 0);
    m_observer->playSound("WHodsDo", true);

    if (st.nextDeckIndex > kDeckCards || (st.knocker != 0 && st.turnsAfterKnock >= 3)) {
        finishDeal();
    }
    verify();
    return true;
}

bool GameEngine::knock(int seat, bool announceIt)
{
    TableState& st = m_state;
    if (!canKnock(st, seat)) {
        return false;
    }
    announce(announceIt, {MoveKind::Knock, 0, kEmptyCard});
    m_observer->showTurnArrow(seat);
    m_observer->showPlate(seat, {PlateColour::Red, false, st.players[seat].dealPoints});
    st.knocker = seat;
    ++st.moveCount;
    m_observer->showDealCounter();
    st.turnState = turn::nextSeat(seat);
    if (seat == kLocalSeat) {
        setKnockEnabled(false);
    }
    m_observer->playSound("WPlMore", true);
    m_observer->showTurnArrow(st.turnState);
    if (m_setup.mode == GameMode::Tournament) {
        m_link->restartMoveClock(st.turnState);
    }
    verify();
    return true;
}

std::optional<PlayedMove> GameEngine::playComputerAction(bool announceIt)
{
    const TableState& st = m_state;
    const int seat = turn::seatOf(st.turnState);
    if (!st.gameActive || st.playPhase != 2 || seat == 0) {
        return std::nullopt;
    }
    const bool threeOfAKind30 = m_setup.rules.threeOfAKind30;
    PlayedMove played;
    played.seat = seat;
    bool done = false;
    if (turn::isTakePhase(st.turnState)) {
        const TakeChoice choice = chooseTake(st, seat, threeOfAKind30);
        if (choice.knock) {
            played.kind = MoveKind::Knock;
            done = knock(seat, announceIt);
        } else {
            if (!canTake(st, seat, choice.source)) {
                return std::nullopt;
            }
            played.kind = MoveKind::Take;
            played.source = choice.source;
            played.card = choice.source == 1 ? st.pileTop().code : st.deck[st.nextDeckIndex].code;
            done = takeCard(seat, choice.source, announceIt);
        }
    } else {
        const int cell = chooseDiscard(st, seat, threeOfAKind30);
        played.kind = MoveKind::Discard;
        played.card = st.players[seat].cells[cell].code;
        done = discardCard(seat, cell, announceIt);
    }
    return done ? std::optional<PlayedMove>(played) : std::nullopt;
}

void GameEngine::finishDeal()
{
    TableState& st = m_state;
    st.turnState = turn::kDealOver;

    DealResult result;
    for (int seat = 1; seat <= kSeats; ++seat) {
        result.results[seat] = handScore(st.players[seat].cells, m_setup.rules.threeOfAKind30);
    }
    result.shown = result.results;
    result.knocker = st.knocker;

    // A knocker who ends the deal with the lowest result, ties included,
    // scores nothing for it.
    if (m_setup.rules.punishKnocker && st.knocker != 0) {
        bool lowest = true;
        for (int seat = 1; seat <= kSeats; ++seat) {
            if (seat != st.knocker && result.results[seat] < result.results[st.knocker]) {
                lowest = false;
            }
        }
        if (lowest) {
            result.results[st.knocker] = 0;
            result.punished = true;
            m_observer->playSound("WPlMore", false);
        }
    }

    std::int64_t total = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& player = st.players[seat];
        player.dealPoints = clampToInt32(std::int64_t{player.dealPoints} + result.results[seat]);
        total += player.dealPoints;
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& player = st.players[seat];
        player.balance = clampToInt32(4 * std::int64_t{player.dealPoints} - total);
        m_observer->setPlateHint(seat, player.balance);
    }
    st.gameScore = st.players[kLocalSeat].balance;
    st.totalScore = clampToInt32(std::int64_t{st.scoreBase} + st.gameScore);

    for (int seat = 1; seat <= kSeats; ++seat) {
        m_observer->showPlate(seat, {seat == st.knocker ? PlateColour::Red : PlateColour::Blue,
                                     true, result.shown[seat]});
    }

    if (st.knocker != 0 && result.results[st.knocker] > 0) {
        const int t =
            3 * result.results[4] - result.results[1] - result.results[2] - result.results[3];
        if (t < 0) {
            m_observer->playSound("WKoBadX", false);
        } else if (t > 0) {
            m_observer->playSound("WKoGutX", false);
        }
    }

    for (int seat = 1; seat <= kSeats; ++seat) {
        m_observer->showHand(seat, true);
    }
    if (m_setup.saveGamesAsGif) {
        m_observer->finishRecording();
    }

    m_lastResult = result;
    settleButtons();

    if (m_setup.animatedBackground) {
        m_observer->refreshAnimatedBackground();
    }
    m_observer->dealEnded(m_lastResult);
}

void GameEngine::settleButtons()
{
    TableState& st = m_state;
    switch (m_setup.mode) {
    case GameMode::Local:
        if (m_setup.playsGlobalRating) {
            // An account plays for the global rating in blocks of four deals
            // and may leave only at the end of a block.
            const bool blockEnd = st.dealNumber % kMatchDeals == 0;
            setButtons({FirstButton::NextGame, !blockEnd, blockEnd});
            st.matchOver = blockEnd;
        } else {
            setButtons({FirstButton::NextGame, st.dealNumber % kCycleDeals != 0, true});
            st.matchOver = true;
        }
        break;
    case GameMode::NetworkHost:
    case GameMode::NetworkJoined: {
        // A match is four deals of this game, counted the same way on every
        // participant's machine.
        const bool host = m_setup.mode == GameMode::NetworkHost;
        const bool matchEnd = st.gameDeals % kMatchDeals == 0;
        if (host || matchEnd) {
            m_observer->pause(3000);
        }
        setButtons({FirstButton::NextGame, host && !matchEnd, matchEnd});
        st.matchOver = matchEnd;
        break;
    }
    case GameMode::Tournament: {
        const bool placeOne = m_setup.ownRole == 1;
        m_link->stopMoveClocks();
        if (st.gameDeals % kMatchDeals == 0) {
            if (placeOne) {
                OneBasedArray<int, kSeats> byPlace;
                for (int place = 1; place <= kSeats; ++place) {
                    byPlace[place] = st.players[seatOfRole(m_setup.ownRole, place)].balance;
                }
                m_link->sendFinalBalances(byPlace);
            }
            setButtons({FirstButton::NextGame, false, false});
            m_observer->pause(3000);
            st.matchOver = true;
            setButtons({FirstButton::NextGame, false, true});
        } else {
            m_link->restartMoveClock(seatOfRole(m_setup.ownRole, 1));
            m_observer->pause(placeOne ? 2000 : 1000);
            setButtons({FirstButton::NextGame, placeOne, false});
            st.matchOver = false;
        }
        break;
    }
    }
}

void GameEngine::setButtons(const ActionButtons& buttons)
{
    m_buttons = buttons;
    m_observer->setActionButtons(m_buttons);
}

void GameEngine::setKnockEnabled(bool enabled)
{
    setButtons({m_buttons.caption, enabled, m_buttons.exitEnabled});
}

void GameEngine::announce(bool wanted, const Move& move)
{
    if (wanted && isNetworked()) {
        m_link->announceMove(move);
    }
}

void GameEngine::verify() const
{
#ifndef NDEBUG
    if (auto broken = checkInvariants(m_state)) {
        std::fprintf(stderr, "olk: table invariant broken: %s\n", broken->c_str());
        std::abort();
    }
#endif
}

}  // namespace olk
