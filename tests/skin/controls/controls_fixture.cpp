#include "skin/controls/controls_fixture.h"

namespace skintest {

TRecordingSkin::~TRecordingSkin() {
  if (FLog != nullptr) FLog->push_back("skin freed");
}

bool TRecordingSkin::BeforeMessage(TMessage& message) {
  if (FLog != nullptr && message.Msg == WM_NCDESTROY) FLog->push_back("before WM_NCDESTROY");
  return TSkinControl::BeforeMessage(message);
}

void TRecordingSkin::AfterMessage(TMessage& message) {
  if (FLog != nullptr && message.Msg == WM_PAINT) FLog->push_back("after WM_PAINT");
  TSkinControl::AfterMessage(message);
}

void TRecordingSkin::Draw(HDC, const TRect&) { ++FDraws; }

RecordingSkinClasses::RecordingSkinClasses() {
  for (int i = 1; i < kSkinClassCount; ++i) {
    previous_[static_cast<std::size_t>(i)] =
        RegisterControlSkin(static_cast<TSkinClass>(i), [this](const TSkinAttachRequest& request) -> TSkinControl* {
          auto* object = static_cast<TRecordingSkin*>(AttachStandard<TRecordingSkin>(request));
          object->FRequest = request;
          return object;
        });
  }
}

RecordingSkinClasses::~RecordingSkinClasses() {
  for (int i = 1; i < kSkinClassCount; ++i) {
    RegisterControlSkin(static_cast<TSkinClass>(i), std::move(previous_[static_cast<std::size_t>(i)]));
  }
}

std::vector<std::string>& SkinLog() {
  static std::vector<std::string> log;
  return log;
}

void ControlsTest::SetUp() {
  EngineTest::SetUp();
  SkinLog().clear();
}

TForm* ControlsTest::NewForm() {
  TForm* form = NewComponent<TForm>(Application);
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form->SetLeft(100);
  form->SetTop(100);
  form->SetClientWidth(400);
  form->SetClientHeight(300);
  form->SetCaption("Brellis");
  return form;
}

TWinSkinForm* ControlsTest::ShowAndAttach(TForm* form) {
  form->Show();
  Settle();
  return SkinFormOf(form->Handle());
}

TSkinControl* ControlsTest::SkinOf(TWinSkinForm* form, TControl* control) {
  if (form == nullptr) return nullptr;
  for (TSkinControl* object : form->FControls) {
    if (object->FControl == control) return object;
  }
  return nullptr;
}

}  // namespace skintest
