// The test platform: scripted answers, defaults when a script runs out, and what it records.
#include "ui/fake_platform.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace vondrik {
namespace {

class FakePlatformTest : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    FakePlatform fake_{dir_.path()};
    Platform& platform_ = fake_.platform;
};

TEST_F(FakePlatformTest, MessageBoxesAnswerInScriptOrderAndAreRecorded) {
    fake_.messageBox.script({MessageAnswer::No, MessageAnswer::Cancel});
    EXPECT_EQ(platform_.messageBox.show("Löschen?", "Frage", MessageIcon::Question,
                                        MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(platform_.messageBox.show("Weiter?", "", MessageIcon::None, MessageButtons::OkCancel),
              MessageAnswer::Cancel);

    ASSERT_EQ(fake_.messageBox.shown().size(), 2);
    const ShownMessage& first = fake_.messageBox.shown().at(0);
    EXPECT_EQ(first.text, "Löschen?");
    EXPECT_EQ(first.title, "Frage");
    EXPECT_EQ(first.icon, MessageIcon::Question);
    EXPECT_EQ(first.buttons, MessageButtons::YesNo);
    EXPECT_EQ(first.answer, MessageAnswer::No);
    EXPECT_TRUE(fake_.problems().isEmpty());
}

TEST_F(FakePlatformTest, MessageBoxWithoutScriptGivesTheDefaultButtonAndComplains) {
    EXPECT_EQ(platform_.messageBox.show("Fertig", "Info"), MessageAnswer::Ok);
    EXPECT_EQ(platform_.messageBox.show("Sicher?", "Frage", MessageIcon::Question,
                                        MessageButtons::YesNoCancel),
              MessageAnswer::Yes);
    EXPECT_EQ(fake_.problems().size(), 2);
    EXPECT_TRUE(fake_.problems().at(1).contains("Sicher?"));
}

TEST_F(FakePlatformTest, ScriptedAnswerTheBoxDoesNotOfferIsAProblem) {
    fake_.messageBox.script({MessageAnswer::Yes});
    platform_.messageBox.show("Hinweis", "Info");
    EXPECT_EQ(fake_.problems().size(), 1);
}

TEST_F(FakePlatformTest, InputBoxAnswersFromScriptThenWithTheEmptyText) {
    fake_.inputBox.script({"Meier"});
    EXPECT_EQ(platform_.inputBox.ask("Ihr Name:", "Bestenliste", "Spieler"), "Meier");
    EXPECT_EQ(platform_.inputBox.ask("Noch einmal:", "Bestenliste", "x"), "");

    ASSERT_EQ(fake_.inputBox.asked().size(), 2);
    EXPECT_EQ(fake_.inputBox.asked().at(0).prompt, "Ihr Name:");
    EXPECT_EQ(fake_.inputBox.asked().at(0).defaultText, "Spieler");
    EXPECT_EQ(fake_.problems().size(), 1);
}

TEST_F(FakePlatformTest, SoundsBeepsAndRequestsAreRecorded) {
    QFile wav(platform_.appFolder.appPath(u"\\glocke.wav"));
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    wav.close();

    EXPECT_TRUE(platform_.sound.play(wav.fileName()));
    EXPECT_FALSE(platform_.sound.play(platform_.appFolder.appPath(u"fehlt.wav"), true));
    platform_.sound.stop();
    platform_.beeper.beep();

    ASSERT_EQ(fake_.sound.played.size(), 2);
    EXPECT_FALSE(fake_.sound.played.at(0).loop);
    EXPECT_TRUE(fake_.sound.played.at(1).loop);
    EXPECT_FALSE(fake_.sound.played.at(1).found);
    EXPECT_EQ(fake_.sound.stops, 1);
    EXPECT_EQ(fake_.beeper.beeps, 1);

    fake_.http.setBody(QUrl("http://update.example/upd.dat"), "3\r\n");
    EXPECT_EQ(platform_.http.get(QUrl("http://update.example/upd.dat"), 5000), "3\r\n");
    EXPECT_EQ(platform_.http.get(QUrl("http://update.example/4.upd"), 5000), "");
    ASSERT_EQ(fake_.http.requests.size(), 2);
    EXPECT_EQ(fake_.http.requests.at(1).url, QUrl("http://update.example/4.upd"));
}

TEST_F(FakePlatformTest, PrintedDocumentsKeepPagesLinesAndPictures) {
    {
        auto job = platform_.printer.begin("Pyramide");
        job->printLine("");
        job->setFontSize(12);
        job->drawPicture(QImage(200, 150, QImage::Format_RGB32), QPoint(4000, 2000));
        job->printLine("      1. = A");
        job->newPage();
        job->printLine("Seite 2");
        job->end();
    }
    auto unfinished = platform_.printer.begin("Schnecke");

    ASSERT_EQ(fake_.printer.documents().size(), 2);
    const PrintedDocument& doc = fake_.printer.documents().at(0);
    EXPECT_TRUE(doc.ended);
    EXPECT_FALSE(fake_.printer.documents().at(1).ended);
    ASSERT_EQ(doc.pages.size(), 2);
    ASSERT_EQ(doc.pages.at(0).lines.size(), 2);
    EXPECT_EQ(doc.pages.at(0).lines.at(0).fontSize, 10);
    EXPECT_EQ(doc.pages.at(0).lines.at(1).text, "      1. = A");
    EXPECT_EQ(doc.pages.at(0).lines.at(1).fontSize, 12);
    ASSERT_EQ(doc.pages.at(0).pictures.size(), 1);
    EXPECT_EQ(doc.pages.at(0).pictures.at(0).size, QSize(200, 150));
    EXPECT_EQ(doc.pages.at(0).pictures.at(0).topLeftTwips, QPoint(4000, 2000));
    EXPECT_EQ(doc.pages.at(1).lines.at(0).text, "Seite 2");
}

TEST_F(FakePlatformTest, ClockIsFixedUntilMoved) {
    const QDateTime start = platform_.clock.now();
    EXPECT_EQ(platform_.clock.now(), start);
    fake_.clock.advanceMs(1500);
    EXPECT_EQ(start.msecsTo(platform_.clock.now()), 1500);
}

TEST_F(FakePlatformTest, RandomGivesTheScriptThenASeededSequence) {
    fake_.random.script({0.5, 0.25});
    platform_.random.reseed();
    EXPECT_EQ(platform_.random.next(), 0.5);
    EXPECT_EQ(platform_.random.next(), 0.25);
    EXPECT_EQ(fake_.random.drawsBeyondScript, 0);
    EXPECT_EQ(fake_.random.reseeds, 1);

    SeededRandom reference(1);
    EXPECT_EQ(platform_.random.next(), reference.next());
    EXPECT_EQ(fake_.random.drawsBeyondScript, 1);
}

}  // namespace
}  // namespace vondrik
