// The update publisher: the server layout it writes, the lines it refuses, and a round trip
// from a TSV file through the publishing program, a web server and the program's update
// run into the dictionary.
#include "publisher/update_publisher.h"

#include <QProcess>

#include "maintenance/data_update.h"
#include "support/qt_printers.h"
#include "ui/qt_http_getter.h"
#include "update_test_folder.h"

namespace vondrik::test {
namespace {

using publisher::publishUpdate;

class PublisherTest : public UpdateTestFolder {
  protected:
    QString root() const { return serverDir.path(); }
};

TEST_F(PublisherTest, WritesTheNextUpdateAndItsIndexRefusingWhatCannotBePublished) {
    const QByteArray tsv =
        "Ölfass\tBehälter für Öl\n"
        "ohne Tabulator\n"
        "\n"
        "X\tzu kurz\n"
        "Sechzehnbuchstab\tzu lang\n"
        "  O'Neill\tIrischer Name  \n"
        "Flumbo\t" +
        QByteArray(101, 'm') +
        "\n"
        "Zwei\tTabs\tin einer Zeile\n"
        "Rubel\tWährung, ₽\n";
    publisher::PublishResult result = publishUpdate(root(), tsv);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.number, 1);
    EXPECT_EQ(result.published, 2);
    EXPECT_EQ(
        result.refused,
        QStringList(
            {"Zeile 2: kein TAB zwischen Wort und Bedeutung: ohne Tabulator",
             "Zeile 4: Wort nicht 2 bis 15 Zeichen lang: X\tzu kurz",
             "Zeile 5: Wort nicht 2 bis 15 Zeichen lang: Sechzehnbuchstab\tzu lang",
             "Zeile 7: Bedeutung länger als 100 Zeichen: Flumbo\t" + QString(101, u'm'),
             "Zeile 8: mehr als ein TAB: Zwei\tTabs\tin einer Zeile",
             "Zeile 9: Zeichen außerhalb des Zeichensatzes Windows-1252: Rubel\tWährung, ₽"}));
    EXPECT_EQ(bytesOf(served("1.upd")),
              "\xD6lfass\tBeh\xE4lter f\xFCr \xD6l\r\n"
              "O'Neill\tIrischer Name\r\n");
    EXPECT_EQ(bytesOf(served("upd.dat")), "erfolgreich 1\r\nVersion 3.6\r\n");

    // Code page 1252 input too, and a new version line.
    ASSERT_TRUE(publishUpdate(root(), "Quorx\tF\xFCnf\r\n").ok);
    EXPECT_EQ(bytesOf(served("2.upd")), "Quorx\tF\xFCnf\r\n");
    // Saved again by hand in UTF-8 with LF line ends, as the update run reads it too: its entry
    // still counts as published.
    writeBytes(served("2.upd"), "Quorx\tF\xC3\xBCnf\n");
    EXPECT_EQ(publishUpdate(root(), "Zyxel\tDrei\n", "Version 3.7").number, 3);
    EXPECT_EQ(bytesOf(served("upd.dat")), "erfolgreich 3\r\nVersion 3.7\r\n");

    // A line twice in one input, or one an earlier update carries, would be inserted twice.
    result = publishUpdate(root(), "Zyxel\tDrei\r\nNeu\tEins\nNeu\tEins\rQuorx\tF\xFCnf\n");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.number, 4);
    EXPECT_EQ(result.refused,
              QStringList({"Zeile 1: schon in Update 3 veröffentlicht: Zyxel\tDrei",
                           "Zeile 3: doppelt, wie Zeile 2: Neu\tEins",
                           "Zeile 4: schon in Update 2 veröffentlicht: Quorx\tFünf"}));
    EXPECT_EQ(bytesOf(served("4.upd")), "Neu\tEins\r\n");

    // Nothing to publish, or an index that was lost: nothing is written.
    EXPECT_FALSE(publishUpdate(root(), "kein Eintrag\n").ok);
    QFile::remove(served("upd.dat"));
    result = publishUpdate(root(), "Zyxel\tVier\n");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("upd.dat fehlt")) << result.error.toStdString();
    EXPECT_EQ(QDir(root() + "/datenupdate").entryList(QDir::Files),
              QStringList({"1.upd", "2.upd", "3.upd", "4.upd"}));
}

TEST_F(PublisherTest, PublishedEntriesReachTheDictionaryThroughTheUpdateRun) {
    const QString tsv = app.file("neu.tsv");
    writeBytes(tsv, "Ölfass\tBehälter für Öl\nO'Neill\tIrischer Name\nX\tzu kurz\n");
    QProcess publish;
    publish.start(QStringLiteral(VONDRIK_PUBLISH_PROGRAM), {root(), tsv});
    ASSERT_TRUE(publish.waitForFinished(30000));
    // Published, but not all of it: a script must be able to tell.
    EXPECT_EQ(publish.exitCode(), publisher::kPublishedWithRefusals);
    EXPECT_TRUE(publish.readAllStandardOutput().startsWith("Update 1 mit 2 Einträgen"));
    EXPECT_TRUE(publish.readAllStandardError().contains("Zeile 3: Wort nicht 2 bis 15"));

    QtHttpGetter http;
    AppFolder folder(app.path());
    EXPECT_EQ(DataUpdate(session, http, folder).run({}).inserted, 2);
    EXPECT_EQ(meanings("Ölfass"), QStringList{"Behälter für Öl"});
    EXPECT_EQ(meanings("O'Neill"), QStringList{"Irischer Name"});

    // The exit status of each outcome.
    const QString clean = app.file("sauber.tsv");
    writeBytes(clean, "Zyxel\tDrei\n");
    const struct {
        QStringList arguments;
        int status;
    } runs[] = {
        {{root(), clean}, publisher::kPublishedAll},
        {{root(), clean}, publisher::kPublishFailed},  // all of it published before
        {{root()}, publisher::kPublishUsage},
        {{root(), app.file("fehlt.tsv")}, publisher::kPublishFailed},
    };
    for (const auto& run : runs) {
        publish.start(QStringLiteral(VONDRIK_PUBLISH_PROGRAM), run.arguments);
        ASSERT_TRUE(publish.waitForFinished(30000));
        EXPECT_EQ(publish.exitCode(), run.status) << run.arguments.join(u' ').toStdString();
    }
}

}  // namespace
}  // namespace vondrik::test
