// The fixture of the control skinning tests: the engine fixture, a form that
// gets its controls before it is shown, and recording skin classes that
// stand in for the real control skins.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "skin/controls/WinSubClass.h"
#include "skin/engine/engine_fixture.h"

namespace skintest {

// A control skin that records the messages it sees around the control's
// own handling, and how it was asked to attach.
class TRecordingSkin : public TSkinControl {
 public:
  explicit TRecordingSkin(TComponent* owner, std::vector<std::string>* log = nullptr)
      : TSkinControl(owner), FLog(log) {}
  ~TRecordingSkin() override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const TRect& rect) override;

  std::vector<std::string>* FLog;
  TSkinAttachRequest FRequest;
  int FDraws = 0;
};

// Registers a recording factory for every skin class while it lives and
// puts the previous factories back afterwards.
class RecordingSkinClasses {
 public:
  RecordingSkinClasses();
  ~RecordingSkinClasses();
  RecordingSkinClasses(const RecordingSkinClasses&) = delete;
  RecordingSkinClasses& operator=(const RecordingSkinClasses&) = delete;

  // Removes the factory of one class (the pass must skip it).
  void Remove(TSkinClass cls) { RegisterControlSkin(cls, TControlSkinFactory()); }

 private:
  std::array<TControlSkinFactory, kSkinClassCount> previous_;
};

// The log the recording skins write to (they may outlive a test's scope).
std::vector<std::string>& SkinLog();

class ControlsTest : public EngineTest {
 protected:
  void SetUp() override;
  // A form not yet shown: add controls, then ShowAndAttach.
  TForm* NewForm();
  // Shows the form and lets the engine attach it and run the pass.
  TWinSkinForm* ShowAndAttach(TForm* form);
  // The skin object of a control in the form's list, or null.
  static TSkinControl* SkinOf(TWinSkinForm* form, TControl* control);
};

}  // namespace skintest
