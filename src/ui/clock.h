// The time of day as the program sees it; tests hand in a clock they can set.
#pragma once

#include <QDateTime>

namespace vondrik {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
  public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

}  // namespace vondrik
