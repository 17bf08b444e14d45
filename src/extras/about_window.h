// The about box Information: program name, version, icon and two links (web page and mail)
// that take turns at growing, opened with the desktop's open action.
#pragma once

#include <QWidget>
#include <array>

#include "extras/contact_addresses.h"
#include "extras/link_pulse.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace vondrik {

struct Platform;

class Information : public QWidget {
    Q_OBJECT
  public:
    // A window of its own beside the main window (not modal); it unloads when closed.
    Information(Platform& platform, QWidget* mainWindow);

    // One pulse of the links (Timer1).
    void step();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* makeLink(const QString& text, int index);
    void applySizes(LinkPulse::Sizes sizes);

    Platform& platform_;
    ContactAddresses addresses_;
    LinkPulse pulse_;

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    std::array<QLabel*, 3> lblDescription{};  // index 1 mail, index 2 web page; 0 unused
    std::array<QFrame*, 2> Line1{};
    QPushButton* cmdOK = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace vondrik
