#include "toolkit/Persistent.h"

T_CLASS_INFO(TPersistent, TObject, [](TClassInfo&) {})

void TPersistent::Assign(TPersistent* source) {
  if (source != nullptr) {
    source->AssignTo(this);
    return;
  }
  AssignTo(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) {
  const AnsiString from = ClassName();
  const AnsiString to = dest != nullptr ? dest->ClassName() : AnsiString("nil");
  throw EConvertError("Cannot assign a " + from + " to a " + to);
}

void TPersistent::DefineProperties(TFiler&) {}
