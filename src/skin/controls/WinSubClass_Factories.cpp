// The skin classes the engine has, one registration line per class:
//   RegisterControlSkin(TSkinClass::Button, &AttachStandard<TSkinButton>);
// A class of the attach rules without a line here is skipped by the pass.
#include "skin/controls/WinSubClass.h"

void RegisterBuiltinControlSkins() {}
