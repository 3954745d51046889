#include "app/StartupFormats.h"

#include "platform/base/datetime.h"

void ApplyStartupFormats() {
  FormatSettings.DateSeparator = '-';
  FormatSettings.ShortDateFormat = "yyyy-MM-dd";
  FormatSettings.LongDateFormat = "yyyy-MM-dd";
  FormatSettings.TimeSeparator = ':';
  FormatSettings.ShortTimeFormat = "HH:mm:ss";
  FormatSettings.LongTimeFormat = "HH:mm:ss";
}
