// The real printer without a printer: a PDF in the application folder and a message naming it.
#include "ui/qt_printer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/helpers.h"
#include "ui/fake_platform.h"

namespace vondrik {
namespace {

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

}  // namespace
}  // namespace vondrik
