// The sound panel Frame8, a panel of the main window: for the successful search, the failed
// search and the alarm clock an on/off pair and a button to choose the wave file, and below
// them OK, the defaults and cancel.
#pragma once

#include <QGroupBox>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace vondrik {

class Haupt;

class SoundPanel : public QGroupBox {
    Q_OBJECT
  public:
    SoundPanel(Haupt& haupt, QWidget* parent);

    // Menu item töne: shows the panel and remembers the states and files for Abbrechen.
    void open();

    std::array<QGroupBox*, 3> Frame9{};
    std::array<QLabel*, 3> Label17{};
    // Option1 to Option3, each with index 0 "an" and index 1 "aus".
    std::array<std::array<QRadioButton*, 2>, 3> Option{};
    QPushButton* Command11 = nullptr;  // Abbrechen
    QPushButton* Command12 = nullptr;  // defaults
    QPushButton* Command13 = nullptr;  // choose the success sound
    QPushButton* Command14 = nullptr;  // choose the failure sound
    QPushButton* Command15 = nullptr;  // choose the alarm sound
    QPushButton* Command16 = nullptr;  // OK

  private:
    struct Remembered {
        std::array<bool, 3> on;
        std::array<QString, 3> files;
    };

    void buildControls();
    bool& switchOf(int sound);
    QString& fileOf(int sound);
    void showSwitches();
    void chooseFile(int sound);
    void restoreDefaults();
    void cancel();

    Haupt& haupt_;
    Remembered remembered_{};
};

}  // namespace vondrik
