// The reminder editor Frame5 "Geburtstagerinnerung", a panel of the main window: the list of
// yearly dates, inputs for a new date and its occasion, and add, delete, save and done.
#pragma once

#include <QGroupBox>
#include <array>

#include "extras/reminder_list.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vondrik {

struct Platform;

class ReminderPanel : public QGroupBox {
    Q_OBJECT
  public:
    // A child of the main window's client area, hidden until opened.
    ReminderPanel(Platform& platform, QWidget* parent);

    // Menu item gebbe: shows the panel with the file read afresh.
    void open();

    int changes() const { return list_.changes(); }

  private:
    void buildControls();
    void showLines();
    void addEntry();
    void deleteEntry();
    void saveList();
    void finish();
    void readyForNext();

    Platform& platform_;
    ReminderList list_;

    QListWidget* List2 = nullptr;
    std::array<QLabel*, 2> Label8{};  // "Datum", "Anlass"
    QLineEdit* Text2 = nullptr;       // date
    QLineEdit* Text3 = nullptr;       // occasion
    QPushButton* Command4 = nullptr;  // hinzufügen
    QPushButton* Command5 = nullptr;  // löschen
    QPushButton* Command6 = nullptr;  // speichern
    QPushButton* Command7 = nullptr;  // Fertig
};

}  // namespace vondrik
