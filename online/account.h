#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <array>
#include <functional>
#include <vector>

#include "online/records.h"
#include "online/requests.h"

namespace olk::online {

class ServiceClient;

// The account state: 1 logged out, 2 logged in, 3 logged in and playing for
// the global rating.
enum AccountState : int { LoggedOut = 1, LoggedIn = 2, PlayingRated = 3 };

// How a Tevs transfer ended.
enum class TransferResult {
    Done,       // "Transfer is successful!"
    NoMember,   // the target's credit failed
    NoConnect,  // the balance could not be read, or the own debit failed
    NotEnough,  // the balance read does not cover the amount
};

// The club account of this run and what the account dialog shows of it: the
// user, the game record with its place, the top ten, the member count, the
// President's information and the two photos (JPEG bytes as the photo store
// sent them; empty when not loaded). Every operation runs its requests one
// after the other, in the order the club's service expects them, and calls
// its `done` once the last has answered; nothing waits. Requests still on
// their way when the account goes are dropped with its client.
class Account : public QObject {
    Q_OBJECT

public:
    // The user file lies above `programFolder`.
    Account(ServiceClient& client, QString programFolder, QObject* parent = nullptr);

    int state() const { return m_state; }
    // Ticking "Play global rating": 2 becomes 3 and back; nothing else.
    void setPlayingRated(bool on);
    // A rated game is under way: the dialog edits nothing then.
    bool ratedGameRunning() const { return m_ratedGameRunning; }
    void setRatedGameRunning(bool running) { m_ratedGameRunning = running; }

    // While logged out the dialog edits the user's fields in place.
    TTevUser& user() { return m_user; }
    const TTevUser& user() const { return m_user; }
    // A password typed in: kept in plain and in its stored form.
    void setPassword(const QString& pw);
    const TTevGame& game() const { return m_game; }
    bool gameRead() const { return m_gameRead; }
    const std::array<TTevTop10, 10>& topTen() const { return m_topTen; }
    bool topTenRead() const { return m_topTenRead; }
    std::int32_t members() const { return m_members; }
    bool membersRead() const { return m_membersRead; }
    const TInfo14& presidentInfo() const { return m_presidentInfo; }
    const QByteArray& ownPhoto() const { return m_ownPhoto; }
    const QByteArray& presidentPhoto() const { return m_presidentPhoto; }
    // The club's page on how Tevs are earned and bought, beside the account
    // address ("…/tevs/100"); empty when that address cannot be read.
    QUrl paymentPage() const;

    using Done = std::function<void()>;

    // The start-up login from the user file; silent whatever happens.
    void loginFromUserFile(Done done);
    // Everything the account dialog shows when it opens.
    void readForDialog(Done done);
    void readGameRecord(Done done);  // with its place
    void readTopTen(Done done);
    void readTevs(Done done);
    void readPresident(Done done);  // information and photo of row 1

    // "Create an account" with the user's fields as entered.
    void createAccount(std::function<void(RegisterResult)> done);
    // "Login to account"; on success the game record, place, member count,
    // own photo and information and the President's follow.
    void login(const QString& nick, const QString& pw, std::function<void(bool)> done);
    // "Sign out": at once, no request.
    void logout();

    bool hasUserFile() const;
    bool saveUserFile();
    bool deleteUserFile();

    // Moves `amount` Tevs to the member `target`. The caller has refused a
    // zero amount, one over the balance and a transfer to the own nick.
    void transfer(std::int32_t amount, const QString& target,
                  std::function<void(TransferResult)> done);

    // "Update info": "$" and "~" become blanks, then the service keeps it
    // and the own information is read back.
    void saveInfo(const TInfo14& info, std::function<void(bool)> done);
    // "Refresh photo": the JPEG goes up within the session and the own
    // photo is read back.
    void uploadPhoto(const QByteArray& jpeg, std::function<void(bool)> done);

    // ---- Rated games ----
    // A rated game begins (the dialog left the account playing for the
    // rating): the record is read and written back with the provisional
    // deduction, in up to three tries `kRatedRetryDelaysMs` apart, each
    // failure announced with `failedTry`. False: the account is logged out.
    void startRatedGame(std::function<void()> failedTry, std::function<void(bool)> done);
    // A rated game has ended with `result`, the cycle standing at
    // `cycleScore`: the deduction is taken back and the result added. After
    // a failed read or write `repeat` is asked whether to try again. The
    // game counts as no longer running whatever happens.
    // `done` tells whether the club has the game's record.
    void finishRatedGame(std::int32_t result, std::int32_t cycleScore, std::function<bool()> repeat,
                         std::function<void(bool)> done);
    // The cycle just completed goes to the account table; its place brings
    // the bonus, credited and the balance read again. `done` gets the place
    // (0 when the post failed for good) and the bonus given.
    void reportCycle(std::int32_t cycleScore, std::function<bool()> repeat,
                     std::function<void(std::int32_t place, std::int32_t bonus)> done);
    // After the end of a rated game: each game is chosen anew.
    void endRatedPlay();

    static constexpr int kRatedRetryDelaysMs[2] = {2000, 3000};

signals:
    // Anything the dialog shows may have changed.
    void changed();

private:
    using Step = std::function<void(Done next)>;
    static void runInOrder(std::vector<Step> steps, Done done);

    Step gameRecordStep();
    Step placeStep();
    Step membersStep();
    Step topTenStep();
    Step ownInfoStep();
    Step ownPhotoStep();
    Step presidentInfoStep();
    Step presidentPhotoStep();
    Step tevsStep();
    void writeProvisional(TTevGame record, int attempt, std::function<void()> failedTry,
                          std::function<void(bool)> done);

    ServiceClient& m_client;
    QString m_programFolder;
    int m_state = LoggedOut;
    bool m_ratedGameRunning = false;
    TTevUser m_user;
    TTevGame m_game;
    bool m_gameRead = false;
    std::array<TTevTop10, 10> m_topTen;
    bool m_topTenRead = false;
    std::int32_t m_members = 0;
    bool m_membersRead = false;
    TInfo14 m_presidentInfo;
    QByteArray m_ownPhoto;
    QByteArray m_presidentPhoto;
};

}  // namespace olk::online
