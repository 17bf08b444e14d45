// The data update window: a start button, the log of the run, a status line and the busy
// animation while the updates are fetched.
#pragma once

#include <QWidget>
#include <array>

#include "maintenance/busy_animation.h"
#include "maintenance/data_update.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace vondrik {

struct Platform;

// An ordinary window beside the main window; it deletes itself when closed.
class Datenupdate : public QWidget {
    Q_OBJECT
  public:
    Datenupdate(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // Shows the window centred on the screen; one that is already open is brought forward.
    static Datenupdate* open(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    const DataUpdate& update() const { return update_; }

    // One tick of Timer1: the next picture of the busy animation.
    void animate();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void starten();
    void protokoll(const QString& line);
    void melden(const QString& line);
    void stopAnimation();
    void showWarning();
    void showFertig();

    Platform& platform_;
    DataUpdate update_;
    BusyAnimation animation_;
    bool closeAfterRun_ = false;

    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    std::array<QLabel*, BusyAnimation::kFrames> Picture1{};
    QTimer* Timer1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
};

}  // namespace vondrik
