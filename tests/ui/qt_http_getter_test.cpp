// The real HTTP getter against a small server on 127.0.0.1 run by the test itself.
#include "ui/qt_http_getter.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>

namespace vondrik {
namespace {

// Answers each request with a fixed status and body, or never answers at all.
class LocalServer {
  public:
    LocalServer(int status, QByteArray body, bool answers = true)
        : status_(status), body_(std::move(body)), answers_(answers) {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
        listening_ = server_.listen(QHostAddress::LocalHost);
    }

    bool listening() const { return listening_; }
    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }
    const QList<QByteArray>& requests() const { return requests_; }

  private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                *buffer += socket->readAll();
                if (buffer->contains("\r\n\r\n")) {
                    requests_.append(*buffer);
                    buffer->clear();
                    if (answers_) {
                        answer(socket);
                    }
                }
            });
        }
    }

    void answer(QTcpSocket* socket) {
        const QByteArray reason = status_ == 200 ? "OK" : "Not Found";
        socket->write("HTTP/1.1 " + QByteArray::number(status_) + " " + reason + "\r\n" +
                      "Content-Length: " + QByteArray::number(body_.size()) + "\r\n" +
                      "Connection: close\r\n\r\n" + body_);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    int status_;
    QByteArray body_;
    bool answers_;
    bool listening_ = false;
    QList<QByteArray> requests_;
};

// Update files change on the server, so every call must reach it: nothing is cached.
TEST(QtHttpGetter, ReturnsTheBodyAndAsksTheServerEveryTime) {
    const QByteArray body("3\r\n\xE4nderung\r\n", 13);
    LocalServer server(200, body);
    ASSERT_TRUE(server.listening());
    QtHttpGetter http;

    EXPECT_EQ(http.get(server.url("/datenupdate/upd.dat"), 5000), body);
    EXPECT_EQ(http.get(server.url("/datenupdate/upd.dat"), 5000), body);
    ASSERT_EQ(server.requests().size(), 2);
    const QByteArray& request = server.requests().at(0);
    EXPECT_TRUE(request.startsWith("GET /datenupdate/upd.dat HTTP/1.1\r\n"));
    EXPECT_TRUE(request.contains("Cache-Control: no-cache")) << request.toStdString();
}

TEST(QtHttpGetter, NotFoundOrARefusedConnectionGivesEmpty) {
    QtHttpGetter http;
    QUrl refused;
    {
        LocalServer server(404, "<html>nicht gefunden</html>");
        ASSERT_TRUE(server.listening());
        EXPECT_EQ(http.get(server.url("/99.upd"), 5000), QByteArray());
        EXPECT_EQ(server.requests().size(), 1);
        refused = server.url("/upd.dat");
    }
    EXPECT_EQ(http.get(refused, 5000), QByteArray());
}

TEST(QtHttpGetter, ServerThatNeverAnswersTimesOutEmpty) {
    LocalServer server(200, "zu spät", false);
    ASSERT_TRUE(server.listening());
    QtHttpGetter http;
    EXPECT_EQ(http.get(server.url("/upd.dat"), 300), QByteArray());
    // The server saw the request, so the wait ran while events were processed.
    EXPECT_EQ(server.requests().size(), 1);
}

}  // namespace
}  // namespace vondrik
