// The dictionary editor window's controls: building them, their places in the designed
// client area of 9645 x 8625 twips, and loading the window beside the main window.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "maintenance/erweitern.h"
#include "ui/platform.h"
#include "ui/widgets/open_once.h"
#include "ui/widgets/result_list.h"

namespace vondrik {
namespace {

// The lists as designed, the frames below them.
constexpr int kWidth = 643;
constexpr int kHeight = 575;
constexpr int kLeft = 36;
constexpr int kListWidth = 561;
// The frames take the whole width: the six buttons need more room than the lists.
constexpr int kFrameLeft = 12;
constexpr int kFrameWidth = kWidth - 2 * kFrameLeft;
constexpr int kFrameInset = 8;
// Inside Frame1 the controls line up with the lists.
constexpr int kInnerLeft = kLeft - kFrameLeft;
constexpr int kFieldLeft = kInnerLeft + 76;

const char16_t* const kLengthCaptions[14] = {u"&2", u"&3",  u"&4", u"&5", u"&6", u"&7", u"&8",
                                             u"&9", u"&10", u"11", u"12", u"13", u"14", u"15"};

QFont boldened(QFont font) {
    font.setBold(true);
    return font;
}

ResultList* makeList(QWidget* parent, const char* name) {
    auto* list = new ResultList(parent);
    list->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(8.25);
    list->setFont(font);
    return list;
}

}  // namespace

Erweitern::Erweitern(DictionarySession& session, Platform& platform, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      platform_(platform),
      editor_(session, platform.appFolder),
      lock_(mainWindow, this) {
    setObjectName(QStringLiteral("erweitern"));
    setWindowTitle(QStringLiteral("erweitern"));
    setAttribute(Qt::WA_DeleteOnClose);
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    buildControls();
    buildButtons();
    setFixedSize(kWidth, kHeight);
}

Erweitern* Erweitern::open(DictionarySession& session, Platform& platform, QWidget* mainWindow) {
    return openOnce<Erweitern>(mainWindow, session, platform);
}

void Erweitern::buildControls() {
    Label4 = new QLabel(QStringLiteral("bestehende Daten"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(boldened(font()));
    Label4->setGeometry(kLeft, 2, 300, 17);

    List1 = makeList(this, "List1");
    List1->setGeometry(kLeft, 20, kListWidth, 200);

    Label5 = new QLabel(QStringLiteral("Suchergebnis"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFont(boldened(font()));
    Label5->setGeometry(kLeft, 225, 300, 17);

    List2 = makeList(this, "List2");
    List2->setGeometry(kLeft, 244, kListWidth, 172);

    for (ResultList* list : {List1, List2}) {
        connect(list, &QAbstractItemView::clicked, this,
                [this, list](const QModelIndex& index) { loadRow(list, index.row()); });
        list->installEventFilter(this);
    }

    Frame1 = new QGroupBox(QStringLiteral("Datei auswählen"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(kFrameLeft, 420, kFrameWidth, 104);
    for (int i = 0; i < 14; ++i) {
        auto* button = new QPushButton(QString::fromUtf16(kLengthCaptions[i]), Frame1);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setGeometry(kInnerLeft + 40 * i, 20, 25, 25);
        connect(button, &QPushButton::clicked, this, [this, i] { chooseLength(i); });
        Command1[i] = button;
    }

    Label1 = new QLabel(QStringLiteral("Begriff"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kInnerLeft, 52, 70, 20);
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(kFieldLeft, 51, 200, 22);

    Label2 = new QLabel(QStringLiteral("Bedeutung"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(kInnerLeft, 77, 70, 20);
    Text2 = new QLineEdit(Frame1);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(kFieldLeft, 76, kInnerLeft + kListWidth - kFieldLeft, 22);
    Text2->setMaxLength(kMeaningTypingLimit);

    // Enter adds from either field and must not reach the fields themselves.
    Text1->installEventFilter(this);
    Text2->installEventFilter(this);

    Label3 = new QLabel(QStringLiteral("Label3"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->hide();
}

void Erweitern::buildButtons() {
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(kFrameLeft, 528, kFrameWidth, 42);
    const struct {
        QPushButton** button;
        const char* name;
        const char16_t* caption;
        void (Erweitern::*action)();
    } buttons[] = {
        {&Command2, "Command2", u"Daten hin&zufügen", &Erweitern::add},
        {&Command3, "Command3", u"Datensatz &ändern", &Erweitern::change},
        {&Command4, "Command4", u"Datensatz &löschen", &Erweitern::remove},
        {&Command7, "Command7", u"Begriff &suchen", &Erweitern::searchWord},
        {&Command5, "Command5", u"&Bedeutung suchen", &Erweitern::searchMeaning},
        {&Command6, "Command6", u"&Ende", nullptr},
    };
    QList<QPushButton*> row;
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(b.caption), Frame2);
        button->setObjectName(QLatin1String(b.name));
        if (b.action) {
            connect(button, &QPushButton::clicked, this, b.action);
        } else {
            connect(button, &QPushButton::clicked, this, &QWidget::close);
        }
        *b.button = button;
        row.append(button);
    }
    // Each button as wide as its caption needs, the room left over shared out evenly.
    constexpr int kGap = 4;
    constexpr int kPadding = 12;
    const auto captionWidth = [](const QPushButton* b) {
        return b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&')) + kPadding;
    };
    int needed = 0;
    for (const QPushButton* b : row) {
        needed += captionWidth(b);
    }
    const int room = Frame2->width() - 2 * kFrameInset - kGap * int(row.size() - 1);
    const int extra = std::max(0, room - needed) / int(row.size());
    int x = kFrameInset;
    for (QPushButton* b : row) {
        const int width = captionWidth(b) + extra;
        b->setGeometry(x, 9, width, 26);
        x += width + kGap;
    }
}

}  // namespace vondrik
