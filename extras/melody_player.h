#pragma once

#include <QString>
#include <QThread>

#include <cstdint>
#include <vector>

namespace olk {

class MelodyVoice;

// Plays the background melody ":/music/MidiSong" with FluidSynth and the
// system's General MIDI sound font, round and round until it is stopped.
// The melody is played from memory: no file is written for it.
//
// Everything slow (reading the sound font, opening the audio device) happens
// in a thread of its own, so starting the melody costs the game nothing.
// Without a sound font or an audio device the melody is silent and nothing
// else happens.
class MelodyPlayer {
public:
    MelodyPlayer();
    ~MelodyPlayer();
    MelodyPlayer(const MelodyPlayer&) = delete;
    MelodyPlayer& operator=(const MelodyPlayer&) = delete;

    // Starts the melody from its beginning, or stops it. Starting it while it
    // plays, or stopping it while it is still, changes nothing.
    void music(bool on);

    // Whether the melody was last started and not stopped since (whether it
    // is heard depends on the sound font and the device).
    bool isOn() const { return m_on; }

    // The General MIDI sound font the melody is played with: the system's
    // default one, else a known Debian one; empty when there is none.
    static QString soundFont();

    // The first `seconds` of the melody exactly as the player synthesises it,
    // without a device: interleaved stereo at 44100 Hz. Empty without a sound
    // font.
    static std::vector<std::int16_t> render(double seconds);

private:
    QThread m_thread;
    MelodyVoice* m_voice = nullptr;  // lives in m_thread
    bool m_on = false;
};

}  // namespace olk
