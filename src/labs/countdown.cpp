// The lab run's hour: one tick a second on the lab window's clock. When the time is up the
// student is told once and the console refuses the next key; the lab goes on.
#include <string>

#include "labs/form25.h"

namespace rd {
namespace {

std::string TwoDigits(int16_t n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

void Form25::Timer1_Timer() {
  if (mHours == 0 && mMinutes == 0 && mSeconds == 0) {
    app_.ui.MsgBox("your time up");
    console_.Block();
    Timer1.Enabled = false;
    return;
  }
  if (--mSeconds < 0) {
    mSeconds = 59;
    if (--mMinutes < 0) {
      mMinutes = 59;
      --mHours;
    }
  }
  Label6.Caption = TwoDigits(mHours) + ":" + TwoDigits(mMinutes) + ":" + TwoDigits(mSeconds);
}

}  // namespace rd
