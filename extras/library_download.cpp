#include "extras/library_download.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <cstdio>

#include "records/resource_library.h"

namespace olk {

LibraryDownload::LibraryDownload(QObject* parent) : QObject(parent) {}

LibraryDownload::~LibraryDownload()
{
    if (m_reply != nullptr) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

QUrl LibraryDownload::addressOf(const QUrl& server, const QString& fileName)
{
    QUrl url = server;
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    url.setPath(path + QStringLiteral("/downloads/progr/cards/") + fileName);
    return url;
}

bool LibraryDownload::isPresent(const QString& fileName, const QString& programFolder)
{
    const QStringList paths = ResourceLibrary::searchPaths(fileName, programFolder);
    return std::any_of(paths.begin(), paths.end(),
                       [](const QString& path) { return QFileInfo(path).isFile(); });
}

bool LibraryDownload::start(const QUrl& server, const QString& fileName,
                            const QString& programFolder)
{
    if (m_reply != nullptr || fileName.isEmpty() || fileName.contains(QLatin1Char('/')) ||
        fileName.startsWith(QLatin1Char('.'))) {
        return false;
    }
    const QString parent = QDir(programFolder).absoluteFilePath(QStringLiteral(".."));
    m_target = QDir(parent).filePath(fileName);
    m_file = std::make_unique<QTemporaryFile>(m_target + QStringLiteral(".XXXXXX"));
    if (!m_file->open()) {
        m_file.reset();
        return false;
    }
    m_received = 0;
    QNetworkRequest request(addressOf(server, fileName));
    request.setTransferTimeout(30000);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &LibraryDownload::receive);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &LibraryDownload::progress);
    connect(m_reply, &QNetworkReply::finished, this, &LibraryDownload::finish);
    return true;
}

void LibraryDownload::receive()
{
    if (m_reply == nullptr || m_file == nullptr) {
        return;
    }
    // Anything but the file itself (an error page) is neither kept nor read
    // on: the download ends here.
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray bytes = status == 200 ? m_reply->readAll() : QByteArray();
    m_received += bytes.size();
    if (status != 200 || m_received > kMaxBytes || m_file->write(bytes) != bytes.size()) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        fail();
    }
}

void LibraryDownload::finish()
{
    if (m_reply == nullptr) {
        return;
    }
    receive();
    if (m_reply == nullptr) {
        return;  // broken off while reading the rest
    }
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A server that promised more than it sent ends without an error on some
    // connections: the length is checked as well.
    const QVariant promised = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = reply->error() == QNetworkReply::NoError && status == 200 &&
                       (!promised.isValid() || promised.toLongLong() == m_received);
    if (!whole || !m_file->flush()) {
        fail();
        return;
    }
    // A library must be one the program can read; anything else is kept
    // only when it is not empty.
    const bool library = m_target.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive);
    if ((library && !ResourceLibrary::open(m_file->fileName())) || (!library && m_received == 0)) {
        fail();
        return;
    }
    // The whole file takes the name at once (rename replaces atomically).
    m_file->close();
    if (std::rename(QFile::encodeName(m_file->fileName()).constData(),
                    QFile::encodeName(m_target).constData()) != 0) {
        fail();
        return;
    }
    m_file->setAutoRemove(false);
    m_file.reset();
    emit finished(true);
}

void LibraryDownload::fail()
{
    m_reply = nullptr;
    m_file.reset();  // the temporary file goes with it
    emit finished(false);
}

}  // namespace olk
