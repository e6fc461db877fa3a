#pragma once

#include <QByteArray>
#include <QDialog>

#include "accountui/account_dialog.h"
#include "extras/aux_design.h"
#include "settings/settings.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace olk {

namespace online {
class Account;
}

class TevCardsButton;

// A chosen photo file, when it is one the club keeps: a JPEG of exactly
// 200 x 250 pixels and at most 1 MiB; its bytes as they are.
std::optional<QByteArray> acceptablePhoto(const QString& path);

// The member's own personal data: the fourteen texts with their limits and
// hints, and the photo (a click chooses a new one; "Refresh photo" sends
// it). "Update info" saves the texts; both run within the session.
class PersonalDataDialog : public QDialog {
    Q_OBJECT

public:
    PersonalDataDialog(online::Account& account, Settings& settings, const QString& programFolder,
                       QWidget* parent, AccountDialogHooks hooks);

    QLineEdit* field(int index) const { return m_fields[index]; }
    QPushButton* photoButton() const { return m_photo; }
    TevCardsButton* refreshPhotoButton() const { return m_refreshPhoto; }
    TevCardsButton* updateInfoButton() const { return m_updateInfo; }
    void choosePhoto();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void loadFields();
    void showPhoto(const QByteArray& jpeg);
    void updateInfo();
    void refreshPhoto();

    online::Account& m_account;
    Settings& m_settings;
    AccountDialogHooks m_hooks;
    AuxDesign m_design;
    QLineEdit* m_fields[14] = {};
    QPushButton* m_photo = nullptr;
    TevCardsButton* m_refreshPhoto = nullptr;
    TevCardsButton* m_updateInfo = nullptr;
    QByteArray m_chosen;
};

}  // namespace olk
