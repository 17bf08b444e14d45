// The reminder a few seconds after start: every line of the reminder file that falls on
// today, once per run.
#pragma once

#include <QStringList>

#include "ui/app_folder.h"
#include "ui/clock.h"

namespace vondrik {

class ReminderCheck {
  public:
    ReminderCheck(const AppFolder& folder, const Clock& clock);

    // The tick of the reminder timer: the lines of today in file order (none when there is
    // no file). Only the first tick looks; later ones give nothing.
    QStringList step();
    bool done() const { return done_; }

  private:
    const AppFolder& folder_;
    const Clock& clock_;
    bool done_ = false;
};

}  // namespace vondrik
