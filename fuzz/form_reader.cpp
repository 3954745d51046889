// Feeds arbitrary text to the form resource parser and reader: every input must
// either read or raise one of the reader's errors. A description of a TForm is
// read into a real form with the standard controls, on a headless screen.
#include <cstdint>
#include <string_view>

#include "platform/display/headless/headless.h"
#include "toolkit/Forms.h"
#include "toolkit/Reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool installed = [] {
    platform::display::headless::Install({SIZE{800, 600}, true, RGB(0, 0, 0)});
    RegisterStandardControls();
    return true;
  }();
  (void)installed;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TFormObject resource;
  try {
    resource = ParseFormResource(text);
  } catch (const Exception&) {
    return 0;
  }
  if (SameText(resource.ClassName, "TForm")) {
    TForm* form = NewComponent<TForm>(nullptr);
    try {
      ReadComponentRes(form, resource);
      form->Show();
      UpdateWindow(form->Handle());
    } catch (const Exception&) {
    }
    form->Free();
    return 0;
  }
  TComponent root(nullptr);
  try {
    ReadComponentRes(&root, resource);
  } catch (const Exception&) {
  }
  return 0;
}
