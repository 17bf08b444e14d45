// The sound panel Frame8, a panel of the main window: for the successful search, the failed
// search and the alarm clock an on/off pair and a button to choose the wave file, and below
// them OK, the defaults and cancel.
#pragma once

#include <QGroupBox>
#include <array>

#include "shell/preferences.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace vondrik {

struct Platform;

class SoundPanel : public QGroupBox {
    Q_OBJECT
  public:
    SoundPanel(Platform& platform, QWidget* parent);

    // Menu item töne: shows the panel on a copy of the current sounds; Abbrechen drops the
    // copy, OK and the defaults hand it back.
    void open(const Preferences& current);

  signals:
    // Only the sound switches and files of `sounds` are meant.
    void soundsChanged(const vondrik::Preferences& sounds);

  private:
    void buildControls();
    bool& switchOf(int sound);
    QString& fileOf(int sound);
    void showSwitches();
    void chooseFile(int sound);
    void restoreDefaults();
    void accept();

    Platform& platform_;
    Preferences edited_;

    // Option1 to Option3, each with index 0 "an" and index 1 "aus".
    std::array<std::array<QRadioButton*, 2>, 3> Option{};
    std::array<QGroupBox*, 3> Frame9{};
    std::array<QLabel*, 3> Label17{};
    QPushButton* Command11 = nullptr;  // Abbrechen
    QPushButton* Command12 = nullptr;  // defaults
    QPushButton* Command13 = nullptr;  // choose the success sound
    QPushButton* Command14 = nullptr;  // choose the failure sound
    QPushButton* Command15 = nullptr;  // choose the alarm sound
    QPushButton* Command16 = nullptr;  // OK
};

}  // namespace vondrik
