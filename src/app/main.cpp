#include "app/Quorvane.h"
#include "platform/base/startup_trace.h"

int main() {
  platform::TraceStartup("main entered");
  return Quorvane();
}
