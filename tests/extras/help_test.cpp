// The choice between the two help forms, the shipped help's
// contents and the help search and the desktop entry; then the help menu on the real main
// window: the additional tooltips, the about box and the help window.
#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "extras/about_window.h"
#include "extras/help_files.h"
#include "extras/help_search.h"
#include "extras/help_viewer.h"
#include "shell/haupt_fixture.h"
#include "support/helpers.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

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

// Which help is shown when both exist is tested on the window.
TEST(HelpFiles, ASinglePageAloneIsTheHelpAndItsTopicsAreItsSections) {
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    const QString page = folder.appPath(kHelpSinglePage);
    writeBytes(page,
               "<html><head><meta charset=\"utf-8\"><title>T</title></head><body>"
               "<nav id=\"inhalt\"><a href=\"#suche\">Suche &amp; Finden</a>"
               "<a href=\"#spiel\">Spiel</a><a href=\"https://example.org\">Web</a></nav>"
               "<h2 id=\"suche\">Suche</h2><p>Platzhalter Raute und Fragezeichen.</p>"
               "<h2 id=\"spiel\">Spiel</h2><p>Raten mit Punkten. Raute? Nein.</p>"
               "<h2 id=\"fehlt\">Mehr</h2></body></html>");
    EXPECT_EQ(findHelp(folder).kind, HelpKind::SinglePage);
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

// Menus list an entry under each main category it names; two made some list it twice.
TEST(DesktopEntry, NamesOneMainCategory) {
    const QStringList categories =
        QString::fromUtf8(bytesOf(VONDRIK_ICON_SOURCE_DIR "/vondrik2000.desktop.in"))
            .section("\nCategories=", 1)
            .section(u'\n', 0, 0)
            .split(u';', Qt::SkipEmptyParts);
    static const QStringList mainCategories = {
        "AudioVideo", "Audio",  "Video",   "Development", "Education", "Game",   "Graphics",
        "Network",    "Office", "Science", "Settings",    "System",    "Utility"};
    QStringList main = categories;
    main.removeIf([](const QString& category) { return !mainCategories.contains(category); });
    EXPECT_EQ(main, QStringList{"Office"}) << categories.join(u';').toStdString();
    EXPECT_TRUE(categories.contains("Dictionary"));  // an additional category of Office
}

using HelpMenuTest = HauptTest;

TEST_F(HelpMenuTest, AdditionalTooltipsOnAndOffNeverOnLabel2) {
    const auto tip = [this](const char* name) { return control<QWidget>(*haupt, name)->toolTip(); };
    haupt->menuAction("akti")->trigger();
    EXPECT_TRUE(tip("Text1").startsWith("Nach der Eingabe RETURN"));
    EXPECT_EQ(tip("Command1_13"), "Textsuche in den Begriffen mit 15 Buchstaben durchführen.");
    EXPECT_EQ(tip("Command1_14"), "Textsuche in der gesamten Datenbank.");
    EXPECT_EQ(tip("Label2"), "");
    haupt->menuAction("deakti")->trigger();
    EXPECT_EQ(tip("Text1") + tip("Command1_13") + tip("Label3"), "");
}

TEST_F(HelpMenuTest, AboutBoxLinksPulseAndOpenTheConfiguredAddresses) {
    writeBytes(app.file("daten/kontakt.dat"),
               "Homepage=https://raetsel.example/\r\nE-Mail=post@raetsel.example\r\n");
    haupt->menuAction("info")->trigger();
    auto* box = haupt->findChild<Information*>();
    QLabel* mail = child<QLabel>(box, "lblDescription", 1);
    QLabel* web = child<QLabel>(box, "lblDescription", 2);
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    EXPECT_EQ(fake.urlOpener.opened, QList<QUrl>({QUrl("https://raetsel.example/"),
                                                  mailUrl({"", "post@raetsel.example"})}));
    fake.urlOpener.succeeds = false;  // no mail program: the box stays
    QTest::mouseClick(mail, Qt::LeftButton);
    EXPECT_TRUE(box->isVisible());
    child<QPushButton>(box, "cmdOK")->click();
    EXPECT_FALSE(box->isVisible());
}

TEST_F(HelpMenuTest, ThePagesOpenWhenBothHelpsExistAndWithoutAnyAMessage) {
    haupt->menuAction("hian")->trigger();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.startsWith("Die Hilfe wurde nicht gefunden."));

    writeBytes(
        app.file("Vondrik-Hilfe/index.html"),
        "<html><body><nav id=\"inhalt\"><a href=\"suche.html\">Suche</a></nav></body></html>");
    writeBytes(app.file("Vondrik-Hilfe/suche.html"), "<html><body><p>Raute</p></body></html>");
    writeBytes(app.file("vondrik.html"), "<html><body><p>Eine Seite</p></body></html>");
    haupt->menuAction("hian")->trigger();
    auto* viewer = haupt->findChild<HelpViewer*>();
    ASSERT_TRUE(viewer);
    auto* page = child<QTextBrowser>(viewer, "Seite");
    EXPECT_EQ(page->source(), QUrl::fromLocalFile(app.file("Vondrik-Hilfe/index.html")));
    child<QLineEdit>(viewer, "Suchtext")->setText("raute");
    child<QPushButton>(viewer, "Suchen")->click();
    auto* hits = child<QListWidget>(viewer, "Fundstellen");
    ASSERT_EQ(hits->count(), 1);
    EXPECT_EQ(hits->item(0)->text(), "Suche");
    viewer->showTopic(0);
    EXPECT_EQ(page->source(), QUrl::fromLocalFile(app.file("Vondrik-Hilfe/suche.html")));
    EXPECT_EQ(child<QListWidget>(viewer, "Inhalt")->currentRow(), 0);
    EXPECT_EQ(fake.messageBox.shown().size(), 1);
}

}  // namespace
}  // namespace vondrik::test
