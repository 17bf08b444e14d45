// A web server on 127.0.0.1 for tests: a GET answers with the file of that path below the
// server's folder, or 404. It runs on the test's thread; the HTTP getter's waiting loop
// lets it answer.
#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <memory>

namespace vondrik::test {

class StaticHttpServer {
  public:
    explicit StaticHttpServer(QString root) : root_(std::move(root)) {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
        server_.listen(QHostAddress::LocalHost);
    }

    bool listening() const { return server_.isListening(); }
    QString baseUrl() const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort());
    }
    // The paths asked for, in order ("/datenupdate/upd.dat").
    const QStringList& requested() const { return requested_; }
    void forget() { requested_.clear(); }

  private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                *buffer += socket->readAll();
                if (buffer->contains("\r\n\r\n")) {
                    answer(socket, buffer->split(' ').value(1));
                    buffer->clear();
                }
            });
        }
    }

    void answer(QTcpSocket* socket, const QByteArray& target) {
        const QString path = QUrl::fromPercentEncoding(target);
        requested_ << path;
        QFile file(QDir(root_).filePath(path.mid(1)));
        const bool found = !path.contains(u"..") && file.open(QIODevice::ReadOnly);
        const QByteArray body = found ? file.readAll() : QByteArray("nicht gefunden");
        socket->write((found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                      ("Content-Length: " + QByteArray::number(body.size())) +
                      "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QString root_;
    QTcpServer server_;
    QStringList requested_;
};

}  // namespace vondrik::test
