#include "table/welcome_dialog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHostAddress>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QUrl>

#include "core/cp1251.h"
#include "extras/attention_box.h"
#include "extras/cards_button.h"
#include "extras/help_page.h"
#include "net/lan_discovery.h"
#include "records/club_file.h"
#include "records/club_name.h"
#include "records/fixed_text.h"
#include "settings/fonts.h"
#include "settings/language.h"
#include "settings/word_tables.h"

namespace olk {

WelcomeCheck checkWelcome(const QString& name, const QString& password, const QString& again,
                          const QByteArray& storedLine)
{
    WelcomeCheck check;
    const bool listed = !storedLine.isEmpty();
    const ClubName clubKept = clubName(name);
    if (!listed && clubKept.status == ClubName::Status::Refused) {
        check.error = text(name.trimmed().isEmpty() ? Text::IncorrectName : Text::NameLetters);
        check.focus = WelcomeCheck::Focus::Name;
        return check;
    }
    if (!listed && password != again) {
        check.error = text(Text::PasswordsDoNotCoincide);
        check.focus = WelcomeCheck::Focus::Password;
        return check;
    }
    const auto passwordBytes = clubBytes(password);
    if (!passwordBytes) {
        check.error = text(Text::IncorrectPassword);
        check.focus = WelcomeCheck::Focus::Password;
        return check;
    }
    if (!listed && clubKept.status == ClubName::Status::Simplified) {
        // The player sees the name the club will keep before agreeing to it.
        check.error = text(Text::NameKeptAs);
        check.focus = WelcomeCheck::Focus::Name;
        check.keptName = clubKept.text;
        return check;
    }
    if (listed) {
        if (storedPassword(*passwordBytes) != storedLine.mid(44, 15)) {
            check.error = text(Text::IncorrectPassword);
            check.focus = WelcomeCheck::Focus::Password;
            return check;
        }
        check.player = ClubPlayer::fromLine(6, storedLine);
    } else {
        check.player.name = leftAligned(clubKept.bytes, 20);
    }
    check.player.password = leftAligned(*passwordBytes, 5);
    return check;
}

bool isServerAddress(const QString& address)
{
    if (address.count(QLatin1Char('.')) != 3 || address.endsWith(QLatin1Char('.'))) {
        return false;
    }
    const QStringList parts = address.split(QLatin1Char('.'));
    return std::all_of(parts.begin(), parts.end(),
                       [](const QString& part) { return part.size() >= 1 && part.size() <= 3; });
}

QString checkNetworkChoice(const NetworkChoice& choice)
{
    if (choice.role != 1 && !isServerAddress(choice.address)) {
        return text(Text::IncorrectIpAddress);
    }
    if (choice.port.isEmpty()) {
        return text(Text::IncorrectPort);
    }
    return {};
}

QStringList WelcomeDialog::ownAddresses()
{
    QStringList boxes;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback() &&
            boxes.size() < 4) {
            boxes.append(address.toString());
        }
    }
    boxes.append(QString());  // the public address: asked of the online service
    boxes.append(QStringLiteral("127.0.0.1"));
    return boxes;
}

WelcomeDialog::WelcomeDialog(const Settings& settings, const QByteArray& storedLine,
                             const QString& defaultName, QWidget* parent, bool network)
    : QDialog(parent),
      m_storedLine(storedLine),
      m_name(new QLineEdit(this)),
      m_password(new QLineEdit(this)),
      m_again(new QLineEdit(this)),
      m_error(new QLabel(this)),
      m_ok(new TevCardsButton(text(Text::Ok), this))
{
    setWindowTitle(text(Text::Welcome));
    setModal(true);
    const QFont labelFont = familyFont(settings, FontFamily::Decor, 15);
    const QFont editFont = familyFont(settings, FontFamily::Conew, 16);
    const QFontMetrics labelMetrics(labelFont);

    // A fixed window, 295 high: three captioned fields, the buttons at 240
    // and the error line at 270; as wide as its longest text needs. A network
    // game's window is 455 high, with the network controls under the fields,
    // the machine's addresses in a column of their own, the buttons at 420
    // and the error line beside them.
    m_network = network;
    m_serverAddress = settings.serverAddress;
    m_serverPort = settings.serverPort;
    constexpr int kMargin = 18;
    const int kHeight = network ? 455 : 295;
    int textWidth = 300;
    for (Text message : {Text::EnterYourName, Text::EnterYourPassword, Text::AndOnceAgainForCheck,
                         Text::IncorrectName, Text::NameLetters, Text::NameKeptAs,
                         Text::PasswordsDoNotCoincide, Text::IncorrectPassword}) {
        textWidth = std::max(textWidth, labelMetrics.horizontalAdvance(text(message)) + 8);
    }
    int rightWidth = 0;
    if (network) {
        // The address and the port share a row under their captions.
        const int portWidth =
            std::max(110, labelMetrics.horizontalAdvance(text(Text::EnterPortOfServer)) + 8);
        textWidth =
            std::max(textWidth, labelMetrics.horizontalAdvance(text(Text::EnterIpOfServer)) + 8 +
                                    12 + portWidth);
        for (Text message :
             {Text::ToReceiveIpAddresses, Text::ServerCreateTheGame, Text::ClientEntersToGame}) {
            rightWidth = std::max(rightWidth, labelMetrics.horizontalAdvance(text(message)) + 40);
        }
        // The local network's games are captioned beside the "?" button.
        rightWidth = std::max(rightWidth, labelMetrics.horizontalAdvance(text(Text::LanGames)) + 56);
        rightWidth = std::max(rightWidth, 200);
    }
    const int width = textWidth + 2 * kMargin + (network ? rightWidth + kMargin : 0);
    const int fieldHeight = std::max(28, QFontMetrics(editFont).height() + 8);
    const int captionHeight = labelMetrics.height() + 2;

    QLabel* captions[3] = {};
    QLineEdit* edits[3] = {m_name, m_password, m_again};
    const Text labels[3] = {Text::EnterYourName, Text::EnterYourPassword,
                            Text::AndOnceAgainForCheck};
    for (int row = 0; row < 3; ++row) {
        const int top = 12 + row * 74;
        captions[row] = new QLabel(text(labels[row]), this);
        captions[row]->setFont(labelFont);
        captions[row]->setGeometry(kMargin, top, textWidth, captionHeight);
        captions[row]->setBuddy(edits[row]);
        edits[row]->setFont(editFont);
        edits[row]->setGeometry(kMargin, top + captionHeight + 2, textWidth, fieldHeight);
        edits[row]->setMaxLength(row == 0 ? (network ? 4 : 20) : 5);
        if (row > 0) {
            edits[row]->setEchoMode(QLineEdit::Password);
            edits[row]->setStyleSheet(QStringLiteral("lineedit-password-character: 35;"));
        }
    }

    m_error->setFont(labelFont);
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setGeometry(kMargin, network ? 435 : 270, textWidth, network ? 20 : kHeight - 270);
    m_error->hide();
    if (network) {
        buildNetworkControls(settings, kMargin, textWidth, rightWidth);
    }

    auto* cancel = new TevCardsButton(text(Text::Cancel), this);
    int buttonWidth = 110;
    for (QPushButton* button : std::initializer_list<QPushButton*>{m_ok, cancel}) {
        button->setFont(labelFont);
        buttonWidth = std::max(buttonWidth, labelMetrics.horizontalAdvance(button->text()) + 30);
    }
    const int gap = 16;
    // Centred, or in a network game at the right, clear of the error line.
    const int buttonsLeft =
        network ? width - kMargin - 2 * buttonWidth - gap : (width - 2 * buttonWidth - gap) / 2;
    const int buttonsTop = network ? 420 : 240;
    m_ok->setGeometry(buttonsLeft, buttonsTop, buttonWidth, 28);
    cancel->setGeometry(buttonsLeft + buttonWidth + gap, buttonsTop, buttonWidth, 28);
    m_ok->setDefault(true);
    setFixedSize(width, kHeight);
    setTabOrder(m_name, m_password);
    setTabOrder(m_password, m_again);
    if (network) {
        // Down the left column, then down the right one, then the buttons.
        QList<QWidget*> order = {m_again, m_server, m_client, m_address, m_port,
                                 m_addressesButton};
        for (QLineEdit* box : std::as_const(m_addressBoxes)) {
            order.append(box);
        }
        order << m_help << m_lanGames;
        for (qsizetype i = 1; i < order.size(); ++i) {
            setTabOrder(order[i - 1], order[i]);
        }
        setTabOrder(m_lanGames, m_ok);
    } else {
        setTabOrder(m_again, m_ok);
    }
    setTabOrder(m_ok, cancel);

    connect(m_ok, &QPushButton::clicked, this, &WelcomeDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* edit : edits) {
        connect(edit, &QLineEdit::returnPressed, this, &WelcomeDialog::accept);
        connect(edit, &QLineEdit::textEdited, m_error, &QLabel::hide);
    }

    if (!storedLine.isEmpty()) {
        m_name->setText(playerName(storedLine));
        for (QWidget* off :
             {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_again),
              static_cast<QWidget*>(captions[0]), static_cast<QWidget*>(captions[2])}) {
            off->setEnabled(false);
        }
        m_password->setFocus();
    } else {
        const QString name = defaultName.trimmed();
        const int longest = network ? 4 : 20;
        m_name->setText(name.isEmpty() || name.size() > longest ? QStringLiteral("Mr.X") : name);
        m_name->selectAll();
        m_name->setFocus();
    }
}

QString WelcomeDialog::typedName() const
{
    return m_name->text().trimmed();
}

void WelcomeDialog::accept()
{
    const WelcomeCheck check =
        checkWelcome(m_name->text(), m_password->text(), m_again->text(), m_storedLine);
    if (!check.error.isEmpty()) {
        if (!check.keptName.isEmpty()) {
            m_name->setText(check.keptName);
        }
        // A notice about the name is not an error: it is shown in navy.
        m_error->setStyleSheet(check.keptName.isEmpty() ? QStringLiteral("color: #c00000;")
                                                        : QStringLiteral("color: #000080;"));
        m_error->setText(check.error);
        m_error->show();
        (check.focus == WelcomeCheck::Focus::Name ? m_name : m_password)->setFocus();
        return;
    }
    m_player = check.player;
    if (m_network) {
        const NetworkChoice choice = networkChoice();
        const QString error = checkNetworkChoice(choice);
        if (!error.isEmpty()) {
            m_error->setStyleSheet(QStringLiteral("color: #c00000;"));
            m_error->setText(error);
            m_error->show();
            (choice.role != 1 && !isServerAddress(choice.address) ? m_address : m_port)->setFocus();
            return;
        }
        if (choice.role != 1) {
            m_serverAddress = choice.address;
        }
        m_serverPort = choice.port;
        if (m_starter && !m_starter(choice)) {
            return;
        }
    }
    QDialog::accept();
}

NetworkChoice WelcomeDialog::networkChoice() const
{
    NetworkChoice choice;
    if (m_network) {
        choice.role = m_client->isChecked() ? 2 : 1;
        choice.address = m_address->text();
        choice.port = m_port->text();
    }
    return choice;
}

void WelcomeDialog::buildNetworkControls(const Settings& settings, int left, int textWidth,
                                         int rightWidth)
{
    const QFont labelFont = familyFont(settings, FontFamily::Decor, 15);
    const QFont editFont = familyFont(settings, FontFamily::Conew, 16);
    const int captionHeight = QFontMetrics(labelFont).height() + 2;
    const int fieldHeight = std::max(28, QFontMetrics(editFont).height() + 8);

    // The role: host the game, or join one.
    auto* roles = new QGroupBox(text(Text::ServerClient), this);
    roles->setFont(labelFont);
    roles->setGeometry(left, 232, textWidth, 2 * captionHeight + 34);
    m_server = new QRadioButton(text(Text::ServerCreateTheGame), roles);
    m_client = new QRadioButton(text(Text::ClientEntersToGame), roles);
    m_server->setGeometry(10, captionHeight + 4, textWidth - 20, captionHeight);
    m_client->setGeometry(10, 2 * captionHeight + 8, textWidth - 20, captionHeight);
    m_server->setChecked(true);
    connect(m_server, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            chooseRole(1);
        }
    });
    connect(m_client, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            chooseRole(2);
        }
    });

    // The host's address, its port and the number of deals (four, always).
    const int rowTop = roles->geometry().bottom() + 8;
    const int portWidth =
        std::max(110, QFontMetrics(labelFont).horizontalAdvance(text(Text::EnterPortOfServer)) + 8);
    const int addressWidth = textWidth - portWidth - 12;
    auto* addressCaption = new QLabel(text(Text::EnterIpOfServer), this);
    addressCaption->setFont(labelFont);
    addressCaption->setGeometry(left, rowTop, addressWidth, captionHeight);
    m_address = new QLineEdit(this);
    m_address->setFont(editFont);
    m_address->setMaxLength(20);
    m_address->setGeometry(left, rowTop + captionHeight + 2, addressWidth, fieldHeight);
    addressCaption->setBuddy(m_address);
    auto* portCaption = new QLabel(text(Text::EnterPortOfServer), this);
    portCaption->setFont(labelFont);
    portCaption->setGeometry(left + addressWidth + 12, rowTop, portWidth, captionHeight);
    m_port = new QLineEdit(m_serverPort, this);
    m_port->setFont(editFont);
    m_port->setMaxLength(5);
    m_port->setGeometry(left + addressWidth + 12, rowTop + captionHeight + 2, portWidth,
                        fieldHeight);
    portCaption->setBuddy(m_port);

    const int gamesTop = rowTop + captionHeight + fieldHeight + 10;
    auto* gamesCaption = new QLabel(text(Text::NumberGames), this);
    gamesCaption->setFont(labelFont);
    const int gamesWidth = QFontMetrics(labelFont).horizontalAdvance(gamesCaption->text()) + 8;
    gamesCaption->setGeometry(left, gamesTop + 4, gamesWidth, captionHeight);
    auto* games = new QSpinBox(this);
    games->setRange(1, 30);
    games->setValue(4);
    games->setEnabled(false);
    games->setGeometry(left + gamesWidth + 6, gamesTop, 64, fieldHeight);

    // Typing rules: anything but digits and dots in the address, or but
    // digits in the port, brings back the last good value.
    connect(m_address, &QLineEdit::textEdited, this, [this](const QString& typed) {
        m_error->hide();
        static const QRegularExpression kAddressChars(QStringLiteral("^[0-9.]*$"));
        if (!kAddressChars.match(typed).hasMatch()) {
            m_address->setText(m_serverAddress);
        }
        if (m_client->isChecked() && !m_address->text().isEmpty()) {
            m_serverAddress = m_address->text();
        }
    });
    connect(m_port, &QLineEdit::textEdited, this, [this](const QString& typed) {
        m_error->hide();
        static const QRegularExpression kPortChars(QStringLiteral("^[0-9]*$"));
        if (!kPortChars.match(typed).hasMatch()) {
            m_port->setText(m_serverPort);
        }
        m_serverPort = m_port->text();
    });
    connect(m_address, &QLineEdit::returnPressed, this, &WelcomeDialog::accept);
    connect(m_port, &QLineEdit::returnPressed, this, &WelcomeDialog::accept);

    // The machine's own addresses, to tell the players who join.
    const int right = left + textWidth + left;
    m_addressesButton = new TevCardsButton(text(Text::ToReceiveIpAddresses), this);
    m_addressesButton->setFont(familyFont(settings, FontFamily::Decor, 13));
    m_addressesButton->setGeometry(right, 12 + captionHeight + 2, rightWidth, 28);
    connect(m_addressesButton, &QPushButton::clicked, this, &WelcomeDialog::showOwnAddresses);
    for (int box = 0; box < 6; ++box) {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setFont(editFont);
        edit->setGeometry(right, 60 + captionHeight + box * (fieldHeight + 6), rightWidth,
                          fieldHeight);
        edit->hide();
        m_addressBoxes.append(edit);
    }
    // "?": how to let a router pass the port to this machine.
    m_help = new TevCardsButton(QStringLiteral("?"), this);
    m_help->setFont(labelFont);
    m_help->setGeometry(right + rightWidth - 40, m_addressBoxes.back()->geometry().bottom() + 14,
                        40, 28);
    connect(m_help, &QPushButton::clicked, this, [this] {
        const QString page = routerHelpPath(QCoreApplication::applicationDirPath());
        if (page.isEmpty()) {
            showAttention(this, text(Text::CantFindTheFile), QStringLiteral("router.en.html"));
            return;
        }
        QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    });

    // The games heard on the local network, under the "?" button down to the
    // buttons' row; listed while joining.
    m_lanCaption = new QLabel(text(Text::LanGames), this);
    m_lanCaption->setFont(labelFont);
    m_lanCaption->setGeometry(right, m_help->y() + (28 - captionHeight) / 2, rightWidth - 48,
                              captionHeight);
    m_lanGames = new QListWidget(this);
    m_lanGames->setFont(familyFont(settings, FontFamily::Decor, 12));
    const int listTop = m_help->geometry().bottom() + 6;
    m_lanGames->setGeometry(right, listTop, rightWidth, 412 - listTop);
    m_lanCaption->setBuddy(m_lanGames);
    m_lanGames->installEventFilter(this);
    connect(m_lanGames, &QListWidget::currentRowChanged, this,
            [this](int row) { takeLanGame(row); });
    connect(m_lanGames, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { takeLanGame(m_lanGames->row(item)); });
    connect(m_lanGames, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (takeLanGame(m_lanGames->row(item))) {
            accept();
        }
    });
    m_lanListener = new net::LanListener(this);
    connect(m_lanListener, &net::LanListener::gamesChanged, this, &WelcomeDialog::showLanGames);
    showLanGames();
    chooseRole(1);
}

QString WelcomeDialog::routerHelpPath(const QString& programFolder)
{
    return helpFilePath(programFolder, QStringLiteral("router"), helpLanguageCode());
}

void WelcomeDialog::chooseRole(int role)
{
    const bool client = role != 1;
    m_address->setEnabled(client);
    m_address->setText(client ? m_serverAddress : QString());
    m_error->hide();
    m_lanCaption->setVisible(client);
    m_lanGames->setVisible(client);
    // Listening starts with the first look at the list; the port is shared
    // with any other game on this machine, and a port already taken only
    // leaves the list empty.
    if (client && m_lanListener->localPort() == 0) {
        m_lanListener->listen();
    }
}

void WelcomeDialog::showLanGames()
{
    // The chosen game stays chosen while the list is refreshed.
    const QListWidgetItem* current = m_lanGames->currentItem();
    const QString chosen = current ? current->data(Qt::UserRole).toString() : QString();
    const QSignalBlocker quiet(m_lanGames);
    m_lanGames->clear();
    for (const net::LanListener::Game& game : m_lanListener->games()) {
        const QString where = game.address.toString() + QLatin1Char(':') + QString::number(game.port);
        auto* item = new QListWidgetItem(
            game.name + QStringLiteral("  ") + where + QStringLiteral("  ") +
                text(Text::LanFreeSeats).arg(game.freeSeats),
            m_lanGames);
        item->setData(Qt::UserRole, where);
        if (where == chosen) {
            m_lanGames->setCurrentItem(item);
        }
    }
    if (m_lanGames->count() == 0) {
        auto* none = new QListWidgetItem(text(Text::LanNoGames), m_lanGames);
        none->setFlags(Qt::NoItemFlags);
    }
}

bool WelcomeDialog::takeLanGame(int row)
{
    const QListWidgetItem* item = m_lanGames->item(row);
    const QString where = item ? item->data(Qt::UserRole).toString() : QString();
    const qsizetype colon = where.lastIndexOf(QLatin1Char(':'));
    if (colon < 0 || !m_client->isChecked()) {
        return false;
    }
    m_serverAddress = where.left(colon);
    m_serverPort = where.mid(colon + 1);
    m_address->setText(m_serverAddress);
    m_port->setText(m_serverPort);
    m_error->hide();
    return true;
}

bool WelcomeDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a listed game joins it (and is not also "Ok" a second time);
    // with no game chosen it is the dialog's "Ok".
    if (watched == m_lanGames && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (takeLanGame(m_lanGames->currentRow())) {
                accept();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WelcomeDialog::showOwnAddresses()
{
    const QStringList addresses = ownAddresses();
    for (int box = 0; box < m_addressBoxes.size(); ++box) {
        QLineEdit* edit = m_addressBoxes[box];
        edit->setText(box < addresses.size() ? addresses[box] : QString());
        edit->setToolTip(box < addresses.size() && addresses[box] == QStringLiteral("127.0.0.1")
                             ? text(Text::LoopbackHint)
                             : QString());
        edit->setVisible(box < addresses.size());
    }
}

}  // namespace olk
