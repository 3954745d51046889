// Registration of the standard classes.
#include "platform/controls/controls.h"

#include "platform/controls/control_data.h"

namespace platform {

void RegisterStandardControls() {
  RegisterButtonClass();
  RegisterStaticClass();
  RegisterEditClass();
}

}  // namespace platform
