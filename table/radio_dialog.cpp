#include "table/radio_dialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "extras/card_pictures.h"
#include "extras/cards_button.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

constexpr int kWidth = 340;
const QRect kRadioPicture(5, 105, 145, 90);
const QRect kLogoBox(155, 105, 180, 180);
const QRect kVolumeDisplay(39, 255, 78, 30);

}  // namespace

QString radioStatusText(Radio::Status status)
{
    switch (status) {
    case Radio::Status::Connecting:
        return text(Text::RadioConnecting);
    case Radio::Status::Playing:
        return text(Text::RadioOnAir);
    case Radio::Status::NoConnection:
        return text(Text::RadioNoConnection);
    case Radio::Status::BrokenOff:
        return text(Text::RadioBrokenOff);
    case Radio::Status::Off:
        break;
    }
    return {};
}

RadioDialog::RadioDialog(Radio& radio, const Settings& settings, const QString& programFolder,
                         QWidget* parent)
    : QDialog(parent),
      m_radio(radio),
      m_settings(settings),
      m_programFolder(programFolder),
      m_look(settings),
      m_countries(new QComboBox(this)),
      m_stations(new QComboBox(this)),
      m_down(new TevCardsButton(QStringLiteral("-"), this)),
      m_up(new TevCardsButton(QStringLiteral("+"), this)),
      m_ok(new TevCardsButton(text(Text::Ok), this)),
      m_status(new QLabel(this))
{
    setWindowTitle(text(Text::TevInternetRadio));
    // The purple design needs its picture from the graphics library; without
    // it the second grey design stands in.
    if (m_look.auxDesignPurple &&
        graphicsLibraryPicture(programFolder, QStringLiteral("GFormRadio")).isNull()) {
        m_look.auxDesignPurple = false;
        m_look.auxDesignGrey = 2;
    }
    m_design.load(m_look, programFolder, {"", "GFormRadio", "GIcon48Opt"});
    int height = 320;
    if (!m_design.purple()) {
        const int grey = m_look.auxDesignGrey;
        m_raise = grey == 1 ? 46 : grey == 3 ? 0 : 30;
        height = grey == 1 ? 279 : grey == 3 ? 325 : 295;
    }
    setFixedSize(kWidth, height);
    setPalette(m_design.palette());
    m_library = ResourceLibrary::find(QLatin1String(kRadioLibraryFile), programFolder);

    const QFont serif = familyFont(settings, FontFamily::Serif, 12);
    m_countries->setGeometry(5, 205 - m_raise, 145, 22);
    m_stations->setGeometry(5, 230 - m_raise, 145, 22);
    for (QComboBox* list : {m_countries, m_stations}) {
        list->setFont(serif);
        list->setIconSize(QSize(14, 12));
        list->setMaxVisibleItems(16);
    }
    m_down->setGeometry(5, 255 - m_raise, 30, 30);
    m_up->setGeometry(120, 255 - m_raise, 30, 30);
    m_ok->setGeometry(5, 290 - m_raise, 330, 30);
    for (TevCardsButton* button : {m_down, m_up, m_ok}) {
        button->setNata(settings.newButtons);
        button->setColorSB(m_design.purple() ? ColorSB::DCards : ColorSB::DRed);
    }
    m_down->setColorSB(m_design.purple() ? ColorSB::DCards : ColorSB::DNavy);
    m_up->setColorSB(m_design.purple() ? ColorSB::DCards : ColorSB::DNavy);
    // The volume buttons keep the focus where it is when clicked; Tab
    // reaches them.
    m_down->setFocusPolicy(Qt::TabFocus);
    m_up->setFocusPolicy(Qt::TabFocus);
    // The status line lies along the foot of the logo, inside its frame.
    const QRect logo = kLogoBox.translated(0, -m_raise);
    m_status->setGeometry(logo.left() + 15, logo.top() + 146, 150, 19);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setStyleSheet(QStringLiteral(
        "QLabel { background: rgba(0, 0, 0, 150); color: white; border-radius: 4px; }"));
    QFont small = familyFont(settings, FontFamily::Serif, 11);
    small.setBold(true);
    m_status->setFont(small);

    m_listText = readStationListText(programFolder, settings.radioListFromServer);
    for (const RadioCountry& country : radioCountries()) {
        m_countries->addItem(QPixmap::fromImage(picture(QLatin1String(country.flag))),
                             QLatin1String(country.name));
    }
    m_countries->setCurrentIndex(std::clamp(radio.state().radioCountry, 0, kRadioCountries - 1));
    fillStations();

    connect(m_countries, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_filling || index < 0) {
            return;
        }
        m_radio.state().radioCountry = index;
        fillStations();
    });
    connect(m_stations, &QComboBox::activated, this, [this](int row) { chooseStation(row); });
    connect(m_down, &QPushButton::clicked, this, [this] {
        m_radio.setVolume(std::max(0, m_radio.state().radioVolume - 10));
        update(kVolumeDisplay.translated(0, -m_raise));
    });
    connect(m_up, &QPushButton::clicked, this, [this] {
        m_radio.setVolume(std::min(100, m_radio.state().radioVolume + 10));
        update(kVolumeDisplay.translated(0, -m_raise));
    });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_radio, &Radio::statusChanged, this, [this] { showStatus(); });
    connect(&m_radio, &Radio::changed, this, [this] { update(); });
    showStatus();
    m_iconTimer.setInterval(60);
    connect(&m_iconTimer, &QTimer::timeout, this, [this] {
        m_iconFrame = (m_iconFrame + 1) % 10;
        update(QRect(35, 22, 48, 48));
    });
    if (m_design.purple()) {
        m_iconTimer.start();
    }
    m_ok->setDefault(true);
    m_ok->setFocus();
}

QImage RadioDialog::picture(const QString& name) const
{
    if (!m_library) {
        return {};
    }
    const std::optional<QByteArray> bytes = m_library->bytes(name);
    return bytes ? QImage::fromData(*bytes) : QImage();
}

void RadioDialog::fillStations()
{
    m_filling = true;
    m_stations->clear();
    const RadioState& state = m_radio.state();
    const StationChoice choice = readStationList(m_listText, state.radioCountry, state.stationName);
    const QPixmap flag = QPixmap::fromImage(picture(QLatin1String(
        radioCountries()[std::clamp(state.radioCountry, 0, kRadioCountries - 1)].flag)));
    for (const RadioStation& station : choice.stations) {
        m_stations->addItem(flag, station.name, station.key);
    }
    m_stations->setCurrentIndex(choice.selected);
    m_filling = false;
    // A country without stations leaves the station that plays as it is.
    if (choice.selectFirst) {
        chooseStation(0);
    }
    m_stations->setToolTip(m_radio.state().stationName);
    update();
}

void RadioDialog::chooseStation(int row)
{
    if (row < 0 || row >= m_stations->count()) {
        return;
    }
    selectStation(m_listText, m_stations->itemData(row).toString(), m_radio.state());
    m_radio.startStation();
    m_stations->setToolTip(m_radio.state().stationName);
    emit m_radio.changed();
    update();
}

void RadioDialog::showStatus()
{
    const QString line = radioStatusText(m_radio.status());
    // The line fits the logo's width in every language: smaller letters
    // for a longer text.
    QFont font = m_status->font();
    for (int px = 11; px >= 7; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(line) <= m_status->width() - 6) {
            break;
        }
    }
    m_status->setFont(font);
    m_status->setText(line);
    m_status->setVisible(!line.isEmpty());
}

void RadioDialog::clickRadio()
{
    m_radio.toggleRadio();
    update(kRadioPicture.translated(0, -m_raise));
}

void RadioDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton &&
        kRadioPicture.translated(0, -m_raise).contains(event->position().toPoint())) {
        clickRadio();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void RadioDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_look, text(Text::TevInternetRadio), m_iconFrame);
    const RadioState& state = m_radio.state();
    p.drawImage(
        kRadioPicture.translated(0, -m_raise),
        picture(state.radioOn ? QStringLiteral("RRADIO_MAING") : QStringLiteral("RRADIO_MAINR")));
    const QRect logo = kLogoBox.translated(0, -m_raise);
    p.drawImage(logo.topLeft(), picture(QStringLiteral("RRADIO_RAMKA")));
    QImage stationLogo = picture(state.stationLogo);
    if (stationLogo.isNull()) {
        stationLogo = picture(QStringLiteral("RRADIO_LOGO_RADIOUN"));
    }
    p.drawImage(logo.topLeft() + QPoint(15, 15), stationLogo);
    p.drawImage(kVolumeDisplay.translated(0, -m_raise),
                picture(volumePictureName(state.radioVolume)));
}

}  // namespace olk
