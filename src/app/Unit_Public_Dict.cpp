// Every stored procedure is called the same way: close, set the name, ask the
// server for the parameters, set the inputs by name, open.
#include "app/Unit_Public_Data.h"

namespace {

void Prepare(TADOStoredProc* proc, const AnsiString& name) {
  proc->Close();
  proc->SetProcedureName(name);
  proc->RefreshParameters();
}

}  // namespace

bool GetDict(TADOStoredProc* proc, const AnsiString& first) {
  try {
    Prepare(proc, "dbo.[P_Get_Bas_Dict]");
    proc->ParamByName("@snFirsID").SetText(first);
    proc->Open();
    return true;
  } catch (...) {
    return false;
  }
}

bool GetDictEx(TADOStoredProc* proc, const AnsiString& first, const AnsiString& second) {
  try {
    Prepare(proc, "dbo.[P_Get_Bas_DictEx]");
    proc->ParamByName("@snFirsID").SetText(first);
    proc->ParamByName("@snSecoID").SetText(second);
    proc->Open();
    return true;
  } catch (...) {
    return false;
  }
}
