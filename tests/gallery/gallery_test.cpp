// The skin gallery on the headless display: the two new skins load with the
// frame sizes and window regions they were drawn for, the gallery starts
// with every page showing, switching between the built-in skins and "No
// skin" keeps every window open and skinned by the new skin, and many
// switches leave the handle counts as they were.
#include <memory>
#include <string>

#include "gallery/Gallery.h"
#include "gallery/gallery_pages.h"
#include "platform/base/resources.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "support/handle_leaks.h"
#include "toolkit/toolkit_fixture.h"

namespace {

using brellis::test::DescribeCountChanges;
namespace headless = platform::display::headless;

// Past the skin manager's 250 ms deferral.
constexpr int kPastDeferral = 300;

class GalleryTest : public brellis::test::ToolkitTest {
 protected:
  void TearDown() override {
    gallery_.reset();
    while (Screen->FormCount() > 0) Screen->Forms(Screen->FormCount() - 1)->Free();
    Settle();
    ToolkitTest::TearDown();
    EXPECT_EQ(SkinManager, nullptr);
  }

  static void Settle(int ms = 0) {
    Pump();
    if (ms > 0) {
      headless::AdvanceClock(static_cast<DWORD>(ms));
      Pump();
    }
  }
  // Past the deferral, then past the posted end of each attach and the
  // status bar's update.
  static void SettleSwitch() {
    Settle(kPastDeferral);
    Settle(10);
  }

  gallery::Gallery& StartGallery() {
    gallery_ = std::make_unique<gallery::Gallery>(Application);
    gallery_->MainForm()->Show();
    SettleSwitch();
    return *gallery_;
  }

  static std::string StatusText(gallery::Gallery& g, int panel) { return g.Status()->Panel(panel)->Text(); }

  std::unique_ptr<gallery::Gallery> gallery_;
};

TSkinData* LoadedSkin(const char* resource) {
  auto* skin = new TSkinData(nullptr);
  EXPECT_TRUE(skin->LoadSkin(platform::FindResourceBytes(platform::kResourceForm, resource))) << resource;
  return skin;
}

TDataSkinSysButton* ButtonOfAction(TSkinData* skin, int action) {
  for (const auto& button : skin->SysButtons) {
    if (button->Action == action) return button.get();
  }
  return nullptr;
}

// Client area offsets of a window: left, top, right and bottom frame widths.
RECT FrameOf(HWND window) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return RECT{origin.x - outer.left, origin.y - outer.top, outer.right - origin.x - client.right,
              outer.bottom - origin.y - client.bottom};
}

bool InRegion(HWND window, int x, int y) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool inside = GetWindowRgn(window, region) != ERROR && PtInRegion(region, x, y);
  DeleteObject(region);
  return inside;
}

TEST_F(GalleryTest, TheNewSkinsLoadWithTheModelTheyWereDrawnFor) {
  TSkinData* umbra = LoadedSkin("UMBRA");
  EXPECT_EQ(umbra->SkinName, "umbra");
  EXPECT_EQ(ColorToRGB(umbra->Colours[scButtonFace]), RGB(84, 89, 99));
  EXPECT_EQ(umbra->Left->Picture->Width(), 2 * 4);
  EXPECT_EQ(umbra->Top->Picture->Height(), 2 * 26);
  EXPECT_EQ(umbra->Bottom->Trans, 0);
  ASSERT_NE(ButtonOfAction(umbra, 0), nullptr);
  EXPECT_EQ(ButtonOfAction(umbra, 0)->Align, 1);
  umbra->Free();

  TSkinData* pebble = LoadedSkin("PEBBLE");
  EXPECT_EQ(pebble->SkinName, "pebble");
  EXPECT_EQ(pebble->Left->Picture->Width(), 2 * 8);
  EXPECT_EQ(pebble->Top->Picture->Height(), 2 * 34);
  EXPECT_EQ(pebble->Bottom->Picture->Height(), 2 * 8);
  EXPECT_EQ(pebble->Left->BottomHeight, 13);  // the bottom corner's curve is never stretched
  EXPECT_EQ(pebble->Bottom->Trans, 1);
  EXPECT_EQ(pebble->Title->Textbackground, 1);
  EXPECT_FALSE(pebble->Title->Picture->Empty());
  // Close, minimise and maximise from the left edge; no window icon.
  for (auto [action, x] : {std::pair{0, 14}, std::pair{2, 39}, std::pair{1, 64}}) {
    TDataSkinSysButton* button = ButtonOfAction(pebble, action);
    ASSERT_NE(button, nullptr) << action;
    EXPECT_EQ(button->Align, 0) << action;
    EXPECT_EQ(button->Xcoord, x) << action;
  }
  EXPECT_EQ(ButtonOfAction(pebble, 3), nullptr);
  pebble->Free();
}

TEST_F(GalleryTest, PebbleGivesAThickFrameAndARoundedRegion) {
  gallery::Gallery& g = StartGallery();
  const HWND main = g.MainForm()->Handle();
  const RECT metallic = FrameOf(main);
  EXPECT_EQ(metallic.left, 4);
  // Square bottom corners: the bottom-left pixel is inside the window.
  RECT r{};
  GetWindowRect(main, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  EXPECT_TRUE(InRegion(main, 0, h - 1));

  ASSERT_EQ(g.UseBuiltInSkin("pebble"), gallery::SwitchResult::kScheduled);
  SettleSwitch();
  GetWindowRect(main, &r);
  const RECT pebble = FrameOf(main);
  EXPECT_EQ(pebble.left, 8);
  EXPECT_EQ(pebble.right, 8);
  EXPECT_EQ(pebble.bottom, 8);
  EXPECT_EQ(pebble.top, 34 + GetSystemMetrics(SM_CYMENU));
  const int pw = r.right - r.left, ph = r.bottom - r.top;
  // All four corners are cut out, the edges' middles are not.
  EXPECT_FALSE(InRegion(main, 0, 0));
  EXPECT_FALSE(InRegion(main, pw - 1, 0));
  EXPECT_FALSE(InRegion(main, 0, ph - 1));
  EXPECT_FALSE(InRegion(main, pw - 1, ph - 1));
  EXPECT_TRUE(InRegion(main, pw / 2, 0));
  EXPECT_TRUE(InRegion(main, 0, ph / 2));
  EXPECT_TRUE(InRegion(main, pw / 2, ph - 1));
  EXPECT_TRUE(InRegion(main, 12, 12));
  (void)w;
}

TEST_F(GalleryTest, StartsSkinnedAndEveryPageShows) {
  gallery::Gallery& g = StartGallery();
  EXPECT_EQ(g.CurrentSkin(), "tesmera-metallic");
  EXPECT_EQ(g.Switches(), 1);
  ASSERT_EQ(g.Pages()->PageCount(), static_cast<int>(gallery::GalleryPages().size()));
  for (const auto& page : gallery::GalleryPages()) {
    ASSERT_TRUE(g.ShowPage(std::string(page.name))) << page.name;
    Settle();
    TTabSheet* sheet = g.Pages()->ActivePage();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->Caption(), page.caption);
    EXPECT_TRUE(IsWindowVisible(sheet->Handle())) << page.name;
    EXPECT_GT(sheet->ControlCount(), 4) << page.name;
  }
  EXPECT_FALSE(g.ShowPage("no-such-page"));
  EXPECT_EQ(StatusText(g, 0), "Skin: tesmera-metallic");
  EXPECT_EQ(StatusText(g, 2).rfind("Skinned: 1 windows, ", 0), 0u) << StatusText(g, 2);
}

TEST_F(GalleryTest, SwitchingKeepsEveryWindowOpenAndSkinnedByTheNewSkin) {
  gallery::Gallery& g = StartGallery();
  TForm* tools = g.ShowToolWindow();
  TForm* mdi = g.ShowMdiWindow();
  SettleSwitch();
  ASSERT_EQ(mdi->MDIChildCount(), 3);
  std::vector<HWND> windows{g.MainForm()->Handle(), tools->Handle(), mdi->Handle()};
  for (int i = 0; i < 3; ++i) windows.push_back(mdi->MDIChildren(i)->Handle());
  const int all = static_cast<int>(windows.size());
  EXPECT_EQ(gallery::CountSkinned().windows, all);

  for (const char* step : {"umbra", "pebble", "", "tesmera-metallic", "", "pebble"}) {
    const std::string name = step;
    if (name.empty()) {
      g.SwitchSkinningOff();
    } else {
      ASSERT_EQ(g.UseBuiltInSkin(name), gallery::SwitchResult::kScheduled) << name;
    }
    SettleSwitch();
    EXPECT_EQ(g.CurrentSkin(), name);
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const HWND window = windows[i];
      ASSERT_TRUE(IsWindow(window)) << name << " window " << i;
      EXPECT_TRUE(IsWindowVisible(window)) << name << " window " << i;
      TWinSkinForm* skinned = SkinManager->FindSkinForm(window);
      if (name.empty()) {
        EXPECT_EQ(skinned, nullptr) << "window " << i;
      } else {
        ASSERT_NE(skinned, nullptr) << name << " window " << i;
        EXPECT_EQ(skinned->FSkin->SkinName, name) << "window " << i;
      }
    }
    EXPECT_EQ(gallery::CountSkinned().windows, name.empty() ? 0 : all) << name;
    EXPECT_EQ(StatusText(g, 0), name.empty() ? "Skin: none" : "Skin: " + name);
    EXPECT_EQ(StatusText(g, 2).rfind("Skinned: " + std::to_string(name.empty() ? 0 : all) + " windows", 0), 0u)
        << StatusText(g, 2);
  }
  EXPECT_EQ(g.Switches(), 7);
  EXPECT_GE(g.LastSwitchMs(), 0.0);
}

TEST_F(GalleryTest, ARefusedPackageOrMissingFileKeepsTheSkinInUse) {
  gallery::Gallery& g = StartGallery();
  EXPECT_EQ(g.UseBuiltInSkin("no-such-skin"), gallery::SwitchResult::kUnknown);
  EXPECT_EQ(g.UseSkinFile("/nonexistent/skin.skn"), gallery::SwitchResult::kUnknown);
  SettleSwitch();
  EXPECT_EQ(g.CurrentSkin(), "tesmera-metallic");
  EXPECT_NE(SkinManager->FindSkinForm(g.MainForm()->Handle()), nullptr);
}

TEST_F(GalleryTest, TwentySwitchesLeaveTheHandleCounts) {
  gallery::Gallery& g = StartGallery();
  g.ShowToolWindow();
  g.ShowMdiWindow();
  SettleSwitch();
  static const char* const kCycle[] = {"umbra", "pebble", "", "tesmera-metallic"};
  const auto round = [&](int switches) {
    for (int i = 0; i < switches; ++i) {
      const std::string name = kCycle[i % 4];
      if (name.empty()) {
        g.SwitchSkinningOff();
      } else {
        g.UseBuiltInSkin(name);
      }
      SettleSwitch();
    }
  };
  // One cycle first: windows made once on first use (timer windows) are not leaks.
  round(4);
  const auto before = platform::HandleTable::Instance().LiveCounts();
  round(20);
  EXPECT_EQ(g.CurrentSkin(), "tesmera-metallic");
  const auto after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(DescribeCountChanges(before, after), "");
}

}  // namespace
