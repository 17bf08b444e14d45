// The platform layer. Its small rules: code page 1252, the 1-based random choice, and window
// scaling, where every control's place, size and font follow the window's new width. Its real Qt
// parts: message, input and colour boxes answered from inside the running box, the printer without
// a printer (a PDF in the application folder and a message naming it), and the HTTP getter against
// a small server on 127.0.0.1 run by the test itself.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "support/helpers.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"
#include "support/static_http_server.h"
#include "ui/cp1252.h"
#include "ui/fake_platform.h"
#include "ui/qt_common_dialogs.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_http_getter.h"
#include "ui/qt_printer.h"
#include "ui/random_source.h"
#include "ui/widgets/size_form.h"

namespace vondrik {
namespace {

using test::whenModalAppears;

// The round trip of every byte is tested with the text files.
TEST(Cp1252, MissingCharactersBecomeOneQuestionMarkEach) {
    // Latin A with macron, Greek omega, an emoji (a surrogate pair) and a lone surrogate.
    const QString text = QStringLiteral("a\u0100b\u03A9c") + QString::fromUtf8("\xF0\x9F\x98\x80") +
                         QChar(0xD800) + QStringLiteral("d");
    EXPECT_EQ(encodeCp1252(text), QByteArray("a?b?c??d"));
    // 0x1A is ICU's own stand-in for missing characters; a real one must still pass.
    EXPECT_EQ(encodeCp1252(QStringLiteral("x\x1Ay\ty")), QByteArray("x\x1Ay\ty"));
}

TEST(Choose, MapsTheUnitIntervalOntoOneToNInEqualShares) {
    for (int n : {1, 7, 65535, 1'000'000'000}) {
        FakeRandom random;
        random.script({0.0, std::nextafter(1.0, 0.0)});
        EXPECT_EQ(choose(random, n), 1) << n;
        EXPECT_EQ(choose(random, n), n) << n;
    }
    FakeRandom random;
    random.script({0.24, 0.25, 0.74, 0.75});
    EXPECT_EQ(
        QList<int>({choose(random, 4), choose(random, 4), choose(random, 4), choose(random, 4)}),
        QList<int>({1, 2, 3, 4}));
    EXPECT_EQ(choose(random, 0), 0);  // nothing to choose from
}

TEST(SizeForm, DoublingTheWidthDoublesEveryControlAndFontOnce) {
    QWidget window;
    window.resize(400, 300);
    auto* frame = new QWidget(&window);
    frame->setGeometry(100, 150, 200, 100);
    QFont frameFont = frame->font();
    frameFont.setPointSizeF(8);
    frame->setFont(frameFont);
    auto* inner = new QLabel("x", frame);  // inherits the frame's font
    inner->setGeometry(5, 6, 40, 20);

    const int borderX = window.frameGeometry().width() - window.width();
    EXPECT_DOUBLE_EQ(modSizeForm(window, window, 2 * 400 + borderX), 2.0);
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(frame->geometry(), QRect(200, 300, 400, 200));
    EXPECT_DOUBLE_EQ(frame->font().pointSizeF(), 16);
    EXPECT_EQ(inner->geometry(), QRect(10, 12, 80, 40));
    EXPECT_DOUBLE_EQ(inner->font().pointSizeF(), 16);  // scaled once, not twice
}

// The main window's designed client area is 1000 x 685 under a menu bar; it must fit every
// common screen whole, scaled evenly, and fill it in the tighter direction.
TEST(SizeForm, FitsTheTighterDirectionOfEveryScreen) {
    const QSize client(1000, 685);
    const QSize border(0, 30);
    for (const QSize screen : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080),
                               QSize(2560, 1440), QSize(3840, 2160), QSize(1280, 1024)}) {
        const double f = fittingFactor(client, border, screen);
        const int width = int(client.width() * f) + border.width();
        const int height = int(client.height() * f) + border.height();
        EXPECT_LE(width, screen.width()) << screen.width();
        EXPECT_LE(height, screen.height()) << screen.width();
        EXPECT_TRUE(width >= screen.width() - 1 || height >= screen.height() - 1)
            << screen.width() << "x" << screen.height();
    }
}

void clickButton(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    dialog->close();
}

// The buttons carry their German texts; Escape answers as "Nein" or "Abbrechen".
TEST(QtMessageBox, EachButtonOrEscapeGivesItsAnswer) {
    const struct {
        MessageButtons buttons;
        const char* click;  // nullptr: Escape
        MessageAnswer expected;
    } cases[] = {
        {MessageButtons::Ok, "OK", MessageAnswer::Ok},
        {MessageButtons::YesNo, "&Ja", MessageAnswer::Yes},
        {MessageButtons::YesNo, nullptr, MessageAnswer::No},
        {MessageButtons::OkCancel, "Abbrechen", MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel, "Abbrechen", MessageAnswer::Cancel},
    };
    for (const auto& c : cases) {
        whenModalAppears([&](QWidget* dialog) {
            c.click ? clickButton(dialog, c.click) : qobject_cast<QDialog*>(dialog)->reject();
        });
        EXPECT_EQ(QtMessageBox().show("Text", "Titel", MessageIcon::None, c.buttons), c.expected)
            << (c.click ? c.click : "Escape");
    }
}

// A long text wraps inside the box: with blanks at them, without (a 500-character reminder
// typed as one word) anywhere.
TEST(QtMessageBox, LongTextsWrapInsideTheBox) {
    QString words = "05.03   ";
    while (words.size() < 500) {
        words += "Geburtstag von Tante Erna ";
    }
    for (const QString& text : {words, "05.03   " + QString(492, u'x')}) {
        QString shown;
        int labelWidth = 0, neededWidth = 0, boxWidth = 0;
        whenModalAppears([&](QWidget* dialog) {
            auto* label = dialog->findChild<QLabel*>("qt_msgbox_label");
            shown = label ? label->text() : QString();
            labelWidth = label ? label->width() : 0;
            neededWidth = label ? label->minimumSizeHint().width() : 1;
            boxWidth = dialog->width();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        QtMessageBox().show(text, "Erinnerung", MessageIcon::Exclamation);
        EXPECT_EQ(shown.remove(QChar(0x200B)), text);
        EXPECT_LE(neededWidth, labelWidth) << "cut off at the right edge";
        EXPECT_LE(boxWidth, 1000);
    }
}

// Cancel gives the empty text; the box is wide enough for its title, which a window manager
// shows in the box's own width beside its icon and buttons.
TEST(QtInputBox, ConfirmedTextComesBackCancelGivesEmptyAndTheTitleFits) {
    const QString title = "'Suche kombinieren' ist aktiviert";
    QString shownDefault;
    int width = 0, titleWidth = 0;
    whenModalAppears([&](QWidget* dialog) {
        shownDefault = dialog->findChild<QLineEdit*>()->text();
        width = dialog->width();
        titleWidth = dialog->fontMetrics().horizontalAdvance(title);
        dialog->findChild<QLineEdit*>()->setText("Meier");
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(QtInputBox().ask("Ihr Name:", title, "Spieler"), "Meier");
    EXPECT_EQ(shownDefault, "Spieler");
    EXPECT_GE(width, titleWidth + 100);
    whenModalAppears([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText("Meier");
        clickButton(dialog, "Abbrechen");
    });
    EXPECT_EQ(QtInputBox().ask("Ihr Name:", "Bestenliste", "Spieler"), "");
}

// Colours travel as red + 256 × green + 65536 × blue.
TEST(QtCommonDialogs, ColourDialogStartsFromTheGivenColourAndReportsTheChoice) {
    QColor shown;
    whenModalAppears([&](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    EXPECT_EQ(QtCommonDialogs().chooseColour(12648447), 10 + 256 * 20 + 65536 * 30);
    EXPECT_EQ(shown, QColor(255, 255, 192));
    whenModalAppears([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(QtCommonDialogs().chooseColour(0), std::nullopt);
}

class QtPrinterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            GTEST_SKIP() << "a printer is installed; nothing is printed on paper by tests";
        }
    }

    QByteArray pdf(const QString& name) const { return test::bytesOf(dir_.filePath(name)); }

    // Page objects of the PDF (the page tree itself is "/Type /Pages").
    static int pageCount(const QByteArray& pdf) {
        return static_cast<int>(QString::fromLatin1(pdf).count(
            QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    }

    QTemporaryDir dir_;
    FakePlatform fake_{dir_.path()};
    QtPrinter printer_{fake_.messageBox, fake_.clock, fake_.appFolder};
};

// About 55 lines of 12 point fit on an A4 page, and about 80 characters on a line. A job left
// open is finished when dropped; a second print in the same second must not overwrite the first.
TEST_F(QtPrinterTest, WithoutPrinterEveryJobBecomesAPdfOfItsOwnNamedInAMessage) {
    auto job = printer_.begin("Pyramide");
    job->setFontSize(12);
    EXPECT_TRUE(job->fits(QString(60, u'x')));
    EXPECT_FALSE(job->fits(QString(100, u'x')));
    for (int i = 0; i < 150; ++i) {
        job->printLine(QStringLiteral("Zeile %1").arg(i));
    }
    job->newPage();
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::white);
    job->drawPicture(picture, QPoint(4000, 2000));
    job->printLine("      1. = A");
    EXPECT_TRUE(job->end());
    printer_.begin("Zwei")->printLine("x");

    const QString name = "druck-20240305-140709.pdf";
    ASSERT_TRUE(pdf(name).startsWith("%PDF")) << "no PDF at " << name.toStdString();
    EXPECT_EQ(pageCount(pdf(name)), 4);
    EXPECT_TRUE(pdf("druck-20240305-140709-2.pdf").startsWith("%PDF"));
    ASSERT_EQ(fake_.messageBox.shown().size(), 2);
    const ShownMessage& message = fake_.messageBox.shown().at(0);
    EXPECT_TRUE(message.text.contains("kein Drucker")) << message.text.toStdString();
    EXPECT_TRUE(message.text.contains(QDir::toNativeSeparators(dir_.filePath(name))));
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_TRUE(fake_.messageBox.shown().at(1).text.contains("druck-20240305-140709-2.pdf"));
}

TEST_F(QtPrinterTest, UnwritableFolderGivesACriticalMessage) {
    const AppFolder missing(dir_.filePath("fehlt"));
    QtPrinter printer(fake_.messageBox, fake_.clock, missing);
    auto job = printer.begin("Pyramide");
    job->printLine("x");
    EXPECT_FALSE(job->end());
    ASSERT_EQ(fake_.messageBox.shown().size(), 1);
    EXPECT_EQ(fake_.messageBox.shown().at(0).icon, MessageIcon::Critical);
    EXPECT_TRUE(fake_.messageBox.shown().at(0).text.contains("fehlt"));
}

// Update files change on the server, so every call must reach it: nothing is cached.
TEST(QtHttpGetter, ReturnsTheBodyEveryTimeAndEmptyForNotFoundOrRefused) {
    QTemporaryDir root;
    const QByteArray body("3\r\n\xE4nderung\r\n", 13);
    test::writeBytes(root.filePath("datenupdate/upd.dat"), body);
    QtHttpGetter http;
    QUrl refused;
    {
        test::StaticHttpServer server(root.path());
        ASSERT_TRUE(server.listening());
        const QUrl url(server.baseUrl() + "datenupdate/upd.dat");
        EXPECT_EQ(http.get(url, 5000), body);
        EXPECT_EQ(http.get(url, 5000), body);
        EXPECT_EQ(http.get(QUrl(server.baseUrl() + "99.upd"), 5000), QByteArray());
        EXPECT_EQ(server.requested(),
                  QStringList({"/datenupdate/upd.dat", "/datenupdate/upd.dat", "/99.upd"}));
        refused = url;
    }
    EXPECT_EQ(http.get(refused, 5000), QByteArray());
}

TEST(QtHttpGetter, ServerThatNeverAnswersTimesOutEmpty) {
    QTcpServer silent;  // takes the connection and never says a word
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/upd.dat").arg(silent.serverPort()));
    EXPECT_EQ(QtHttpGetter().get(url, 300), QByteArray());
}

}  // namespace
}  // namespace vondrik
