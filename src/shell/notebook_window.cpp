// The notebook adjustment window.
#include "shell/notebook_window.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "shell/notebook_file.h"
#include "ui/platform.h"

namespace vondrik {

notbook::notbook(Platform& platform, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), platform_(platform) {
    setObjectName(QStringLiteral("notbook"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Anpassung für Notebooks"));

    Label1 = new QLabel(
        QStringLiteral(
            "Ändern und speichern Sie hier bitte nur die Werte, wenn Sie Vondrik 2000 auf einem "
            "Notebook nutzen und die Darstellung fehlerhaft ist. Wenn der untere Teil des "
            "Fensters verschwunden ist können Sie diesen nach oben ziehen. Erledigen Sie dies "
            "mit dem Schieberegler, und speichern dann den eingestellten Wert ab."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(-kLargestNotebookShift, kLargestNotebookShift);
    HScroll1->setSingleStep(10);
    HScroll1->setPageStep(100);
    HScroll1->setMinimumHeight(22);

    Label2 = new QLabel(QStringLiteral("0"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont big = Label2->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    Label2->setFont(big);

    Command1 = new QPushButton(
        QStringLiteral("Wert speichern und beim nächsten Programmstart berücksichtigen"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(
        QStringLiteral("Wert löschen und wieder mit Originalwerten starten "), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(Label1);
    layout->addWidget(HScroll1);
    layout->addWidget(Label2);
    layout->addWidget(Command1);
    layout->addWidget(Command2);
    resize(520, sizeHint().height());
    if (mainWindow) {
        move(mainWindow->geometry().center() - rect().center());
    }

    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) { onSlider(value); });
    connect(Command1, &QPushButton::clicked, this, [this] { save(); });
    connect(Command2, &QPushButton::clicked, this, [this] { remove(); });

    if (const auto saved = readNotebookShift(platform_.appFolder)) {
        HScroll1->setValue(*saved);
    }
}

void notbook::onSlider(int value) {
    emit shiftChanged(value);
    Label2->setText(QString::number(value));
}

void notbook::save() {
    if (!writeNotebookShift(platform_.appFolder, HScroll1->value())) {
        platform_.messageBox.show(
            QStringLiteral("Der Wert konnte nicht in der Datei %1 gespeichert werden.")
                .arg(platform_.appFolder.appPath(kNotebookFile)),
            QStringLiteral("Anpassung für Notebooks"), MessageIcon::Exclamation);
        return;
    }
    close();
}

void notbook::remove() {
    if (!removeNotebookShift(platform_.appFolder)) {
        platform_.messageBox.show(QStringLiteral("Die Datei %1 konnte nicht gelöscht werden.")
                                      .arg(platform_.appFolder.appPath(kNotebookFile)),
                                  QStringLiteral("Anpassung für Notebooks"),
                                  MessageIcon::Exclamation);
        return;
    }
    HScroll1->setValue(0);
    emit shiftChanged(0);
    close();
}

}  // namespace vondrik
