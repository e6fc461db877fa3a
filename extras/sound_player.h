#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QThread>

#include <cstdint>
#include <optional>
#include <vector>

namespace olk {

class SoundMixer;

// Makes the effects (":/sounds/...") and the melody (":/music/MidiSong")
// readable; once is enough, more calls do nothing.
void registerSoundResources();

// The rate every sound is mixed and played at.
inline constexpr int kMixRate = 44100;

// The samples of a 16-bit PCM WAV file as mono at kMixRate (channels
// averaged, other rates resampled); nothing for anything else or for a
// damaged file. Files from outside (the voice library) pass through here.
std::optional<std::vector<std::int16_t>> decodeWav(const QByteArray& data);

// Plays the program's sound effects, the pictures' counterpart for the ear
// (":/sounds/<name>", made at build time), and the spoken card names. Every
// sound is decoded once and kept; a mixer in a thread of its own sums what
// plays into one stream to the sound device, so sounds overlap freely, start
// at once and the game can wait for one without running anything else
// meanwhile (a move's effects stay in sequence).
class SoundPlayer {
public:
    // `soundOn` is read at every play: the setting may change at any time.
    explicit SoundPlayer(const bool& soundOn);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Decodes every effect ahead and, with sound on, opens the device, so
    // that the first sound plays as quickly as the others. In the sound
    // thread; the game asks for it once its window is on the screen.
    // Without it each sound is made ready when it first plays.
    void prepare();

    // Plays effect `name` when sound is on. With `wait`, returns once it has
    // played: after its length, whatever the audio device does, so that a
    // machine without sound never hangs.
    void playEffect(const QString& name, bool wait);

    // An effect's length in milliseconds, from its data; 0 for a name that is
    // not an effect.
    static int lengthMs(const QString& name);

    // Speaks a card's name (`voiceName`, "Pi04VoiceJap") from the voice
    // library "TevCVoice3.dll", looked for in `programFolder` and then in
    // the folder above it (a resource library, records/resource_library.h);
    // whatever the sound setting says. False, and silence, when there is no
    // library or no such name.
    bool speakCard(const QString& voiceName, const QString& programFolder);

private:
    const bool& m_soundOn;
    QThread m_thread;
    SoundMixer* m_mixer = nullptr;  // lives in m_thread
};

}  // namespace olk
