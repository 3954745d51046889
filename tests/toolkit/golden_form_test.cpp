// The standard controls as they look unskinned, on one test form.
#include "support/golden.h"
#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Jpeg.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

using GoldenFormTest = ToolkitTest;

TEST_F(GoldenFormTest, PanelImageLabelsEditSpeedButtonsAndButton) {
  TForm* form = NewComponent<TForm>(Application);
  form->SetBorderStyle(TFormBorderStyle::bsSingle);
  form->SetCaption("Toolkit");
  form->SetBounds(40, 40, 320, 220);

  auto* panel = NewComponent<TPanel>(form);
  panel->SetName("Panel1");
  panel->SetAlign(TAlign::alTop);
  panel->SetHeight(36);
  panel->SetParent(form);
  auto* open = NewComponent<TSpeedButton>(form);
  open->SetFlat(true);
  open->SetCaption(u8"打开"_ansi);
  open->SetBounds(230, 6, 36, 24);
  open->SetParent(panel);
  auto* down = NewComponent<TSpeedButton>(form);
  down->SetFlat(true);
  down->SetGroupIndex(1);
  down->SetDown(true);
  down->SetCaption("B");
  down->SetBounds(270, 6, 24, 24);
  down->SetParent(panel);

  auto* image = NewComponent<TImage>(form);
  const std::string jpegBytes = ReadSourceFile("resources/art/main/status.jpg");
  TMemoryStream stream;
  stream.WriteBuffer(jpegBytes.data(), static_cast<std::int64_t>(jpegBytes.size()));
  stream.SetPosition(0);
  TJPEGImage jpeg;
  jpeg.LoadFromStream(stream);
  image->Picture()->SetGraphic(&jpeg);
  image->SetStretch(true);
  image->SetBounds(8, 44, 296, 25);
  image->SetParent(form);

  auto* label = NewComponent<TLabel>(form);
  label->SetCaption(u8"软件版本： V 2016-06-16 08:40"_ansi);
  label->SetBounds(8, 78, 0, 0);
  label->SetParent(form);
  auto* disabled = NewComponent<TLabel>(form);
  disabled->SetCaption(u8"登录ID：1001"_ansi);
  disabled->SetEnabled(false);
  disabled->SetTransparent(true);
  disabled->SetBounds(8, 98, 0, 0);
  disabled->SetParent(form);

  auto* edit = NewComponent<TEdit>(form);
  edit->SetText("http://localhost/mobile/help_pc.html");
  edit->SetBounds(8, 122, 200, 20);
  edit->SetParent(form);
  auto* button = NewComponent<TButton>(form);
  button->SetCaption(u8"确定"_ansi);
  button->SetBounds(216, 120, 75, 25);
  button->SetParent(form);

  form->Show();
  headless::MoveMouse(600, 600);
  Pump();
  const auto picture = headless::WindowImage(form->Handle());
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "toolkit/standard_controls", GoldenTolerance{48, 60}));
}

}  // namespace
}  // namespace brellis::test
