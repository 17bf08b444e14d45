// A test application folder whose data update talks to a web server on 127.0.0.1 serving
// a folder of the test's own, with helpers to publish files there and read the dictionary.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "dictionary/cleaning.h"
#include "dictionary/dictionary_session.h"
#include "dictionary/length_tables.h"
#include "editor_checks.h"
#include "maintenance/update_files.h"
#include "support/helpers.h"
#include "support/static_http_server.h"
#include "support/test_app_folder.h"

namespace vondrik::test {

class UpdateTestFolder : public ::testing::Test {
  protected:
    UpdateTestFolder() : session(app.openDictionary()), server(serverDir.path()) {
        QDir(serverDir.path()).mkpath(QStringLiteral("datenupdate"));
        writeBytes(app.file(QStringLiteral("daten/updserver.dat")),
                   server.baseUrl().toLatin1() + "\r\n");
    }

    void SetUp() override { ASSERT_TRUE(server.listening()); }

    QString served(const QString& name) const {
        return serverDir.filePath(QStringLiteral("datenupdate/") + name);
    }
    void publish(int number, const QByteArray& lines) {
        writeBytes(served(QStringLiteral("%1.upd").arg(number)), lines);
    }
    void announce(const QByteArray& index) { writeBytes(served(QStringLiteral("upd.dat")), index); }
    // Publishes updates first, first + 1, ... and announces the last of them.
    void publishFrom(int first, std::initializer_list<QByteArray> updates) {
        for (const QByteArray& lines : updates) {
            publish(first++, lines);
        }
        announce("erfolgreich " + QByteArray::number(first - 1) + "\r\nVersion 3.6\r\n");
    }

    QString host() const { return server.baseUrl().mid(7).chopped(1); }
    QString counterPath() const { return app.file(QStringLiteral("daten/anzup.sis")); }
    QByteArray counter() const { return bytesOf(counterPath()); }
    // What a run left in the daten folder of the files it downloads.
    QStringList localCopies() const {
        return QDir(app.file(QStringLiteral("daten")))
            .entryList({QStringLiteral("*.upd"), QStringLiteral("upd.dat")}, QDir::Files);
    }

    // The meanings stored for a word, in table order.
    QStringList meanings(const QString& word) {
        const QString table = QLatin1String(tableForLength(int(word.size()))->name);
        return meaningsOf(session, table, cleanLiteral(word));
    }

    TestAppFolder app;
    DictionarySession session;
    QTemporaryDir serverDir;
    StaticHttpServer server;
};

}  // namespace vondrik::test
