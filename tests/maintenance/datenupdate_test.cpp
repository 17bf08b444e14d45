// The data update window: opened from the main window's menu, a run shown in its log and
// status line, and closing it during a run.
#include "maintenance/datenupdate.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "shell/haupt_fixture.h"
#include "support/qt_printers.h"
#include "update_test_folder.h"

namespace vondrik::test {
namespace {

using DatenupdateMenuTest = HauptTest;

TEST_F(DatenupdateMenuTest, RunFillsTheLogSaysFertigAndAnnouncesTheNewVersion) {
    const QString index = QStringLiteral("http://127.0.0.1:8000/datenupdate/upd.dat");
    fake.http.setBody(QUrl(index), "erfolgreich 1\r\nVersion 3.7\r\n");
    fake.http.setBody(QUrl(QStringLiteral("http://127.0.0.1:8000/datenupdate/1.upd")),
                      "Quorx\tFrisch geladen\r\nX\tzu kurz\r\n");
    haupt->menuAction(QStringLiteral("daupaus"))->trigger();
    auto* window = haupt->findChild<Datenupdate*>(QStringLiteral("Datenupdate"));
    ASSERT_TRUE(window);
    child<QPushButton>(window, "Command1")->click();

    const auto* list = child<QListWidget>(window, "List1");
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(3)->text(), "Zeile 2 übersprungen, Wort nicht 2 bis 15 Zeichen lang: X");
    EXPECT_EQ(list->item(4)->text(), "1 neue Datensätze wurden erfolgreich eingefügt!");
    EXPECT_EQ(child<QLabel>(window, "Label3")->text(), " FERTIG ");
    EXPECT_FALSE(child<QTimer>(window, "Timer1")->isActive());
    EXPECT_EQ(messageTexts(),
              QStringList{"Es liegt eine neue Version von Vondrik 2000 zum Download bereit!"});
    // The server setting was missing, so the run wrote the default for the user to change.
    EXPECT_EQ(bytesOf(app.file("daten/updserver.dat")), "http://127.0.0.1:8000/\r\n");
    EXPECT_EQ(search("quorx"), QStringList{"QUORX\tFrisch geladen"});

    // A run without a valid index leaves no " FERTIG ".
    fake.http.setBody(QUrl(index), "");
    child<QPushButton>(window, "Command1")->click();
    EXPECT_FALSE(child(window, "Label3")->isVisible());
    EXPECT_EQ(child<QLabel>(window, "Label2")->text(),
              "Vondrik 2000 kann keine Verbindung zum http//127.0.0.1:8000 herstellen!");
}

// A server that never answers: a run waits until it is cancelled or the getter gives up.
class StalledGetter final : public HttpGetter {
  public:
    QByteArray get(const QUrl&, int) override {
        QEventLoop waiting;
        stop = [&] { waiting.quit(); };
        QTimer::singleShot(2000, &waiting, &QEventLoop::quit);  // the getter's own timeout
        waiting.exec();
        stop = nullptr;
        return {};
    }
    void cancel() override {
        if (stop) {
            stop();
        }
    }
    std::function<void()> stop;
};

// Closed while the server stalls and opened again: the new window is ready at once and stays.
TEST(DatenupdateRunTest, ReopenedDuringAStalledDownloadIsReady) {
    TestAppFolder app;
    DictionarySession session{app.openDictionary()};
    FakePlatform fake{app.path()};
    StalledGetter http;
    Platform platform{fake.messageBox, fake.inputBox,      fake.beeper,   fake.sound,
                      fake.printer,    fake.clock,         fake.random,   http,
                      fake.appFolder,  fake.commonDialogs, fake.urlOpener};
    QWidget mainWindow;
    QPointer<Datenupdate> window = Datenupdate::open(session, platform, &mainWindow);
    QPointer<Datenupdate> reopened;
    QTimer::singleShot(0, window, [&] {
        child<QPushButton>(window, "Command2")->click();
        EXPECT_TRUE(window);  // still there while the run is on the stack
        QTimer::singleShot(0, &mainWindow, [&] {
            // As when the user's click comes from the main event loop.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            reopened = Datenupdate::open(session, platform, &mainWindow);
        });
    });
    child<QPushButton>(window, "Command1")->click();
    for (int i = 0; i < 100 && !reopened; ++i) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(reopened);
    EXPECT_FALSE(window);
    EXPECT_TRUE(reopened->isVisible());
    EXPECT_TRUE(child(reopened, "Command1")->isEnabled());
    EXPECT_FALSE(reopened->update().running());
    EXPECT_FALSE(QFile::exists(app.file("daten/anzup.sis")));
}

}  // namespace
}  // namespace vondrik::test
