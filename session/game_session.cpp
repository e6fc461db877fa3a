#include "session/game_session.h"

namespace olk {

namespace {

// A tournament always plays with three of a kind worth 30 and the knocker
// never punished.
RuleOptions tournamentRules()
{
    RuleOptions rules;
    rules.threeOfAKind30 = true;
    rules.punishKnocker = false;
    return rules;
}

}  // namespace

GameSession::GameSession(Rng rng, QObject* parent)
    : QObject(parent), m_engine(nullptr, rng), m_plan(SeatPlan::forGame(GameMode::Local))
{
    m_engine.setTurnDriver(this);
    m_timer1.setInterval(kTickInPlay);
    connect(&m_timer1, &QTimer::timeout, this, &GameSession::onTick);
}

GameSession::~GameSession()
{
    m_engine.setTurnDriver(nullptr);
}

void GameSession::startLocalGame(const Profile& profile)
{
    m_timer1.stop();
    m_engine.setup().mode = GameMode::Local;
    m_plan = SeatPlan::forGame(GameMode::Local);
    m_engine.setProfile(profile);
    m_engine.startDeal(false);
}

void GameSession::startNetworkGame(GameMode mode, int ownRole, int joinedPlayers,
                                   const Profile& profile)
{
    m_timer1.stop();
    GameSetup& setup = m_engine.setup();
    setup.mode = mode;
    setup.ownRole = ownRole;
    setup.awaitingFirstDeal = mode == GameMode::NetworkJoined;
    m_plan = SeatPlan::forGame(mode, joinedPlayers);
    m_engine.setProfile(profile);
    m_engine.startDeal(false);
}

void GameSession::setJoinedPlayers(int joinedPlayers)
{
    m_plan = SeatPlan::forGame(m_engine.setup().mode, joinedPlayers);
}

void GameSession::setSeatName(int seat, const std::string& name)
{
    if (seat >= 1 && seat <= kSeats) {
        m_engine.editState().players[seat].name = name;
    }
}

bool GameSession::receiveDeal(const DeckCells& deck, const RuleOptions& rules)
{
    GameSetup& setup = m_engine.setup();
    const TableState& st = m_engine.state();
    const bool tournament = setup.mode == GameMode::Tournament;
    const bool waiting =
        setup.awaitingFirstDeal || (st.turnState == turn::kDealOver && !st.matchOver);
    if ((setup.mode != GameMode::NetworkJoined && !tournament) || !st.gameActive || !waiting ||
        (tournament && m_tournamentEnded) || !m_engine.receiveDeck(deck)) {
        return false;
    }
    m_nextDealAsked = false;
    if (setup.awaitingFirstDeal) {
        // The first deal was counted when the table was laid.
        m_engine.editState().redeal = true;
        setup.awaitingFirstDeal = false;
    }
    setup.rules = tournament ? tournamentRules() : rules;
    m_timer1.stop();
    m_engine.startDeal(true);
    return true;
}

bool GameSession::startTournamentGame(int place, const Profile& profile, const DeckCells& deck)
{
    if (place < 1 || place > kSeats) {
        return false;
    }
    GameSetup& setup = m_engine.setup();
    const GameSetup before = setup;
    setup.mode = GameMode::Tournament;
    setup.ownRole = place;
    setup.awaitingFirstDeal = false;
    if (!m_engine.receiveDeck(deck)) {
        setup = before;
        return false;
    }
    m_timer1.stop();
    setup.rules = tournamentRules();
    m_plan = SeatPlan::forGame(GameMode::Tournament);
    m_tournamentEnded = false;
    m_nextDealAsked = false;
    m_engine.setProfile(profile);
    m_engine.startDeal(false);
    return true;
}

void GameSession::endTournamentGame()
{
    if (m_engine.setup().mode != GameMode::Tournament || m_tournamentEnded) {
        return;
    }
    m_tournamentEnded = true;
    m_timer1.stop();
    TableState& st = m_engine.editState();
    st.matchOver = true;
    st.turnState = turn::kDealOver;
    if (m_view != nullptr) {
        m_view->setActionButtons({m_engine.buttons().caption, false, true});
    }
}

bool GameSession::localTake(int source)
{
    const TableState& st = m_engine.state();
    if (st.playPhase != 2 || !canTake(st, kLocalSeat, source)) {
        return false;
    }
    return m_engine.takeCard(kLocalSeat, source, m_plan.announces[kLocalSeat]);
}

bool GameSession::localDiscard(int cell)
{
    const TableState& st = m_engine.state();
    if (st.playPhase != 2 || !canDiscard(st, kLocalSeat, cell)) {
        return false;
    }
    return m_engine.discardCard(kLocalSeat, cell, m_plan.announces[kLocalSeat]);
}

void GameSession::pressFirstButton()
{
    const TableState& st = m_engine.state();
    const bool announce = m_plan.announces[kLocalSeat];
    const bool tournament = m_engine.setup().mode == GameMode::Tournament;
    if (tournament && (m_tournamentEnded || !m_engine.buttons().firstEnabled)) {
        return;  // only place 1 begins and asks for deals; nothing once it is over
    }
    if (st.playPhase == 1) {
        m_engine.beginPlay(announce);
        return;
    }
    if (st.turnState == kLocalSeat) {
        m_engine.knock(kLocalSeat, announce);
    }
    const ActionButtons& buttons = m_engine.buttons();
    if (m_engine.state().turnState == turn::kDealOver && buttons.caption == FirstButton::NextGame &&
        buttons.firstEnabled) {
        m_timer1.stop();
        if (tournament) {
            // The relay deals; one request until its deal comes.
            if (!m_nextDealAsked) {
                m_nextDealAsked = true;
                emit nextDealRequested();
            }
            return;
        }
        m_engine.startDeal(true);
    }
}

void GameSession::pressExit()
{
    if (m_engine.state().matchOver) {
        m_timer1.stop();
        emit gameFinished();
    }
}

void GameSession::leave()
{
    m_timer1.stop();
    emit gameAbandoned();
}

bool GameSession::receiveMove(const Move& move)
{
    return applyRemoteMove(m_engine, m_plan, move);
}

void GameSession::onTick()
{
    const TableState& st = m_engine.state();
    if (!st.gameActive || m_engine.setup().mode == GameMode::Tournament) {
        return;
    }
    if (m_engine.setup().mode == GameMode::Local && m_hold && m_hold()) {
        return;
    }
    if (driveTurn(m_engine, m_plan)) {
        emit computerMoved();
    }
}

void GameSession::stopTurnDriver()
{
    m_timer1.setInterval(kTickInPlay);
    m_timer1.stop();
}

void GameSession::startTurnDriver()
{
    m_timer1.setInterval(kTickInPlay);
    m_timer1.start();
}

}  // namespace olk
