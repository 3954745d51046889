// TPageControl with its tab sheets, TTabControl and TStatusBar: read from a
// form resource (panels as a collection), their windows set up from their
// properties, properties by name, the events of a choice by the user and
// its refusal, pages freed and switched, owner-drawn panels, a golden
// picture and handle counts over many forms.
#include "platform/controls/controls.h"
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ImgList.h"
#include "toolkit/Reader.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;
using TabsStatusBarTest = ToolkitTest;

constexpr const char* kForm = R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 420
  ClientHeight = 300
  BorderStyle = bsNone
  object Images: TImageList
    Width = 16
    Height = 16
  end
  object Pages: TPageControl
    Left = 8
    Top = 8
    Width = 240
    Height = 160
    ActivePage = Second
    Images = Images
    TabPosition = tpBottom
    object First: TTabSheet
      Caption = '常规'
      ImageIndex = 0
    end
    object Second: TTabSheet
      Caption = 'Second'
      object Inside: TPanel
        Left = 4
        Top = 4
        Width = 60
        Height = 30
      end
    end
    object Hidden: TTabSheet
      Caption = 'Hidden'
      TabVisible = False
    end
    object Fourth: TTabSheet
      Caption = 'Fourth'
    end
  end
  object Tabs: TTabControl
    Left = 256
    Top = 8
    Width = 156
    Height = 160
    Style = tsButtons
    MultiLine = True
    Tabs.Strings = (
      'One'
      'Two'
      'Three')
    TabIndex = 1
  end
  object Status: TStatusBar
    SimpleText = 'simple'
    Panels = <
      item
        Width = 120
        Text = '就绪'
      end
      item
        Width = 100
        Text = 'Centred'
        Alignment = taCenter
        Bevel = pbRaised
      end
      item
        Width = 80
        Style = psOwnerDraw
      end
      item
        Text = 'Right'
        Alignment = taRightJustify
        Bevel = pbNone
      end>
  end
end
)";

template <class T>
T* Find(TForm* form, const char* name) {
  return As<T>(form->FindComponent(name));
}

std::u16string PartText(HWND bar, int part) {
  WCHAR text[64]{};
  SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
  return text;
}

// Clicks the middle of tab `index` of a tab window.
void ClickTab(HWND tabs, int index) {
  RECT r{};
  SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(tabs, WM_LBUTTONUP, 0, at);
}

TEST_F(TabsStatusBarTest, ReadFromAFormResourceWithTheirWindowsSetUp) {
  TForm* form = ReadShownForm(kForm);
  auto* pages = Find<TPageControl>(form, "Pages");
  auto* second = Find<TTabSheet>(form, "Second");
  auto* tabs = Find<TTabControl>(form, "Tabs");
  auto* status = Find<TStatusBar>(form, "Status");
  ASSERT_TRUE(pages && second && tabs && status);
  EXPECT_EQ(pages->ClassName(), "TPageControl");

  // Pages: four, three tabs (one is hidden), the second one active and shown.
  EXPECT_EQ(pages->PageCount(), 4);
  EXPECT_EQ(GetOrdProp(pages, "PageCount"), 4);
  EXPECT_EQ(pages->ActivePage(), second);
  EXPECT_EQ(GetObjectProp(pages, "ActivePage"), second);
  EXPECT_EQ(GetOrdProp(pages, "ActivePageIndex"), 1);
  EXPECT_EQ(second->PageIndex(), 1);
  HWND p = pages->Handle();
  EXPECT_EQ(SendMessageW(p, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(p, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(p, TCM_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(Find<TImageList>(form, "Images")->Handle()));
  EXPECT_TRUE(GetWindowLongW(p, GWL_STYLE) & TCS_BOTTOM);
  char text[80]{};
  TCITEMA item{};
  item.mask = 19;
  item.pszText = text;
  item.cchTextMax = 80;
  SendMessageA(p, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(platform::AnsiToWideString(text), u"常规");
  EXPECT_EQ(item.iImage, 0);
  SendMessageA(p, TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "Fourth");
  EXPECT_TRUE(second->Visible());
  EXPECT_FALSE(Find<TTabSheet>(form, "First")->Visible());
  // The active page covers the display area.
  const TRect display = pages->DisplayRect();
  EXPECT_EQ(second->Left(), display.left);
  EXPECT_EQ(second->Top(), display.top);
  EXPECT_EQ(second->Width(), RectWidth(display));
  EXPECT_EQ(second->Height(), RectHeight(display));

  // The tab control: its strings are its tabs.
  HWND t = tabs->Handle();
  EXPECT_EQ(SendMessageW(t, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(t, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(GetOrdProp(tabs, "TabIndex"), 1);
  EXPECT_EQ(GetWindowLongW(t, GWL_STYLE) & (TCS_BUTTONS | TCS_MULTILINE | TCS_FLATBUTTONS),
            static_cast<LONG>(TCS_BUTTONS | TCS_MULTILINE));
  tabs->Tabs()->Add("Four");
  EXPECT_EQ(SendMessageW(t, TCM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageW(t, TCM_GETCURSEL, 0, 0), 1);

  // The status bar: panels are its parts, the last one to the right edge.
  HWND s = status->Handle();
  EXPECT_EQ(status->Panels()->Count(), 4);
  EXPECT_EQ(status->Align(), TAlign::alBottom);
  EXPECT_EQ(status->Top() + status->Height(), form->ClientHeight());
  int edges[4]{};
  EXPECT_EQ(SendMessageW(s, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 4);
  EXPECT_EQ(edges[0], 120);
  EXPECT_EQ(edges[1], 220);
  EXPECT_EQ(edges[2], 300);
  EXPECT_EQ(edges[3], -1);
  EXPECT_EQ(PartText(s, 0), u"就绪");
  EXPECT_EQ(PartText(s, 1), u"\tCentred");
  EXPECT_EQ(PartText(s, 3), u"\t\tRight");
  EXPECT_EQ(HIWORD(SendMessageW(s, SB_GETTEXTLENGTHW, 1, 0)), SBT_POPOUT);
  EXPECT_EQ(HIWORD(SendMessageW(s, SB_GETTEXTLENGTHW, 2, 0)), SBT_OWNERDRAW);
  EXPECT_EQ(HIWORD(SendMessageW(s, SB_GETTEXTLENGTHW, 3, 0)), SBT_NOBORDERS);
  EXPECT_TRUE(GetWindowLongW(s, GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(PartText(s, SB_SIMPLEID), u"simple");  // kept for simple mode
  form->Free();
}

TEST_F(TabsStatusBarTest, PropertiesByName) {
  TForm* form = ReadShownForm(kForm);
  auto* pages = Find<TPageControl>(form, "Pages");
  auto* status = Find<TStatusBar>(form, "Status");
  auto* tabs = Find<TTabControl>(form, "Tabs");
  EXPECT_EQ(GetEnumProp(pages, "TabPosition"), "tpBottom");
  EXPECT_EQ(GetEnumProp(pages, "Style"), "tsTabs");
  EXPECT_EQ(GetEnumProp(tabs, "style"), "tsButtons");
  EXPECT_EQ(GetEnumProp(tabs, "MultiLine"), "True");
  EXPECT_EQ(GetStrProp(status, "simpletext"), "simple");
  EXPECT_EQ(GetEnumProp(status, "SizeGrip"), "True");
  auto* panel = status->Panel(1);
  EXPECT_EQ(GetStrProp(panel, "Text"), "Centred");
  EXPECT_EQ(GetEnumProp(panel, "Alignment"), "taCenter");
  EXPECT_EQ(GetEnumProp(panel, "Bevel"), "pbRaised");
  EXPECT_EQ(GetEnumProp(status->Panel(2), "Style"), "psOwnerDraw");
  EXPECT_EQ(GetOrdProp(panel, "Width"), 100);
  EXPECT_EQ(GetEnumProp(Find<TTabSheet>(form, "Hidden"), "TabVisible"), "False");

  // Written by name, the windows follow.
  SetEnumProp(pages, "Style", "tsFlatButtons");
  SetEnumProp(pages, "TabPosition", "tpLeft");
  EXPECT_EQ(GetWindowLongW(pages->Handle(), GWL_STYLE) & (TCS_BUTTONS | TCS_FLATBUTTONS | TCS_VERTICAL | TCS_BOTTOM),
            static_cast<LONG>(TCS_BUTTONS | TCS_FLATBUTTONS | TCS_VERTICAL));
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);  // a new window, the same tabs
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
  SetStrProp(panel, "Text", platform::WideToAnsiString(u"新"));
  EXPECT_EQ(PartText(status->Handle(), 1), u"\t新");
  SetOrdProp(panel, "Width", 50);
  int edges[4]{};
  SendMessageW(status->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[1], 170);
  SetEnumProp(status, "SimplePanel", "True");
  SetStrProp(status, "SimpleText", platform::WideToAnsiString(u"简单"));
  EXPECT_TRUE(SendMessageW(status->Handle(), SB_ISSIMPLE, 0, 0));
  EXPECT_EQ(PartText(status->Handle(), SB_SIMPLEID), u"简单");
  SetEnumProp(status, "SizeGrip", "False");
  EXPECT_FALSE(GetWindowLongW(status->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(PartText(status->Handle(), SB_SIMPLEID), u"简单");  // kept in the new window
  SetOrdProp(tabs, "TabIndex", 2);
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0), 2);
  form->Free();
}

TEST_F(TabsStatusBarTest, AChoiceByTheUserFiresTheEventsAndMayBeRefused) {
  TForm* form = ReadShownForm(kForm);
  auto* pages = Find<TPageControl>(form, "Pages");
  auto* first = Find<TTabSheet>(form, "First");
  auto* fourth = Find<TTabSheet>(form, "Fourth");
  std::vector<std::string> events;
  bool allow = false;
  SetMethodProp(pages, "OnChanging", TTabChangingEvent([&](TObject*, bool& allowChange) {
                  events.push_back("changing " + pages->ActivePage()->Name());
                  allowChange = allow;
                }));
  SetMethodProp(pages, "OnChange", TNotifyEvent([&](TObject*) { events.push_back("change " + pages->ActivePage()->Name()); }));
  ClickTab(pages->Handle(), 0);
  EXPECT_EQ(pages->ActivePage()->Name(), "Second");
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
  allow = true;
  ClickTab(pages->Handle(), 2);  // the hidden page has no tab: the third tab is the fourth page
  EXPECT_EQ(pages->ActivePage(), fourth);
  EXPECT_TRUE(fourth->Visible());
  EXPECT_FALSE(Find<TTabSheet>(form, "Second")->Visible());
  EXPECT_EQ(events, (std::vector<std::string>{"changing Second", "changing Second", "change Fourth"}));
  // From code: no events.
  events.clear();
  pages->SetActivePage(first);
  SetOrdProp(pages, "ActivePageIndex", 3);
  EXPECT_EQ(pages->ActivePage(), fourth);
  EXPECT_TRUE(events.empty());
  // The next page skips pages without a tab, round the end.
  EXPECT_EQ(pages->FindNextPage(fourth, true), first);
  EXPECT_EQ(pages->FindNextPage(first, false), fourth);
  pages->SelectNextPage(true);
  EXPECT_EQ(pages->ActivePage(), first);
  EXPECT_EQ(events, (std::vector<std::string>{"changing Fourth", "change First"}));

  // The tab control's events work the same way.
  auto* tabs = Find<TTabControl>(form, "Tabs");
  int changes = 0;
  tabs->OnChanging = [&](TObject*, bool& allowChange) { allowChange = changes == 0; };
  tabs->OnChange = [&](TObject*) { ++changes; };
  ClickTab(tabs->Handle(), 0);
  EXPECT_EQ(tabs->TabIndex(), 0);
  ClickTab(tabs->Handle(), 2);
  EXPECT_EQ(tabs->TabIndex(), 0);
  EXPECT_EQ(changes, 1);
  form->Free();
}

TEST_F(TabsStatusBarTest, FreeingPagesShowsTheNextOne) {
  TForm* form = ReadShownForm(kForm);
  auto* pages = Find<TPageControl>(form, "Pages");
  auto* fourth = Find<TTabSheet>(form, "Fourth");
  // Freeing the active page shows the next page with a tab.
  delete Find<TTabSheet>(form, "Second");
  EXPECT_EQ(pages->PageCount(), 3);
  EXPECT_EQ(pages->ActivePage(), fourth);
  EXPECT_TRUE(fourth->Visible());
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(form->FindComponent("Inside"), nullptr);  // its controls went with it
  // Another page freed keeps the active one.
  delete Find<TTabSheet>(form, "First");
  EXPECT_EQ(pages->ActivePage(), fourth);
  EXPECT_EQ(pages->Pages(0)->Name(), "Hidden");
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 0);
  // A page moved elsewhere leaves too; a new page joins by its parent.
  fourth->SetParent(form);
  EXPECT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(pages->ActivePage(), nullptr);  // only a page without a tab is left
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 0);
  fourth->SetPageControl(pages);
  EXPECT_EQ(pages->PageCount(), 2);
  fourth->SetPageIndex(0);
  EXPECT_EQ(pages->Pages(0), fourth);
  pages->SetActivePage(fourth);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 0);
  // A page of another control is no page of this one.
  auto* other = NewComponent<TPageControl>(form);
  other->SetParent(form);
  other->SetActivePage(fourth);
  EXPECT_EQ(other->ActivePage(), nullptr);
  form->Free();
}

TEST_F(TabsStatusBarTest, OwnerDrawnPanelsDrawThroughTheEvent) {
  TForm* form = ReadShownForm(kForm);
  auto* status = Find<TStatusBar>(form, "Status");
  std::vector<std::pair<TStatusPanel*, TRect>> drawn;
  status->OnDrawPanel = [&](TStatusBar* bar, TStatusPanel* panel, const TRect& rect) {
    drawn.emplace_back(panel, rect);
    bar->Canvas()->Brush()->SetColor(clRed);
    bar->Canvas()->FillRect(rect);
  };
  RedrawWindow(status->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].first, status->Panel(2));
  RECT part{};
  SendMessageW(status->Handle(), SB_GETRECT, 2, reinterpret_cast<LPARAM>(&part));
  EXPECT_EQ(drawn[0].second, part);
  form->Free();
}

TEST_F(TabsStatusBarTest, BadCollectionsInAResourceAreReadErrors) {
  TForm* form = NewComponent<TForm>(Application);
  EXPECT_THROW(ReadComponentResource(form, "object F: TForm\n  object S: TStatusBar\n    Panels = <\n      item\n"
                                           "        Colour = 1\n      end>\n  end\nend\n"),
               EReadError);
  form->Free();
  form = NewComponent<TForm>(Application);
  EXPECT_THROW(ReadComponentResource(form, "object F: TForm\n  object T: TTabControl\n    Images = <\n      item\n"
                                           "      end>\n  end\nend\n"),
               EReadError);
  form->Free();
}

TEST_F(TabsStatusBarTest, GoldenForm) {
  TForm* form = ReadShownForm(kForm);
  auto* status = Find<TStatusBar>(form, "Status");
  status->OnDrawPanel = [](TStatusBar* bar, TStatusPanel*, const TRect& rect) {
    bar->Canvas()->Brush()->SetColor(clNavy);
    TRect inner = rect;
    InflateRect(&inner, -3, -3);
    bar->Canvas()->FillRect(inner);
  };
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(form->Handle());
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "toolkit/tabs_statusbar", GoldenTolerance{48, 80}));
  form->Free();
}

TEST_F(TabsStatusBarTest, TwoHundredFormsLeaveNothingBehind) {
  auto round = [] {
    TForm* form = ReadShownForm(kForm);
    auto* pages = Find<TPageControl>(form, "Pages");
    ClickTab(pages->Handle(), 0);
    SetEnumProp(pages, "MultiLine", "True");  // a new window
    delete Find<TTabSheet>(form, "First");
    SetEnumProp(Find<TStatusBar>(form, "Status"), "SimplePanel", "True");
    Application->ProcessMessages();
    form->Free();
    Application->ProcessMessages();
  };
  ExpectRoundsLeaveEveryCount(round);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
}

}  // namespace
}  // namespace brellis::test
