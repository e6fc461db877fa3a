#include "accountui/account_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <QValidator>

#include "account/countries.h"
#include "accountui/account_art.h"
#include "accountui/passport_dialog.h"
#include "accountui/personal_data_dialog.h"
#include "extras/attention_box.h"
#include "extras/card_pictures.h"
#include "extras/cards_button.h"
#include "online/account.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

constexpr int kWidth = 640;
constexpr int kTabHeight = 430;
const QString kGameName = QStringLiteral("Olk");

// Refuses any text with a character the account check calls red.
class AccountValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (QChar c : input) {
            if (accountFieldCheck(QString(c), FieldKind::Character) == Lamp::Red) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

// A hidden password shows one "#" per character.
class HashEchoStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter) {
            return u'#';
        }
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QLabel* heading(const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// The President's rows: About .. YouTube, the fields from index 2 on.
constexpr int kPresidentFirstField = 2;

bool copiedRow(int field)
{
    // About, Telephone, e-mail, Skype and Telegram are copied; the others
    // are addresses.
    return field == 2 || field == 3 || field == 4 || field == 5 || field == 9;
}

}  // namespace

AccountDialogHooks AccountDialogHooks::standard()
{
    AccountDialogHooks hooks;
    hooks.tell = [](QWidget* parent, const QString& line1, const QString& line2) {
        showAttention(parent, line1, line2);
    };
    hooks.ask = [](QWidget* parent, const QString& question) { return askYesNo(parent, question); };
    hooks.open = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    hooks.choosePhoto = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(
            parent, text(Text::ChoosePhoto), QString(),
            text(Text::PhotoFilter) + QLatin1String(" (*.jpg *.jpeg *.JPG *.JPEG)"));
    };
    hooks.editPassport = [](QWidget* parent, Settings& settings, const QString& programFolder) {
        PassportDialog passport(settings, programFolder, parent);
        passport.exec();
    };
    return hooks;
}

QString infoHint(int field)
{
    static constexpr Text kHints[14] = {Text::HintName1,     Text::HintName2,    Text::HintAbout,
                                        Text::HintTelephone, Text::HintEMail,    Text::HintSkype,
                                        Text::HintWebSite,   Text::HintOK,       Text::HintVK,
                                        Text::HintTelegram,  Text::HintFaceBook, Text::HintTwitter,
                                        Text::HintInstagram, Text::HintYouTube};
    return field >= 0 && field < 14 ? text(kHints[field]) : QString();
}

QString clubRatingText(double rating)
{
    return QString::number(rating, 'f', 3).replace(u'.', u',');
}

AccountDialog::AccountDialog(online::Account& account, Settings& settings,
                             const QString& programFolder, bool forAccountGame, QWidget* parent,
                             AccountDialogHooks hooks)
    : QDialog(parent),
      m_account(account),
      m_settings(settings),
      m_programFolder(programFolder),
      m_forAccountGame(forAccountGame),
      m_hooks(std::move(hooks))
{
    setWindowTitle(text(Text::AccountTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_design.load(settings, programFolder, {"MyAccount", "GFormAcc1", "GIcon48Opt"});
    setPalette(m_design.palette());

    // A logged-out account starts from an empty form in Russia.
    if (m_account.state() == online::LoggedOut) {
        online::TTevUser& user = m_account.user();
        user.City.clear();
        user.Country2 = QStringLiteral("1-001");
        user.Country1 = QStringLiteral("Russia");
        user.Sex = u'M';
        user.EMail.clear();
        user.DateR = QStringLiteral("00.00.0000");
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, m_design.headerHeight() + 8, 10, 10);
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(makeAccountTab(), text(Text::TabMyAccount));
    m_tabs->addTab(makeResultsTab(), text(Text::TabMyResults));
    m_tabs->addTab(makeTopTenTab(), text(Text::TabTopTen));
    m_tabs->addTab(makeTevsTab(), text(Text::TabTevs));
    m_tabs->addTab(makeAboutTab(), text(Text::TabAboutMe));
    m_tabs->addTab(makePresidentTab(), text(Text::TabPresident));
    m_tabs->setFixedHeight(kTabHeight);
    layout->addWidget(m_tabs);
    TevCardsButton* ok = dialogButton(this, m_settings, m_design, text(Text::Ok), 110);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);

    m_starTimer.setInterval(110);
    connect(&m_starTimer, &QTimer::timeout, this, [this] {
        m_starFrame = (m_starFrame + 1) % 12;
        m_star->setPixmap(starPicture(m_account.state(), m_starFrame, 48));
    });
    m_starTimer.start();
    m_iconTimer.setInterval(60);
    connect(&m_iconTimer, &QTimer::timeout, this, [this] {
        m_iconFrame = (m_iconFrame + 1) % 10;
        update(35, 22, 48, 48);
    });
    if (m_design.purple()) {
        m_iconTimer.start();
    }
    connect(&m_account, &online::Account::changed, this, &AccountDialog::showAccount);
    setFixedSize(kWidth, m_design.headerHeight() + kTabHeight + 70);
    showAccount();
    wait([this](std::function<void()> done) { m_account.readForDialog(std::move(done)); });
}

AccountDialog::~AccountDialog() = default;

QPushButton* AccountDialog::makeRefreshButton()
{
    auto* button = new QPushButton(QStringLiteral("\u21BB"), this);
    button->setToolTip(text(Text::RefreshButton));
    button->setAccessibleName(text(Text::RefreshButton));
    button->setFixedSize(30, 28);
    return button;
}

QWidget* AccountDialog::makeAccountTab()
{
    auto* page = new QWidget;
    m_accountPage = page;
    page->setAttribute(Qt::WA_Hover);
    page->installEventFilter(this);
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    grid->addWidget(heading(text(Text::YourAccountInformation), page), 0, 0, 1, 8);

    auto label = [page](const QString& caption) { return new QLabel(caption, page); };
    auto edit = [this, page](int limit, int lamp) {
        auto* field = new QLineEdit(page);
        field->setMaxLength(limit);
        field->setValidator(new AccountValidator(field));
        m_lamps[lamp] = new QLabel(page);
        connect(field, &QLineEdit::textEdited, this, [this, field] { fieldEdited(field); });
        return field;
    };
    m_nick = edit(12, 0);
    m_password = edit(12, 1);
    m_city = edit(15, 2);
    m_email = edit(30, 3);
    auto* hashStyle = new HashEchoStyle(m_password->style()->name());
    hashStyle->setParent(m_password);
    m_password->setStyle(hashStyle);
    m_continent = new QComboBox(page);
    m_country = new QComboBox(page);
    m_sex = new QComboBox(page);
    m_countryName = new QLineEdit(page);
    m_countryName->setReadOnly(true);
    m_registration = new QLineEdit(page);
    m_registration->setReadOnly(true);
    m_registration->setMaximumWidth(110);

    grid->addWidget(label(text(Text::NickLabel)), 1, 0);
    grid->addWidget(m_nick, 1, 1, 1, 2);
    grid->addWidget(m_lamps[0], 1, 3);
    grid->addWidget(label(text(Text::CityLabel) + QLatin1Char(':')), 1, 4);
    grid->addWidget(m_city, 1, 5, 1, 2);
    grid->addWidget(m_lamps[2], 1, 7);
    grid->addWidget(label(text(Text::PasswordLabel)), 2, 0);
    grid->addWidget(m_password, 2, 1, 1, 2);
    grid->addWidget(m_lamps[1], 2, 3);
    grid->addWidget(label(text(Text::EMailLabel)), 2, 4);
    grid->addWidget(m_email, 2, 5, 1, 2);
    grid->addWidget(m_lamps[3], 2, 7);
    grid->addWidget(label(text(Text::CountryLabel)), 3, 0);
    grid->addWidget(m_continent, 3, 1);
    grid->addWidget(m_country, 3, 2, 1, 2);
    grid->addWidget(label(text(Text::SexLabel)), 3, 4);
    grid->addWidget(m_sex, 3, 5);
    grid->addWidget(m_countryName, 4, 1, 1, 3);
    grid->addWidget(label(text(Text::RegistrationLabel) + QLatin1Char(':')), 4, 4);
    grid->addWidget(m_registration, 4, 5);

    m_hidePassword = new QCheckBox(text(Text::HidePassword), page);
    m_hidePassword->setChecked(true);
    m_password->setEchoMode(QLineEdit::Password);
    connect(m_hidePassword, &QCheckBox::toggled, this, [this](bool hide) {
        m_password->setEchoMode(hide ? QLineEdit::Password : QLineEdit::Normal);
    });
    m_playRated = new QCheckBox(text(Text::PlayGlobalRating), page);
    connect(m_playRated, &QCheckBox::toggled, this,
            [this](bool on) { m_account.setPlayingRated(on); });
    grid->addWidget(m_hidePassword, 5, 1, 1, 3);
    grid->addWidget(m_playRated, 5, 4, 1, 3);

    m_create = dialogButton(this, m_settings, m_design, text(Text::CreateAccount), 150);
    m_login = dialogButton(this, m_settings, m_design, text(Text::LoginToAccount), 150);
    m_save = dialogButton(this, m_settings, m_design, text(Text::SaveUser), 100);
    m_delete = dialogButton(this, m_settings, m_design, text(Text::DeleteUser), 100);
    auto* buttons = new QHBoxLayout;
    for (TevCardsButton* button : {m_create, m_login, m_save, m_delete}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 6, 0, 1, 8);
    connect(m_create, &QPushButton::clicked, this, &AccountDialog::createAccount);
    connect(m_login, &QPushButton::clicked, this, &AccountDialog::loginOrOut);
    connect(m_save, &QPushButton::clicked, this, &AccountDialog::saveUserFile);
    connect(m_delete, &QPushButton::clicked, this, &AccountDialog::deleteUserFile);

    m_members = new QLabel(page);
    m_star = new QLabel(page);
    m_star->setFixedSize(48, 48);
    grid->addWidget(m_members, 7, 0, 1, 5, Qt::AlignBottom);
    grid->addWidget(m_star, 7, 6, 1, 2, Qt::AlignRight | Qt::AlignBottom);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(6, 1);

    fillContinentList(m_continent);
    m_sex->addItems({text(Text::Male), text(Text::Female)});
    connect(m_continent, &QComboBox::currentIndexChanged, this,
            [this](int index) { setCountry(index + 1, 0); });
    connect(m_country, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            setCountry(m_continent->currentIndex() + 1, index);
        }
    });
    connect(m_sex, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_account.user().Sex = index == 1 ? u'W' : u'M'; });
    return page;
}

QWidget* AccountDialog::makeResultsTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(heading(text(Text::InformationAboutYourGames), page), 0, 0, 1, 3);
    const Text labels[9] = {Text::ResultsGame,  Text::Player,      Text::Rating,
                            Text::ResultsPlace, Text::PlayedGames, Text::MyBestScore,
                            Text::PlayedCycles, Text::CurrentDeal, Text::CurrentScore};
    for (int row = 0; row < 9; ++row) {
        grid->addWidget(new QLabel(text(labels[row]) + QLatin1Char(':'), page), row + 1, 0);
        m_results[row] = new QLabel(page);
        QFont bold = m_results[row]->font();
        bold.setBold(true);
        m_results[row]->setFont(bold);
        grid->addWidget(m_results[row], row + 1, 1);
    }
    QPushButton* refresh = makeRefreshButton();
    connect(refresh, &QPushButton::clicked, this, [this] {
        wait([this](std::function<void()> done) { m_account.readGameRecord(std::move(done)); });
    });
    grid->addWidget(refresh, 10, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(10, 1);
    return page;
}

QWidget* AccountDialog::makeTopTenTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading(text(Text::TopTenBestRated), page));
    m_topTen = new QTableWidget(10, 6, page);
    m_topTen->setHorizontalHeaderLabels({QStringLiteral("\u2116"), text(Text::NickLabel),
                                         text(Text::ColumnCountry), text(Text::SexLabel),
                                         text(Text::CityLabel), text(Text::Rating)});
    m_topTen->verticalHeader()->hide();
    m_topTen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_topTen->setSelectionMode(QAbstractItemView::NoSelection);
    m_topTen->setFocusPolicy(Qt::NoFocus);
    m_topTen->setIconSize(QSize(24, 16));
    m_topTen->verticalHeader()->setDefaultSectionSize(28);
    QHeaderView* header = m_topTen->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(4, QHeaderView::Stretch);
    layout->addWidget(m_topTen);
    m_topTenFailed = new QLabel(text(Text::NoConnect), page);
    m_topTenFailed->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_topTenFailed);
    QPushButton* refresh = makeRefreshButton();
    connect(refresh, &QPushButton::clicked, this, [this] {
        wait([this](std::function<void()> done) { m_account.readTopTen(std::move(done)); });
    });
    layout->addWidget(refresh, 0, Qt::AlignRight);
    return page;
}

QWidget* AccountDialog::makeTevsTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    m_balance = new QLabel(page);
    m_balance->setAlignment(Qt::AlignCenter);
    m_balance->setMinimumHeight(110);
    grid->addWidget(m_balance, 0, 0, 1, 3);
    m_addTevs = dialogButton(this, m_settings, m_design, text(Text::AddTevs), 260);
    connect(m_addTevs, &QPushButton::clicked, this, &AccountDialog::addTevs);
    grid->addWidget(m_addTevs, 1, 0, 1, 3, Qt::AlignCenter);
    grid->addWidget(heading(text(Text::TransferLabel), page), 2, 0, 1, 3);
    m_amount = new QSpinBox(page);
    m_amount->setToolTip(text(Text::TransferAmountHint));
    m_amount->setAccessibleName(text(Text::TransferAmountHint));
    m_amount->setMinimumWidth(110);
    m_target = new QLineEdit(page);
    m_target->setMaxLength(12);
    m_target->setValidator(new AccountValidator(m_target));
    m_target->setToolTip(text(Text::TransferTargetHint));
    m_target->setPlaceholderText(text(Text::TransferTargetHint));
    m_transfer = dialogButton(this, m_settings, m_design, text(Text::TransferTevs), 150);
    grid->addWidget(m_amount, 3, 0);
    grid->addWidget(m_target, 3, 1);
    grid->addWidget(m_transfer, 3, 2);
    connect(m_amount, &QSpinBox::valueChanged, this, &AccountDialog::updateButtons);
    connect(m_target, &QLineEdit::textChanged, this, &AccountDialog::updateButtons);
    connect(m_transfer, &QPushButton::clicked, this, &AccountDialog::transfer);
    QPushButton* refresh = makeRefreshButton();
    connect(refresh, &QPushButton::clicked, this, [this] {
        wait([this](std::function<void()> done) { m_account.readTevs(std::move(done)); });
    });
    grid->addWidget(refresh, 4, 2, Qt::AlignRight | Qt::AlignBottom);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* AccountDialog::makeAboutTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(2);
    m_ownPhoto = new QLabel(page);
    m_ownPhoto->setFixedSize(160, 200);
    m_ownPhoto->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_ownPhoto, 0, 0, 9, 1, Qt::AlignTop);
    for (int field = 0; field < 14; ++field) {
        auto* icon = new QLabel(page);
        icon->setPixmap(infoIcon(field, 18));
        m_ownInfo[field] = new QLabel(page);
        m_ownInfo[field]->setTextFormat(Qt::PlainText);
        m_ownInfo[field]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(icon, field, 1);
        grid->addWidget(m_ownInfo[field], field, 2);
    }
    m_personalData = dialogButton(this, m_settings, m_design, text(Text::RefreshButton), 120);
    connect(m_personalData, &QPushButton::clicked, this, &AccountDialog::openPersonalData);
    grid->addWidget(m_personalData, 10, 0, 4, 1, Qt::AlignBottom | Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* AccountDialog::makePresidentTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(1);
    grid->addWidget(heading(text(Text::PresidentOfTheOrder) + QLatin1String(" \"") + kGameName +
                                QLatin1Char('"'),
                            page),
                    0, 0, 1, 2);
    m_presidentPhoto = new QLabel(page);
    m_presidentPhoto->setFixedSize(160, 200);
    m_presidentPhoto->setAlignment(Qt::AlignCenter);
    m_presidentName = new QLabel(page);
    m_presidentName->setTextFormat(Qt::PlainText);
    m_presidentNick = new QLabel(page);
    m_presidentNick->setTextFormat(Qt::PlainText);
    QFont bold = m_presidentName->font();
    bold.setBold(true);
    m_presidentName->setFont(bold);
    auto* left = new QVBoxLayout;
    left->addWidget(m_presidentPhoto);
    left->addWidget(m_presidentName);
    left->addWidget(m_presidentNick);
    left->addStretch();
    grid->addLayout(left, 1, 0);
    auto* rows = new QVBoxLayout;
    rows->setSpacing(0);
    for (int row = 0; row < 12; ++row) {
        auto* button = new QPushButton(page);
        button->setFlat(true);
        button->setIcon(infoIcon(row + kPresidentFirstField, 18));
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 2px;"));
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, row] { presidentRowClicked(row); });
        m_presidentRows[row] = button;
        rows->addWidget(button);
    }
    rows->addStretch();
    grid->addLayout(rows, 1, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void AccountDialog::wait(const std::function<void(std::function<void()>)>& start)
{
    ++m_waiting;
    setCursor(Qt::BusyCursor);
    QPointer<AccountDialog> self(this);
    start([self] {
        if (!self) {
            return;
        }
        if (--self->m_waiting == 0) {
            self->unsetCursor();
        }
        self->showAccount();
    });
}

void AccountDialog::showAccount()
{
    const online::TTevUser& user = m_account.user();
    const bool loggedIn = m_account.state() >= online::LoggedIn;
    const QSignalBlocker quiet[] = {QSignalBlocker(m_continent), QSignalBlocker(m_country),
                                    QSignalBlocker(m_sex), QSignalBlocker(m_playRated)};
    // Typing goes on undisturbed: a field is rewritten only when it differs.
    const auto show = [](QLineEdit* edit, const QString& value) {
        if (edit->text() != value) {
            edit->setText(value);
        }
    };
    show(m_nick, user.Nick);
    show(m_password, user.Pw);
    show(m_city, user.City == QLatin1String("#") ? QString() : user.City);
    show(m_email, user.EMail == QLatin1String("#") ? QString() : user.EMail);
    const CountryCode code = parseCountryCode(user.Country2).value_or(CountryCode{});
    if (m_continent->currentIndex() != code.continent - 1 || m_country->count() == 0) {
        m_continent->setCurrentIndex(code.continent - 1);
        fillCountryList(m_country, code.continent);
    }
    m_country->setCurrentIndex(code.index);
    m_countryName->setText(loggedIn ? user.Country1
                                    : countryToken(countryCode(code.continent, code.index)));
    m_sex->setCurrentIndex(user.Sex == u'W' ? 1 : 0);
    m_registration->setText(loggedIn ? user.DateR : QStringLiteral("00.00.0000"));
    m_playRated->setChecked(m_account.state() == online::PlayingRated);
    m_login->setText(text(loggedIn ? Text::SignOut : Text::LoginToAccount));
    m_members->setText(m_account.membersRead()
                           ? text(Text::ClockHintClubMembers) + QString::number(m_account.members())
                           : QString());
    m_star->setPixmap(starPicture(m_account.state(), m_starFrame, 48));
    const bool hasFile = m_account.hasUserFile();
    m_save->setEnabled(loggedIn && !hasFile);
    m_delete->setEnabled(hasFile);
    m_checks[0] = accountFieldCheck(m_nick->text(), FieldKind::Nick);
    m_checks[1] = accountFieldCheck(m_password->text(), FieldKind::Password);
    m_checks[2] = accountFieldCheck(m_city->text(), FieldKind::City);
    m_checks[3] = accountFieldCheck(m_email->text(), FieldKind::EMail);
    for (int i = 0; i < 4; ++i) {
        m_lamps[i]->setPixmap(lampPicture(m_checks[i]));
    }
    showResults();
    showTopTen();
    showTevs();
    showAbout();
    showPresident();
    updateButtons();
}

void AccountDialog::setCountry(int continent, int index)
{
    if (continent != m_continent->currentIndex() + 1 || m_country->count() == 0 || index == 0) {
        const QSignalBlocker quiet(m_country);
        fillCountryList(m_country, continent);
        m_country->setCurrentIndex(index);
    }
    online::TTevUser& user = m_account.user();
    user.Country2 = countryCode(continent, index);
    user.Country1 = countryToken(user.Country2);
    m_countryName->setText(user.Country1);
}

void AccountDialog::fieldEdited(QLineEdit* edit)
{
    online::TTevUser& user = m_account.user();
    if (edit == m_nick) {
        user.Nick = edit->text();
    } else if (edit == m_password) {
        m_account.setPassword(edit->text());
    } else if (edit == m_city) {
        user.City = edit->text();
    } else {
        user.EMail = edit->text();
    }
    const QLineEdit* edits[4] = {m_nick, m_password, m_city, m_email};
    const FieldKind kinds[4] = {FieldKind::Nick, FieldKind::Password, FieldKind::City,
                                FieldKind::EMail};
    for (int i = 0; i < 4; ++i) {
        m_checks[i] = accountFieldCheck(edits[i]->text(), kinds[i]);
        if (edits[i] == edit) {
            m_lamps[i]->setPixmap(lampPicture(m_checks[i]));
        }
    }
    if (m_mouseSeen && (edit == m_nick || edit == m_password)) {
        m_save->setEnabled(true);
    }
    updateButtons();
}

void AccountDialog::updateButtons()
{
    const int state = m_account.state();
    const bool loggedOut = state == online::LoggedOut;
    const bool running = m_account.ratedGameRunning();
    const bool editable = loggedOut && !running;
    for (QWidget* field : std::initializer_list<QWidget*>{m_nick, m_password, m_city, m_email,
                                                          m_continent, m_country, m_sex}) {
        field->setEnabled(editable);
    }
    const bool nickUsable = m_checks[0] != Lamp::Red;
    const bool passwordGood = m_checks[1] == Lamp::Green;
    m_create->setEnabled(editable && nickUsable && m_checks[2] != Lamp::Red && passwordGood &&
                         m_checks[3] == Lamp::Green);
    m_login->setEnabled(!running && ((loggedOut && nickUsable && passwordGood) || !loggedOut));
    m_playRated->setEnabled(!loggedOut && m_forAccountGame && !running);
    if (running) {
        m_save->setEnabled(false);
        m_delete->setEnabled(false);
    }
    const std::int32_t balance = m_account.user().R04;
    m_addTevs->setEnabled(!loggedOut);
    {
        const QSignalBlocker quiet(m_amount);
        m_amount->setRange(0, std::max(0, loggedOut ? 0 : balance));
    }
    m_transfer->setEnabled(!loggedOut && balance >= 1 && m_amount->value() >= 1 &&
                           !m_target->text().isEmpty() &&
                           m_target->text().compare(m_account.user().Nick, Qt::CaseInsensitive));
    m_personalData->setEnabled(!loggedOut);
}

void AccountDialog::showResults()
{
    const online::TTevGame& game = m_account.game();
    const bool shown = m_account.state() >= online::LoggedIn && m_account.gameRead();
    m_results[0]->setText(kGameName);
    const QString values[8] = {m_account.user().Nick,       clubRatingText(game.Rating),
                               QString::number(game.Place), QString::number(game.Kon),
                               QString::number(game.Best),  QString::number(game.Sessions),
                               QString::number(game.KonL),  QString::number(game.Score)};
    for (int row = 1; row < 9; ++row) {
        m_results[row]->setText(!m_account.gameRead() ? text(Text::NoConnect)
                                : shown               ? values[row - 1]
                                                      : QString());
    }
}

void AccountDialog::showTopTen()
{
    const bool read = m_account.topTenRead();
    m_topTen->setVisible(read);
    m_topTenFailed->setVisible(!read);
    const auto& rows = m_account.topTen();
    for (int row = 0; row < 10; ++row) {
        const online::TTevTop10& entry = rows[row];
        const bool filled = !entry.Nick.isEmpty();
        auto item = [](const QString& value) {
            auto* cell = new QTableWidgetItem(value);
            cell->setFlags(Qt::ItemIsEnabled);
            return cell;
        };
        m_topTen->setItem(row, 0, item(QString::number(row + 1) + QLatin1Char('.')));
        m_topTen->setItem(row, 1, item(filled ? entry.Nick : QString()));
        QTableWidgetItem* flag = item(QString());
        QTableWidgetItem* face = item(QString());
        if (filled) {
            flag->setIcon(countryFlag(entry.Country, QSize(24, 16)));
            flag->setToolTip(countryName(entry.Country));
            face->setIcon(facePicture(entry.Sex, QSize(16, 20)));
            face->setToolTip(text(entry.Sex == u'W' ? Text::Female : Text::Male));
        }
        m_topTen->setItem(row, 2, flag);
        m_topTen->setItem(row, 3, face);
        m_topTen->setItem(row, 4, item(filled ? entry.City : QString()));
        QTableWidgetItem* rating = item(filled ? clubRatingText(entry.Rating) : QString());
        rating->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_topTen->setItem(row, 5, rating);
    }
}

void AccountDialog::showTevs()
{
    const QString digits =
        QString::number(m_account.state() >= online::LoggedIn ? m_account.user().R04 : 0);
    // The more digits, the smaller they are drawn.
    QFont font = familyFont(m_settings, FontFamily::Decor, 14);
    font.setPixelSize(std::clamp(520 / std::max<int>(4, digits.size()), 28, 96));
    font.setBold(true);
    m_balance->setFont(font);
    m_balance->setText(digits);
}

void AccountDialog::showAbout()
{
    const online::TTevUser& user = m_account.user();
    const bool loggedIn = m_account.state() >= online::LoggedIn;
    m_ownPhoto->setPixmap(
        photoOrFace(loggedIn ? m_account.ownPhoto() : QByteArray(), user.Sex, QSize(160, 200)));
    // An empty field shows what belongs there, greyed.
    for (int field = 0; field < 14; ++field) {
        const QString value = loggedIn ? user.Info.*online::kInfoFields[field] : QString();
        QPalette palette = m_ownInfo[field]->palette();
        palette.setColor(QPalette::WindowText,
                         this->palette().color(value.isEmpty() ? QPalette::PlaceholderText
                                                               : QPalette::WindowText));
        m_ownInfo[field]->setPalette(palette);
        m_ownInfo[field]->setText(value.isEmpty() ? infoHint(field) : value);
    }
}

void AccountDialog::showPresident()
{
    const online::TTevTop10& first = m_account.topTen()[0];
    const online::TInfo14& info = m_account.presidentInfo();
    m_presidentPhoto->setPixmap(
        photoOrFace(m_account.presidentPhoto(), first.Sex, QSize(160, 200)));
    m_presidentName->setText((info.Name1 + QLatin1Char(' ') + info.Name2).trimmed());
    m_presidentNick->setText(first.Nick.isEmpty() ? QString()
                                                  : first.Nick + QLatin1String(", ") + first.City);
    for (int row = 0; row < 12; ++row) {
        // A member's "&" is shown as it is, never taken for a shortcut.
        QString shown = info.*online::kInfoFields[row + kPresidentFirstField];
        m_presidentRows[row]->setText(shown.replace(u'&', QLatin1String("&&")));
    }
}

bool AccountDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_accountPage &&
        (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter ||
         event->type() == QEvent::MouseMove)) {
        m_mouseSeen = true;
    }
    return QDialog::eventFilter(watched, event);
}

void AccountDialog::createAccount()
{
    QPointer<AccountDialog> self(this);
    wait([this, self](std::function<void()> done) {
        m_account.createAccount([self, done](online::RegisterResult result) {
            done();
            if (!self) {
                return;
            }
            const Text message = result == online::RegisterResult::Created ? Text::AccountCreated
                                 : result == online::RegisterResult::NickTaken
                                     ? Text::NickTaken
                                     : Text::CouldNotCreateAccount;
            self->m_hooks.tell(self, text(message), QString());
        });
    });
}

void AccountDialog::loginOrOut()
{
    if (m_account.state() >= online::LoggedIn) {
        m_account.logout();
        return;
    }
    QPointer<AccountDialog> self(this);
    const QString nick = m_nick->text();
    const QString pw = m_password->text();
    wait([this, self, nick, pw](std::function<void()> done) {
        m_account.login(nick, pw, [self, done](bool ok) {
            done();
            if (self && !ok) {
                self->m_hooks.tell(self, text(Text::LoginFailed), QString());
            }
        });
    });
}

void AccountDialog::saveUserFile()
{
    // A file that cannot be written leaves "Save" as it was.
    if (m_account.saveUserFile()) {
        m_save->setEnabled(false);
        m_delete->setEnabled(true);
    }
}

void AccountDialog::deleteUserFile()
{
    m_account.deleteUserFile();
    m_save->setEnabled(m_account.state() >= online::LoggedIn);
    m_delete->setEnabled(m_account.hasUserFile());
}

void AccountDialog::addTevs()
{
    QApplication::clipboard()->setText(m_account.user().Nick + QLatin1Char('#') +
                                       text(Text::Refill));
    m_hooks.tell(this, text(Text::AddCommentWhenPaying), text(Text::TevsCreditedWithin));
    const QUrl page = m_account.paymentPage();
    if (page.isValid() && !page.isEmpty()) {
        m_hooks.open(page);
    }
}

void AccountDialog::transfer()
{
    const std::int32_t amount = m_amount->value();
    const QString target = m_target->text();
    if (amount > m_account.user().R04) {
        m_hooks.tell(this, text(Text::NotEnoughTevs), QString());
        return;
    }
    if (amount == 0) {
        m_hooks.tell(this, text(Text::EmptyTransfer), QString());
        return;
    }
    const QString question = text(Text::TransferQuestion) + QLatin1String(" \"") + target +
                             QLatin1String("\" ") + QString::number(amount) + QLatin1Char(' ') +
                             text(Text::Tevs) + QLatin1Char('?');
    if (!m_hooks.ask(this, question)) {
        return;
    }
    QPointer<AccountDialog> self(this);
    wait([this, self, amount, target](std::function<void()> done) {
        m_account.transfer(amount, target, [self, done](online::TransferResult result) {
            done();
            if (!self) {
                return;
            }
            const Text message = result == online::TransferResult::Done       ? Text::TransferDone
                                 : result == online::TransferResult::NoMember ? Text::NoSuchMember
                                 : result == online::TransferResult::NotEnough
                                     ? Text::NotEnoughTevs
                                     : Text::NoConnectMessage;
            self->m_hooks.tell(self, text(message), QString());
        });
    });
}

void AccountDialog::presidentRowClicked(int row)
{
    const int field = row + kPresidentFirstField;
    const QString value = (m_account.presidentInfo().*online::kInfoFields[field]).trimmed();
    if (value.isEmpty()) {
        return;
    }
    if (copiedRow(field)) {
        QApplication::clipboard()->setText(value);
        m_hooks.tell(this, text(Text::CopiedToClipboard), QString());
        return;
    }
    // A member's address is only ever opened as a web page: no other scheme
    // (a file, a program's handler) reaches the desktop from someone else's
    // profile.
    QUrl url = QUrl::fromUserInput(value);
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) {
        url = QUrl(QLatin1String("https://") + value, QUrl::StrictMode);
    }
    if (url.isValid() && !url.host().isEmpty() &&
        (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))) {
        m_hooks.open(url);
    }
}

void AccountDialog::openPersonalData()
{
    {
        PersonalDataDialog dialog(m_account, m_settings, m_programFolder, this, m_hooks);
        dialog.exec();
    }
    wait([this](std::function<void()> done) { m_account.readPresident(std::move(done)); });
}

void AccountDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::AccountTitle), m_iconFrame);
}

}  // namespace olk
