#include "accountui/personal_data_dialog.h"

#include <QBuffer>
#include <QFile>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

#include "accountui/account_art.h"
#include "extras/cards_button.h"
#include "online/account.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

constexpr qint64 kMostPhotoBytes = 1024 * 1024;
constexpr QSize kPhotoSize(200, 250);

}  // namespace

std::optional<QByteArray> acceptablePhoto(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMostPhotoBytes) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMostPhotoBytes + 1);
    if (bytes.size() > kMostPhotoBytes || !bytes.startsWith("\xFF\xD8\xFF")) {
        return std::nullopt;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "jpeg");
    if (reader.size() != kPhotoSize) {
        return std::nullopt;
    }
    const QImage picture = reader.read();
    if (picture.isNull() || picture.size() != kPhotoSize) {
        return std::nullopt;
    }
    return bytes;
}

PersonalDataDialog::PersonalDataDialog(online::Account& account, Settings& settings,
                                       const QString& programFolder, QWidget* parent,
                                       AccountDialogHooks hooks)
    : QDialog(parent), m_account(account), m_settings(settings), m_hooks(std::move(hooks))
{
    setWindowTitle(text(Text::TabAboutMe));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_design.load(settings, programFolder, {"MyAccount", "GFormAcc1", "GIcon48Opt"});
    setPalette(m_design.palette());

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, m_design.headerHeight() + 10, 14, 12);
    grid->setVerticalSpacing(3);
    for (int index = 0; index < 14; ++index) {
        auto* icon = new QLabel(this);
        icon->setPixmap(infoIcon(index, 18));
        m_fields[index] = new QLineEdit(this);
        m_fields[index]->setMaxLength(online::kInfoLimits[index]);
        m_fields[index]->setPlaceholderText(infoHint(index));
        m_fields[index]->setToolTip(infoHint(index));
        m_fields[index]->setAccessibleName(infoHint(index));
        grid->addWidget(icon, index, 0);
        grid->addWidget(m_fields[index], index, 1);
    }
    m_photo = new QPushButton(this);
    m_photo->setFixedSize(kPhotoSize + QSize(8, 8));
    m_photo->setIconSize(kPhotoSize);
    m_photo->setToolTip(text(Text::ClickPhotoHint));
    m_photo->setAccessibleName(text(Text::ClickPhotoHint));
    m_photo->setCursor(Qt::PointingHandCursor);
    connect(m_photo, &QPushButton::clicked, this, &PersonalDataDialog::choosePhoto);
    grid->addWidget(m_photo, 0, 2, 11, 1, Qt::AlignTop | Qt::AlignHCenter);
    m_refreshPhoto = dialogButton(this, m_settings, m_design, text(Text::RefreshPhoto), 160);
    m_refreshPhoto->setEnabled(false);
    connect(m_refreshPhoto, &QPushButton::clicked, this, &PersonalDataDialog::refreshPhoto);
    grid->addWidget(m_refreshPhoto, 11, 2, 2, 1, Qt::AlignCenter);

    auto* note = new QLabel(text(Text::InfoMayBeVisible), this);
    note->setWordWrap(true);
    grid->addWidget(note, 14, 0, 1, 3);
    m_updateInfo = dialogButton(this, m_settings, m_design, text(Text::UpdateInfo), 140);
    m_updateInfo->setEnabled(false);
    connect(m_updateInfo, &QPushButton::clicked, this, &PersonalDataDialog::updateInfo);
    TevCardsButton* close = dialogButton(this, m_settings, m_design, text(Text::CloseButton), 110);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_updateInfo);
    buttons->addWidget(close);
    grid->addLayout(buttons, 15, 0, 1, 3);
    grid->setColumnMinimumWidth(1, 330);

    loadFields();
    for (QLineEdit* edit : m_fields) {
        connect(edit, &QLineEdit::textEdited, this, [this] { m_updateInfo->setEnabled(true); });
    }
    showPhoto(m_account.ownPhoto());
    setFixedSize(sizeHint().expandedTo(QSize(600, 0)));
}

void PersonalDataDialog::loadFields()
{
    const online::TInfo14& info = m_account.user().Info;
    for (int index = 0; index < 14; ++index) {
        m_fields[index]->setText(info.*online::kInfoFields[index]);
    }
}

void PersonalDataDialog::showPhoto(const QByteArray& jpeg)
{
    m_photo->setIcon(photoOrFace(jpeg, m_account.user().Sex, kPhotoSize));
}

void PersonalDataDialog::choosePhoto()
{
    const QString path = m_hooks.choosePhoto(this);
    if (path.isEmpty()) {
        return;
    }
    const std::optional<QByteArray> photo = acceptablePhoto(path);
    if (!photo) {
        m_hooks.tell(this, text(Text::PhotoFormat), QString());
        return;
    }
    m_chosen = *photo;
    showPhoto(m_chosen);
    m_refreshPhoto->setEnabled(true);
}

void PersonalDataDialog::refreshPhoto()
{
    if (m_chosen.isEmpty()) {
        return;
    }
    m_refreshPhoto->setEnabled(false);
    setCursor(Qt::BusyCursor);
    QPointer<PersonalDataDialog> self(this);
    m_account.uploadPhoto(m_chosen, [self](bool ok) {
        if (!self) {
            return;
        }
        self->unsetCursor();
        if (!ok) {
            self->m_refreshPhoto->setEnabled(true);
            self->m_hooks.tell(self, text(Text::PhotoUploadFailed), QString());
            return;
        }
        self->m_chosen.clear();
        self->showPhoto(self->m_account.ownPhoto());
    });
}

void PersonalDataDialog::updateInfo()
{
    online::TInfo14 info;
    for (int index = 0; index < 14; ++index) {
        info.*online::kInfoFields[index] = m_fields[index]->text();
    }
    setCursor(Qt::BusyCursor);
    QPointer<PersonalDataDialog> self(this);
    m_account.saveInfo(info, [self](bool ok) {
        if (!self) {
            return;
        }
        self->unsetCursor();
        if (ok) {
            self->m_updateInfo->setEnabled(false);
            self->loadFields();
        } else {
            self->m_hooks.tell(self, text(Text::NoConnectMessage), QString());
        }
    });
}

void PersonalDataDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::TabAboutMe), 0);
}

}  // namespace olk
