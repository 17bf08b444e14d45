// The help menu on the real main window: the about box, the help window and the additional
// tooltips.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "extras/about_window.h"
#include "extras/help_viewer.h"
#include "shell/haupt_fixture.h"

namespace vondrik::test {
namespace {

using HelpMenuTest = HauptTest;

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(HelpMenuTest, AdditionalTooltipsOnAndOffNeverOnLabel2) {
    QWidget* client = haupt->centralWidget();
    const auto tip = [client](const char* name) {
        return client->findChild<QWidget*>(QLatin1String(name))->toolTip();
    };
    haupt->menuAction(QStringLiteral("akti"))->trigger();
    EXPECT_EQ(tip("Text1"),
              "Nach der Eingabe RETURN oder ENTER drücken, damit die Suche gestartet wird.");
    EXPECT_EQ(tip("Label3"),
              "Sie können auch für alle unbekannten Buchstaben einen Punkt, oder ein "
              "Leerzeichen, oder ein Fragezeichen einsetzten. ");
    EXPECT_EQ(tip("Command1_0"), "Textsuche in den Begriffen mit 2 Buchstaben durchführen.");
    EXPECT_EQ(tip("Command1_13"), "Textsuche in den Begriffen mit 15 Buchstaben durchführen.");
    EXPECT_EQ(tip("Command1_14"), "Textsuche in der gesamten Datenbank.");
    EXPECT_TRUE(tip("Label2").isEmpty());
    haupt->menuAction(QStringLiteral("deakti"))->trigger();
    for (const char* name : {"Text1", "Label3", "Label2", "Check1", "Command1_6", "Command1_14"}) {
        EXPECT_TRUE(tip(name).isEmpty()) << name;
    }
}

TEST_F(HelpMenuTest, AboutBoxLinksPulseAndOpenTheConfiguredAddresses) {
    writeFile(app.file("daten/kontakt.dat"),
              "Homepage=https://raetsel.example/\r\nE-Mail=post@raetsel.example\r\n");
    haupt->menuAction(QStringLiteral("info"))->trigger();
    auto* box = haupt->findChild<Information*>();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->windowTitle(), "Info zu Vondrik 2000 ");
    EXPECT_EQ(box->lblTitle->text(), "Vondrik 2000");
    EXPECT_EQ(box->lblVersion->text(), "Version 3.6");
    EXPECT_EQ(box->lblDescription[2]->text(), "Homepage: https://raetsel.example/");
    EXPECT_EQ(box->Timer1->interval(), 2000);
    EXPECT_TRUE(box->Timer1->isActive());
    for (int i = 0; i < 4; ++i) {
        const int mail = box->lblDescription[1]->font().pointSize();
        const int web = box->lblDescription[2]->font().pointSize();
        box->step();
        EXPECT_EQ(box->lblDescription[1]->font().pointSize(), web);
        EXPECT_EQ(box->lblDescription[2]->font().pointSize(), mail);
        EXPECT_NE(mail, web);
    }
    QTest::mouseClick(box->lblDescription[2], Qt::LeftButton);
    QTest::mouseClick(box->lblDescription[1], Qt::LeftButton);
    ASSERT_EQ(fake.urlOpener.opened.size(), 2);
    EXPECT_EQ(fake.urlOpener.opened[0], QUrl("https://raetsel.example/"));
    EXPECT_EQ(fake.urlOpener.opened[1].toString(QUrl::FullyEncoded),
              "mailto:post@raetsel.example?Subject=Vondrik%202000&Body=Hallo");
    // No mail program: the box stays.
    fake.urlOpener.succeeds = false;
    QTest::mouseClick(box->lblDescription[1], Qt::LeftButton);
    EXPECT_TRUE(box->isVisible());
    box->cmdOK->click();
    EXPECT_FALSE(box->isVisible());
}

TEST_F(HelpMenuTest, ThePreferredHelpOpensWhenBothExist) {
    writeFile(
        app.file("Vondrik-Hilfe/index.html"),
        "<html><body><nav id=\"inhalt\"><a href=\"suche.html\">Suche</a></nav></body></html>");
    writeFile(app.file("Vondrik-Hilfe/suche.html"), "<html><body><p>Raute</p></body></html>");
    writeFile(app.file("vondrik.html"), "<html><body><p>Eine Seite</p></body></html>");
    haupt->menuAction(QStringLiteral("hian"))->trigger();
    auto* viewer = haupt->findChild<HelpViewer*>();
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->document().kind, HelpKind::Pages);
    EXPECT_EQ(viewer->Seite->source(), QUrl::fromLocalFile(app.file("Vondrik-Hilfe/index.html")));
    EXPECT_EQ(viewer->windowTitle(), "Vondrik");
    EXPECT_EQ(viewer->size(), QSize(800, 600));
    ASSERT_EQ(viewer->Inhalt->count(), 1);
    EXPECT_EQ(viewer->Inhalt->currentRow(), -1);
    viewer->showTopic(0);
    EXPECT_EQ(viewer->Seite->source(), QUrl::fromLocalFile(app.file("Vondrik-Hilfe/suche.html")));
    EXPECT_EQ(viewer->Inhalt->currentRow(), 0);
    viewer->Suchtext->setText(QStringLiteral("raute"));
    viewer->Suchen->click();
    ASSERT_EQ(viewer->Fundstellen->count(), 1);
    EXPECT_EQ(viewer->Fundstellen->item(0)->text(), "Suche");
    viewer->close();

    QDir(app.file("Vondrik-Hilfe")).removeRecursively();
    haupt->menuAction(QStringLiteral("hian"))->trigger();
    HelpViewer* single = nullptr;
    for (HelpViewer* v : haupt->findChildren<HelpViewer*>()) {
        single = v->isVisible() ? v : single;
    }
    ASSERT_TRUE(single);
    EXPECT_EQ(single->document().kind, HelpKind::SinglePage);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(HelpMenuTest, WithoutAnyHelpAGermanMessage) {
    haupt->menuAction(QStringLiteral("hian"))->trigger();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.startsWith("Die Hilfe wurde nicht gefunden."));
    EXPECT_FALSE(haupt->findChild<HelpViewer*>());
}

}  // namespace
}  // namespace vondrik::test
