// The process-wide date and time formats the program fixes at start.
#pragma once

// Sets date separator "-", short and long date "yyyy-MM-dd", time separator
// ":", short and long time "HH:mm:ss", in that order.
void ApplyStartupFormats();
