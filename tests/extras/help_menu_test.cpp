// The help menu on the real main window: the additional tooltips, the about box and the help
// window.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include "extras/about_window.h"
#include "extras/help_viewer.h"
#include "shell/haupt_fixture.h"
#include "support/helpers.h"

namespace vondrik::test {
namespace {

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
    ASSERT_EQ(fake.urlOpener.opened.size(), 2);
    EXPECT_EQ(fake.urlOpener.opened[0], QUrl("https://raetsel.example/"));
    EXPECT_EQ(fake.urlOpener.opened[1].toString(QUrl::FullyEncoded),
              "mailto:post@raetsel.example?Subject=Vondrik%202000&Body=Hallo");
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
