// How quickly the game is heard, measured at the sound server: the time from
// `playEffect` to the effect's first samples on the default sink, and from
// starting the melody to its first notes.
//   effect latency (median of 20)   goal: under 30 ms
//
// The sink's monitor is recorded with parec in 2 ms fragments, each stamped
// when it arrives; the result is therefore an upper bound, the recorder's own
// delay included. Needs a running sound server (bench/sound_bench.sh starts
// a private one with a null sink).

#include <QGuiApplication>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "extras/melody_player.h"
#include "extras/sound_player.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRate = 44100;
constexpr int kLoud = 330;  // -40 dBFS: the first sample that counts as heard

// Records the default sink's monitor and notes when the first loud fragment
// after a given moment arrived.
class Listener {
public:
    Listener()
    {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        const char* const arguments[] = {"parec",          "-d",          "@DEFAULT_MONITOR@",
                                         "--raw",          "--format=s16le", "--channels=1",
                                         "--rate=44100",   "--latency-msec=2", nullptr};
        const bool started = posix_spawnp(&m_parec, "parec", &actions, nullptr,
                                          const_cast<char* const*>(arguments), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        if (!started) {
            close(pipeEnds[0]);
            m_parec = -1;
            return;
        }
        m_input = pipeEnds[0];
        m_reader = std::thread([this] { read(); });
    }

    ~Listener()
    {
        if (m_parec > 0) {
            kill(m_parec, SIGTERM);
            m_reader.join();
            waitpid(m_parec, nullptr, 0);
            close(m_input);
        }
    }

    bool works() const { return m_parec > 0; }

    // Milliseconds from `since` to the first loud fragment after it; -1 when
    // nothing is heard within `timeoutMs`.
    double heardAfter(Clock::time_point since, int timeoutMs)
    {
        const Clock::time_point end = since + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < end) {
            {
                const std::lock_guard lock(m_mutex);
                for (Clock::time_point loud : m_loud) {
                    if (loud >= since) {
                        return std::chrono::duration<double, std::milli>(loud - since).count();
                    }
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return -1;
    }

private:
    void read()
    {
        std::vector<std::int16_t> block(88);  // 2 ms
        for (;;) {
            const ssize_t bytes = ::read(m_input, block.data(), block.size() * sizeof(std::int16_t));
            if (bytes <= 0) {
                break;  // the recorder ended
            }
            const auto got = static_cast<std::size_t>(bytes) / sizeof(std::int16_t);
            const Clock::time_point now = Clock::now();
            const bool loud = std::any_of(block.begin(), block.begin() + static_cast<long>(got),
                                          [](std::int16_t s) { return std::abs(s) > kLoud; });
            if (loud) {
                const std::lock_guard lock(m_mutex);
                m_loud.push_back(now);
            }
        }
    }

    pid_t m_parec = -1;
    int m_input = -1;
    std::thread m_reader;
    std::mutex m_mutex;
    std::vector<Clock::time_point> m_loud;
};

// The effect's own quiet lead-in before its onset, which is part of the
// sound and not of the delay.
double leadInMs(const char* effect)
{
    QFile file(QStringLiteral(":/sounds/") + QString::fromLatin1(effect));
    const auto samples = file.open(QIODevice::ReadOnly) ? olk::decodeWav(file.readAll())
                                                        : std::nullopt;
    if (!samples) {
        return 0;
    }
    const auto onset = std::find_if(samples->begin(), samples->end(),
                                    [](std::int16_t s) { return std::abs(s) > kLoud; });
    return static_cast<double>(onset - samples->begin()) * 1000.0 / olk::kMixRate;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    Listener listener;
    if (!listener.works()) {
        std::fprintf(stderr, "sound_bench: parec cannot record here\n");
        return 2;
    }
    QThread::msleep(2000);  // the recorder settles
    bool soundOn = true;
    olk::SoundPlayer sound(soundOn);
    sound.prepare();
    QThread::msleep(1000);  // the effects are decoded and the device opened meanwhile

    const char* effect = "WHodsDo";
    const double lead = leadInMs(effect);
    const Clock::time_point first = Clock::now();
    sound.playEffect(QString::fromLatin1(effect), false);
    std::printf("first effect after start: %.1f ms\n",
                std::max(0.0, listener.heardAfter(first, 2000) - lead));
    std::vector<double> latencies;
    for (int trial = 0; trial < 20; ++trial) {
        QThread::msleep(600);  // the last one has faded
        const Clock::time_point start = Clock::now();
        sound.playEffect(QString::fromLatin1(effect), false);
        const double heard = listener.heardAfter(start, 1000);
        if (std::getenv("OLK_BENCH_VERBOSE") != nullptr) {
            std::printf("trial %d: %.1f ms\n", trial, heard);
        }
        if (heard >= 0) {
            latencies.push_back(std::max(0.0, heard - lead));
        }
    }
    if (latencies.empty()) {
        std::fprintf(stderr, "sound_bench: no effect was heard\n");
        return 1;
    }
    std::printf("effect to first samples: %.1f ms median, %.1f ms worst of %zu "
                "(goal: under 30 ms)\n",
                median(latencies), *std::max_element(latencies.begin(), latencies.end()),
                latencies.size());

    olk::MelodyPlayer melody;
    QThread::msleep(600);
    const Clock::time_point start = Clock::now();
    melody.music(true);
    const double melodyMs = listener.heardAfter(start, 5000);
    std::printf("melody to first notes, sound font read included: %.0f ms\n", melodyMs);
    melody.music(false);
    return 0;
}
