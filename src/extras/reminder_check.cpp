// The reminder check on the first tick of its timer.
#include "extras/reminder_check.h"

#include "extras/reminder_list.h"
#include "ui/text_file.h"

namespace vondrik {

ReminderCheck::ReminderCheck(const AppFolder& folder, const Clock& clock)
    : folder_(folder), clock_(clock) {}

QStringList ReminderCheck::step() {
    if (done_) {
        return {};
    }
    done_ = true;
    QStringList due;
    const auto lines = readLines(folder_.appPath(kReminderFile));
    if (!lines) {
        return due;
    }
    for (const QString& line : *lines) {
        if (remindsOn(line, clock_.now().date())) {
            due.append(line);
        }
    }
    return due;
}

}  // namespace vondrik
