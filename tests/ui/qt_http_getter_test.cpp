// The real HTTP getter against a small server on 127.0.0.1 run by the test itself.
#include "ui/qt_http_getter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/helpers.h"
#include "support/static_http_server.h"

namespace vondrik {
namespace {

// Update files change on the server, so every call must reach it: nothing is cached.
TEST(QtHttpGetter, ReturnsTheBodyEveryTimeAndEmptyForNotFoundOrRefused) {
    QTemporaryDir root;
    const QByteArray body("3\r\n\xE4nderung\r\n", 13);
    test::writeBytes(root.filePath("datenupdate/upd.dat"), body);
    QtHttpGetter http;
    QUrl refused;
    {
        test::StaticHttpServer server(root.path());
        ASSERT_TRUE(server.listening());
        const QUrl url(server.baseUrl() + "datenupdate/upd.dat");
        EXPECT_EQ(http.get(url, 5000), body);
        EXPECT_EQ(http.get(url, 5000), body);
        EXPECT_EQ(http.get(QUrl(server.baseUrl() + "99.upd"), 5000), QByteArray());
        EXPECT_EQ(server.requested(),
                  QStringList({"/datenupdate/upd.dat", "/datenupdate/upd.dat", "/99.upd"}));
        refused = url;
    }
    EXPECT_EQ(http.get(refused, 5000), QByteArray());
}

TEST(QtHttpGetter, ServerThatNeverAnswersTimesOutEmpty) {
    QTcpServer silent;  // takes the connection and never says a word
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/upd.dat").arg(silent.serverPort()));
    EXPECT_EQ(QtHttpGetter().get(url, 300), QByteArray());
}

}  // namespace
}  // namespace vondrik
