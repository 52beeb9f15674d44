// The toolbox, the selection changes the host tells tools about, companions registered
// before plug-ins, and the annotation frames that hold the overlay: what is refused and
// what is kept within bounds. (The sessions place tools beside companions and the
// eyedropper, tell tools of their selection and draw the overlay.)
#include <limits>
#include <string>

#include "AIAnnotator.h"
#include "AIMenu.h"
#include "AITool.h"
#include "ShellFixture.h"

class ToolboxTest : public ShellTest {
 protected:
  const AIToolSuite* tools = suite<AIToolSuite>(kAIToolSuite, kAIToolSuiteVersion);

  // Registers a tool beside the tools numbered group and toolset; the result of AddTool.
  AIErr add(const char* name, int16_t group, int16_t toolset, AIToolHandle* tool = nullptr) {
    const AIAddToolData data{text(name), text(name), 16051, 16052, group, toolset};
    AIToolHandle made = nullptr;
    return tools->AddTool(self, name, &data, 0, tool ? tool : &made);
  }
  int16_t number(const char* name) {
    int16_t found = -1;
    EXPECT_EQ(tools->GetToolNumberFromName(name, &found), kNoErr);
    return found;
  }
};

TEST_F(ToolboxTest, AGroupOrToolsetNamingNoToolOrOutsideTheGroupIsRefused) {
  const int16_t eyedropper = number(kEyedropperToolName);
  ASSERT_EQ(add("Seul", kNoTool, kNoTool), kNoErr);
  EXPECT_EQ(add("Perdu", 99, kNoTool), kBadParameterErr);
  EXPECT_EQ(add("Perdu", -1, kNoTool), kBadParameterErr);
  EXPECT_EQ(add("Perdu", eyedropper, number("Seul")), kBadParameterErr);
  EXPECT_TRUE(host::shell().ui.toolNamed("Perdu").isNull());

  host::UserInterface& ui = host::shell().ui;
  EXPECT_TRUE(ui.addCompanionMenuGroup("Ralto-Outils"));
  EXPECT_FALSE(ui.addCompanionMenuGroup("Ralto-Outils"));
  EXPECT_FALSE(ui.addCompanionMenuGroup(""));
  EXPECT_FALSE(ui.addCompanionTool("Outil Zervane").isNull());
  EXPECT_TRUE(ui.addCompanionTool("Outil Zervane").isNull());
}

TEST_F(ToolboxTest, OnlyARealChangeOfToolIsToldAndAPlugInThatGoesIsToldNothingMore) {
  host::UserInterface& ui = host::shell().ui;
  AIToolHandle mine = nullptr;
  ASSERT_EQ(add("Outil Guides", kNoTool, kNoTool, &mine), kNoErr);
  EXPECT_EQ(tools->SetSelectedTool(mine), kNoErr);
  EXPECT_EQ(tools->SetSelectedTool(mine), kNoErr);  // no change: nothing to tell
  EXPECT_EQ(tools->SetSelectedToolByName(kSelectToolName), kNoErr);
  EXPECT_EQ(tools->SetSelectedToolByName("Outil inconnu"), kNotFoundErr);
  const std::vector<host::ToolChange> changes = ui.takeToolChanges();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(std::make_tuple(changes[0].from, changes[0].to, changes[1].from),
            std::make_tuple(ui.toolNamed(kSelectToolName), host::fromHandle(mine), host::fromHandle(mine)));
  EXPECT_TRUE(ui.takeToolChanges().empty());

  EXPECT_EQ(tools->SetSelectedTool(mine), kNoErr);
  ui.forgetPlugin(host::fromHandle(self));
  EXPECT_TRUE(ui.takeToolChanges().empty());
  EXPECT_EQ(ui.selectedTool, ui.toolNamed(kSelectToolName));
}

class OverlayTest : public ShellTest {
 protected:
  const AIAnnotatorDrawerSuite* drawing =
      suite<AIAnnotatorDrawerSuite>(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion);
  const AIAnnotatorSuite* annotators = suite<AIAnnotatorSuite>(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);
  host::AnnotationFrame& frame = host::shell().ui.annotations;
};

TEST_F(OverlayTest, BadOrLateDrawingIsRefusedAndInvalidationsAreKeptForTheNextFrame) {
  frame.begin();
  auto* drawer = host::toHandle<AIAnnotatorDrawer*>(frame.newDrawer());
  const AIPoint at{1, 1};
  EXPECT_EQ(drawing->SetLineWidth(drawer, -1), kBadParameterErr);
  EXPECT_EQ(drawing->SetLineWidth(drawer, std::numeric_limits<float>::quiet_NaN()), kBadParameterErr);
  EXPECT_EQ(drawing->DrawTextAligned(drawer, nullptr, &at), kBadParameterErr);
  EXPECT_EQ(drawing->DrawTextAligned(drawer, "\xff\xfe", &at), kBadParameterErr);
  EXPECT_EQ(drawing->DrawTextAligned(drawer, std::string(5000, 'a').c_str(), &at), kBadParameterErr);
  EXPECT_EQ(drawing->DrawTextAligned(nullptr, "x", &at), kBadParameterErr);
  EXPECT_EQ(drawing->DrawLine(drawer, &at, &at), kNoErr);
  EXPECT_TRUE(frame.overlay().empty());  // the previous frame shows until this one ends
  frame.end();
  EXPECT_EQ(frame.overlay().size(), 1u);
  // The drawer belonged to its frame: kept and used later, it is refused.
  EXPECT_EQ(drawing->DrawLine(drawer, &at, &at), kBadParameterErr);
  frame.begin();
  EXPECT_EQ(drawing->DrawLine(drawer, &at, &at), kBadParameterErr);
  frame.end();
  EXPECT_TRUE(frame.overlay().empty());

  const AIRect area{0, 0, 1000, 800};
  for (size_t i = 0; i < host::AnnotationFrame::kMaxInvalidations + 5; ++i)
    EXPECT_EQ(annotators->InvalAnnotationRect(nullptr, &area), kNoErr);
  EXPECT_EQ(frame.pendingInvalidations().size(), host::AnnotationFrame::kMaxInvalidations);
  frame.begin();
  frame.end();
  EXPECT_EQ(frame.overlayInvalidations().size(), host::AnnotationFrame::kMaxInvalidations);
  EXPECT_TRUE(frame.pendingInvalidations().empty());
}
