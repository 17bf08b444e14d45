// The thesaurus rule on small excerpts in the MyThes format of the German thesaurus.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>

#include "importer/thesaurus.h"

namespace vondrik::thesaurus {

void PrintTo(const Entry& entry, std::ostream* os) {
    *os << '{' << entry.word.toStdString() << " | " << entry.meaning.toStdString() << '}';
}

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<Group> groupsOf(const QString& text) {
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readGroups(buffer);
}

std::vector<Entry> entriesFrom(const QString& text) {
    return entriesOf(groupsOf(QStringLiteral("UTF-8\n") + text));
}

TEST(ThesaurusRule, OnlyTrailingNotesSetOffByABlankAreRemoved) {
    const struct {
        const char* raw;
        const char* text;
        bool broader;
    } cases[] = {
        {"Valuta (fachspr.) (veraltet) (Oberbegriff)", "Valuta", true},
        {"Devise (fachspr., Oberbegriff)", "Devise", true},
        {"Zaster (ugs. (salopp))", "Zaster", false},
        {"hau(t) rein (ugs.)", "hau(t) rein", false},
        {"Klamotte(n)", "Klamotte(n)", false},
        {"(Jahreszahl)", "(Jahreszahl)", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        const Member member = parseMember(QString::fromUtf8(c.raw));
        EXPECT_EQ(member.text, QString::fromUtf8(c.text));
        EXPECT_EQ(member.broader, c.broader);
    }
    // Apostrophes would break the statements that search meanings; brackets read as parentheses.
    EXPECT_THAT(entriesFrom("Mahlzeit|1\n-|Mahlzeit|wie wär's mit ...? (ugs.)|Speise [Essen]\n"),
                ElementsAre(Entry{"Mahlzeit", "wie wärs mit ...?, Speise (Essen)"}));
}

TEST(ThesaurusRule, AnswersAreSingleWordsOfTwoToFifteenGermanLetters) {
    for (const char* word : {"Ei", "Maß", "ÄÖÜäöüß", "Kraftbrühwürfel"}) {
        EXPECT_TRUE(isAnswerWord(QString::fromUtf8(word))) << word;
    }
    for (const char* word : {"X", "Rindfleischsuppe", "fahrbarer Untersatz", "Pkw-Fahrzeug", "R4",
                             "Kfz.", "wär's", "Café", ""}) {
        EXPECT_FALSE(isAnswerWord(QString::fromUtf8(word))) << word;
    }
    // Members that are no answers still stand in the meanings of the others.
    EXPECT_THAT(entriesFrom("Auto|1\n-|Auto|Pkw-Fahrzeug|Café|Wagen\n"),
                ElementsAre(Entry{"Auto", "Pkw-Fahrzeug, Café, Wagen"},
                            Entry{"Wagen", "Auto, Pkw-Fahrzeug, Café"}));
}

TEST(ThesaurusRule, MeaningIsCutAtACommaToAHundredCharacters) {
    const QString a49(49, u'a');
    const QString b49(49, u'b');
    const QString c101(101, u'c');
    const auto meaningOf = [](const QStringList& members) {
        Group group;
        for (const QString& raw : members) {
            group.push_back(parseMember(raw));
        }
        return meaningFor(group, 0);
    };
    // 49 + ", " + 49 = 100 characters fit; one more drops that member and all after it.
    EXPECT_EQ(meaningOf({"Wort", a49, b49, "Ende"}), a49 + ", " + b49);
    EXPECT_EQ(meaningOf({"Wort", a49, b49 + u'b', "Ende"}), a49);
    // A member that alone exceeds the field is left out and the next ones still come.
    EXPECT_EQ(meaningOf({"Wort", c101, "Begriff", "Ende"}), "Begriff, Ende");
    // A word left without a meaning gives no entry.
    EXPECT_TRUE(entriesFrom(QStringLiteral("Wort|1\n-|Wort|%1\n").arg(c101)).empty());
}

TEST(ThesaurusRule, ExactDuplicatesAreDropped) {
    // The same group under two headwords, and the same word in other case with the same
    // meaning: each appears once, in the case of its first appearance.
    const auto entries =
        entriesFrom(QStringLiteral("Essen|2\n"
                                   "-|Essen|Mahlzeit\n"
                                   "-|Essen|Speise|Gericht\n"
                                   "Mahlzeit|1\n"
                                   "-|Essen|Mahlzeit\n"
                                   "essen|1\n"
                                   "-|essen|Mahlzeit\n"));
    EXPECT_THAT(entries,
                ElementsAre(Entry{"Essen", "Mahlzeit"}, Entry{"Essen", "Speise, Gericht"},
                            Entry{"Gericht", "Essen, Speise"}, Entry{"Mahlzeit", "Essen"},
                            Entry{"Mahlzeit", "essen"}, Entry{"Speise", "Essen, Gericht"}));
}

// Every backup is code page 1252, so the dictionary holds only what it can carry.
TEST(ThesaurusRule, MembersAreSpeltInCodePage1252OrLeftOut) {
    std::vector<Group> groups = groupsOf(
        QStringLiteral("UTF-8\nStrahl|1\n-|Strahlung|βStrahlung|Ştefan|\u4E2D|Mikro μ|Delta Δ\n"));
    const Respelling count = respellGroups(groups);
    EXPECT_EQ(count.respelled, 4);
    EXPECT_EQ(count.dropped, 1);
    std::vector<QString> texts;
    for (const Member& m : groups.at(0)) {
        texts.push_back(m.text);
    }
    EXPECT_THAT(texts,
                ElementsAre("Strahlung", "betaStrahlung", "Stefan", "Mikro µ", "Delta Delta"));
}

TEST(ThesaurusFile, MalformedFilesAreRefusedWithTheLine) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "leer"},
        {"ISO8859-1\nAuto|1\n-|Auto|Wagen\n", "Zeile 1: Der Thesaurus muss in UTF-8"},
        {"UTF-8\nAuto|1\n-|Auto|Wagen\nWagen\n", "Zeile 4: „Wagen“ ist keine Stichwortzeile"},
        {"UTF-8\nAuto|1\nAuto Wagen\n", "Zeile 3: „Auto Wagen“ ist keine Gruppenzeile"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            groupsOf(QString::fromUtf8(c.text));
            ADD_FAILURE() << "accepted";
        } catch (const ThesaurusError& error) {
            EXPECT_THAT(error.message().toStdString(), HasSubstr(c.message));
        }
    }
    // A byte order mark, CR LF line ends and blank lines between records are no errors.
    EXPECT_THAT(
        entriesOf(groupsOf(QStringLiteral("\uFEFFUTF-8\r\nAuto|1\r\n-|Auto|Wagen\r\n\r\n"))),
        ElementsAre(Entry{"Auto", "Wagen"}, Entry{"Wagen", "Auto"}));
}

}  // namespace
}  // namespace vondrik::thesaurus
