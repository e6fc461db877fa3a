#include "table/welcome_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/cp1251.h"
#include "extras/cards_button.h"
#include "records/club_file.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {

namespace {

// The club keeps names and passwords in Windows-1251, printable characters
// only; anything else could not be stored as typed.
std::optional<QByteArray> clubBytes(const QString& text)
{
    QByteArray out;
    for (const char32_t c : text.toUcs4()) {
        const auto byte = cp1251::fromUnicode(c);
        if (!byte || *byte < 0x20 || *byte == 0x98) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

QByteArray padded(const QByteArray& text, int width)
{
    return text.left(width) + QByteArray(std::max<qsizetype>(0, width - text.size()), ' ');
}

}  // namespace

WelcomeCheck checkWelcome(const QString& name, const QString& password, const QString& again,
                          const QByteArray& storedLine)
{
    WelcomeCheck check;
    const bool listed = !storedLine.isEmpty();
    const auto nameBytes = clubBytes(name.trimmed());
    if (!listed && (name.trimmed().isEmpty() || !nameBytes)) {
        check.error = text(Text::IncorrectName);
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
    if (listed) {
        if (storedPassword(*passwordBytes) != storedLine.mid(44, 15)) {
            check.error = text(Text::IncorrectPassword);
            check.focus = WelcomeCheck::Focus::Password;
            return check;
        }
        check.player.name = storedLine.left(20);
        check.player.deals = playerDeals(storedLine);
        check.player.score = playerScore(storedLine);
        check.player.rating = playerRating(storedLine);
    } else {
        check.player.name = padded(*nameBytes, 20);
    }
    check.player.password = padded(*passwordBytes, 5);
    return check;
}

WelcomeDialog::WelcomeDialog(const Settings& settings, const QByteArray& storedLine,
                             const QString& defaultName, QWidget* parent)
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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(8);
    auto addRow = [&](int row, Text label, QLineEdit* edit, int maxLength, bool secret) {
        auto* caption = new QLabel(text(label), this);
        caption->setFont(labelFont);
        edit->setFont(editFont);
        edit->setMaxLength(maxLength);
        if (secret) {
            edit->setEchoMode(QLineEdit::Password);
            edit->setStyleSheet(QStringLiteral("lineedit-password-character: 35;"));
        }
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        return caption;
    };
    addRow(0, Text::EnterYourName, m_name, 20, false);
    addRow(1, Text::EnterYourPassword, m_password, 5, true);
    QLabel* againCaption = addRow(2, Text::AndOnceAgainForCheck, m_again, 5, true);
    layout->addLayout(grid);

    m_error->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_error->setFont(labelFont);
    m_error->setAlignment(Qt::AlignCenter);
    m_error->hide();
    layout->addWidget(m_error);

    auto* buttons = new QHBoxLayout;
    auto* cancel = new TevCardsButton(text(Text::Cancel), this);
    for (QPushButton* button : std::initializer_list<QPushButton*>{m_ok, cancel}) {
        button->setFont(labelFont);
        button->setMinimumWidth(100);
        button->setAutoDefault(false);
    }
    m_ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &WelcomeDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* edit : {m_name, m_password, m_again}) {
        connect(edit, &QLineEdit::returnPressed, this, &WelcomeDialog::accept);
        connect(edit, &QLineEdit::textEdited, m_error, &QLabel::hide);
    }

    if (!storedLine.isEmpty()) {
        m_name->setText(playerName(storedLine));
        m_name->setEnabled(false);
        m_again->setEnabled(false);
        againCaption->setEnabled(false);
        m_password->setFocus();
    } else {
        const QString name = defaultName.trimmed();
        m_name->setText(name.isEmpty() || name.size() > 20 ? QStringLiteral("Mr.X") : name);
        m_name->selectAll();
        m_name->setFocus();
    }
    setMinimumWidth(440);
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
        m_error->setText(check.error);
        m_error->show();
        (check.focus == WelcomeCheck::Focus::Name ? m_name : m_password)->setFocus();
        return;
    }
    m_player = check.player;
    QDialog::accept();
}

}  // namespace olk
