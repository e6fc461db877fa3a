// Every dialog of the program by keyboard alone: each control can be reached
// with Tab, Enter on the main button closes the dialog with acceptance, and
// Escape closes it (with rejection, except where Escape is "Ok").

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QScrollBar>
#include <QTabBar>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "accountui/account_dialog.h"
#include "accountui/chat_window.h"
#include "accountui/passport_dialog.h"
#include "accountui/personal_data_dialog.h"
#include "accountui/statistics_window.h"
#include "accountui/tournament_window.h"
#include "accountui/world_top_ten.h"
#include "core/game_engine.h"
#include "extras/attention_box.h"
#include "extras/radio.h"
#include "online/account.h"
#include "online/records.h"
#include "online/requests.h"
#include "online/news_chat.h"
#include "online/service_client.h"
#include "options/options_dialog.h"
#include "settings/address_cipher.h"
#include "table/about_box.h"
#include "table/radio_dialog.h"
#include "table/record_windows.h"
#include "table/speed_dialog.h"
#include "table/waiting_window.h"
#include "table/welcome_dialog.h"

namespace olk {
namespace {

// One of a set of exclusive choices: Tab comes to one of them, the arrow
// keys to the others. The set is known by its group, or by its parent.
const QObject* choiceSet(const QWidget* widget)
{
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (!button || !button->isCheckable()) {
        return nullptr;
    }
    if (button->group() && button->group()->exclusive()) {
        return button->group();
    }
    return button->autoExclusive() ? button->parentWidget() : nullptr;
}

// The widgets the user should be able to reach with Tab: shown, enabled,
// taking focus from the keyboard, and not standing in for another widget;
// sets of choices apart.
QList<QWidget*> reachable(QWidget* window)
{
    QList<QWidget*> result;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->window() == window && child->isVisible() && child->isEnabled() &&
            (child->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !child->focusProxy() &&
            !choiceSet(child)) {
            result.append(child);
        }
    }
    return result;
}

// Controls that the keyboard cannot come to at all.
QList<QWidget*> unfocusable(QWidget* window)
{
    QList<QWidget*> result;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(child) || qobject_cast<QLineEdit*>(child) ||
            qobject_cast<QComboBox*>(child) || qobject_cast<QAbstractSpinBox*>(child) ||
            qobject_cast<QAbstractItemView*>(child) || qobject_cast<QTabBar*>(child) ||
            (qobject_cast<QAbstractSlider*>(child) && !qobject_cast<QScrollBar*>(child));
        const bool header = qobject_cast<QHeaderView*>(child);
        if (control && !header && !choiceSet(child) && child->window() == window && child->isVisible() && child->isEnabled() &&
            (child->focusPolicy() & Qt::TabFocus) != Qt::TabFocus && !child->focusProxy()) {
            result.append(child);
        }
    }
    return result;
}

QString describe(const QWidget* widget)
{
    QString name = QLatin1String(widget->metaObject()->className());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        name += QStringLiteral(" \"%1\"").arg(button->text());
    }
    if (!widget->objectName().isEmpty()) {
        name += QStringLiteral(" (%1)").arg(widget->objectName());
    }
    return name;
}

void press(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target && target->window() == window ? target : window,
                    static_cast<Qt::Key>(key), modifiers);
}

// What the keyboard did to one window.
struct Walk {
    QStringList missed;        // reachable widgets Tab never came to
    QStringList enterTaken;    // buttons on which Enter would press another one
    bool defaultFound = false;
    bool several = false;  // more than one widget to come to
    bool tabbed = false;   // Tab came to more than one widget
    bool closed = false;
    int result = -1;
};

// Tabs twice round the window as it stands and notes what it never came to.
void tabThrough(QDialog* dialog, Walk& walk)
{
    const QList<QWidget*> wanted = reachable(dialog);
    walk.several = walk.several || wanted.size() > 1;
    for (QWidget* widget : unfocusable(dialog)) {
        walk.missed << describe(widget) + QStringLiteral(" (never takes the focus)");
    }
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        // Enter on a focused button presses it, not the default one.
        if (wanted.contains(button) && !button->autoDefault() && !button->isDefault()) {
            walk.enterTaken << describe(button);
        }
    }
    QSet<QWidget*> seen;
    if (QApplication::focusWidget()) {
        seen.insert(QApplication::focusWidget());
    }
    // A control that swallows Tab shows up as the others never being reached.
    for (int i = 0; i < 2 * wanted.size() + 4; ++i) {
        press(dialog, Qt::Key_Tab);
        if (QApplication::focusWidget()) {
            seen.insert(QApplication::focusWidget());
        }
    }
    walk.tabbed = walk.tabbed || seen.size() > 1;
    for (QWidget* widget : wanted) {
        if (!seen.contains(widget)) {
            walk.missed << describe(widget);
        }
    }
    // A set of choices is reached when one of them is.
    QMap<const QObject*, QList<QWidget*>> sets;
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        if (const QObject* set = choiceSet(child);
            set && child->isVisible() && child->isEnabled()) {
            sets[set].append(child);
        }
    }
    for (const QList<QWidget*>& choices : std::as_const(sets)) {
        if (std::none_of(choices.begin(), choices.end(),
                         [&](QWidget* choice) { return seen.contains(choice); })) {
            walk.missed << describe(choices.first()) + QStringLiteral(" and the choices beside it");
        }
    }
}

enum class Ending { Enter, Escape };

// Opens a modal window with `open` (which returns when it closes) and, once
// it is up, tabs through all of it, then ends it with Enter on its default
// button or with Escape.
Walk walkModal(const std::function<void()>& open, Ending ending)
{
    Walk walk;
    QTimer::singleShot(0, [&] {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog";
            return;
        }
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        QPushButton* defaultButton = nullptr;
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible()) {
                defaultButton = button;
            }
        }
        walk.defaultFound = defaultButton != nullptr;
        // Every page of the window, one after the other, then the first again.
        QList<std::pair<QStackedWidget*, int>> pages = {{nullptr, 0}};
        for (QStackedWidget* stack : dialog->findChildren<QStackedWidget*>()) {
            for (int i = 1; i < stack->count(); ++i) {
                pages.append({stack, i});
            }
            pages.append({stack, 0});
        }
        for (const auto& [stack, index] : pages) {
            if (stack) {
                stack->setCurrentIndex(index);
                QApplication::processEvents();
            }
            tabThrough(dialog, walk);
        }
        if (!dialog) {
            return;
        }
        const QList<QWidget*> wanted = reachable(dialog);
        if (ending == Ending::Enter && defaultButton) {
            for (int i = 0; i < 2 * wanted.size() + 4 && dialog &&
                            QApplication::focusWidget() != defaultButton;
                 ++i) {
                press(dialog, Qt::Key_Tab);
            }
            EXPECT_EQ(QApplication::focusWidget(), defaultButton);
            press(dialog, Qt::Key_Return);
        } else if (ending == Ending::Escape) {
            press(dialog, Qt::Key_Escape);
        }
        QApplication::processEvents();
        walk.closed = !dialog || !dialog->isVisible();
        if (dialog) {
            walk.result = dialog->result();
            if (dialog->isVisible()) {
                dialog->done(-1);
            }
        }
    });
    open();
    return walk;
}

struct Place {
    Place()
    {
        for (const online::Endpoint e :
             {online::Endpoint::Directory, online::Endpoint::Account, online::Endpoint::Scores,
              online::Endpoint::Statistics, online::Endpoint::Tournament, online::Endpoint::News,
              online::Endpoint::Photos, online::Endpoint::PublicAddress}) {
            client.setAddress(e, encipherAddress(QStringLiteral("http://127.0.0.1:9")));
        }
        hooks.tell = [](QWidget*, const QString&, const QString&) {};
        hooks.ask = [](QWidget*, const QString&) { return false; };
        hooks.open = [](const QUrl&) {};
        hooks.choosePhoto = [](QWidget*) { return QString(); };
        hooks.editPassport = [](QWidget*, Settings&, const QString&) {};
    }
    QTemporaryDir folder;
    Settings settings;
    online::ServiceClient client;
    AccountDialogHooks hooks;
};

constexpr int kStaysOpen = -1;

struct Case {
    const char* name;
    std::function<void(Place&)> open;
    // QDialog::Rejected, Accepted where Escape is "Ok", or kStaysOpen.
    int escapeResult;
    bool enterAccepts = true;
};

template <typename Dialog>
void run(Dialog& dialog)
{
    dialog.exec();
}

const QList<Case>& cases()
{
    static const QList<Case> all = {
        {"attention box",
         [](Place&) { showAttention(nullptr, QStringLiteral("One"), QStringLiteral("Two")); },
         QDialog::Rejected},
        {"speed",
         [](Place& p) {
             SpeedDialog dialog(p.settings);
             run(dialog);
         },
         QDialog::Rejected},
        {"about",
         [](Place& p) {
             AboutBox dialog(p.settings, QStringLiteral("http://127.0.0.1:9/news"));
             run(dialog);
         },
         QDialog::Rejected},
        {"welcome",
         [](Place& p) {
             WelcomeDialog dialog(p.settings, {}, QStringLiteral("Ann"));
             run(dialog);
         },
         QDialog::Rejected, false},
        {"welcome, network",
         [](Place& p) {
             WelcomeDialog dialog(p.settings, {}, QStringLiteral("Ann"), nullptr, true);
             run(dialog);
         },
         QDialog::Rejected, false},
        {"waiting, host, nobody yet",
         [](Place& p) {
             WaitingWindow dialog(p.settings, true);
             run(dialog);
         },
         QDialog::Rejected, false},
        // Once a player joined, the host can only start the match.
        {"waiting, host, a player joined",
         [](Place& p) {
             WaitingWindow dialog(p.settings, true);
             dialog.playerJoined(1);
             run(dialog);
         },
         kStaysOpen},
        {"top ten", [](Place& p) { showTopTen(nullptr, p.settings, {}, false); },
         QDialog::Rejected},
        {"history",
         [](Place& p) {
             showHistory(nullptr, p.settings, p.folder.path(), QStringLiteral("Olk.clb"));
         },
         QDialog::Rejected},
        {"general score",
         [](Place& p) { showCount(nullptr, p.settings, TableState{}, Profile{}); },
         QDialog::Rejected},
        {"end of cycle",
         [](Place& p) { showEndOfCycle(nullptr, p.settings, CycleEnd{3, 120}); },
         QDialog::Rejected},
        {"radio",
         [](Place& p) {
             Radio radio(p.folder.path());
             RadioDialog dialog(radio, p.settings, p.folder.path());
             run(dialog);
         },
         QDialog::Rejected},
        {"passport",
         [](Place& p) {
             p.settings.passportNick = QStringLiteral("Ann");
             p.settings.passportCity = QStringLiteral("Omsk");
             PassportDialog dialog(p.settings, p.folder.path());
             run(dialog);
         },
         QDialog::Rejected},
        {"options",
         [](Place& p) {
             OptionsEnvironment environment;
             environment.programFolder = p.folder.path();
             environment.screen = QSize(1920, 1080);
             OptionsDialog dialog(p.settings, environment);
             run(dialog);
         },
         QDialog::Accepted},
        {"account",
         [](Place& p) {
             online::Account account(p.client, p.folder.path());
             AccountDialog dialog(account, p.settings, p.folder.path(), false, nullptr, p.hooks);
             run(dialog);
         },
         QDialog::Rejected},
        {"personal data",
         [](Place& p) {
             online::Account account(p.client, p.folder.path());
             PersonalDataDialog dialog(account, p.settings, p.folder.path(), nullptr, p.hooks);
             run(dialog);
         },
         QDialog::Rejected},
        {"chat",
         [](Place& p) {
             online::NewsAndChat chat(p.client, p.folder.path());
             ChatWindow dialog(p.client, chat, p.settings, p.folder.path(), nullptr, p.hooks);
             run(dialog);
         },
         // Enter sends the line written.
         QDialog::Rejected, false},
        {"statistics",
         [](Place& p) {
             StatisticsWindow dialog(p.client, p.settings, p.folder.path(), {}, nullptr, p.hooks);
             run(dialog);
         },
         QDialog::Rejected},
        {"world top ten",
         [](Place& p) {
             WorldTopTenWindow dialog(p.client, p.settings, p.folder.path(), QString(),
                                      QString(), nullptr, p.hooks);
             run(dialog);
         },
         QDialog::Rejected},
        {"tournament",
         [](Place& p) {
             online::TTevUser user;
             user.Nick = QStringLiteral("Ann");
             TournamentWindow dialog(p.client, user, p.settings, p.folder.path(), nullptr,
                                     p.hooks);
             run(dialog);
         },
         QDialog::Rejected, false},
    };
    return all;
}

TEST(DialogKeys, TabReachesEveryControlAndEscapeCloses)
{
    for (const Case& each : cases()) {
        Place place;
        const Walk walk = walkModal([&] { each.open(place); }, Ending::Escape);
        EXPECT_TRUE(walk.missed.isEmpty())
            << each.name << ": Tab never reaches " << walk.missed.join(", ").toStdString();
        EXPECT_TRUE(walk.enterTaken.isEmpty())
            << each.name << ": Enter on " << walk.enterTaken.join(", ").toStdString()
            << " presses another button";
        EXPECT_EQ(walk.tabbed, walk.several) << each.name;
        if (each.escapeResult == kStaysOpen) {
            EXPECT_FALSE(walk.closed) << each.name;
        } else {
            EXPECT_TRUE(walk.closed) << each.name;
            EXPECT_EQ(walk.result, each.escapeResult) << each.name;
        }
    }
}

TEST(DialogKeys, EnterOnTheDefaultButtonAccepts)
{
    for (const Case& each : cases()) {
        if (!each.enterAccepts) {
            continue;
        }
        Place place;
        const Walk walk = walkModal([&] { each.open(place); }, Ending::Enter);
        EXPECT_TRUE(walk.defaultFound) << each.name << ": no default button";
        EXPECT_TRUE(walk.closed) << each.name;
        EXPECT_EQ(walk.result, QDialog::Accepted) << each.name;
    }
}

// "Yes" is the answer Enter gives, "No" the one Escape gives.
TEST(DialogKeys, AQuestionAnswersYesToEnterAndNoToEscape)
{
    for (const bool enter : {true, false}) {
        bool answer = !enter;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            box->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(box));
            press(box, enter ? Qt::Key_Return : Qt::Key_Escape);
        });
        answer = askYesNo(nullptr, QStringLiteral("Leave?"));
        EXPECT_EQ(answer, enter);
    }
}

}  // namespace
}  // namespace olk
