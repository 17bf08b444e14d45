// The backup window: saves the whole dictionary into the backup folder or rebuilds it from
// there, with a progress bar while either runs.
#pragma once

#include <QDialog>

#include "dictionary/dictionary_session.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace vondrik {

struct Platform;

// Modal over the main window; it deletes itself when closed. While a backup or restore runs,
// pending events are let through so the window repaints, but neither run can start again and
// the window cannot be closed: the runs are not re-entrant.
class Form3 : public QDialog {
    Q_OBJECT
  public:
    Form3(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // Loads and shows the window, centred over the main window.
    static Form3* load(DictionarySession& session, Platform& platform, QWidget* mainWindow);

  public slots:
    // The close box and Escape end here too; both are ignored while a run is going on.
    void reject() override;

  private:
    void buildControls();
    void sichern();
    void zurueckschreiben();
    void showProgress(int value);
    void setRunning(bool running);
    void reportFailure(const QString& message);

    DictionarySession& session_;
    Platform& platform_;
    bool running_ = false;

    QPushButton* Command1 = nullptr;  // backup
    QPushButton* Command3 = nullptr;  // restore
    QPushButton* Command2 = nullptr;  // close
    QProgressBar* Bar1 = nullptr;
    QLabel* Label2 = nullptr;  // "fertig" after a restore
};

}  // namespace vondrik
