// The data module: the one connection to the service database and the
// stored-procedure components the program calls through it.
#pragma once

#include "toolkit/ADODB.h"
#include "toolkit/DataModule.h"

class TFm_Data : public TDataModule {
  T_CLASS(TFm_Data, TDataModule)

 public:
  explicit TFm_Data(TComponent* owner);
  ~TFm_Data() override;

  TADOStoredProc* ADOS = nullptr;             // the support-number lookup
  TADOStoredProc* ADOProc_Temp = nullptr;     // every other call
  TADOConnection* ADOConMain = nullptr;       // opened at start, never closed
  TADOStoredProc* ADOProc_Message = nullptr;  // not called
  TADOStoredProc* ADOS_Access = nullptr;      // not called
  TADOStoredProc* ADOS_Message = nullptr;     // not called
};

extern TFm_Data* Fm_Data;
