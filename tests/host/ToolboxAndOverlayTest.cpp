// The toolbox's groups and toolsets, the selection changes the host tells tools about,
// companions registered before plug-ins, and the annotation frames that hold the overlay.
#include <limits>
#include <string>

#include "AIAnnotator.h"
#include "AIMenu.h"
#include "AITool.h"
#include "AIUnicodeString.h"
#include "ShellFixture.h"

class ToolboxTest : public ShellTest {
 protected:
  const AIToolSuite* tools = suite<AIToolSuite>(kAIToolSuite, kAIToolSuiteVersion);
  const AIUnicodeStringSuite* strings =
      suite<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);

  // Registers a tool beside the tools numbered group and toolset; the result of AddTool.
  AIErr add(const char* name, int16_t group, int16_t toolset, AIToolHandle* tool = nullptr) {
    AIUnicodeStringRef title = nullptr;
    strings->Initialize(&title, name, kAIPlatformCharacterEncoding);
    const AIAddToolData data{title, title, 16051, 16052, group, toolset};
    AIToolHandle made = nullptr;
    const AIErr result = tools->AddTool(self, name, &data, 0, tool ? tool : &made);
    strings->Dispose(title);
    return result;
  }
  const host::Tool& record(const char* name) {
    return *host::shell().ui.tools.find(host::shell().ui.toolNamed(name));
  }
  int16_t number(const char* name) {
    int16_t found = -1;
    EXPECT_EQ(tools->GetToolNumberFromName(name, &found), kNoErr);
    return found;
  }
};

TEST_F(ToolboxTest, ToolsJoinTheGroupAndToolsetOfTheToolsTheyName) {
  const int16_t eyedropper = number(kEyedropperToolName);
  ASSERT_EQ(add("Seul", kNoTool, kNoTool), kNoErr);
  ASSERT_EQ(add("Avec la pipette", eyedropper, eyedropper), kNoErr);
  ASSERT_EQ(add("Groupe de la pipette", eyedropper, kNoTool), kNoErr);
  const host::Tool& pipette = record(kEyedropperToolName);
  const host::Tool& alone = record("Seul");
  EXPECT_NE(alone.group, pipette.group);
  EXPECT_EQ(record("Avec la pipette").group, pipette.group);
  EXPECT_EQ(record("Avec la pipette").toolset, pipette.toolset);
  EXPECT_EQ(record("Groupe de la pipette").group, pipette.group);
  EXPECT_NE(record("Groupe de la pipette").toolset, pipette.toolset);
  EXPECT_EQ(record("Seul").normalIcon, 16051);
  EXPECT_EQ(record("Seul").darkIcon, 16052);
  EXPECT_EQ(number("Seul"), 2);  // after the host's two

  // A number naming no tool, or a toolset outside the group named, is refused.
  EXPECT_EQ(add("Perdu", 99, kNoTool), kBadParameterErr);
  EXPECT_EQ(add("Perdu", -1, kNoTool), kBadParameterErr);
  EXPECT_EQ(add("Perdu", eyedropper, number("Seul")), kBadParameterErr);
  EXPECT_TRUE(host::shell().ui.toolNamed("Perdu").isNull());
}

TEST_F(ToolboxTest, SelectionChangesWaitToBeToldAndCompanionsComeFirst) {
  host::UserInterface& ui = host::shell().ui;
  EXPECT_FALSE(ui.addCompanionTool("Outil Zervane").isNull());
  EXPECT_TRUE(ui.addCompanionTool("Outil Zervane").isNull());
  EXPECT_EQ(number("Outil Zervane"), 2);
  EXPECT_EQ(record("Outil Zervane").owner, host::ToolOwner::Companion);

  AIToolHandle mine = nullptr;
  ASSERT_EQ(add("Outil Guides", number("Outil Zervane"), kNoTool, &mine), kNoErr);
  EXPECT_EQ(tools->SetSelectedTool(mine), kNoErr);
  EXPECT_EQ(tools->SetSelectedTool(mine), kNoErr);  // no change: nothing to tell
  EXPECT_EQ(tools->SetSelectedToolByName(kSelectToolName), kNoErr);
  EXPECT_EQ(tools->SetSelectedToolByName("Outil inconnu"), kNotFoundErr);
  const std::vector<host::ToolChange> changes = ui.takeToolChanges();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].from, ui.toolNamed(kSelectToolName));
  EXPECT_EQ(changes[0].to, host::fromHandle(mine));
  EXPECT_EQ(changes[1].from, host::fromHandle(mine));
  EXPECT_TRUE(ui.takeToolChanges().empty());

  // A plug-in that goes takes its tools with it and is told nothing more.
  EXPECT_EQ(tools->SetSelectedTool(mine), kNoErr);
  ui.forgetPlugin(host::fromHandle(self));
  EXPECT_TRUE(ui.takeToolChanges().empty());
  EXPECT_EQ(ui.selectedTool, ui.toolNamed(kSelectToolName));
  EXPECT_FALSE(ui.toolNamed("Outil Zervane").isNull());
}

TEST(CompanionMenuGroup, HangsFromToolPalettesOnceByName) {
  host::resetShell();
  host::UserInterface& ui = host::shell().ui;
  EXPECT_TRUE(ui.addCompanionMenuGroup("Ralto-Outils"));
  EXPECT_FALSE(ui.addCompanionMenuGroup("Ralto-Outils"));
  EXPECT_FALSE(ui.addCompanionMenuGroup(""));
  const host::MenuGroup* group = ui.menuGroups.find(ui.menuGroupNamed("Ralto-Outils"));
  ASSERT_NE(group, nullptr);
  const host::MenuItem* parent = ui.menuItems.find(group->parentItem);
  ASSERT_NE(parent, nullptr);
  EXPECT_EQ(parent->group, kToolPalettesMenuGroup);
  EXPECT_EQ(ui.subMenuOf(group->parentItem), ui.menuGroupNamed("Ralto-Outils"));
  host::resetShell();
}

class OverlayTest : public ShellTest {
 protected:
  const AIAnnotatorDrawerSuite* drawing =
      suite<AIAnnotatorDrawerSuite>(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion);
  const AIAnnotatorSuite* annotators = suite<AIAnnotatorSuite>(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);
  host::AnnotationFrame& frame = host::shell().ui.annotations;

  AIAnnotatorDrawer* newDrawer() { return host::toHandle<AIAnnotatorDrawer*>(frame.newDrawer()); }
};

TEST_F(OverlayTest, WhatADrawerDrawsBecomesTheOverlayWithThePenOfTheMoment) {
  frame.begin();
  AIAnnotatorDrawer* drawer = newDrawer();
  const AIRGBColor red{65535, 0, 0};
  const AIPoint at{512, 390}, corner{0, 0};
  EXPECT_EQ(drawing->SetColor(drawer, &red), kNoErr);
  EXPECT_EQ(drawing->SetFontPreset(drawer, 2), kNoErr);
  EXPECT_EQ(drawing->DrawTextAligned(drawer, "Cliquez pour créer les repères.", &at), kNoErr);
  EXPECT_EQ(drawing->SetLineDashed(drawer, 1), kNoErr);
  EXPECT_EQ(drawing->SetLineWidth(drawer, 0.5f), kNoErr);
  EXPECT_EQ(drawing->DrawLine(drawer, &corner, &at), kNoErr);
  EXPECT_TRUE(frame.overlay().empty());  // the previous frame shows until this one ends
  frame.end();

  ASSERT_EQ(frame.overlay().size(), 2u);
  const host::OverlayItem& text = frame.overlay()[0];
  EXPECT_EQ(text.text, "Cliquez pour créer les repères.");
  EXPECT_EQ(text.start.h, 512);
  EXPECT_EQ(text.color.red, 65535);
  EXPECT_EQ(text.font, 2);
  const host::OverlayItem& line = frame.overlay()[1];
  EXPECT_EQ(line.kind, host::OverlayItem::Kind::Line);
  EXPECT_TRUE(line.dashed);
  EXPECT_EQ(line.lineWidth, 0.5f);
  EXPECT_EQ(line.end.v, 390);

  // The drawer belonged to its frame: kept and used later, it is refused.
  EXPECT_EQ(drawing->DrawLine(drawer, &corner, &at), kBadParameterErr);
  frame.begin();
  EXPECT_EQ(drawing->SetColor(drawer, &red), kBadParameterErr);
  frame.end();
  EXPECT_TRUE(frame.overlay().empty());
}

TEST_F(OverlayTest, BadDrawingIsRefusedAndInvalidationsAreKeptForTheNextFrame) {
  frame.begin();
  AIAnnotatorDrawer* drawer = newDrawer();
  const AIPoint at{1, 1};
  EXPECT_EQ(drawing->SetLineWidth(drawer, -1), kBadParameterErr);
  EXPECT_EQ(drawing->SetLineWidth(drawer, std::numeric_limits<float>::quiet_NaN()), kBadParameterErr);
  EXPECT_EQ(drawing->DrawTextAligned(drawer, nullptr, &at), kBadParameterErr);
  EXPECT_EQ(drawing->DrawTextAligned(drawer, "\xff\xfe", &at), kBadParameterErr);
  EXPECT_EQ(drawing->DrawTextAligned(drawer, std::string(5000, 'a').c_str(), &at), kBadParameterErr);
  EXPECT_EQ(drawing->DrawTextAligned(nullptr, "x", &at), kBadParameterErr);
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
