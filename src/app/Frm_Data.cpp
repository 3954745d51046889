#include "app/Frm_Data.h"

#include "app/Unit_Public.h"
#include "services/db/embedded_service.h"

TFm_Data* Fm_Data = nullptr;

T_CLASS_INFO(TFm_Data, TDataModule, [](TClassInfo& c) {
  using published::Field;
  c.AddField(Field<TFm_Data>("ADOS", &TFm_Data::ADOS));
  c.AddField(Field<TFm_Data>("ADOProc_Temp", &TFm_Data::ADOProc_Temp));
  c.AddField(Field<TFm_Data>("ADOConMain", &TFm_Data::ADOConMain));
  c.AddField(Field<TFm_Data>("ADOProc_Message", &TFm_Data::ADOProc_Message));
  c.AddField(Field<TFm_Data>("ADOS_Access", &TFm_Data::ADOS_Access));
  c.AddField(Field<TFm_Data>("ADOS_Message", &TFm_Data::ADOS_Message));
})

TFm_Data::TFm_Data(TComponent* owner) : TDataModule(owner) {
  // The embedded service checks account passwords with the program's cipher.
  services::db::SetEmbeddedPasswordCipher({&EncryptStr, &DecryptStr});
  RegisterClass(TADOConnection::ClassInfo());
  RegisterClass(TADOStoredProc::ClassInfo());
}

TFm_Data::~TFm_Data() {
  if (Fm_Data == this) Fm_Data = nullptr;
}
