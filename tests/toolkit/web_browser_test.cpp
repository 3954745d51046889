// TWebBrowser on the headless screen: made from a form resource, it keeps
// the address asked for before and after its window exists, shows it in the
// placeholder, and reports finished loads.
#include "platform/display/browser/browser_window.h"
#include "toolkit/Reader.h"
#include "toolkit/WebBrowser.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class WebBrowserTest : public ToolkitTest {};

TEST_F(WebBrowserTest, ReadFromAFormAndNavigatedBeforeAndAfterItsWindow) {
  RegisterWebBrowser();
  auto* form = new TForm(Application);
  ReadComponentResource(form, R"(object Fm: TForm
  Left = 40
  Top = 30
  BorderStyle = bsNone
  ClientHeight = 200
  ClientWidth = 300
  object Web: TWebBrowser
    Left = 10
    Top = 20
    Width = 280
    Height = 170
  end
end
)");
  auto* web = As<TWebBrowser>(form->FindComponent("Web"));
  ASSERT_NE(web, nullptr);
  EXPECT_EQ(web->ClassName(), "TWebBrowser");
  EXPECT_FALSE(web->HandleAllocated());
  web->Navigate(u"http://first.test/");
  EXPECT_EQ(web->LocationURL(), u"http://first.test/");

  form->Show();
  Pump();
  ASSERT_TRUE(web->HandleAllocated());
  EXPECT_EQ(platform::BrowserNavigations(web->Handle()), std::vector<std::u16string>{u"http://first.test/"});
  web->Navigate(u"http://second.test/");
  EXPECT_EQ(platform::BrowserLocation(web->Handle()), u"http://second.test/");
  EXPECT_EQ(web->LocationURL(), u"http://second.test/");
  Pump();
  const auto image = headless::WindowImage(form->Handle());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->PixelAt(12, 22), 0xFFFFFFu);  // the placeholder's white

  int completed = 0;
  web->OnDocumentComplete = [&](TObject* sender) {
    EXPECT_EQ(sender, web);
    ++completed;
  };
  PostMessageW(web->Handle(), platform::BRN_LOADFINISHED, 0, 0);
  Pump();
  EXPECT_EQ(completed, 1);
  form->Free();
}

}  // namespace
}  // namespace brellis::test
