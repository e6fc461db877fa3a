// The account dialogs against a real olk-service on a loopback port: what
// the player types, the club's answers, and every control's enabling.

#include "accountui/account_dialog.h"
#include "online/rating.h"

#include <gtest/gtest.h>
#include <sodium.h>

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <thread>

#include "account/user_file.h"
#include "accountui/personal_data_dialog.h"
#include "extras/cards_button.h"
#include "online/account.h"
#include "online/online_session.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "settings/word_tables.h"
#include "tests/service/loopback_club.h"

namespace olk {
namespace {

using testing::settle;

// What the dialogs said, asked and opened.
struct Recorder {
    QStringList told;
    QStringList asked;
    QList<QUrl> opened;
    bool answer = true;
    QString photoFile;

    AccountDialogHooks hooks()
    {
        AccountDialogHooks h;
        h.tell = [this](QWidget*, const QString& line1, const QString&) { told << line1; };
        h.ask = [this](QWidget*, const QString& question) {
            asked << question;
            return answer;
        };
        h.open = [this](const QUrl& url) { opened << url; };
        h.choosePhoto = [this](QWidget*) { return photoFile; };
        return h;
    }
};

using testing::Club;

class AccountDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_GT(club.port, 0);
        program = QDir(home.path()).filePath(QStringLiteral("program"));
        QDir().mkpath(program);
        session = std::make_unique<online::OnlineSession>(settings, program);
        ASSERT_TRUE(session->useService(club.address()));
    }

    online::Account& account() { return session->account(); }

    std::unique_ptr<AccountDialog> open(bool forAccountGame = false)
    {
        auto dialog = std::make_unique<AccountDialog>(account(), settings, program, forAccountGame,
                                                      nullptr, recorder.hooks());
        EXPECT_TRUE(settle([&] { return !dialog->busy(); }));
        return dialog;
    }

    void type(QLineEdit* edit, const QString& value)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        // Typed as text, so that Cyrillic letters arrive as they would.
        for (QChar c : value) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(edit, &press);
        }
    }

    void registerMember(AccountDialog& dialog, const QString& nick, const QString& pw)
    {
        type(dialog.nickEdit(), nick);
        type(dialog.passwordEdit(), pw);
        type(dialog.cityEdit(), QStringLiteral("Omsk"));
        type(dialog.emailEdit(), nick + QStringLiteral("@club.example"));
        ASSERT_TRUE(dialog.createButton()->isEnabled());
        dialog.createButton()->click();
        ASSERT_TRUE(settle([&] { return !dialog.busy(); }));
    }

    Club club;
    QTemporaryDir home;
    QString program;
    Settings settings;
    std::unique_ptr<online::OnlineSession> session;
    Recorder recorder;
};

TEST_F(AccountDialogTest, FieldsLampsAndTheButtonsTheyEnable)
{
    auto dialog = open();
    EXPECT_EQ(dialog->countryNameField()->text(), QStringLiteral("Russia"));
    EXPECT_EQ(dialog->registrationField()->text(), QStringLiteral("00.00.0000"));
    EXPECT_TRUE(dialog->hidePasswordBox()->isChecked());
    EXPECT_FALSE(dialog->playRatedBox()->isEnabled());
    EXPECT_FALSE(dialog->createButton()->isEnabled());
    EXPECT_FALSE(dialog->loginButton()->isEnabled());
    EXPECT_FALSE(dialog->saveButton()->isEnabled());
    EXPECT_FALSE(dialog->deleteButton()->isEnabled());

    // Blanks and signs cannot be typed; a hidden password shows "#"s.
    type(dialog->nickEdit(), QStringLiteral("Al Capone#"));
    EXPECT_EQ(dialog->nickEdit()->text(), QStringLiteral("AlCapone"));
    type(dialog->passwordEdit(), QStringLiteral("abc"));
    EXPECT_EQ(dialog->passwordEdit()->displayText(), QStringLiteral("###"));
    EXPECT_FALSE(dialog->loginButton()->isEnabled()) << "three characters are red";
    type(dialog->passwordEdit(), QStringLiteral("abcd"));
    EXPECT_TRUE(dialog->loginButton()->isEnabled());
    EXPECT_EQ(account().user().PwC, encipherPassword(QStringLiteral("abcd")));
    dialog->hidePasswordBox()->setChecked(false);
    EXPECT_EQ(dialog->passwordEdit()->displayText(), QStringLiteral("abcd"));

    // A Cyrillic city is yellow and still allows an account; an e-mail
    // needs something on each side of its "@".
    type(dialog->cityEdit(), QString::fromUtf8("Омск"));
    for (const char* email : {"@club.example", "anna@"}) {
        type(dialog->emailEdit(), QString::fromLatin1(email));
        EXPECT_FALSE(dialog->createButton()->isEnabled()) << email;
    }
    type(dialog->emailEdit(), QStringLiteral("a@b"));
    EXPECT_TRUE(dialog->createButton()->isEnabled());
    type(dialog->nickEdit(), QString::fromUtf8("Вася"));
    EXPECT_FALSE(dialog->createButton()->isEnabled()) << "a Cyrillic nick is red";

    // Another continent starts at "Unknown"; Africa 12 has no token.
    dialog->continentList()->setCurrentIndex(5);
    EXPECT_EQ(account().user().Country2, QStringLiteral("6-000"));
    EXPECT_EQ(dialog->countryNameField()->text(), QStringLiteral("Unknown"));
    dialog->countryList()->setCurrentIndex(12);
    EXPECT_EQ(account().user().Country2, QStringLiteral("6-012"));
    EXPECT_EQ(account().user().Country1, QString());
    dialog->sexList()->setCurrentIndex(1);
    EXPECT_EQ(account().user().Sex, u'W');
}

TEST_F(AccountDialogTest, RegisterSignOutAndLogInAgain)
{
    auto dialog = open();
    registerMember(*dialog, QStringLiteral("Anna"), QStringLiteral("secret1"));
    ASSERT_EQ(recorder.told.value(0), text(Text::AccountCreated));
    EXPECT_EQ(account().state(), online::LoggedIn);
    EXPECT_TRUE(account().gameRead());
    EXPECT_EQ(dialog->membersLabel()->text(), text(Text::ClockHintClubMembers) + "1");
    EXPECT_EQ(dialog->loginButton()->text(), text(Text::SignOut));
    EXPECT_FALSE(dialog->nickEdit()->isEnabled()) << "a member's fields are not edited";
    EXPECT_TRUE(dialog->saveButton()->isEnabled());
    EXPECT_EQ(dialog->resultValue(1)->text(), QStringLiteral("Anna"));
    EXPECT_EQ(dialog->resultValue(2)->text(), QStringLiteral("0,000"));
    EXPECT_FALSE(dialog->playRatedBox()->isEnabled()) << "opened from the menu";

    // The user file: saved once, then deleted.
    dialog->saveButton()->click();
    EXPECT_FALSE(dialog->saveButton()->isEnabled());
    EXPECT_TRUE(dialog->deleteButton()->isEnabled());
    const std::optional<UserFile> file = readUserFile(program);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->nick, QStringLiteral("Anna"));
    EXPECT_EQ(decipherPassword(file->storedPassword), QStringLiteral("secret1"));

    // The same nick again is refused.
    dialog->loginButton()->click();  // sign out
    EXPECT_EQ(account().state(), online::LoggedOut);
    EXPECT_EQ(account().user().R04, 0);
    registerMember(*dialog, QStringLiteral("Anna"), QStringLiteral("another1"));
    EXPECT_EQ(recorder.told.value(1), text(Text::NickTaken));
    EXPECT_EQ(account().state(), online::LoggedOut);
    EXPECT_EQ(account().user().DateR, QStringLiteral("00.00.0000"));

    // A wrong password fails; the right one logs in.
    type(dialog->passwordEdit(), QStringLiteral("wrong11"));
    dialog->loginButton()->click();
    ASSERT_TRUE(settle([&] { return !dialog->busy(); }));
    EXPECT_EQ(recorder.told.value(2), text(Text::LoginFailed));
    EXPECT_EQ(dialog->resultValue(3)->text(), text(Text::NoConnect));
    type(dialog->passwordEdit(), QStringLiteral("secret1"));
    dialog->loginButton()->click();
    ASSERT_TRUE(settle([&] { return !dialog->busy(); }));
    EXPECT_EQ(account().state(), online::LoggedIn);
    EXPECT_EQ(recorder.told.size(), 3);
    dialog->deleteButton()->click();
    EXPECT_FALSE(readUserFile(program));
    EXPECT_TRUE(dialog->saveButton()->isEnabled());

    // The start-up login of another run finds the saved file.
    dialog->saveButton()->click();
    online::OnlineSession nextRun(settings, program);
    ASSERT_TRUE(nextRun.useService(club.address()));
    bool finished = false;
    nextRun.account().loginFromUserFile([&] { finished = true; });
    ASSERT_TRUE(settle([&] { return finished; }));
    EXPECT_EQ(nextRun.accountState(), online::LoggedIn);
    EXPECT_EQ(nextRun.user().City, QStringLiteral("Omsk"));
}

TEST_F(AccountDialogTest, TevsTransfersWithEveryOutcome)
{
    {
        auto first = open();
        registerMember(*first, QStringLiteral("Boris"), QStringLiteral("secret2"));
        first->loginButton()->click();
    }
    auto dialog = open();
    registerMember(*dialog, QStringLiteral("Anna"), QStringLiteral("secret1"));
    ASSERT_TRUE(club.store->grantTevs(QStringLiteral("Anna"), 30));
    EXPECT_FALSE(dialog->transferButton()->isEnabled()) << "no Tevs known yet";
    dialog->tabs()->setCurrentIndex(3);
    account().readTevs([] {});
    ASSERT_TRUE(settle([&] { return account().user().R04 == 30; }));
    EXPECT_EQ(dialog->balanceLabel()->text(), QStringLiteral("30"));

    // Not to oneself, and not without an amount.
    dialog->amountBox()->setValue(5);
    dialog->targetEdit()->setText(QStringLiteral("anna"));
    EXPECT_FALSE(dialog->transferButton()->isEnabled());
    dialog->targetEdit()->setText(QStringLiteral("Nobody"));
    EXPECT_TRUE(dialog->transferButton()->isEnabled());
    dialog->transferButton()->click();
    ASSERT_TRUE(settle([&] { return !dialog->busy(); }));
    EXPECT_EQ(recorder.asked.value(0),
              text(Text::TransferQuestion) + " \"Nobody\" 5 " + text(Text::Tevs) + "?");
    EXPECT_EQ(recorder.told.last(), text(Text::NoSuchMember));

    // A "No" moves nothing; the whole balance may go.
    recorder.answer = false;
    dialog->targetEdit()->setText(QStringLiteral("Boris"));
    dialog->amountBox()->setValue(30);
    dialog->transferButton()->click();
    EXPECT_FALSE(dialog->busy());
    recorder.answer = true;
    dialog->transferButton()->click();
    ASSERT_TRUE(settle([&] { return !dialog->busy(); }));
    EXPECT_EQ(recorder.told.last(), text(Text::TransferDone));
    EXPECT_EQ(account().user().R04, 0);
    EXPECT_EQ(dialog->balanceLabel()->text(), QStringLiteral("0"));
    EXPECT_FALSE(dialog->transferButton()->isEnabled());
    EXPECT_EQ(club.store->findMember(QStringLiteral("Boris"))->tevs, 30);

    // Someone else took the Tevs meanwhile: the balance read says so.
    ASSERT_TRUE(club.store->grantTevs(QStringLiteral("Anna"), 3));
    account().user().R04 = 10;
    emit account().changed();
    dialog->amountBox()->setValue(10);
    dialog->transferButton()->click();
    ASSERT_TRUE(settle([&] { return !dialog->busy(); }));
    EXPECT_EQ(recorder.told.last(), text(Text::NotEnoughTevs));

    // "Add Tevs": the comment on the clipboard, then the club's page.
    dialog->addTevsButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Anna#" + text(Text::Refill));
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0].toString(), club.address() + "/tevs/100");

    // Signed out, the balance shows 0.
    dialog->tabs()->setCurrentIndex(0);
    dialog->loginButton()->click();
    EXPECT_EQ(dialog->balanceLabel()->text(), QStringLiteral("0"));
    EXPECT_FALSE(dialog->addTevsButton()->isEnabled());
}

TEST_F(AccountDialogTest, PersonalDataPhotosAndThePresident)
{
    auto dialog = open();
    registerMember(*dialog, QStringLiteral("Anna"), QStringLiteral("secret1"));
    {
        PersonalDataDialog data(account(), settings, program, dialog.get(), recorder.hooks());
        EXPECT_FALSE(data.updateInfoButton()->isEnabled());
        data.field(0)->setText(QStringLiteral("Anna"));
        QTest::keyClicks(data.field(2), "Cards $ and ~ chess");
        data.field(3)->setText(QStringLiteral("R&D 555"));
        data.field(6)->setText(QStringLiteral("javascript:alert(1)"));
        EXPECT_TRUE(data.updateInfoButton()->isEnabled());
        data.updateInfoButton()->click();
        ASSERT_TRUE(settle([&] { return !data.updateInfoButton()->isEnabled(); }));
        EXPECT_EQ(account().user().Info.About, QStringLiteral("Cards   and   chess"));
        EXPECT_EQ(data.field(2)->text(), QStringLiteral("Cards   and   chess"));

        // Only a JPEG of exactly 200 x 250 is taken.
        const auto picture = [&](QSize size, const char* format, const QString& name) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(QColor(200, 120, 40));
            const QString path = home.filePath(name);
            image.save(path, format);
            return path;
        };
        for (const QString& path :
             {picture(QSize(200, 200), "JPG", "square.jpg"),
              picture(QSize(200, 250), "PNG", "photo.png"), home.filePath("missing.jpg")}) {
            recorder.photoFile = path;
            data.choosePhoto();
            EXPECT_EQ(recorder.told.last(), text(Text::PhotoFormat)) << path.toStdString();
            EXPECT_FALSE(data.refreshPhotoButton()->isEnabled());
        }
        recorder.photoFile = picture(QSize(200, 250), "JPG", "photo.jpg");
        data.choosePhoto();
        ASSERT_TRUE(data.refreshPhotoButton()->isEnabled());
        data.refreshPhotoButton()->click();
        ASSERT_TRUE(settle([&] { return !account().ownPhoto().isEmpty(); }));
        QImage stored;
        ASSERT_TRUE(stored.loadFromData(account().ownPhoto(), "JPG"));
        EXPECT_EQ(stored.size(), QSize(200, 250));
    }

    // Anna's first rated game (50 points) makes her the whole club's
    // President: her data, her links. The service keeps only records a game
    // can produce: the provisional one, then the final one.
    const online::TTevGame provisional = online::provisionalRecord(online::TTevGame{});
    ASSERT_TRUE(online::parseGameRecordWrite(online::sendAndWait(
        session->client(), online::gameRecordWrite("Anna", "secret1", provisional))));
    const online::TTevGame game = online::finalRecord(provisional, 50, 50, 0);
    ASSERT_TRUE(online::parseGameRecordWrite(
        online::sendAndWait(session->client(), online::gameRecordWrite("Anna", "secret1", game))));
    bool read = false;
    account().readForDialog([&] { read = true; });
    ASSERT_TRUE(settle([&] { return read; }));
    EXPECT_EQ(account().presidentInfo().Name1, QStringLiteral("Anna"));
    EXPECT_FALSE(account().presidentPhoto().isEmpty());
    EXPECT_EQ(dialog->presidentRow(0)->text(), QStringLiteral("Cards   and   chess"));
    EXPECT_EQ(dialog->presidentRow(1)->text(), QStringLiteral("R&&D 555")) << "no shortcut";
    dialog->presidentRow(1)->click();  // the telephone: copied as it is
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("R&D 555"));
    dialog->presidentRow(0)->click();  // About: copied
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Cards   and   chess"));
    EXPECT_EQ(recorder.told.last(), text(Text::CopiedToClipboard));
    dialog->presidentRow(4)->click();  // the web site: never a script
    EXPECT_TRUE(recorder.opened.isEmpty() ||
                recorder.opened.last().scheme() == QLatin1String("https"));
    EXPECT_EQ(dialog->topTenTable()->item(0, 1)->text(), QStringLiteral("Anna"));
    EXPECT_EQ(dialog->topTenTable()->item(0, 5)->text(), QStringLiteral("12,600"));
    EXPECT_TRUE(dialog->topTenTable()->item(1, 1)->text().isEmpty());
    EXPECT_EQ(dialog->ownInfoRow(0)->text(), QStringLiteral("Anna"));
}

TEST_F(AccountDialogTest, ARatedGameLocksTheDialogAndTheBoxFollowsTheState)
{
    {
        auto first = open();
        registerMember(*first, QStringLiteral("Anna"), QStringLiteral("secret1"));
    }
    auto forGame = open(true);
    ASSERT_TRUE(forGame->playRatedBox()->isEnabled());
    forGame->playRatedBox()->setChecked(true);
    EXPECT_EQ(account().state(), online::PlayingRated);
    forGame->playRatedBox()->setChecked(false);
    EXPECT_EQ(account().state(), online::LoggedIn);
    forGame->playRatedBox()->setChecked(true);
    forGame.reset();

    account().setRatedGameRunning(true);
    auto locked = open(true);
    for (QWidget* control : std::initializer_list<QWidget*>{
             locked->nickEdit(), locked->passwordEdit(), locked->cityEdit(), locked->emailEdit(),
             locked->continentList(), locked->countryList(), locked->sexList(),
             locked->playRatedBox(), locked->createButton(), locked->loginButton(),
             locked->saveButton(), locked->deleteButton()}) {
        EXPECT_FALSE(control->isEnabled()) << control->metaObject()->className();
    }
    EXPECT_TRUE(locked->playRatedBox()->isChecked());
}

TEST_F(AccountDialogTest, ARatedGameFromStartToCycleReport)
{
    {
        auto first = open();
        registerMember(*first, QStringLiteral("Anna"), QStringLiteral("secret1"));
    }
    account().setPlayingRated(true);
    int failedTries = 0;
    bool started = false;
    bool answered = false;
    account().startRatedGame([&] { ++failedTries; },
                             [&](bool ok) {
                                 started = ok;
                                 answered = true;
                             });
    ASSERT_TRUE(settle([&] { return answered; }));
    ASSERT_TRUE(started);
    EXPECT_EQ(failedTries, 0);
    EXPECT_TRUE(account().ratedGameRunning());
    EXPECT_EQ(account().game().Kon, 0) << "the record held keeps what was read";

    // The club holds the deduction meanwhile.
    const auto stored = [&] {
        return online::parseGameRecordRead(
                   online::sendAndWait(session->client(),
                                       online::gameRecordRead("Anna", "secret1")),
                   {})
            .game;
    };
    EXPECT_EQ(stored().Kon, 4);
    EXPECT_NEAR(stored().Rating, -49.9, 1e-6);

    int asked = 0;
    bool finished = false;
    account().finishRatedGame(
        50, 50, [&] { return ++asked < 0; },
        [&](bool written) {
            finished = true;
            EXPECT_TRUE(written);
        });
    ASSERT_TRUE(settle([&] { return finished; }));
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(account().ratedGameRunning());
    EXPECT_NEAR(stored().Rating, 12.6, 1e-6);
    EXPECT_EQ(account().game().KonL, 4);

    // The account table's first place brings 25 Tevs.
    std::int32_t place = -1;
    std::int32_t bonus = -1;
    account().reportCycle(
        320, [] { return false; },
        [&](std::int32_t p, std::int32_t b) {
            place = p;
            bonus = b;
        });
    ASSERT_TRUE(settle([&] { return place >= 0; }));
    EXPECT_EQ(place, 1);
    EXPECT_EQ(bonus, 25);
    EXPECT_EQ(account().user().R04, 25);
    EXPECT_EQ(club.store->findMember(QStringLiteral("Anna"))->tevs, 25);
    account().endRatedPlay();
    EXPECT_EQ(account().state(), online::LoggedIn);
}

TEST(AccountDialogOffline, ARatedGameWhoseRecordCannotBeReadLogsOut)
{
    QTemporaryDir home;
    Settings settings;
    online::OnlineSession session(settings, home.filePath(QStringLiteral("program")));
    ASSERT_TRUE(session.useService(QStringLiteral("http://127.0.0.1:9")));
    bool answered = false;
    bool started = true;
    session.account().startRatedGame([] {},
                                     [&](bool ok) {
                                         started = ok;
                                         answered = true;
                                     });
    ASSERT_TRUE(settle([&] { return answered; }));
    EXPECT_FALSE(started);
    EXPECT_EQ(session.accountState(), online::LoggedOut);
}

TEST(AccountDialogOffline, NoServiceShowsNoConnectAndStaysUsable)
{
    QTemporaryDir home;
    const QString program = QDir(home.path()).filePath(QStringLiteral("program"));
    Settings settings;
    online::OnlineSession session(settings, program);
    // A port nothing listens on.
    ASSERT_TRUE(session.useService(QStringLiteral("http://127.0.0.1:9")));
    Recorder recorder;
    AccountDialog dialog(session.account(), settings, program, false, nullptr, recorder.hooks());
    ASSERT_TRUE(settle([&] { return !dialog.busy(); }));
    EXPECT_TRUE(dialog.topTenTable()->isHidden());
    EXPECT_EQ(dialog.resultValue(1)->text(), text(Text::NoConnect));
    EXPECT_TRUE(dialog.membersLabel()->text().isEmpty());
    EXPECT_TRUE(recorder.told.isEmpty()) << "opening tells nothing";
    EXPECT_EQ(clubRatingText(12.5), QStringLiteral("12,500"));
    EXPECT_EQ(clubRatingText(3), QStringLiteral("3,000"));
}

}  // namespace
}  // namespace olk
