#include "toolkit/DataModule.h"

#include "toolkit/Reader.h"

T_CLASS_INFO(TDataModule, TComponent, [](TClassInfo& c) {
  c.AddProperty(published::Method<TDataModule>("OnCreate", &TDataModule::OnCreate));
  c.AddProperty(published::Method<TDataModule>("OnDestroy", &TDataModule::OnDestroy));
})

TDataModule::TDataModule(TComponent* owner) : TComponent(owner) {}

TDataModule::~TDataModule() {
  if (OnDestroy) OnDestroy(this);
}

void TDataModule::AfterConstruction() {
  InitInheritedComponent(this);
  if (OnCreate) OnCreate(this);
}
