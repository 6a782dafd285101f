#include "seams.h"

#include <QTime>

namespace frame {

double secondsSinceMidnightNow() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

}  // namespace frame
