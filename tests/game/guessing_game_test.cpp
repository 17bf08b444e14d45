// The guessing game's rules played on the fixture dictionary, each word picked by scripting
// the random numbers of the draw.
#include <gtest/gtest.h>

#include "dictionary/dictionary_session.h"
#include "game/game_texts.h"
#include "game/guessing_game.h"
#include "game/word_draw.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"
#include "ui/fake_platform.h"
#include "word_pick.h"

namespace vondrik::game {
namespace {

class GuessingGameTest : public ::testing::Test {
  protected:
    void pick(const QString& word) { test::pickWord(random, word); }
    GameEvents guessLetters(const char* letters) {
        GameEvents last;
        for (const char* c = letters; *c != 0; ++c) {
            last = game.guess(buttonFor(QChar(*c)));
        }
        return last;
    }
    // Solves the word in play after the given wrong letters; "Computer" is picked to follow.
    GameEvents solve(const char* wrong) {
        guessLetters(wrong);
        pick(QStringLiteral("Computer"));
        const QString word = game.hiddenWord();
        GameEvents last;
        for (QChar c : word) {
            if (buttonFor(c) >= 0 && game.buttonVisible(buttonFor(c))) {
                last = game.guess(buttonFor(c));
            }
            if (last.ended != WordEnd::None) {
                break;
            }
        }
        return last;
    }
    void emptyTable(const char* table) { session.execute(QStringLiteral("DELETE FROM ") + table); }

    test::TestAppFolder folder;
    DictionarySession session{folder.openDictionary()};
    FakeRandom random;
    GuessingGame game{session, random};
};

TEST_F(GuessingGameTest, DrawReachesFirstAndLastRecordAndSkipsEmptyLengths) {
    EXPECT_EQ(random.reseeds, 1);
    random.script({0.0, 0.0});
    const GameEvents first = game.start();
    EXPECT_EQ(session.sql(), "Select * from acht");
    EXPECT_EQ(game.hiddenWord(), "Lehrling");
    EXPECT_EQ(first.sounds, QStringList(8, kBoxSound.toString()));

    random.script({0.9999999, 0.9999999});
    GuessingGame last(session, random);
    last.start();
    EXPECT_EQ(last.hiddenWord(), "Straßenkreuzung");

    // With only fifteen letters left, the draws among the remaining lengths end there.
    for (const char* table : {"acht", "neun", "zehn", "elf", "zwoelf", "dreizehn", "vierzehn"}) {
        emptyTable(table);
    }
    random.script({0.0, 0.5, 0.0, 0.5, 0.0, 0.5, 0.0, 0.5, 0.0});
    GuessingGame other(session, random);
    other.start();
    EXPECT_EQ(other.hiddenWord(), "Geschwindigkeit");

    emptyTable("fuenfzehn");
    GuessingGame none(session, random);
    const GameEvents refused = none.start();
    EXPECT_EQ(refused.message, kNoWordMessage.toString());
    EXPECT_EQ(none.phase(), GamePhase::Idle);
}

TEST_F(GuessingGameTest, DoubledLetterUncoversBothBoxesAndAMissFlashesEveryBox) {
    pick("Mittwoch");
    game.start();
    const GameEvents hit = game.guess(buttonFor(u'T'));
    EXPECT_EQ(hit.hits, (QList<int>{2, 3}));
    EXPECT_EQ(hit.sounds,
              (QStringList{kClickSound.toString(), kHitSound.toString(), kHitSound.toString()}));
    EXPECT_EQ(game.boxText(2), "t");
    EXPECT_FALSE(game.buttonVisible(buttonFor(u'T')));
    EXPECT_TRUE(game.guess(buttonFor(u'T')).sounds.isEmpty());

    const GameEvents miss = game.guess(buttonFor(u'Q'));
    EXPECT_TRUE(miss.miss);
    EXPECT_EQ(miss.sounds.size(), 1 + 1 + 8);
    EXPECT_EQ(game.reachablePoints(), 6);
}

TEST_F(GuessingGameTest, UmlautAndSharpSAreShownAtOnceSoTheWordsCanBeSolved) {
    pick("Mohrrübe");
    game.start();
    EXPECT_EQ(game.boxText(5), "ü");
    pick("Straßenkreuzung");
    const GameEvents solved = guessLetters("MOHRBE");
    EXPECT_EQ(solved.ended, WordEnd::Solved);
    EXPECT_EQ(game.boxText(4), "ß");
    EXPECT_EQ(solve("").ended, WordEnd::Solved);
}

TEST_F(GuessingGameTest, ScoreIsRoundTimesRemainingMissesAndRoundSevenBringsABonus) {
    pick("Computer");
    game.start();
    // "Computer" has none of Q, Y, X, V, W: rounds 1 to 6 with 0 to 5 misses.
    const char* wrong[] = {"", "Q", "QY", "QYX", "QYXV", "QYXVW"};
    for (int round = 1; round <= 6; ++round) {
        const GameEvents solved = solve(wrong[round - 1]);
        EXPECT_EQ(solved.points, round * (8 - round)) << round;
        EXPECT_EQ(solved.bonusGained, round == 6) << round;
    }
    EXPECT_EQ(game.totalScore(), 7 + 12 + 15 + 16 + 15 + 12);
    EXPECT_EQ(game.reachablePoints(), 49);

    // A dictionary that fails in mid-game ends it, and the score still counts.
    session.close();
    const GameEvents failed = solve("");
    EXPECT_TRUE(failed.gameOver);
    EXPECT_TRUE(failed.message.contains(notOpenMessage()));
    EXPECT_EQ(game.totalScore(), 77 + 49);
}

TEST_F(GuessingGameTest, SeventhMissEndsTheWordAndTheSecondLostWordEndsTheGame) {
    pick("Mittwoch");
    game.start();
    guessLetters("MITWOC");  // only the H is left
    const GameEvents seventh = guessLetters("QYXVBNL");
    EXPECT_EQ(seventh.ended, WordEnd::NotSolved);
    EXPECT_FALSE(game.keyboardEnabled());
    EXPECT_EQ(game.bonusMessage(),
              "Der Begriff muss gefunden werden, ansonsten wird das Spiel beendet!");

    pick("Computer");
    EXPECT_TRUE(game.acknowledgeSolution().laidOut);
    EXPECT_EQ(game.remainingMisses(), 7);
    guessLetters("QYXVBNL");
    const GameEvents over = game.acknowledgeSolution();
    EXPECT_TRUE(over.gameOver);
    EXPECT_EQ(game.boxCount(), 0);
}

}  // namespace
}  // namespace vondrik::game
