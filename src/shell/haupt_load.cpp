// The main window's load sequence: database, fonts, scaling, preferences, greeting and the
// notebook shift, each step on its own so one failure does not stop the rest.
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <stdexcept>

#include "dictionary/statements.h"
#include "maintenance/interrupted_work.h"
#include "shell/haupt.h"
#include "shell/notebook_file.h"
#include "ui/text_file.h"
#include "ui/twips.h"
#include "ui/widgets/result_list.h"
#include "ui/widgets/size_form.h"

namespace vondrik {
namespace {

QString describe(const std::exception& e) {
    if (const auto* db = dynamic_cast<const DatabaseError*>(&e)) {
        return db->message();
    }
    return QString::fromUtf8(e.what());
}

}  // namespace

void Haupt::runLoadStep(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& e) {
        platform_.messageBox.show(QStringLiteral("Fehlermeldung"), describe(e),
                                  MessageIcon::Critical);
    }
}

void Haupt::addFont(const char16_t* file, QWidget* target) {
    const QString path =
        platform_.appFolder.appPath(QStringLiteral("\\daten\\") + QString::fromUtf16(file));
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) {
        throw std::runtime_error(
            QStringLiteral("Schriftart %1 nicht gefunden").arg(path).toStdString());
    }
    fontIds_.append(id);
    QFont font = target->font();
    font.setFamilies(QFontDatabase::applicationFontFamilies(id));
    target->setFont(font);
}

bool Haupt::load() {
    const QScreen* screen = this->screen();
    return load(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768));
}

bool Haupt::load(const QRect& area) {
    // A restore the program did not live to finish is completed first, so that the test for
    // the dictionary below and everything after it see one consistent state.
    finishInterruptedWork(platform_.appFolder);
    const QString dictionary = platform_.appFolder.appPath(u"\\daten\\daten.mdb");
    if (!FileExists(dictionary)) {
        platform_.messageBox.show(QStringLiteral("Fehler in Datenbank"),
                                  QStringLiteral("Fehlermeldung Nr.1"), MessageIcon::Critical);
        return false;
    }
    runLoadStep([&] {
        session_.attach(Database::OpenDatabase(dictionary, dictionaryConnect()));
        session_.open(statement(Family::WarmUp, *tableForLength(2), {}));
    });
    runLoadStep([&] { Image1->setGeometry(0, 0, client_->width(), Frame1->y()); });
    // One step per font: a missing font must not cost the other one.
    runLoadStep([&] { addFont(u"keystroke.ttf", Text1); });
    runLoadStep([&] { addFont(u"lcd.ttf", Label2); });
    runLoadStep([&] {
        layout()->activate();  // the client gets its designed size before it is measured
        scaleToFit(*this, *client_, area.size());
        // The controls are placed for this one size, and the notebook shift and its base
        // values are measured against it: the window keeps it rather than leaving controls
        // behind when it is shrunk or grey space when it is enlarged.
        setFixedSize(size());
        // A screen wider than the window's shape leaves room at the sides; share it out.
        move(area.x() + std::max(0, (area.width() - frameGeometry().width()) / 2), area.y());
    });
    runLoadStep([&] {
        List1->setGeometry(0, 0, Image1->width() - twipsToPixels(100),
                           Frame1->y() + twipsToPixels(50));
        designedFontName_ = List1->font().family();
        designedFontSize_ = List1->font().pointSizeF();
    });
    runLoadStep([&] { readSettings(); });
    runLoadStep([&] { loadBackgroundPicture(); });
    runLoadStep([&] { writeGreeting(); });
    runLoadStep([&] { setAdditionalTooltips(tooltipTargets(), false); });
    runLoadStep([&] { startReminderTimer(); });
    runLoadStep([&] {
        listBaseHeight_ = static_cast<qint16>(pixelsToTwips(List1->height()));
        panelBaseTop_ = static_cast<qint16>(pixelsToTwips(Frame1->y()));
    });
    runLoadStep([&] { readNotebookFile(); });
    return true;
}

void Haupt::applyListLook() {
    const auto colour = [](int bgr) {
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    };
    List1->setColours(colour(prefs_.listBackground), colour(prefs_.listText));
    QFont font = List1->font();
    font.setFamily(prefs_.fontName.isEmpty() ? designedFontName_ : prefs_.fontName);
    const double size = prefs_.fontSize > 0 ? prefs_.fontSize : designedFontSize_;
    if (size > 0) {
        font.setPointSizeF(size);
    }
    List1->setFont(font);
}

void Haupt::loadBackgroundPicture() {
    const QString fallback = Preferences::defaults(platform_.appFolder).picture;
    const QString path = FileExists(prefs_.picture) ? prefs_.picture : fallback;
    QPixmap picture;
    if (picture.load(path)) {
        Image1->setPixmap(picture);
        return;
    }
    // Told once: the default picture takes the unreadable one's place, also in the settings.
    prefs_.picture = fallback;
    if (path != fallback && picture.load(fallback)) {
        Image1->setPixmap(picture);
    } else {
        Image1->clear();
    }
    throw std::runtime_error(
        QStringLiteral("Bild %1 kann nicht geladen werden").arg(path).toStdString());
}

void Haupt::writeGreeting() {
    const int hour = platform_.clock.now().time().hour();
    if (hour > 0 && hour < 12) {
        Text1->setText(QStringLiteral("Guten Morgen"));
    } else if (hour > 11 && hour < 19) {
        Text1->setText(QStringLiteral("Guten Tag"));
    } else if (hour > 18) {
        Text1->setText(QStringLiteral("Guten Abend"));
    }
}

void Haupt::readNotebookFile() {
    if (const auto shift = readNotebookShift(platform_.appFolder)) {
        applyNotebookShift(*shift);
    }
}

void Haupt::applyNotebookShift(int twips) {
    const int base = twipsToPixels(listBaseHeight_);
    const int top = twipsToPixels(panelBaseTop_);
    // The panel never leaves the window, however far the shift would push it.
    const int lowestTop = std::max(0, client_->height() - Frame1->height());
    const int shift = std::clamp(twipsToPixels(twips), top - lowestTop, top);
    List1->resize(List1->width(), base - shift);
    Image1->resize(Image1->width(), base - shift);
    Frame1->move(Frame1->x(), top - shift);
}

}  // namespace vondrik
