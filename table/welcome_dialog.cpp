#include "table/welcome_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/cp1251.h"
#include "extras/cards_button.h"
#include "records/club_file.h"
#include "records/club_name.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {

namespace {

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
        check.player.name = padded(clubKept.bytes, 20);
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
    const QFontMetrics labelMetrics(labelFont);

    // A fixed window, 295 high: three captioned fields, the buttons at 240
    // and the error line at 270; as wide as its longest text needs.
    constexpr int kMargin = 18;
    constexpr int kHeight = 295;
    int textWidth = 300;
    for (Text message : {Text::EnterYourName, Text::EnterYourPassword, Text::AndOnceAgainForCheck,
                         Text::IncorrectName, Text::NameLetters, Text::NameKeptAs,
                         Text::PasswordsDoNotCoincide, Text::IncorrectPassword}) {
        textWidth = std::max(textWidth, labelMetrics.horizontalAdvance(text(message)) + 8);
    }
    const int width = textWidth + 2 * kMargin;
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
        edits[row]->setMaxLength(row == 0 ? 20 : 5);
        if (row > 0) {
            edits[row]->setEchoMode(QLineEdit::Password);
            edits[row]->setStyleSheet(QStringLiteral("lineedit-password-character: 35;"));
        }
    }

    m_error->setFont(labelFont);
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setGeometry(kMargin, 270, textWidth, kHeight - 270);
    m_error->hide();

    auto* cancel = new TevCardsButton(text(Text::Cancel), this);
    int buttonWidth = 110;
    for (QPushButton* button : std::initializer_list<QPushButton*>{m_ok, cancel}) {
        button->setFont(labelFont);
        button->setAutoDefault(false);
        buttonWidth = std::max(buttonWidth, labelMetrics.horizontalAdvance(button->text()) + 30);
    }
    const int gap = 16;
    const int buttonsLeft = (width - 2 * buttonWidth - gap) / 2;
    m_ok->setGeometry(buttonsLeft, 240, buttonWidth, 28);
    cancel->setGeometry(buttonsLeft + buttonWidth + gap, 240, buttonWidth, 28);
    m_ok->setDefault(true);
    setFixedSize(width, kHeight);
    setTabOrder(m_name, m_password);
    setTabOrder(m_password, m_again);
    setTabOrder(m_again, m_ok);
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
        m_name->setText(name.isEmpty() || name.size() > 20 ? QStringLiteral("Mr.X") : name);
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
    QDialog::accept();
}

}  // namespace olk
