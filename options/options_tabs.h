#pragma once

// The nine pages of the options dialog. Each sets its controls from the
// settings (`load`, without effects), writes a change into the dialog's
// edited copy and commits it, and sets its texts in the language in use.

#include <QImage>
#include <QList>
#include <QWidget>

#include "extras/card_looks.h"
#include "settings/settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace olk {

class OptionsDialog;
class TevCardsButton;
class DownloadButton;

class OptionsTab : public QWidget {
    Q_OBJECT

public:
    explicit OptionsTab(OptionsDialog& dialog);
    virtual void load(const Settings& settings) = 0;
    virtual void retranslate() = 0;
    // The caption of its selector.
    virtual QString title() const = 0;

protected:
    // The edited copy, or nullptr while the controls are being loaded (a
    // control that changes then must not act).
    Settings* edit();
    void commit();
    OptionsDialog& m_dialog;
};

class GeneralTab : public OptionsTab {
    Q_OBJECT
public:
    explicit GeneralTab(OptionsDialog& dialog);
    void load(const Settings& settings) override;
    void retranslate() override;
    QString title() const override;

    QComboBox* windowSizeList() const { return m_windowSize; }
    QCheckBox* multiplayer() const { return m_multiplayer; }
    QCheckBox* sound() const { return m_sound; }
    QCheckBox* music() const { return m_music; }
    QCheckBox* gifAnimation() const { return m_gif; }
    QCheckBox* flyingCards() const { return m_fly; }
    QCheckBox* ownCursor() const { return m_cursor; }
    QCheckBox* newButtons() const { return m_newButtons; }
    QCheckBox* sendStatistics() const { return m_statistics; }
    TevCardsButton* speedButton() const { return m_speed; }
    TevCardsButton* passportButton() const { return m_passport; }

private:
    QList<int> m_sizes;
    QComboBox* m_windowSize;
    QCheckBox* m_multiplayer;
    QCheckBox* m_statistics;
    QGroupBox* m_multimedia;
    QCheckBox* m_sound;
    QCheckBox* m_music;
    QCheckBox* m_gif;
    QCheckBox* m_fly;
    QCheckBox* m_cursor;
    QCheckBox* m_newButtons;
    TevCardsButton* m_speed;
    TevCardsButton* m_passport;
};

// Up to four small card pictures side by side, 63 pixels apart, each a
// little over the one before.
class CardSamples : public QWidget {
    Q_OBJECT
public:
    explicit CardSamples(QWidget* parent);
    void setPictures(QList<QImage> pictures);
    const QList<QImage>& pictures() const { return m_pictures; }
    // The class the samples are taken from for this widget's screen: the
    // large pictures where a logical pixel has more than one device pixel.
    DrawingClass samplesClass() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QImage> m_pictures;
    QList<QImage> m_shown;  // resampled to the screen's pixels, once

};

class CardsTab : public OptionsTab {
    Q_OBJECT
public:
    explicit CardsTab(OptionsDialog& dialog);
    void load(const Settings& settings) override;
    void retranslate() override;
    QString title() const override;
    QListWidget* setList() const { return m_sets; }
    CardSamples* samples() const { return m_samples; }

private:
    QListWidget* m_sets;
    CardSamples* m_samples;
    int m_shownSet = -1;
};

class DecksTab : public OptionsTab {
    Q_OBJECT
public:
    explicit DecksTab(OptionsDialog& dialog);
    void load(const Settings& settings) override;
    void retranslate() override;
    QString title() const override;
    QListWidget* deckList() const { return m_decks; }
    QRadioButton* mode(int index) const { return m_modes[index]; }

private:
    QListWidget* m_decks;
    QGroupBox* m_modification;
    QRadioButton* m_modes[3];
    QButtonGroup* m_modeGroup;
    CardSamples* m_samples;
    int m_shownDeck = -1;
};

// The small pictures the "Cards" and "Decks" tabs show: four faces of a card
// set, two backs of a deck, from the program or its library (restored as the
// table shows them); a picture that cannot be read is left out.
QList<QImage> sampleFaces(int cardSet, const QString& programFolder,
                          DrawingClass drawingClass = DrawingClass::Small);
QList<QImage> sampleBacks(int deckIndex, const QString& programFolder,
                          DrawingClass drawingClass = DrawingClass::Small);

class GameTab : public OptionsTab {
    Q_OBJECT
public:
    explicit GameTab(OptionsDialog& dialog);
    void load(const Settings& settings) override;
    void retranslate() override;
    QString title() const override;
    QCheckBox* threeOfAKind() const { return m_threeOfAKind; }
    QCheckBox* punishKnocker() const { return m_punish; }

private:
    QGroupBox* m_minor;
    QCheckBox* m_threeOfAKind;
    QCheckBox* m_punish;
};

class FontsTab : public OptionsTab {
    Q_OBJECT
public:
    explicit FontsTab(OptionsDialog& dialog);
    void load(const Settings& settings) override;
    void retranslate() override;
    QString title() const override;
    QComboBox* familyList() const { return m_family; }
    QComboBox* fontList() const { return m_font; }
    QSpinBox* scale() const { return m_scale; }
    TevCardsButton* defaultButton() const { return m_default; }

private:
    void showFamily();
    QComboBox* m_family;
    QComboBox* m_font;
    int m_familyShown = 0;
    QLabel* m_scaleLabel;
    QSpinBox* m_scale;
    TevCardsButton* m_default;
    QLabel* m_note;
};

class BackgroundTab : public OptionsTab {
    Q_OBJECT
public:
    explicit BackgroundTab(OptionsDialog& dialog);
    void load(const Settings& settings) override;
    void retranslate() override;
    QString title() const override;
    QListWidget* backgroundList() const { return m_backgrounds; }
    QListWidget* colourList() const { return m_colours; }

private:
    QGroupBox* m_group;
    QListWidget* m_backgrounds;
    QListWidget* m_colours;
};

class SaveGamesTab : public OptionsTab {
    Q_OBJECT
public:
    explicit SaveGamesTab(OptionsDialog& dialog);
    void load(const Settings& settings) override;
    void retranslate() override;
    QString title() const override;
    QCheckBox* saveAsGif() const { return m_save; }
    QComboBox* area() const { return m_area; }
    QSpinBox* delay() const { return m_delay; }

private:
    QCheckBox* m_save;
    QComboBox* m_area;
    QLabel* m_delayLabel;
    QSpinBox* m_delay;
};

class DllTab : public OptionsTab {
    Q_OBJECT
public:
    explicit DllTab(OptionsDialog& dialog);
    void load(const Settings& settings) override;
    void retranslate() override;
    QString title() const override;
    QRadioButton* fromServer() const { return m_fromServer; }

private:
    QGroupBox* m_radioGroup;
    QRadioButton* m_fromServer;
    QRadioButton* m_fromDisk;
};

class DesignTab : public OptionsTab {
    Q_OBJECT
public:
    explicit DesignTab(OptionsDialog& dialog);
    void load(const Settings& settings) override;
    void retranslate() override;
    QString title() const override;
    QComboBox* menuDesign() const { return m_menu; }
    QComboBox* tableDesign() const { return m_table; }
    QComboBox* auxDesign() const { return m_aux; }
    QCheckBox* saluteButtons() const { return m_saluteButtons; }
    QCheckBox* saluteCards() const { return m_saluteCards; }

private:
    QLabel* m_menuLabel;
    QComboBox* m_menu;
    QLabel* m_tableLabel;
    QComboBox* m_table;
    QLabel* m_auxLabel;
    QComboBox* m_aux;
    QGroupBox* m_salute;
    QCheckBox* m_saluteButtons;
    QCheckBox* m_saluteCards;
};

}  // namespace olk
