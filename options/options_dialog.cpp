#include "options/options_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QStackedWidget>
#include <QUrl>

#include "extras/card_pictures.h"
#include "extras/own_cursors.h"
#include "extras/salute.h"
#include "options/option_rules.h"
#include "options/options_tabs.h"
#include "records/resource_library.h"
#include "settings/fonts.h"
#include "settings/language.h"
#include "settings/word_tables.h"

namespace olk {
namespace {

constexpr int kClientWidth = 500;
constexpr int kPagesLeft = 10;
constexpr int kPagesWidth = 360;
constexpr int kRightLeft = 390;
constexpr int kRightWidth = 100;
constexpr int kTabRowHeight = 24;
constexpr int kTabsPerRow = 5;
}  // namespace

DownloadButton::DownloadButton(QString file, QWidget* parent)
    : TevCardsButton(parent), m_file(std::move(file))
{
    setText(m_file);
    setColorSB(ColorSB::DBlue);
    setGrayDis(true);
}

int OptionsDialog::clientHeight(const Settings& settings)
{
    if (settings.auxDesignPurple) {
        return 400;
    }
    switch (settings.auxDesignGrey) {
    case 1:
        return 360;
    case 3:
        return 410;
    default:
        return 375;
    }
}

OptionsDialog::OptionsDialog(const Settings& settings, OptionsEnvironment environment,
                             QWidget* parent)
    : QDialog(parent),
      m_edit(settings),
      m_environment(std::move(environment)),
      m_pages(new QStackedWidget(this)),
      m_language(new QComboBox(this)),
      m_flag(new QLabel(this)),
      m_progress(new QProgressBar(this)),
      m_ok(new TevCardsButton(this))
{
    setModal(true);
    // A fixed dialog: a title and a close button, nothing to resize.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_loading = true;
    m_tabs = {new GeneralTab(*this), new CardsTab(*this),      new DecksTab(*this),
              new GameTab(*this),    new FontsTab(*this),      new BackgroundTab(*this),
              new SaveGamesTab(*this), new DllTab(*this),      new DesignTab(*this)};
    // The selectors are one group of their own: left to themselves they
    // would count every choice on the pages among them, and Tab could then
    // no longer come to a page's radio buttons.
    auto* selectors = new QButtonGroup(this);
    for (int i = 0; i < m_tabs.size(); ++i) {
        m_pages->addWidget(m_tabs[i]);
        auto* selector = new TevCardsButton(this);
        selector->setCheckable(true);
        selectors->addButton(selector);
        selector->setColorSB(ColorSB::DNavy);
        selector->setFocusPolicy(Qt::TabFocus);
        connect(selector, &QPushButton::clicked, this, [this, i] { showTab(i); });
        m_tabButtons.append(selector);
    }
    for (int i = 0; i < kLanguageCount; ++i) {
        m_language->addItem(QString::fromUtf8(languageInfo(i).name));
    }
    connect(m_language, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_loading && index >= 0) {
            m_edit.language = index;
            commit();
        }
    });
    m_flag->setAlignment(Qt::AlignCenter);
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_ok->setColorSB(ColorSB::DRed);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (m_edit.saluteButtons) {
            playSalute(m_environment.programFolder);
        }
        accept();
    });
    connect(&m_download, &LibraryDownload::progress, this, [this](qint64 received, qint64 total) {
        m_progress->setRange(0, total > 0 ? 1000 : 0);
        if (total > 0) {
            m_progress->setValue(static_cast<int>(received * 1000 / total));
        }
    });
    connect(&m_download, &LibraryDownload::finished, this, &OptionsDialog::downloadFinished);
    m_iconTimer.setInterval(60);
    connect(&m_iconTimer, &QTimer::timeout, this, [this] {
        m_iconFrame = (m_iconFrame + 1) % 10;
        update(35, 22, 48, 48);
    });
    m_loading = false;
    showSettings(m_edit);
    showTab(0);
    m_ok->setFocus();
}

OptionsDialog::~OptionsDialog()
{
    if (m_download.isRunning()) {
        QApplication::restoreOverrideCursor();
    }
}

int OptionsDialog::tabCount() const
{
    return static_cast<int>(m_tabs.size());
}

OptionsTab* OptionsDialog::tab(int index) const
{
    return m_tabs.value(index);
}

void OptionsDialog::showTab(int index)
{
    if (index < 0 || index >= m_tabs.size()) {
        return;
    }
    m_pages->setCurrentIndex(index);
    m_tabButtons[index]->setChecked(true);
    // The page shown has a red selector; the others navy, or purple in the
    // cards look.
    const ColorSB others = m_edit.auxDesignPurple ? ColorSB::DCards : ColorSB::DNavy;
    for (int i = 0; i < m_tabButtons.size(); ++i) {
        m_tabButtons[i]->setColorSB(i == index ? ColorSB::DRed : others);
    }
}

void OptionsDialog::commit()
{
    if (m_loading) {
        return;
    }
    emit edited(m_edit);
    // The owner may have handed back a fallen-back choice meanwhile; either
    // way the dialog now shows what is chosen (its design, the states that
    // depend on other controls).
    showSettings(Settings(m_edit));
}

void OptionsDialog::showSettings(const Settings& settings)
{
    // The tabs change the edited copy before it comes back here: compare
    // with what the dialog shows.
    const int design = settings.auxDesignPurple ? 0 : settings.auxDesignGrey;
    const bool designChanged = design != m_designShown || settings.newButtons != m_nataShown;
    const bool languageChanged = settings.language != m_languageShown;
    m_designShown = design;
    m_nataShown = settings.newButtons;
    m_languageShown = settings.language;
    m_loading = true;
    m_edit = settings;
    m_language->setCurrentIndex(settings.language);
    for (OptionsTab* each : m_tabs) {
        each->load(settings);
    }
    m_loading = false;
    if (designChanged) {
        applyDesign();
    }
    if (languageChanged || designChanged) {
        retranslate();
    }
    refreshDownloads();
}

DownloadButton* OptionsDialog::addDownloadButton(int fileIndex, QWidget* parent)
{
    auto* button = new DownloadButton(downloadFile(fileIndex), parent);
    connect(button, &QPushButton::clicked, this, [this, button] { startDownload(button); });
    m_downloadButtons.append(button);
    return button;
}

void OptionsDialog::refreshDownloads()
{
    for (DownloadButton* button : m_downloadButtons) {
        const bool present =
            LibraryDownload::isPresent(button->file(), m_environment.programFolder);
        button->setEnabled(!present && !m_download.isRunning());
        button->setKLightSB(present ? 50 : 0);
        button->setToolTip(text(Text::Download) + QLatin1Char(' ') + button->file());
        button->setNata(m_edit.newButtons);
    }
    if (m_environment.downloadsRefreshed) {
        m_environment.downloadsRefreshed();
    }
}

void OptionsDialog::startDownload(DownloadButton* button)
{
    const QUrl server(m_environment.downloadServer);
    if (m_environment.downloadServer.isEmpty() ||
        !m_download.start(server, button->file(), m_environment.programFolder)) {
        if (!m_download.isRunning() && m_environment.play) {
            m_environment.play("WWrongs");
        }
        return;
    }
    QApplication::setOverrideCursor(waitCursor());
    m_progress->setRange(0, 0);
    m_progress->show();
    refreshDownloads();
}

void OptionsDialog::downloadFinished(bool ok)
{
    QApplication::restoreOverrideCursor();
    m_progress->hide();
    if (m_environment.play) {
        m_environment.play(ok ? "WToMenK" : "WWrongs");
    }
    refreshDownloads();
    // The design tab's salute checks depend on the graphics library.
    for (OptionsTab* each : m_tabs) {
        each->load(m_edit);
    }
}

void OptionsDialog::applyDesign()
{
    const bool purple = m_edit.auxDesignPurple;
    m_design.load(m_edit, m_environment.programFolder, {"Options", "GFormOpt", "GIcon48Opt"});
    const int height = clientHeight(m_edit);
    setFixedSize(kClientWidth, height);
    const int tabsTop = m_design.headerHeight() + 6;
    for (int i = 0; i < m_tabButtons.size(); ++i) {
        const int row = i / kTabsPerRow;
        const int column = i % kTabsPerRow;
        const int width = (kClientWidth - 2 * kPagesLeft) / kTabsPerRow;
        m_tabButtons[i]->setGeometry(kPagesLeft + column * width,
                                     tabsTop + row * (kTabRowHeight + 2), width - 2,
                                     kTabRowHeight);
    }
    const int pagesTop = tabsTop + 2 * (kTabRowHeight + 2) + 2;
    m_pages->setGeometry(kPagesLeft, pagesTop, kPagesWidth, height - pagesTop - 10);
    m_language->setGeometry(kRightLeft, pagesTop, kRightWidth, 24);
    m_flag->setGeometry(kRightLeft, pagesTop + 30, kRightWidth, 68);
    m_ok->setGeometry(kRightLeft, height - 45, 90, 30);
    m_progress->setGeometry(kRightLeft, height - 70, kRightWidth, 14);

    setPalette(m_design.palette());
    setAutoFillBackground(false);
    if (purple) {
        m_iconTimer.start();
    } else {
        m_iconTimer.stop();
    }
    for (TevCardsButton* button : findChildren<TevCardsButton*>()) {
        button->setNata(m_edit.newButtons);
        if (purple && !qobject_cast<DownloadButton*>(button)) {
            button->setColorSB(ColorSB::DCards);
        }
    }
    if (!purple) {
        m_ok->setColorSB(ColorSB::DRed);
    }
    showTab(m_pages->currentIndex());
    update();
}

void OptionsDialog::retranslate()
{
    setWindowTitle(text(Text::Options));
    for (int i = 0; i < m_tabs.size(); ++i) {
        m_tabs[i]->retranslate();
        m_tabButtons[i]->setText(m_tabs[i]->title());
    }
    const QFont buttonFont = familyFont(m_edit, FontFamily::Decor, 13);
    for (TevCardsButton* button : findChildren<TevCardsButton*>()) {
        button->setFont(buttonFont);
    }
    m_ok->setText(text(Text::Ok));
    const QImage flag = builtInPicture(QString::fromLatin1(languageInfo(m_edit.language).flag));
    m_flag->setPixmap(QPixmap::fromImage(flag));
    // The header's lettering is in the language in use.
    m_design.load(m_edit, m_environment.programFolder, {"Options", "GFormOpt", "GIcon48Opt"});
    refreshDownloads();
    update();
}

void OptionsDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_design.paint(p, width(), height(), m_edit, text(Text::Options), m_iconFrame);
}

void OptionsDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void OptionsDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the dialog like "Ok": every change is already made.
    if (event->key() == Qt::Key_Escape) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace olk
