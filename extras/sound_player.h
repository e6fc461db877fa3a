#pragma once

#include <QHash>
#include <QString>
#include <QThread>

namespace olk {

class EffectVoices;

// Makes the effects (":/sounds/...") and the melody (":/music/MidiSong")
// readable; once is enough, more calls do nothing.
void registerSoundResources();

// Plays the program's sound effects, the pictures' counterpart for the ear
// (":/sounds/<name>", made at build time). Each effect is decoded once, the
// first time, and kept; playing happens in a thread of its own, so the game
// can wait for a sound without running anything else meanwhile (a move's
// effects stay in sequence).
class SoundPlayer {
public:
    // `soundOn` is read at every play: the setting may change at any time.
    explicit SoundPlayer(const bool& soundOn);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Plays effect `name` when sound is on. With `wait`, returns once it has
    // played: after its length, whatever the audio device does, so that a
    // machine without sound never hangs.
    void playEffect(const QString& name, bool wait);

    // An effect's length in milliseconds, from its data; 0 for a name that is
    // not an effect.
    static int lengthMs(const QString& name);

    // Speaks a card's name (`voiceName`, "Pi04VoiceJap") from the voice
    // library "TevCVoice3.dll", looked for in `programFolder` and then in
    // the folder above it; whatever the sound setting says. False, and
    // silence, when there is no library or no such name.
    bool speakCard(const QString& voiceName, const QString& programFolder);

private:
    const bool& m_soundOn;
    QThread m_thread;
    EffectVoices* m_voices = nullptr;  // lives in m_thread
    QString m_voiceLibrary;            // registered under ":/voice"
};

}  // namespace olk
