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

Group groupOf(std::initializer_list<const char*> members) {
    Group group;
    for (const char* raw : members) {
        group.push_back(parseMember(QString::fromUtf8(raw)));
    }
    return group;
}

TEST(ThesaurusRule, BroaderTermsAreNoAnswersAndFollowTheSynonyms) {
    const auto entries = entriesFrom(QStringLiteral(
        "Geld|1\n"
        "-|Währung (Hauptform) (Oberbegriff)|Moneten (ugs.)|Zahlungsmittel (Oberbegriff)|"
        "Kies (ugs.)|Zaster\n"));
    EXPECT_THAT(entries, ElementsAre(Entry{"Kies", "Moneten, Zaster, Währung, Zahlungsmittel"},
                                     Entry{"Moneten", "Kies, Zaster, Währung, Zahlungsmittel"},
                                     Entry{"Zaster", "Moneten, Kies, Währung, Zahlungsmittel"}));
}

TEST(ThesaurusRule, TrailingNotesAreRemoved) {
    EXPECT_EQ(parseMember("Kies (ugs.)").text, "Kies");
    EXPECT_FALSE(parseMember("Kies (ugs.)").broader);

    const Member several = parseMember("Valuta (fachspr.) (veraltet) (Oberbegriff)");
    EXPECT_EQ(several.text, "Valuta");
    EXPECT_TRUE(several.broader);

    EXPECT_TRUE(parseMember("Devise (fachspr., Oberbegriff)").broader);
    EXPECT_EQ(parseMember("Zaster (ugs. (salopp))").text, "Zaster");

    // Only notes at the end go, and only when a blank sets them off from the word.
    EXPECT_EQ(parseMember("hau(t) rein (ugs.)").text, "hau(t) rein");
    EXPECT_EQ(parseMember("Klamotte(n)").text, "Klamotte(n)");
    EXPECT_EQ(parseMember("(Jahreszahl)").text, "(Jahreszahl)");

    const auto entries = entriesFrom(
        QStringLiteral("Kleidung|1\n"
                       "-|Kleidung (Hauptform)|Klamotte(n) (ugs.)|Gewand (geh.) (veraltet)|"
                       "Textilien (fachspr.) (Oberbegriff)\n"));
    EXPECT_THAT(entries, ElementsAre(Entry{"Gewand", "Kleidung, Klamotte(n), Textilien"},
                                     Entry{"Kleidung", "Klamotte(n), Gewand, Textilien"}));
}

TEST(ThesaurusRule, OnlySingleGermanWordsBecomeAnswers) {
    for (const char* word : {"Auto", "Größe", "Maß", "ÄÖÜäöüß"}) {
        EXPECT_TRUE(isAnswerWord(QString::fromUtf8(word))) << word;
    }
    for (const char* word : {"fahrbarer Untersatz", "Pkw-Fahrzeug", "R4", "Kfz.", "wär's",
                             "Klamotte(n)", "Café", ""}) {
        EXPECT_FALSE(isAnswerWord(QString::fromUtf8(word))) << word;
    }

    const auto entries = entriesFrom(QStringLiteral(
        "Auto|1\n"
        "-|Auto|fahrbarer Untersatz (ugs.)|Pkw-Fahrzeug|R4|Kfz.|Café-Wagen|Wagen\n"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (Entry{"Auto",
                                 "fahrbarer Untersatz, Pkw-Fahrzeug, R4, Kfz., "
                                 "Café-Wagen, Wagen"}));
    EXPECT_EQ(entries[1].word, "Wagen");
}

TEST(ThesaurusRule, AnswersHaveTwoToFifteenLetters) {
    const QString fifteen = QStringLiteral("Kraftbrühwürfel");
    const QString sixteen = QStringLiteral("Rindfleischsuppe");
    ASSERT_EQ(fifteen.size(), 15);
    ASSERT_EQ(sixteen.size(), 16);

    const auto entries =
        entriesFrom(QStringLiteral("Suppe|1\n-|X|Ei|%1|%2\n").arg(fifteen, sixteen));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (Entry{"Ei", "X, Kraftbrühwürfel, Rindfleischsuppe"}));
    EXPECT_EQ(entries[1], (Entry{fifteen, "X, Ei, Rindfleischsuppe"}));

    const std::map<int, int> counts = countByLength(entries);
    EXPECT_EQ(counts, (std::map<int, int>{{2, 1}, {15, 1}}));
}

TEST(ThesaurusRule, UmlautsAndSharpSCountAsOneLetter) {
    const auto entries =
        entriesFrom(QStringLiteral("Größe|1\n-|Größe|Ausmaß|Maß (Oberbegriff)|Übermaß\n"));
    EXPECT_THAT(entries, ElementsAre(Entry{"Ausmaß", "Größe, Übermaß, Maß"},
                                     Entry{"Größe", "Ausmaß, Übermaß, Maß"},
                                     Entry{"Übermaß", "Größe, Ausmaß, Maß"}));
    EXPECT_EQ(countByLength(entries), (std::map<int, int>{{5, 1}, {6, 1}, {7, 1}}));
}

TEST(ThesaurusRule, MeaningIsCutAtACommaToAHundredCharacters) {
    const QByteArray a49(49, 'a');
    const QByteArray b49(49, 'b');
    const QByteArray b50(50, 'b');
    const QByteArray c101(101, 'c');

    // 49 + ", " + 49 = 100 characters: both stay.
    const Group exact = groupOf({"Wort", a49.constData(), b49.constData(), "Ende"});
    EXPECT_EQ(meaningFor(exact, 0), QString(a49 + ", " + b49));

    // One more character would make 101: the cut drops that member and all after it.
    const Group over = groupOf({"Wort", a49.constData(), b50.constData(), "Ende"});
    EXPECT_EQ(meaningFor(over, 0), QString(a49));

    // A member that alone exceeds the field is left out and the next ones still come.
    const Group overlong = groupOf({"Wort", c101.constData(), "Begriff", "Ende"});
    EXPECT_EQ(meaningFor(overlong, 0), "Begriff, Ende");

    // A word without any usable partner has no meaning and gives no entry.
    EXPECT_TRUE(entriesFrom(QStringLiteral("Wort|1\n-|Wort|%1\n").arg(QString(c101))).empty());
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

TEST(ThesaurusRule, MeaningsHoldNoApostrophesOrBrackets) {
    const auto entries = entriesFrom(QStringLiteral(
        "Mahlzeit|1\n"
        "-|Mahlzeit|'n guten! (ugs.)|wie wär's mit ...? (ugs.)|Speise [Essen]|{Gericht}\n"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].meaning, "n guten!, wie wärs mit ...?, Speise (Essen), (Gericht)");
}

TEST(ThesaurusRule, EntriesAreSortedAsInADictionary) {
    const auto entries = entriesFrom(
        QStringLiteral("Arm|2\n-|Arm|Ärger|Anger|Strauß|Straße|Strasse\n-|arm|bedürftig\n"));
    std::vector<QString> words;
    for (const Entry& entry : entries) {
        words.push_back(entry.word);
    }
    EXPECT_THAT(words, ElementsAre("Anger", "Ärger", "Arm", "arm", "bedürftig", "Strasse", "Straße",
                                   "Strauß"));
}

TEST(ThesaurusFile, MalformedFilesAreRefusedWithTheLine) {
    const auto messageOf = [](const QString& text) -> QString {
        try {
            groupsOf(text);
        } catch (const ThesaurusError& error) {
            return error.message();
        }
        return QStringLiteral("<angenommen>");
    };
    EXPECT_THAT(messageOf("").toStdString(), HasSubstr("leer"));
    EXPECT_THAT(messageOf("ISO8859-1\nAuto|1\n-|Auto|Wagen\n").toStdString(),
                HasSubstr("Zeile 1: Der Thesaurus muss in UTF-8"));
    EXPECT_THAT(messageOf("UTF-8\nAuto|2\n-|Auto|Wagen\n").toStdString(),
                HasSubstr("Zeile 2: Zum Stichwort „Auto“ fehlen Gruppenzeilen"));
    EXPECT_THAT(messageOf("UTF-8\nAuto|1\n-|Auto|Wagen\nWagen\n").toStdString(),
                HasSubstr("Zeile 4: „Wagen“ ist keine Stichwortzeile"));
    EXPECT_THAT(messageOf("UTF-8\nAuto|1\nAuto Wagen\n").toStdString(),
                HasSubstr("Zeile 3: „Auto Wagen“ ist keine Gruppenzeile"));

    // A byte order mark, CR LF line ends and blank lines between records are no errors.
    const auto groups = groupsOf(QStringLiteral("\uFEFFUTF-8\r\nAuto|1\r\n-|Auto|Wagen\r\n\r\n"));
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].size(), 2u);
    EXPECT_EQ(groups[0][1].text, "Wagen");
}

}  // namespace
}  // namespace vondrik::thesaurus
