// The game window driven through its buttons and menu, each word picked by scripting the
// random numbers of the draw.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "dictionary/dictionary_session.h"
#include "game/game_texts.h"
#include "game/keyboard.h"
#include "game/spiel.h"
#include "game/word_draw.h"
#include "shell/haupt_fixture.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"
#include "ui/fake_platform.h"

namespace vondrik::test {
namespace {

using game::buttonFor;

class SpielTest : public ::testing::Test {
  protected:
    void SetUp() override {
        spiel = new Spiel(session, fake.platform, nullptr);
        spiel->show();
    }
    void TearDown() override { delete spiel.data(); }

    void pick(const QString& word) {
        const auto entries = fixtureEntriesOfLength(static_cast<int>(word.size()));
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const auto& e) { return e.begriff == word; });
        ASSERT_NE(found, entries.end()) << word.toStdString();
        const double index = static_cast<double>(found - entries.begin());
        fake.random.script({(word.size() - game::kShortestGameWord + 0.5) / 8,
                            (index + 0.5) / static_cast<double>(entries.size())});
    }
    QPushButton* key(char letter) { return spiel->Command1[buttonFor(QChar(letter))]; }
    // Clicks the letters one by one, each with its animation played out.
    void type(const char* letters) {
        for (const char* c = letters; *c != 0; ++c) {
            ASSERT_TRUE(key(*c)->isVisible() && spiel->Frame1->isEnabled()) << *c;
            key(*c)->click();
            spiel->finishFlashes();
        }
    }
    void click(QPushButton* button) {
        button->click();
        spiel->finishFlashes();
    }
    QString boxes() const {
        QString shown;
        for (const QLineEdit* box : spiel->Text1) {
            if (box->isVisible()) {
                shown += box->text().isEmpty() ? QStringLiteral("_") : box->text();
            }
        }
        return shown;
    }
    QStringList soundFiles() const {
        QStringList files;
        for (const PlayedSound& s : fake.sound.played) {
            files << s.path.section(u'/', -1);
        }
        return files;
    }
    QByteArray highscoreFile() const {
        QFile file(app.file("daten/hs.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};
    DictionarySession session{app.openDictionary()};
    QPointer<Spiel> spiel;
};

TEST_F(SpielTest, LoadsWithItsTextsAndCreatesTheTopTenFile) {
    EXPECT_EQ(highscoreFile(), QByteArray("nicht belegt\r\n0\r\n").repeated(10));
    EXPECT_EQ(spiel->Label14[9]->text(), "nicht belegt");
    QString keyboard;
    for (int i = 0; i < game::kLetterButtons; ++i) {
        keyboard += spiel->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(i))->text();
    }
    EXPECT_EQ(keyboard, "QWERTZUIOPASDFGHJKLYXCVBNM");
    EXPECT_FALSE(spiel->Command1[26]->isVisible());
    EXPECT_FALSE(spiel->Frame1->isEnabled());
    EXPECT_EQ(spiel->Label6->text(), "Für diesen Begriff bleiben Ihnen noch");
    EXPECT_EQ(spiel->Label9->text(), "noch zu erreichende Punkte in dieser Runde");
    EXPECT_EQ(spiel->Frame6->title(), "und so funktioniert das!");
    EXPECT_EQ(spiel->Label16->text(), game::kRulesText.toString());

    spiel->hilf->trigger();
    EXPECT_TRUE(spiel->Frame6->isVisible());
    spiel->score->trigger();
    EXPECT_TRUE(spiel->Frame2->isVisible());
    EXPECT_FALSE(spiel->Frame6->isVisible());
    click(spiel->Command3);
    EXPECT_FALSE(spiel->Frame2->isVisible());
}

TEST_F(SpielTest, LoadingBuildsTheStatementAndTheTopTenShowsEveryDigit) {
    EXPECT_EQ(session.sql(), "Select * from fuenfzehn");

    QFile file(app.file("daten/hs.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Anna\r\n1234567890123\r\nBert mit einem recht langen Namen\r\n987654321\r\n" +
               QByteArray("Cleo\r\n7\r\n").repeated(8));
    file.close();
    delete spiel.data();
    session.build(QString());
    spiel = new Spiel(session, fake.platform, nullptr);
    spiel->show();
    EXPECT_EQ(session.sql(), "Select * from fuenfzehn");
    for (int i = 0; i < 3; ++i) {
        const QLabel* score = spiel->Label15[i];
        const QLabel* name = spiel->Label14[i];
        SCOPED_TRACE(score->text().toStdString());
        EXPECT_GE(score->width(), score->fontMetrics().horizontalAdvance(score->text()));
        EXPECT_LE(name->geometry().right(), score->x());
        EXPECT_LE(score->geometry().right(), spiel->Frame2->width());
    }
    EXPECT_EQ(spiel->Label15[0]->text(), "1234567890123");
    EXPECT_EQ(spiel->Label14[2]->text(), "Cleo");
    // The name gave room to the score; shortened, it keeps its whole self as the tooltip.
    EXPECT_EQ(spiel->Label14[1]->toolTip(), "Bert mit einem recht langen Namen");
}

TEST_F(SpielTest, ScriptedGameThroughTheButtonsEndsInATopTenEntry) {
    pick("Computer");
    click(spiel->Command2);
    EXPECT_EQ(boxes(), "________");
    EXPECT_EQ(spiel->Label2->text(), "Rechner");
    EXPECT_EQ(spiel->Label13->text(), " Sie dürfen den gesuchten Begriff 1 mal nicht erraten!");
    EXPECT_EQ(spiel->Label10->text(), "7");

    type("QCOMPUTE");
    EXPECT_EQ(boxes(), "Compute_");
    EXPECT_EQ(spiel->Label5->text(), "6");
    EXPECT_EQ(spiel->Command1[26]->text(), "E");
    pick("Mittwoch");
    type("R");
    EXPECT_EQ(spiel->Label11->text(), "6");  // round 1 with one miss
    EXPECT_EQ(spiel->Label10->text(), "14");
    EXPECT_EQ(spiel->Label2->text(), "Mitte der Woche");
    EXPECT_EQ(boxes(), "________");

    type("TQYXVBNL");
    EXPECT_TRUE(spiel->Frame3->isVisible());
    EXPECT_EQ(spiel->Label3->text(), "Mittwoch");
    pick("Lehrling");
    click(spiel->Command5);
    EXPECT_FALSE(spiel->Frame3->isVisible());

    fake.inputBox.script({QStringLiteral("Anna")});
    type("QYXVBMW");
    click(spiel->Command5);
    EXPECT_TRUE(spiel->Command2->isVisible());
    EXPECT_EQ(boxes(), "");
    ASSERT_EQ(fake.inputBox.asked().size(), 1);
    EXPECT_EQ(fake.inputBox.asked()[0].prompt, "Bitte geben Sie Ihren Namen ein!");
    EXPECT_EQ(fake.inputBox.asked()[0].title, "Eintrag in die Highscoreliste");
    EXPECT_EQ(spiel->Label14[0]->text(), "Anna");
    EXPECT_EQ(highscoreFile(), "Anna\r\n6\r\n" + QByteArray("nicht belegt\r\n0\r\n").repeated(9));
    EXPECT_TRUE(fake.problems().isEmpty()) << fake.problems().join(u'\n').toStdString();
}

TEST_F(SpielTest, HitsFlashGreenAndAMissRunsRedOverEveryBoxWithTheirSounds) {
    pick("Mittwoch");
    click(spiel->Command2);
    EXPECT_EQ(soundFiles(), QStringList(8, "12.wav"));
    fake.sound.played.clear();

    key('T')->click();
    spiel->flashStep();
    EXPECT_EQ(spiel->Text1[2]->text(), "t");
    EXPECT_EQ(spiel->Text1[2]->palette().color(QPalette::Base), QColor(0, 255, 0));
    spiel->finishFlashes();
    EXPECT_EQ(soundFiles(), (QStringList{"8.wav", "1.wav", "1.wav"}));
    fake.sound.played.clear();

    key('Q')->click();
    spiel->flashStep();
    spiel->flashStep();
    spiel->flashStep();
    EXPECT_EQ(spiel->Text1[1]->palette().color(QPalette::Base), QColor(255, 0, 0));
    spiel->finishFlashes();
    EXPECT_EQ(soundFiles(), QStringList({"8.wav"}) + QStringList(9, "11.wav"));

    spiel->auss->trigger();
    EXPECT_FALSE(spiel->ans->isChecked());
    fake.sound.played.clear();
    type("Y");
    EXPECT_TRUE(fake.sound.played.isEmpty());
    EXPECT_EQ(spiel->Label5->text(), "5");
}

TEST_F(SpielTest, StartButtonBlinksEachSecondOfTimer1) {
    EXPECT_FALSE(spiel->Command2->font().bold());
    spiel->blinkStep();
    EXPECT_TRUE(spiel->Command2->font().bold());
    spiel->blinkStep();
    EXPECT_FALSE(spiel->Command2->font().bold());
}

TEST_F(SpielTest, NoWordToDrawLeavesTheStartButtonWithAMessage) {
    for (const char* table :
         {"acht", "neun", "zehn", "elf", "zwoelf", "dreizehn", "vierzehn", "fuenfzehn"}) {
        session.execute(QStringLiteral("DELETE FROM ") + table);
    }
    click(spiel->Command2);
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, game::kNoWordMessage.toString());
    EXPECT_TRUE(spiel->Command2->isVisible());
    EXPECT_FALSE(spiel->Frame1->isEnabled());
}

TEST_F(HauptTest, GameMenuOpensOneGameWindowBesideTheMainWindow) {
    ASSERT_TRUE(haupt->menuAction(QStringLiteral("spielen"))->isEnabled());
    haupt->menuAction(QStringLiteral("spielen"))->trigger();
    haupt->menuAction(QStringLiteral("spielen"))->trigger();
    const auto games = haupt->findChildren<Spiel*>();
    ASSERT_EQ(games.size(), 1);
    EXPECT_TRUE(games[0]->isVisible());
    EXPECT_TRUE(haupt->isEnabled());
    games[0]->ende->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(haupt->findChildren<Spiel*>().isEmpty());
}

}  // namespace
}  // namespace vondrik::test
