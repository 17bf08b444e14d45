// The sound panel. It edits a copy of the sound preferences; OK and the defaults hand the
// copy back, Abbrechen drops it.
#include "shell/sound_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/platform.h"

namespace vondrik {
namespace {

const char16_t* const kSoundLabels[3] = {u"Ton bei erfolgreicher Suche:",
                                         u"Ton bei erfolgloser Suche:", u"Ton des Weckers:"};

// The sounds are numbered as their pairs: 0 success, 1 failure, 2 alarm.
constexpr int kAlarm = 2;

}  // namespace

SoundPanel::SoundPanel(Platform& platform, QWidget* parent)
    : QGroupBox(parent), platform_(platform) {
    setObjectName(QStringLiteral("Frame8"));
    setGeometry(166, 140, 668, 190);
    setAutoFillBackground(true);
    buildControls();
    hide();
}

void SoundPanel::buildControls() {
    std::array<QPushButton*, 3> choose{};
    for (int i = 0; i < 3; ++i) {
        auto* frame = new QGroupBox(this);
        frame->setObjectName(QStringLiteral("Frame9_%1").arg(i));
        frame->setGeometry(12 + i * 218, 12, 208, 120);
        Frame9[i] = frame;

        Label17[i] = new QLabel(QString::fromUtf16(kSoundLabels[i]), frame);
        Label17[i]->setObjectName(QStringLiteral("Label17_%1").arg(i));
        Label17[i]->setGeometry(10, 10, 190, 22);

        // Radio buttons of one frame exclude each other, so each pair is its own group.
        const QString names[2] = {QStringLiteral("an"), QStringLiteral("aus")};
        for (int j = 0; j < 2; ++j) {
            auto* option = new QRadioButton(names[j], frame);
            option->setObjectName(QStringLiteral("Option%1_%2").arg(i + 1).arg(j));
            option->setGeometry(14 + j * 86, 40, 76, 24);
            Option[i][j] = option;
        }
        connect(Option[i][0], &QRadioButton::toggled, this,
                [this, i](bool checked) { switchOf(i) = checked; });

        choose[i] = new QPushButton(QStringLiteral("auswählen"), frame);
        choose[i]->setObjectName(QStringLiteral("Command%1").arg(13 + i));
        choose[i]->setGeometry(10, 76, 188, 32);
        connect(choose[i], &QPushButton::clicked, this, [this, i] { chooseFile(i); });
    }
    Command13 = choose[0];
    Command14 = choose[1];
    Command15 = choose[2];

    Command16 = new QPushButton(QStringLiteral(" O  K"), this);
    Command16->setObjectName(QStringLiteral("Command16"));
    Command16->setGeometry(12, 144, 150, 34);
    connect(Command16, &QPushButton::clicked, this, [this] { accept(); });

    Command12 = new QPushButton(QStringLiteral("Standardeinstellungen wiederherstellen"), this);
    Command12->setObjectName(QStringLiteral("Command12"));
    Command12->setGeometry(172, 144, 310, 34);
    connect(Command12, &QPushButton::clicked, this, [this] { restoreDefaults(); });

    Command11 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Command11->setObjectName(QStringLiteral("Command11"));
    Command11->setGeometry(492, 144, 164, 34);
    connect(Command11, &QPushButton::clicked, this, &QWidget::hide);
}

bool& SoundPanel::switchOf(int sound) {
    Preferences& p = edited_;
    return sound == 0 ? p.successSound : sound == 1 ? p.failureSound : p.alarmSound;
}

QString& SoundPanel::fileOf(int sound) {
    Preferences& p = edited_;
    return sound == 0 ? p.successSoundFile : sound == 1 ? p.failureSoundFile : p.alarmSoundFile;
}

void SoundPanel::showSwitches() {
    for (int i = 0; i < 3; ++i) {
        Option[i][switchOf(i) ? 0 : 1]->setChecked(true);
    }
}

void SoundPanel::open(const Preferences& current) {
    edited_ = current;
    showSwitches();
    show();
    raise();
}

void SoundPanel::chooseFile(int sound) {
    const QString file = platform_.commonDialogs.openFile(
        QStringLiteral("Wählen Sie bitte Ihre gewünschte Sounddatei aus."),
        QStringLiteral("Wav-Dateien|*.wav"), platform_.appFolder.appPath(u"\\ton"));
    // The search sounds take whatever the dialog reports; the alarm keeps its file when the
    // dialog was cancelled.
    if (sound == kAlarm && file.isEmpty()) {
        return;
    }
    fileOf(sound) = file;
    platform_.sound.play(file);
}

void SoundPanel::restoreDefaults() {
    const Preferences defaults = Preferences::defaults(platform_.appFolder);
    for (int i = 0; i < 3; ++i) {
        switchOf(i) = true;
    }
    edited_.successSoundFile = defaults.successSoundFile;
    edited_.failureSoundFile = defaults.failureSoundFile;
    edited_.alarmSoundFile = defaults.alarmSoundFile;
    showSwitches();
    accept();
}

void SoundPanel::accept() {
    emit soundsChanged(edited_);
    hide();
}

}  // namespace vondrik
