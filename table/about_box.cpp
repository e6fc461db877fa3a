#include "table/about_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "extras/card_pictures.h"
#include "extras/cards_button.h"
#include "extras/draw_stretched.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {

namespace {

QLabel* wrappedLabel(const QString& content, QWidget* parent)
{
    auto* label = new QLabel(content, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

QString AboutBox::version()
{
    return QStringLiteral(OLK_VERSION);
}

AboutBox::AboutBox(const Settings& settings, const QString& siteAddress, QWidget* parent)
    : QDialog(parent), m_help(new QLabel(this)), m_ok(new TevCardsButton(this))
{
    setWindowTitle(text(Text::About));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 16);
    layout->setSpacing(10);

    // The menu's title picture, resampled once to the screen's pixels.
    auto* title = new QLabel(this);
    const QSize titleSize(300, 90);
    const QImage picture =
        devicePicture(builtInPicture(QStringLiteral("GTitle")), titleSize, devicePixelRatioF());
    if (!picture.isNull()) {
        title->setPixmap(QPixmap::fromImage(picture));
        title->setFixedSize(titleSize);
        layout->addWidget(title, 0, Qt::AlignHCenter);
    } else {
        delete title;
    }
    auto* programName = new QLabel(QStringLiteral("Olk"), this);
    programName->setFont(familyFont(settings, FontFamily::Decor, 24));
    layout->addWidget(programName, 0, Qt::AlignHCenter);
    auto* version = new QLabel(text(Text::AboutVersion).arg(AboutBox::version()), this);
    version->setFont(familyFont(settings, FontFamily::Decor, 13));
    layout->addWidget(version, 0, Qt::AlignHCenter);

    const QFont heading = familyFont(settings, FontFamily::Decor, 12);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    int row = 0;
    const auto addRow = [&](Text caption, QLabel* value) {
        auto* name = new QLabel(text(caption), this);
        name->setFont(heading);
        grid->addWidget(name, row, 0, Qt::AlignTop | Qt::AlignLeft);
        grid->addWidget(value, row, 1);
        ++row;
    };
    addRow(Text::AboutAuthorOfIdea, wrappedLabel(text(Text::AboutDevelopers), this));
    // The names stay as their owners write them; what each gave is said
    // in the player's language.
    const struct {
        const char* who;
        QString what;
    } thanks[] = {
        {"Parker Coates and the KDE card deck authors", text(Text::AboutCardFaces)},
        {"Tim Brechbill and David Bolton", text(Text::AboutSoundFont)},
        {"The Qt Project", QStringLiteral("Qt " QT_VERSION_STR)},
    };
    QString thanksText;
    for (const auto& each : thanks) {
        if (!thanksText.isEmpty()) {
            thanksText += QStringLiteral("<br>");
        }
        thanksText += QStringLiteral("<b>%1</b><br>&nbsp;&nbsp;%2")
                          .arg(QString::fromUtf8(each.who).toHtmlEscaped(), each.what.toHtmlEscaped());
    }
    auto* thanksLabel = wrappedLabel(thanksText, this);
    thanksLabel->setTextFormat(Qt::RichText);
    addRow(Text::AboutSeparateThanks, thanksLabel);
    if (!siteAddress.isEmpty()) {
        m_site = new QLabel(this);
        m_site->setTextFormat(Qt::RichText);
        m_site->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(siteAddress.toHtmlEscaped()));
        m_site->setOpenExternalLinks(true);
        m_site->setTextInteractionFlags(Qt::TextBrowserInteraction);
        addRow(Text::AboutOfficialSite, m_site);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* licence = wrappedLabel(text(Text::AboutLicence), this);
    QFont small = licence->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    licence->setFont(small);
    layout->addWidget(licence);

    m_help->setTextFormat(Qt::RichText);
    m_help->setText(
        QStringLiteral("<a href=\"#help\">%1</a>").arg(text(Text::AboutMoreInHelp).toHtmlEscaped()));
    m_help->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(m_help, &QLabel::linkActivated, this, [this] {
        accept();
        emit helpRequested();
    });

    m_ok->setText(text(Text::Ok));
    m_ok->setFont(familyFont(settings, FontFamily::Decor, 16));
    m_ok->setNata(settings.newButtons);
    m_ok->setFixedSize(100, 30);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_help, 1, Qt::AlignLeft | Qt::AlignVCenter);
    buttons->addWidget(m_ok, 0, Qt::AlignRight);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    setMinimumWidth(540);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_ok->setFocus();
}

}  // namespace olk
