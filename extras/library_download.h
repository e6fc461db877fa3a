#pragma once

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryFile>
#include <QUrl>

#include <memory>



namespace olk {

// Fetches one of the program's optional files ("TevCards06A.dll", ...,
// "TevRadio.rad") from the download server, path "/downloads/progr/cards/"
// + file name, into the folder above the program's, where the program looks
// for it after its own folder.
//
// The bytes go to a temporary file in that folder; only a whole download
// that is valid (a resource library for ".dll" files) replaces the file's
// name, so a broken, partial or foreign download never leaves anything the
// loaders would read. One download at a time.
class LibraryDownload : public QObject {
    Q_OBJECT

public:
    // Larger answers are broken off: no file of the program is this big.
    static constexpr qint64 kMaxBytes = 512LL * 1024 * 1024;

    explicit LibraryDownload(QObject* parent = nullptr);
    ~LibraryDownload() override;

    // The file's address on a server: `server` + "/downloads/progr/cards/" +
    // `fileName`.
    static QUrl addressOf(const QUrl& server, const QString& fileName);

    // Whether `fileName` is in the program's folder or in the one above.
    static bool isPresent(const QString& fileName, const QString& programFolder);

    // Starts fetching; false (and nothing started) while another download
    // runs or for a file name with a path in it.
    bool start(const QUrl& server, const QString& fileName, const QString& programFolder);
    bool isRunning() const { return m_reply != nullptr; }

signals:
    // Bytes received, and the whole size (-1 while unknown).
    void progress(qint64 received, qint64 total);
    // The end: `ok` when the file now lies in the folder above the program's.
    void finished(bool ok);

private:
    void receive();
    void finish();
    void fail();

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QTemporaryFile> m_file;
    QString m_target;
    qint64 m_received = 0;
};

}  // namespace olk
