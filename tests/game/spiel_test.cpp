// The game window driven through its buttons and menu, each word picked by scripting the
// random numbers of the draw.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

#include "dictionary/dictionary_session.h"
#include "game/keyboard.h"
#include "game/spiel.h"
#include "support/helpers.h"
#include "support/qt_printers.h"
#include "word_pick.h"

namespace vondrik::test {
namespace {

class SpielTest : public ::testing::Test {
  protected:
    void SetUp() override { load(); }
    void TearDown() override { delete spiel.data(); }
    void load() {
        delete spiel.data();
        spiel = new Spiel(session, fake.platform, 0, nullptr);
        spiel->show();
    }

    template <class T = QWidget>
    T* get(const char* name, int index = -1) const {
        return index < 0 ? child<T>(spiel, name) : child<T>(spiel, name, index);
    }
    QPushButton* key(char letter) const {
        return get<QPushButton>("Command1", game::buttonFor(QChar(letter)));
    }
    QString text(const char* label) const { return get<QLabel>(label)->text(); }
    // Clicks the letters one by one, each with its animation played out.
    void type(const char* letters) {
        for (const char* c = letters; *c != 0; ++c) {
            ASSERT_TRUE(key(*c)->isVisible() && get("Frame1")->isEnabled()) << *c;
            click(key(*c));
        }
    }
    void click(QPushButton* button) {
        button->click();
        spiel->finishFlashes();
    }
    QString boxes() const {
        QString shown;
        for (const QLineEdit* box :
             spiel->findChildren<QLineEdit*>(QRegularExpression("^Text1_"))) {
            if (box->isVisible()) {
                shown += box->text().isEmpty() ? QStringLiteral("_") : box->text();
            }
        }
        return shown;
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};
    DictionarySession session{app.openDictionary()};
    QPointer<Spiel> spiel;
};

TEST_F(SpielTest, ScriptedGameThroughTheButtonsEndsInATopTenEntry) {
    EXPECT_EQ(bytesOf(app.file("daten/hs.dat")), QByteArray("nicht belegt\r\n0\r\n").repeated(10));
    EXPECT_FALSE(get("Frame1")->isEnabled());
    pickWord(fake.random, "Computer");
    click(get<QPushButton>("Command2"));
    EXPECT_EQ(boxes(), "________");
    EXPECT_EQ(text("Label2"), "Rechner");
    EXPECT_EQ(text("Label10"), "7");

    type("QCOMPUTE");
    EXPECT_EQ(boxes(), "Compute_");
    EXPECT_EQ(text("Label5"), "6");
    pickWord(fake.random, "Mittwoch");
    type("R");
    EXPECT_EQ(text("Label11"), "6");  // round 1 with one miss

    type("TQYXVBNL");
    EXPECT_TRUE(get("Frame3")->isVisible());
    EXPECT_EQ(text("Label3"), "Mittwoch");
    pickWord(fake.random, "Lehrling");
    click(get<QPushButton>("Command5"));
    fake.inputBox.script({QStringLiteral("Anna")});
    type("QYXVBMW");
    click(get<QPushButton>("Command5"));
    EXPECT_TRUE(get("Command2")->isVisible());
    EXPECT_EQ(fake.inputBox.asked().size(), 1);
    EXPECT_EQ(text("Label14_0"), "Anna");
    EXPECT_EQ(bytesOf(app.file("daten/hs.dat")),
              "Anna\r\n6\r\n" + QByteArray("nicht belegt\r\n0\r\n").repeated(9));
    EXPECT_TRUE(fake.problems().isEmpty()) << fake.problems().join(u'\n').toStdString();
}

TEST_F(SpielTest, LoadingBuildsTheStatementAndTheTopTenShowsEveryDigit) {
    EXPECT_EQ(session.sql(), "Select * from fuenfzehn");
    writeBytes(app.file("daten/hs.dat"),
               "Anna\r\n1234567890123\r\nBert mit einem recht langen Namen\r\n987654321\r\n" +
                   QByteArray("Cleo\r\n7\r\n").repeated(8));
    session.build(QString());
    load();
    EXPECT_EQ(session.sql(), "Select * from fuenfzehn");
    for (int i = 0; i < 3; ++i) {
        const QLabel* score = get<QLabel>("Label15", i);
        const QLabel* name = get<QLabel>("Label14", i);
        SCOPED_TRACE(score->text().toStdString());
        EXPECT_GE(score->width(), score->fontMetrics().horizontalAdvance(score->text()));
        EXPECT_LE(name->geometry().right(), score->x());
        EXPECT_LE(score->geometry().right(), get("Frame2")->width());
    }
    EXPECT_EQ(text("Label15_0"), "1234567890123");
    // The name gave room to the score; shortened, it keeps its whole self as the tooltip.
    EXPECT_EQ(get("Label14", 1)->toolTip(), "Bert mit einem recht langen Namen");
}

}  // namespace
}  // namespace vondrik::test
