// The about box's addresses (its link pulse is tested in the window), the choice between the two
// help forms, the shipped help's contents and the help search.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "extras/contact_addresses.h"
#include "extras/help_files.h"
#include "extras/help_search.h"
#include "extras/introduction.h"
#include "support/helpers.h"
#include "support/qt_printers.h"

namespace vondrik {
namespace {

using test::writeBytes;

TEST(ContactAddresses, ReadFromTheLinesOrPlaceholders) {
    const ContactAddresses both = contactAddressesFrom(
        {"; Kommentar", " homepage = www.raetsel.example ", "E-MAIL=post@raetsel.example"});
    EXPECT_EQ(homepageUrl(both).toString(), "http://www.raetsel.example");
    EXPECT_EQ(mailUrl(both).toString(QUrl::FullyEncoded),
              "mailto:post@raetsel.example?Subject=Vondrik%202000&Body=Hallo");
    const ContactAddresses none = contactAddressesFrom({"Homepage=", "Unsinn"});
    EXPECT_EQ(none.homepage, kDefaultHomepage);
    EXPECT_EQ(none.mail, kDefaultMailAddress);
}

TEST(HelpFiles, ThePagesArePreferredOverTheSinglePage) {
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    EXPECT_EQ(findHelp(folder).kind, HelpKind::None);
    writeBytes(folder.appPath(kHelpSinglePage), "<html></html>");
    EXPECT_EQ(findHelp(folder).kind, HelpKind::SinglePage);
    writeBytes(folder.appPath(kHelpPagesContents), "<html></html>");
    const HelpDocument both = findHelp(folder);
    EXPECT_EQ(both.kind, HelpKind::Pages);
    EXPECT_EQ(both.contentsPage, folder.appPath(kHelpPagesContents));
}

QString helpPage(const QString& name) {
    return QString::fromUtf8(test::bytesOf(QDir(VONDRIK_HELP_SOURCE_DIR).filePath(name)));
}

TEST(HelpFiles, EveryLinkOfTheShippedHelpLeadsSomewhere) {
    QStringList titles;
    for (const HelpTopic& topic :
         helpContents(QStringLiteral(VONDRIK_HELP_SOURCE_DIR "/index.html"))) {
        titles << topic.title;
    }
    EXPECT_GE(titles.size(), 20);
    // The introduction sends its reader to this topic.
    EXPECT_TRUE(titles.contains(QStringLiteral("Abkürzungen")));
    for (const QString& page : QDir(VONDRIK_HELP_SOURCE_DIR).entryList({"*.html"})) {
        for (const HelpTopic& link : helpContents(QDir(VONDRIK_HELP_SOURCE_DIR).filePath(page))) {
            EXPECT_TRUE(topicExists(link))
                << page.toStdString() << " links to " << link.file.toStdString() << "#"
                << link.fragment.toStdString();
        }
    }
}

TEST(HelpFiles, SinglePageTopicsAreSectionsOfThatPage) {
    QTemporaryDir dir;
    const QString page = dir.filePath("vondrik.html");
    writeBytes(page,
               "<html><head><meta charset=\"utf-8\"><title>T</title></head><body>"
               "<nav id=\"inhalt\"><a href=\"#suche\">Suche &amp; Finden</a>"
               "<a href=\"#spiel\">Spiel</a><a href=\"https://example.org\">Web</a></nav>"
               "<h2 id=\"suche\">Suche</h2><p>Platzhalter Raute und Fragezeichen.</p>"
               "<h2 id=\"spiel\">Spiel</h2><p>Raten mit Punkten. Raute? Nein.</p>"
               "<h2 id=\"fehlt\">Mehr</h2></body></html>");
    const QList<HelpTopic> topics = helpContents(page);
    ASSERT_EQ(topics.size(), 2);
    EXPECT_EQ(topics[0].title, "Suche & Finden");
    EXPECT_TRUE(topicExists(topics[1]));
    EXPECT_FALSE(topicExists({"x", page, "nirgends"}));

    const HelpSearch search(topics);
    const auto platzhalter = search.find("PLATZHALTER raute");
    ASSERT_EQ(platzhalter.size(), 1);
    EXPECT_EQ(platzhalter[0].topic, 0);
    EXPECT_EQ(search.find("raute").size(), 2);
    EXPECT_TRUE(search.find("Raute Punkten Platzhalter").isEmpty());
    EXPECT_TRUE(search.find("   ").isEmpty());
}

// The help describes the searches with the introduction's examples, which find entries in the
// dictionary the program ships with; none of its pages relies on "dt.", which that dictionary
// does not use, except the topic that explains abbreviations.
TEST(HelpFiles, PagesQuoteTheIntroductionsExamples) {
    const struct {
        const char* page;
        QString quoted;
    } cases[] = {{"begriffsuche.html", introPages()[0].example},
                 {"textsuche.html", "<code>" + introPages()[1].example + "</code>"},
                 {"kombinierte-suche.html", introPages()[2].example},
                 {"kombinierte-suche.html", introPages()[2].answer},
                 {"hilfe-info.html", "„" + introPages()[2].answer + "“"},
                 {"durcheinander.html", introPages()[3].example}};
    for (const auto& c : cases) {
        EXPECT_TRUE(helpPage(c.page).contains(c.quoted)) << c.page << " " << c.quoted.toStdString();
    }
    for (const QString& name : QDir(VONDRIK_HELP_SOURCE_DIR).entryList({"*.html"})) {
        if (name != "abkuerzungen.html") {
            EXPECT_FALSE(helpPage(name).contains("dt. dichter", Qt::CaseInsensitive))
                << name.toStdString();
        }
    }
}

// Menus list an entry under each main category it names; two made some list it twice.
TEST(DesktopEntry, NamesOneMainCategory) {
    const QByteArray entry = test::bytesOf(VONDRIK_ICON_SOURCE_DIR "/vondrik2000.desktop.in");
    QStringList categories;
    for (const QString& line : QString::fromUtf8(entry).split(u'\n')) {
        if (line.startsWith("Categories=")) {
            categories = line.mid(11).split(u';', Qt::SkipEmptyParts);
        }
    }
    static const QStringList mainCategories = {
        "AudioVideo", "Audio",  "Video",   "Development", "Education", "Game",   "Graphics",
        "Network",    "Office", "Science", "Settings",    "System",    "Utility"};
    QStringList main;
    for (const QString& category : categories) {
        if (mainCategories.contains(category)) {
            main << category;
        }
    }
    EXPECT_EQ(main, QStringList{"Office"}) << categories.join(u';').toStdString();
    EXPECT_TRUE(categories.contains("Dictionary"));  // an additional category of Office
}

}  // namespace
}  // namespace vondrik
