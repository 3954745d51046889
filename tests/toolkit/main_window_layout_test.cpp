// A form laid out as the program's main window: borderless, screen-centred,
// three JPEG pictures (one cut, one stretched), transparent hot spots, labels
// on the status strip, hidden controls and a panel waiting for the browser.
#include <string>

#include "platform/gdi/dib_format.h"
#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

std::string Picture(const char* file) {
  return PictureDataHex("TJPEGImage", ReadSourceFile(std::string("resources/art/main/") + file));
}

std::string MainWindowText() {
  return R"(object Fm: TForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = '主界面'
  ClientHeight = 697
  ClientWidth = 999
  Color = clBtnFace
  Font.Charset = GB2312_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Position = poScreenCenter
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 999
    Height = 107
    Align = alTop
    BevelOuter = bvNone
    object Image1: TImage
      Left = 0
      Top = 0
      Width = 999
      Height = 107
      Align = alClient
      Picture.Data = {)" + Picture("header.jpg") + R"(}
    end
    object Image_Close: TImage
      Left = 952
      Top = 0
      Width = 49
      Height = 33
      Cursor = crHandPoint
      Transparent = True
    end
    object SpeedButton1: TSpeedButton
      Left = 920
      Top = 74
      Width = 33
      Height = 24
      Caption = '打开'
      Flat = True
      Visible = False
    end
    object Edit1: TEdit
      Left = 504
      Top = 74
      Width = 409
      Height = 20
      Visible = False
    end
  end
  object Image_Main: TImage
    Left = 0
    Top = 107
    Width = 999
    Height = 565
    Picture.Data = {)" + Picture("home.jpg") + R"(}
  end
  object Image2: TImage
    Left = 38
    Top = 202
    Width = 75
    Height = 76
    Cursor = crHandPoint
    Transparent = True
  end
  object UrlPanel: TPanel
    Left = 488
    Top = 480
    Width = 49
    Height = 20
    BevelOuter = bvNone
    Visible = False
  end
  object pnlBot: TPanel
    Left = 0
    Top = 672
    Width = 999
    Height = 25
    Align = alBottom
    BevelOuter = bvNone
    object pnl1: TPanel
      Left = 0
      Top = 0
      Width = 999
      Height = 25
      Align = alBottom
      BevelOuter = bvNone
      object img5: TImage
        Left = 0
        Top = 0
        Width = 999
        Height = 25
        Align = alClient
        Picture.Data = {)" + Picture("status.jpg") + R"(}
        Stretch = True
      end
      object lbl1: TLabel
        Left = 18
        Top = 7
        Caption = '软件版本： V 2016-06-16 08:40'
        Enabled = False
        Transparent = True
      end
      object lbl2: TLabel
        Left = 624
        Top = 7
        Cursor = crHandPoint
        Caption = '重要提示：有更新程序'
        Font.Color = clRed
        Font.Height = -12
        Font.Name = '宋体'
        Font.Style = [fsBold]
        ParentFont = False
        Transparent = True
        Visible = False
      end
    end
  end
end
)";
}

TColor JpegPixel(const char* file, int x, int y) {
  const std::string bytes = ReadSourceFile(std::string("resources/art/main/") + file);
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
  TJPEGImage jpeg;
  jpeg.LoadFromStream(stream);
  TBitmap bitmap;
  bitmap.Assign(&jpeg);
  return bitmap.Canvas()->Pixels(x, y);
}

using MainWindowLayoutTest = ToolkitTest;

TEST_F(MainWindowLayoutTest, PicturesHotSpotsAndStatusStripWhereTheyBelong) {
  auto* form = new TForm(Application);
  ReadComponentResource(form, MainWindowText());
  form->Show();
  headless::MoveMouse(5, 5);
  Pump();

  RECT window{};
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(RectWidth(window), 999);
  EXPECT_EQ(RectHeight(window), 697);
  EXPECT_EQ(window.left, (1280 - 999) / 2);
  EXPECT_EQ(window.top, (1024 - 697) / 2);
  auto* status = As<TImage>(form->FindComponent("img5"));
  EXPECT_EQ(status->DestRect().right, 999);
  EXPECT_EQ(form->FindComponent("pnlBot") != nullptr ? As<TControl>(form->FindComponent("pnlBot"))->Top() : 0, 672);

  const auto image = headless::WindowImage(form->Handle());
  ASSERT_TRUE(image.has_value());
  auto at = [&](int x, int y) { return platform::ColorRefFromPixel(image->PixelAt(x, y)); };
  // Unscaled from the top-left: window pixels are the pictures' own.
  EXPECT_EQ(at(500, 50), static_cast<COLORREF>(JpegPixel("header.jpg", 500, 50)));
  EXPECT_EQ(at(960, 10), static_cast<COLORREF>(JpegPixel("header.jpg", 960, 10)));  // under the hot spot
  EXPECT_EQ(at(300, 300), static_cast<COLORREF>(JpegPixel("home.jpg", 300, 300 - 107)));
  headless::SnapshotWindow(form->Handle(), ::testing::TempDir() + "main_window_layout.png");

  // The close hot spot shows the hand.
  headless::MoveMouse(window.left + 970, window.top + 10);
  Pump();
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  // The browser panel fills the client area once aligned so.
  auto* url = As<TPanel>(form->FindComponent("UrlPanel"));
  url->SetAlign(TAlign::alClient);
  url->Show();
  EXPECT_EQ(url->Top(), 107);
  EXPECT_EQ(url->Height(), 697 - 107 - 25);
  EXPECT_EQ(url->Width(), 999);
}

}  // namespace
}  // namespace brellis::test
