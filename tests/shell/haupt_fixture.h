// A loaded main window on a test application folder with the fake platform.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <memory>

#include "shell/haupt_controls.h"
#include "support/test_app_folder.h"
#include "ui/fake_platform.h"

namespace vondrik::test {

class HauptTest : public ::testing::Test {
  protected:
    void SetUp() override { start(); }

    // (Re)creates the window after the test has prepared the folder or the clock; fitted to
    // `area` when one is given, else to the screen.
    void start(const QRect& area = QRect()) {
        haupt.reset();
        haupt = std::make_unique<Haupt>(fake.platform);
        ASSERT_TRUE(area.isNull() ? haupt->load() : haupt->load(area));
        haupt->show();
    }

    // Types a pattern into the pattern box and presses Enter.
    QStringList search(const QString& pattern) {
        Text1(*haupt)->clear();
        QTest::keyClicks(Text1(*haupt), pattern);
        QTest::keyClick(Text1(*haupt), Qt::Key_Return);
        return List1(*haupt)->lines();
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& m : fake.messageBox.shown()) {
            texts << m.text;
        }
        return texts;
    }

    TestAppFolder app;
    FakePlatform fake{app.path()};
    std::unique_ptr<Haupt> haupt;
};

}  // namespace vondrik::test
