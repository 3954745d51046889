// TTreeView: read from a form resource with its nodes (Items.Data) and
// properties by name, nodes kept across a new window, the reflected
// notifications firing OnChanging (refusable), OnChange, OnExpanded and
// OnCollapsed, and two hundred forms leaving nothing behind.
#include <cstdint>
#include <cstdio>

#include "platform/controls/controls.h"
#include "support/handle_leaks.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Reader.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

using TreeViewToolkitTest = ToolkitTest;

struct NodeSpec {
  std::string text;
  int image;
  int children;
};

// The stored form of nodes given depth first with their child counts.
std::string NodeDataHex(int roots, const std::vector<NodeSpec>& nodes) {
  std::string raw;
  auto put = [&](std::int32_t v) {
    for (int i = 0; i < 4; ++i) raw += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
  };
  put(roots);
  for (const NodeSpec& n : nodes) {
    put(25 + static_cast<std::int32_t>(n.text.size()));
    put(n.image);
    put(n.image + 1);
    put(-1);
    put(-1);
    put(0);
    put(n.children);
    raw += static_cast<char>(n.text.size());
    raw += n.text;
  }
  std::string hex;
  char digits[3];
  for (unsigned char c : raw) {
    std::snprintf(digits, sizeof(digits), "%02X", c);
    hex += digits;
  }
  return hex;
}

std::string Form(const std::string& data) {
  return R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 320
  ClientHeight = 240
  object Tree: TTreeView
    Left = 10
    Top = 10
    Width = 200
    Height = 200
    ShowRoot = False
    Items.Data = {)" +
         data + R"(}
  end
end
)";
}

TForm* ReadForm(const std::string& data) { return ReadShownForm(Form(data)); }

const std::string kSample =
    NodeDataHex(2, {{"Animals", 0, 2}, {"Cat", 1, 0}, {"Dog", 2, 1}, {"Puppy", 3, 0}, {"Plants", 4, 0}});

TEST_F(TreeViewToolkitTest, ReadsNodesAndPropertiesAndFillsTheWindow) {
  TForm* form = ReadForm(kSample);
  auto* tree = As<TTreeView>(form->FindComponent("Tree"));
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->ClassName(), "TTreeView");
  EXPECT_EQ(GetEnumProp(tree, "ShowRoot"), "False");
  EXPECT_EQ(GetEnumProp(tree, "ShowLines"), "True");
  TTreeNodes* items = tree->Items();
  EXPECT_EQ(items->Count(), 5);
  EXPECT_EQ(items->RootCount(), 2);
  TTreeNode* animals = items->GetFirstNode();
  ASSERT_NE(animals, nullptr);
  EXPECT_EQ(animals->Text(), "Animals");
  EXPECT_EQ(animals->Count(), 2);
  EXPECT_EQ(animals->Item(1)->Text(), "Dog");
  EXPECT_EQ(animals->Item(1)->Item(0)->Parent(), animals->Item(1));
  EXPECT_EQ(items->Item(3)->Text(), "Puppy");
  EXPECT_EQ(items->Item(3)->ImageIndex(), 3);
  EXPECT_EQ(items->Item(3)->SelectedIndex(), 4);
  EXPECT_EQ(items->Item(3)->Level(), 2);
  EXPECT_EQ(items->Item(9), nullptr);
  HWND h = tree->Handle();
  EXPECT_EQ(SendMessageA(h, TVM_GETCOUNT, 0, 0), 5);
  const DWORD style = static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE));
  EXPECT_EQ(style & (TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT), TVS_HASLINES | TVS_HASBUTTONS);
  // Nodes outlive a new window, expanded ones stay expanded.
  animals->SetExpanded(true);
  animals->Item(0)->SetText("Kitten");
  SetPropValue(tree, "ShowRoot", "True");
  EXPECT_NE(static_cast<DWORD>(GetWindowLongA(tree->Handle(), GWL_STYLE)) & TVS_LINESATROOT, 0u);
  EXPECT_EQ(SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 5);
  EXPECT_TRUE(animals->Expanded());
  char buffer[32] = {};
  TVITEMA tv{TVIF_TEXT, nullptr, 0, 0, buffer, 32, 0, 0, 0, 0};
  tv.hItem = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree->Handle(), TVM_GETNEXTITEM, TVGN_CHILD,
                   SendMessageA(tree->Handle(), TVM_GETNEXTITEM, TVGN_ROOT, 0)));
  SendMessageA(tree->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  EXPECT_STREQ(buffer, "Kitten");
  // Adding and deleting go to the window too.
  TTreeNode* stones = items->Add(animals, "Stones");
  items->AddChild(stones, "Flint");
  EXPECT_EQ(items->Count(), 7);
  EXPECT_EQ(SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 7);
  animals->Delete();
  EXPECT_EQ(items->Count(), 3);
  EXPECT_EQ(SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 3);
  items->Clear();
  EXPECT_EQ(SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 0);
}

TEST_F(TreeViewToolkitTest, BadNodeDataIsAReadErrorNotACrash) {
  TForm* form = NewComponent<TForm>(Application);
  const std::string truncated = kSample.substr(0, kSample.size() - 10);
  EXPECT_THROW(ReadComponentResource(form, Form(truncated)), EReadError);
  form->Free();
}

TEST_F(TreeViewToolkitTest, NotificationsFireTheEventsAndChangingMayRefuse) {
  TForm* form = ReadForm(kSample);
  auto* tree = As<TTreeView>(form->FindComponent("Tree"));
  std::vector<std::string> events;
  bool allow = true;
  tree->OnChanging = [&](TObject*, TTreeNode* node, bool& allowChange) {
    events.push_back("changing " + node->Text());
    allowChange = allow;
  };
  tree->OnChange = [&](TObject*, TTreeNode* node) { events.push_back("change " + node->Text()); };
  tree->OnExpanded = [&](TObject*, TTreeNode* node) { events.push_back("expanded " + node->Text()); };
  tree->OnCollapsed = [&](TObject*, TTreeNode* node) { events.push_back("collapsed " + node->Text()); };
  TTreeNode* animals = tree->Items()->GetFirstNode();
  TTreeNode* plants = tree->Items()->Root(1);
  tree->SetSelected(plants);
  EXPECT_EQ(tree->Selected(), plants);
  EXPECT_TRUE(plants->Selected());
  allow = false;
  tree->SetSelected(animals);
  EXPECT_EQ(tree->Selected(), plants);
  allow = true;
  animals->SetExpanded(true);
  SetFocus(tree->Handle());
  SendMessageA(tree->Handle(), WM_KEYDOWN, VK_HOME, 0);
  SendMessageA(tree->Handle(), WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_FALSE(animals->Expanded());
  EXPECT_EQ(events, (std::vector<std::string>{"changing Plants", "change Plants", "changing Animals",
                                              "expanded Animals", "changing Animals", "change Animals",
                                              "collapsed Animals"}));
}

TEST_F(TreeViewToolkitTest, TwoHundredFormsWithTreesLeaveNothingBehind) {
  auto round = [] {
    TForm* form = ReadForm(kSample);
    auto* tree = As<TTreeView>(form->FindComponent("Tree"));
    tree->FullExpand();
    tree->SetSelected(tree->Items()->Item(3));
    SetPropValue(tree, "ShowLines", "False");  // a new window
    tree->Items()->AddChild(tree->Items()->GetFirstNode(), "more");
    Application->ProcessMessages();
    form->Free();
    Application->ProcessMessages();
  };
  ExpectRoundsLeaveEveryCount(round);
}

}  // namespace
}  // namespace brellis::test
