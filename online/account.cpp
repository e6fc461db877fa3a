#include "online/account.h"

#include <QDate>
#include <QTimer>
#include <memory>

#include "account/user_file.h"
#include "online/rating.h"
#include "online/service_client.h"
#include "records/history_file.h"
#include "settings/address_cipher.h"

namespace olk::online {

Account::Account(ServiceClient& client, QString programFolder, QObject* parent)
    : QObject(parent), m_client(client), m_programFolder(std::move(programFolder))
{
}

void Account::setPlayingRated(bool on)
{
    if (on && m_state == LoggedIn) {
        m_state = PlayingRated;
    } else if (!on && m_state == PlayingRated) {
        m_state = LoggedIn;
    } else {
        return;
    }
    emit changed();
}

QUrl Account::paymentPage() const
{
    const std::optional<QString> address = decipherAddress(m_client.address(Endpoint::Account));
    if (!address) {
        return {};
    }
    QString base = *address;
    if (base.endsWith(QLatin1String("/account"))) {
        base.chop(8);
    }
    const QUrl url(base + QLatin1String("/tevs/100"), QUrl::StrictMode);
    return url.isValid() ? url : QUrl();
}

void Account::setPassword(const QString& pw)
{
    m_user.Pw = pw;
    m_user.PwC = encipherPassword(pw);
}

void Account::runInOrder(std::vector<Step> steps, Done done)
{
    // Each step hands the next one on; the list lives as long as a step
    // still has to run.
    struct Runner {
        static void from(std::shared_ptr<std::vector<Step>> steps, std::size_t i, Done done)
        {
            if (i == steps->size()) {
                if (done) {
                    done();
                }
                return;
            }
            (*steps)[i]([steps, i, done] { from(steps, i + 1, done); });
        }
    };
    Runner::from(std::make_shared<std::vector<Step>>(std::move(steps)), 0, std::move(done));
}

Account::Step Account::gameRecordStep()
{
    return [this](Done next) {
        m_client.send(gameRecordRead(m_user.Nick, m_user.Pw), [this, next](const Reply& reply) {
            const GameRecordResult result = parseGameRecordRead(reply, m_game);
            m_game = result.game;
            m_gameRead = result.ok;
            next();
        });
    };
}

Account::Step Account::placeStep()
{
    return [this](Done next) {
        m_client.send(accountPlace(m_game.Rating), [this, next](const Reply& reply) {
            m_game.Place = parseAccountPlace(reply).value;
            next();
        });
    };
}

Account::Step Account::membersStep()
{
    return [this](Done next) {
        m_client.send(clubMembers(), [this, next](const Reply& reply) {
            const NumberResult result = parseClubMembers(reply);
            m_members = result.value;
            m_membersRead = result.ok;
            next();
        });
    };
}

Account::Step Account::topTenStep()
{
    return [this](Done next) {
        m_client.send(accountTopTen(), [this, next](const Reply& reply) {
            const AccountTopTenResult result = parseAccountTopTen(reply);
            m_topTen = result.rows;
            m_topTenRead = result.ok;
            next();
        });
    };
}

Account::Step Account::ownInfoStep()
{
    return [this](Done next) {
        const QString nick = m_user.Nick;
        m_client.send(infoRead(nick), [this, next, nick](const Reply& reply) {
            if (m_user.Nick == nick) {
                m_user.Info = parseInfoRead(reply);
            }
            next();
        });
    };
}

Account::Step Account::ownPhotoStep()
{
    return [this](Done next) {
        const QString nick = m_user.Nick;
        m_client.fetch(Endpoint::Photos, nick + QLatin1String(".jpg"),
                       [this, next, nick](const Reply& reply) {
                           if (m_user.Nick == nick && m_state >= LoggedIn) {
                               m_ownPhoto = reply.value_or(QByteArray());
                           }
                           next();
                       });
    };
}

Account::Step Account::presidentInfoStep()
{
    return [this](Done next) {
        const QString nick = m_topTen[0].Nick;
        if (nick.isEmpty()) {
            m_presidentInfo = {};
            next();
            return;
        }
        m_client.send(infoRead(nick), [this, next](const Reply& reply) {
            m_presidentInfo = parseInfoRead(reply);
            next();
        });
    };
}

Account::Step Account::presidentPhotoStep()
{
    return [this](Done next) {
        const QString nick = m_topTen[0].Nick;
        if (nick.isEmpty()) {
            m_presidentPhoto.clear();
            next();
            return;
        }
        m_client.fetch(Endpoint::Photos, nick + QLatin1String(".jpg"),
                       [this, next](const Reply& reply) {
                           m_presidentPhoto = reply.value_or(QByteArray());
                           next();
                       });
    };
}

Account::Step Account::tevsStep()
{
    return [this](Done next) {
        m_client.send(tevsRead(m_user.Nick), [this, next](const Reply& reply) {
            const NumberResult result = parseTevsRead(reply);
            if (result.ok) {
                m_user.R04 = result.value;
            }
            next();
        });
    };
}

void Account::loginFromUserFile(Done done)
{
    m_state = LoggedOut;
    const std::optional<UserFile> file = readUserFile(m_programFolder);
    const std::optional<QString> password =
        file ? startupPassword(file->storedPassword) : std::nullopt;
    if (!file || !password) {
        done();
        return;
    }
    const QString nick = file->nick;
    const QString pw = *password;
    m_client.send(accountLogin(nick, pw), [this, nick, pw, done](const Reply& reply) {
        const LoginResult login = parseAccountLogin(reply, m_user, nick, pw);
        if (login.ok) {
            m_user = login.user;
            m_user.PwC = encipherPassword(pw);
            m_state = LoggedIn;
            emit changed();
        }
        done();
    });
}

void Account::readForDialog(Done done)
{
    std::vector<Step> steps{topTenStep()};
    if (m_state >= LoggedIn) {
        steps.push_back(gameRecordStep());
        steps.push_back(placeStep());
    }
    steps.push_back(membersStep());
    if (m_state >= LoggedIn) {
        steps.push_back(ownPhotoStep());
        steps.push_back(ownInfoStep());
    }
    steps.push_back(presidentInfoStep());
    steps.push_back(presidentPhotoStep());
    runInOrder(std::move(steps), [this, done] {
        emit changed();
        done();
    });
}

void Account::readGameRecord(Done done)
{
    runInOrder({gameRecordStep(), placeStep()}, [this, done] {
        emit changed();
        done();
    });
}

void Account::readTopTen(Done done)
{
    runInOrder({topTenStep()}, [this, done] {
        emit changed();
        done();
    });
}

void Account::readTevs(Done done)
{
    runInOrder({tevsStep()}, [this, done] {
        emit changed();
        done();
    });
}

void Account::readPresident(Done done)
{
    runInOrder({presidentInfoStep(), presidentPhotoStep()}, [this, done] {
        emit changed();
        done();
    });
}

void Account::createAccount(std::function<void(RegisterResult)> done)
{
    m_user.DateR = historyDateText(QDate::currentDate());
    m_user.R01 = m_user.R02 = m_user.R03 = QStringLiteral("xxx");
    m_user.R04 = m_user.R05 = m_user.R06 = 0;
    m_client.send(accountRegister(m_user), [this, done](const Reply& reply) {
        const RegisterResult result = parseAccountRegister(reply);
        if (result != RegisterResult::Created) {
            m_state = LoggedOut;
            m_user.DateR = QStringLiteral("00.00.0000");
            emit changed();
            done(result);
            return;
        }
        m_state = LoggedIn;
        const QString nick = m_user.Nick;
        const QString pw = m_user.Pw;
        const Step relogin = [this, nick, pw](Done next) {
            m_client.send(accountLogin(nick, pw), [this, next, nick, pw](const Reply& answer) {
                const LoginResult login = parseAccountLogin(answer, m_user, nick, pw);
                if (login.ok) {
                    m_user = login.user;
                    m_user.PwC = encipherPassword(pw);
                }
                next();
            });
        };
        runInOrder({membersStep(), relogin, gameRecordStep(), placeStep(), ownInfoStep()},
                   [this, done] {
                       emit changed();
                       done(RegisterResult::Created);
                   });
    });
}

void Account::login(const QString& nick, const QString& pw, std::function<void(bool)> done)
{
    m_client.send(accountLogin(nick, pw), [this, nick, pw, done](const Reply& reply) {
        const LoginResult login = parseAccountLogin(reply, m_user, nick, pw);
        if (!login.ok) {
            m_gameRead = false;
            m_membersRead = false;
            emit changed();
            done(false);
            return;
        }
        m_state = LoggedIn;
        m_user = login.user;
        m_user.PwC = encipherPassword(pw);
        runInOrder({gameRecordStep(), placeStep(), membersStep(), ownPhotoStep(), ownInfoStep(),
                    presidentInfoStep(), presidentPhotoStep()},
                   [this, done] {
                       emit changed();
                       done(true);
                   });
    });
}

void Account::logout()
{
    m_state = LoggedOut;
    m_ownPhoto.clear();
    m_user.R04 = m_user.R05 = m_user.R06 = 0;
    emit changed();
}

bool Account::hasUserFile() const
{
    return readUserFile(m_programFolder).has_value();
}

bool Account::saveUserFile()
{
    return writeUserFile(m_programFolder, UserFile{m_user.Nick, m_user.PwC});
}

bool Account::deleteUserFile()
{
    return removeUserFile(m_programFolder);
}

void Account::transfer(std::int32_t amount, const QString& target,
                       std::function<void(TransferResult)> done)
{
    const QString own = m_user.Nick;
    m_client.send(tevsRead(own), [this, amount, target, own, done](const Reply& reply) {
        const NumberResult balance = parseTevsRead(reply);
        if (!balance.ok) {
            done(TransferResult::NoConnect);
            return;
        }
        m_user.R04 = balance.value;
        emit changed();
        if (balance.value < amount) {
            done(TransferResult::NotEnough);
            return;
        }
        m_client.send(tevsCredit(target, amount), [this, amount, own, done](const Reply& credited) {
            if (!parseTevsCredit(credited)) {
                done(TransferResult::NoMember);
                return;
            }
            m_client.send(tevsCredit(own, -amount), [this, done](const Reply& answer) {
                const bool debited = parseTevsCredit(answer);
                readTevs([done, debited] {
                    done(debited ? TransferResult::Done : TransferResult::NoConnect);
                });
            });
        });
    });
}

void Account::saveInfo(const TInfo14& info, std::function<void(bool)> done)
{
    TInfo14 cleaned = info;
    for (QString TInfo14::*field : kInfoFields) {
        (cleaned.*field).replace(u'$', u' ').replace(u'~', u' ');
    }
    m_client.send(infoSave(m_user.Nick, cleaned), [this, done](const Reply& reply) {
        if (!parseInfoSave(reply)) {
            done(false);
            return;
        }
        runInOrder({ownInfoStep()}, [this, done] {
            emit changed();
            done(true);
        });
    });
}

void Account::uploadPhoto(const QByteArray& jpeg, std::function<void(bool)> done)
{
    m_client.upload(Endpoint::Account, QStringLiteral("/photo"), jpeg, "image/jpeg",
                    [this, done](const Reply& reply) {
                        if (!reply || !reply->contains("ok")) {
                            done(false);
                            return;
                        }
                        runInOrder({ownPhotoStep()}, [this, done] {
                            emit changed();
                            done(true);
                        });
                    });
}

void Account::startRatedGame(std::function<void()> failedTry, std::function<void(bool)> done)
{
    const auto fail = [this, done] {
        m_state = LoggedOut;
        m_ratedGameRunning = false;
        emit changed();
        done(false);
    };
    m_client.send(gameRecordRead(m_user.Nick, m_user.Pw),
                  [this, failedTry, done, fail](const Reply& reply) {
                      const GameRecordResult read = parseGameRecordRead(reply, m_game);
                      if (!read.ok) {
                          fail();
                          return;
                      }
                      // The record held keeps the values as read; only the
                      // club's copy carries the deduction.
                      m_game = read.game;
                      m_gameRead = true;
                      writeProvisional(provisionalRecord(read.game), 0, failedTry,
                                       [this, done, fail](bool written) {
                                           if (!written) {
                                               fail();
                                               return;
                                           }
                                           m_ratedGameRunning = true;
                                           emit changed();
                                           done(true);
                                       });
                  });
}

void Account::writeProvisional(TTevGame record, int attempt, std::function<void()> failedTry,
                               std::function<void(bool)> done)
{
    m_client.send(gameRecordWrite(m_user.Nick, m_user.Pw, record),
                  [this, record, attempt, failedTry, done](const Reply& reply) {
                      if (parseGameRecordWrite(reply)) {
                          done(true);
                          return;
                      }
                      failedTry();
                      if (attempt >= 2) {
                          done(false);
                          return;
                      }
                      QTimer::singleShot(kRatedRetryDelaysMs[attempt], this,
                                         [this, record, attempt, failedTry, done] {
                                             writeProvisional(record, attempt + 1, failedTry, done);
                                         });
                  });
}

void Account::finishRatedGame(std::int32_t result, std::int32_t cycleScore,
                              std::function<bool()> repeat, std::function<void(bool)> done)
{
    const std::int32_t konLBefore = m_game.KonL;
    const auto giveUpOrRepeat = [this, result, cycleScore, repeat, done] {
        if (repeat()) {
            finishRatedGame(result, cycleScore, repeat, done);
            return;
        }
        m_ratedGameRunning = false;
        emit changed();
        done(false);
    };
    m_client.send(gameRecordRead(m_user.Nick, m_user.Pw), [this, result, cycleScore, konLBefore,
                                                           giveUpOrRepeat,
                                                           done](const Reply& reply) {
        const GameRecordResult read = parseGameRecordRead(reply, m_game);
        if (!read.ok) {
            giveUpOrRepeat();
            return;
        }
        const TTevGame written = finalRecord(read.game, result, cycleScore, konLBefore);
        m_client.send(gameRecordWrite(m_user.Nick, m_user.Pw, written),
                      [this, written, read, konLBefore, giveUpOrRepeat, done](const Reply& answer) {
                          if (!parseGameRecordWrite(answer)) {
                              m_game = read.game;
                              m_game.KonL = konLBefore;
                              giveUpOrRepeat();
                              return;
                          }
                          m_game = written;
                          m_ratedGameRunning = false;
                          emit changed();
                          done(true);
                      });
    });
}

void Account::reportCycle(std::int32_t cycleScore, std::function<bool()> repeat,
                          std::function<void(std::int32_t, std::int32_t)> done)
{
    TTevRecord entry;
    entry.GID = kAccountTable;
    entry.Nick = m_user.Nick;
    entry.City = m_user.City;
    entry.Country = m_user.Country1;
    entry.Score = cycleScore;
    entry.R07 = QString(m_user.Sex);
    entry.R09 = QStringLiteral("#");
    entry.R10 = QStringLiteral("#");
    m_client.send(scorePost(entry), [this, cycleScore, repeat, done](const Reply& reply) {
        const NumberResult posted = parseScorePost(reply);
        if (!posted.ok) {
            if (repeat()) {
                reportCycle(cycleScore, repeat, done);
            } else {
                done(0, 0);
            }
            return;
        }
        const std::int32_t place = posted.value;
        const std::int32_t bonus = cycleBonus(place);
        const auto refresh = [this, place, done](std::int32_t given) {
            readTevs([place, given, done] { done(place, given); });
        };
        if (bonus == 0) {
            refresh(0);
            return;
        }
        m_client.send(tevsCredit(m_user.Nick, bonus),
                      [bonus, refresh, place, done](const Reply& answer) {
                          if (parseTevsCredit(answer)) {
                              refresh(bonus);
                          } else {
                              done(place, 0);  // a failed credit is silent
                          }
                      });
    });
}

void Account::endRatedPlay()
{
    m_ratedGameRunning = false;
    setPlayingRated(false);
}

}  // namespace olk::online
