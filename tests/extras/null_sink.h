#pragma once

// What the test command's sound server (a PulseAudio null sink) hears: the
// suites that listen start a recording of the sink's monitor, play, and
// read the samples back. Everything says "nothing" where no sound server
// runs, so that those tests can skip.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace olk::testing {

// Whether a sound server answers here, with parec to record it.
inline bool soundServerRuns()
{
    if (QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        return false;
    }
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished(3000) && pactl.exitStatus() == QProcess::NormalExit &&
           pactl.exitCode() == 0;
}

// The samples of a 16-bit WAV recording, 0..1 by size; the channels are
// taken one after the other.
inline std::vector<double> levelsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    const qsizetype start = data.indexOf("data");
    std::vector<double> levels;
    for (qsizetype i = start + 8; start >= 0 && i + 1 < data.size(); i += 2) {
        levels.push_back(std::abs(qFromLittleEndian<qint16>(data.constData() + i)) / 32768.0);
    }
    return levels;
}

inline double loudestOf(const std::vector<double>& levels)
{
    return levels.empty() ? 0.0 : *std::max_element(levels.begin(), levels.end());
}

// A recording of the sink's monitor from `start` to `stop`; the caller waits
// in between as its sound needs (the recorder's own stream takes about a
// second to deliver).
class SinkRecording {
public:
    // False where nothing can be recorded.
    bool start()
    {
        m_recording = m_folder.filePath(QStringLiteral("heard.wav"));
        m_parec = std::make_unique<QProcess>();
        m_parec->start(QStringLiteral("parec"),
                       {QStringLiteral("-d"), QStringLiteral("@DEFAULT_MONITOR@"),
                        QStringLiteral("--file-format=wav"), m_recording});
        return m_parec->waitForStarted(3000);
    }

    // The samples heard since `start`; nothing when no recording came of it.
    std::optional<std::vector<double>> stop()
    {
        m_parec->terminate();
        m_parec->waitForFinished(3000);
        if (!QFile::exists(m_recording)) {
            return std::nullopt;
        }
        return levelsOf(m_recording);
    }

private:
    QTemporaryDir m_folder;
    QString m_recording;
    std::unique_ptr<QProcess> m_parec;
};

}  // namespace olk::testing
