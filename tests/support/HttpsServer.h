// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

// A small HTTPS server in the test's own process, on 127.0.0.1 with a certificate made for this run: the web
// calendars are fetched from it as from any server, trusting its certificate through their own seam.
class HttpsServer : public QObject
{
public:
    struct Answer
    {
        using Headers = QList<QPair<QByteArray, QByteArray>>;
        Answer(int status = 200, const QByteArray& body = {}, const Headers& headers = {}, bool endless = false,
               bool silent = false)
            : status(status), body(body), headers(headers), endless(endless), silent(silent)
        {
        }
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        bool endless = false; // the body never ends: a calendar's start, then lines for ever
        bool silent = false;  // the request is never answered
    };
    struct Request
    {
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
    };
    std::function<Answer(const Request&)> answer;
    QList<Request> requests;

    // An empty text once listening; else why not (no openssl, no TLS): the test is skipped with it.
    QString start()
    {
        // The server is on this machine: a proxy the session names is not for it.
        for (const char* variable : {"https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(variable);
        if (!QSslSocket::supportsSsl())
            return QStringLiteral("no TLS library for Qt Network");
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (openssl.isEmpty())
            return QStringLiteral("openssl is not installed: no certificate for the test server");
        const QString key = m_dir.filePath(QStringLiteral("key.pem"));
        const QString certificate = m_dir.filePath(QStringLiteral("certificate.pem"));
        QProcess make;
        make.start(openssl, {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                             QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                             QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost"),
                             QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1,DNS:localhost"),
                             QStringLiteral("-keyout"), key, QStringLiteral("-out"), certificate});
        if (!make.waitForFinished(60000) || make.exitCode() != 0)
            return QStringLiteral("openssl made no certificate: ") +
                   QString::fromLocal8Bit(make.readAllStandardError());
        QFile keyFile(key);
        if (!keyFile.open(QIODevice::ReadOnly))
            return QStringLiteral("no key");
        ca = QSslCertificate::fromPath(certificate);
        if (ca.isEmpty())
            return QStringLiteral("no certificate");
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setLocalCertificate(ca.first());
        ssl.setPrivateKey(QSslKey(&keyFile, QSsl::Rsa));
        ssl.setPeerVerifyMode(QSslSocket::VerifyNone);
        m_server.setSslConfiguration(ssl);
        m_server.setHandshakeTimeout(5000);
        QObject::connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, [this] { take(); });
        if (!m_server.listen(QHostAddress::LocalHost, m_port))
            return QStringLiteral("cannot listen: ") + m_server.errorString();
        m_port = m_server.serverPort();
        return QString();
    }

    // The server goes: nothing listens on its port any more.
    void stop()
    {
        m_server.close();
        for (const QPointer<QSslSocket>& socket : std::as_const(m_sockets))
            if (socket)
                socket->abort();
    }
    // Listens again on the same port.
    bool restart() { return m_server.listen(QHostAddress::LocalHost, m_port); }

    QString url(const QString& path) const { return QStringLiteral("https://127.0.0.1:%1%2").arg(m_port).arg(path); }
    quint16 port() const { return m_port; }

    QList<QSslCertificate> ca;

private:
    void take()
    {
        while (m_server.hasPendingConnections()) {
            auto* socket = qobject_cast<QSslSocket*>(m_server.nextPendingConnection());
            if (!socket)
                continue;
            socket->setParent(this);
            m_sockets.append(socket);
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QSslSocket::readyRead, this, [this, socket, buffer] {
                *buffer += socket->readAll();
                const qsizetype end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                Request request;
                const QList<QByteArray> lines = buffer->left(end).split('\n');
                const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
                request.path = first.value(1);
                for (qsizetype i = 1; i < lines.size(); ++i) {
                    const qsizetype colon = lines[i].indexOf(':');
                    if (colon > 0)
                        request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                               lines[i].mid(colon + 1).trimmed());
                }
                buffer->clear();
                requests.append(request);
                respond(socket, answer ? answer(request) : Answer{404, {}, {}, false, false});
            });
            QObject::connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void respond(QSslSocket* socket, const Answer& answer)
    {
        if (answer.silent)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " Answer\r\nConnection: close\r\n";
        for (const auto& [name, value] : answer.headers)
            head += name + ": " + value + "\r\n";
        if (!answer.endless)
            head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        socket->write(head + "\r\n" + answer.body);
        if (!answer.endless) {
            socket->disconnectFromHost();
            return;
        }
        socket->write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n");
        auto* pump = new QTimer(socket);
        QObject::connect(pump, &QTimer::timeout, socket, [socket] {
            if (socket->encryptedBytesToWrite() + socket->bytesToWrite() < 256 * 1024)
                socket->write(QByteArray(16 * 1024, 'x').append("\r\n"));
        });
        pump->start(1);
    }

    QTemporaryDir m_dir;
    QSslServer m_server;
    quint16 m_port = 0;
    QList<QPointer<QSslSocket>> m_sockets;
};
