// A data module: a non-visual owner of components (database connections and
// procedures) described by its own form resource.
#pragma once

#include <functional>

#include "toolkit/Component.h"

using TNotifyEvent = std::function<void(TObject* sender)>;

class TDataModule : public TComponent {
  T_CLASS(TDataModule, TComponent)

 public:
  explicit TDataModule(TComponent* owner);
  ~TDataModule() override;

  // Reads the form resource named by the class (when the program has one) and
  // then fires OnCreate.
  void AfterConstruction() override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
};
