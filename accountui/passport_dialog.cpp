#include "accountui/passport_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadialGradient>
#include <QValidator>

#include "account/countries.h"
#include "accountui/account_art.h"
#include "extras/card_pictures.h"
#include "extras/cards_button.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

constexpr int kWidth = 400;

// Refuses any text with a character the field check calls red, so a blank,
// "#", "$", "&" or "=" can never be typed or pasted in.
class PassportValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (QChar c : input) {
            if (passportFieldCheck(QString(c), FieldKind::Character) == Lamp::Red) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

}  // namespace

QPixmap lampPicture(Lamp lamp)
{
    const QColor colours[] = {QColor(230, 30, 30), QColor(245, 205, 30), QColor(40, 200, 60)};
    const QColor colour = colours[static_cast<int>(lamp)];
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(6, 5), 9);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(0.5, colour);
    glow.setColorAt(1, colour.darker(160));
    p.setBrush(glow);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    return pixmap;
}

void fillContinentList(QComboBox* list)
{
    const Text names[kContinents] = {Text::ContinentEurope,       Text::ContinentAsia,
                                     Text::ContinentNorthAmerica, Text::ContinentSouthAmerica,
                                     Text::ContinentOceania,      Text::ContinentAfrica};
    const QSignalBlocker quiet(list);
    const int shown = list->currentIndex();
    list->clear();
    for (Text name : names) {
        list->addItem(text(name));
    }
    list->setCurrentIndex(shown);
}

void fillCountryList(QComboBox* list, int continent)
{
    const QSignalBlocker quiet(list);
    list->clear();
    list->setIconSize(QSize(20, 14));
    const std::span<const Country> countries = countriesOf(continent);
    for (int index = 0; index < static_cast<int>(countries.size()); ++index) {
        const QPixmap flag = countryFlag(countryCode(continent, index), QSize(20, 14));
        const QIcon icon = flag.isNull() ? QIcon() : QIcon(flag);
        list->addItem(icon, QString::fromUtf8(countries[index].name));
    }
}

PassportDialog::PassportDialog(Settings& settings, const QString& programFolder, QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_nick(new QLineEdit(this)),
      m_city(new QLineEdit(this)),
      m_continent(new QComboBox(this)),
      m_country(new QComboBox(this)),
      m_sex(new QComboBox(this)),
      m_nickLampLabel(new QLabel(this)),
      m_cityLampLabel(new QLabel(this)),
      m_ok(new TevCardsButton(this))
{
    setWindowTitle(text(Text::MyPassport));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_design.load(settings, programFolder, {"Passport", "GFormPass", "GIcon48Opt"});
    setPalette(m_design.palette());

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, m_design.headerHeight() + 14, 16, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    auto label = [this](Text name) { return new QLabel(text(name) + QLatin1Char(':'), this); };
    grid->addWidget(label(Text::NickLabel), 0, 0);
    grid->addWidget(m_nick, 0, 1, 1, 2);
    grid->addWidget(m_nickLampLabel, 0, 3);
    grid->addWidget(label(Text::CountryLabel), 1, 0);
    grid->addWidget(m_continent, 1, 1);
    grid->addWidget(m_country, 1, 2, 1, 2);
    grid->addWidget(label(Text::CityLabel), 2, 0);
    grid->addWidget(m_city, 2, 1, 1, 2);
    grid->addWidget(m_cityLampLabel, 2, 3);
    grid->addWidget(label(Text::SexLabel), 3, 0);
    grid->addWidget(m_sex, 3, 1);
    m_ok->setText(text(Text::Ok));
    m_ok->setFixedSize(100, 30);
    m_ok->setColorSB(m_design.purple() ? ColorSB::DCards : ColorSB::DRed);
    m_ok->setNata(settings.newButtons);
    m_ok->setFont(familyFont(settings, FontFamily::Decor, 14));
    m_ok->setDefault(true);
    grid->addWidget(m_ok, 4, 2, 1, 2, Qt::AlignRight);
    // Tab goes through the fields as they stand, row by row.
    setTabOrder(m_nick, m_continent);
    setTabOrder(m_continent, m_country);
    setTabOrder(m_country, m_city);
    setTabOrder(m_city, m_sex);
    setTabOrder(m_sex, m_ok);

    m_nick->setMaxLength(12);
    m_city->setMaxLength(15);
    for (QLineEdit* edit : {m_nick, m_city}) {
        edit->setValidator(new PassportValidator(edit));
    }
    m_nick->setText(settings.passportNick);
    m_city->setText(settings.passportCity);
    fillContinentList(m_continent);
    const CountryCode country = parseCountryCode(settings.passportCountry).value_or(CountryCode{});
    m_continent->setCurrentIndex(country.continent - 1);
    fillCountryList(m_country, country.continent);
    m_country->setCurrentIndex(country.index);
    m_sex->addItems({text(Text::Male), text(Text::Female)});
    m_sex->setCurrentIndex(settings.passportSex == QLatin1String("W") ? 1 : 0);

    connect(m_nick, &QLineEdit::textChanged, this, &PassportDialog::check);
    connect(m_city, &QLineEdit::textChanged, this, &PassportDialog::check);
    connect(m_continent, &QComboBox::currentIndexChanged, this, [this](int index) {
        // Another continent starts at its "Unknown".
        fillCountryList(m_country, index + 1);
        m_country->setCurrentIndex(0);
        m_settings.passportCountry = countryCode(index + 1, 0);
    });
    connect(m_country, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            m_settings.passportCountry = countryCode(m_continent->currentIndex() + 1, index);
        }
    });
    connect(m_sex, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_settings.passportSex = index == 1 ? QStringLiteral("W") : QStringLiteral("M");
    });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_iconTimer.setInterval(60);
    connect(&m_iconTimer, &QTimer::timeout, this, [this] {
        m_iconFrame = (m_iconFrame + 1) % 10;
        update(35, 22, 48, 48);
    });
    if (m_design.purple()) {
        m_iconTimer.start();
    }
    setFixedSize(kWidth, m_design.headerHeight() + 200);
    check();
    m_nick->setFocus();
}

bool PassportDialog::fieldsPass() const
{
    return m_nickLamp != Lamp::Red && m_cityLamp != Lamp::Red;
}

void PassportDialog::check()
{
    m_nickLamp = passportFieldCheck(m_nick->text(), FieldKind::Nick);
    m_cityLamp = passportFieldCheck(m_city->text(), FieldKind::City);
    m_nickLampLabel->setPixmap(lampPicture(m_nickLamp));
    m_cityLampLabel->setPixmap(lampPicture(m_cityLamp));
    m_ok->setEnabled(fieldsPass());
    if (fieldsPass()) {
        m_settings.passportNick = m_nick->text();
        m_settings.passportCity = m_city->text();
    }
}

void PassportDialog::done(int result)
{
    // Only a passport whose nick and city pass may be left.
    if (!fieldsPass()) {
        (m_nickLamp == Lamp::Red ? m_nick : m_city)->setFocus();
        return;
    }
    QDialog::done(result);
}

void PassportDialog::closeEvent(QCloseEvent* event)
{
    if (!fieldsPass()) {
        event->ignore();
        (m_nickLamp == Lamp::Red ? m_nick : m_city)->setFocus();
        return;
    }
    QDialog::closeEvent(event);
}

void PassportDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_settings, text(Text::Passport), m_iconFrame);
}

}  // namespace olk
