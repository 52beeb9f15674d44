// Autoresizing: when a window or a view changes size, its subviews move and stretch by
// their masks, down the whole tree; layout files give the masks.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "kit/Kit.h"

namespace {

using kit::makeRect;
using kit::Rect;

// A view of the given frame and mask, added to a parent that owns it.
kit::View* addChild(kit::View& parent, const Rect& frame, kit::AutoresizingMask mask) {
  auto child = std::make_unique<kit::View>(frame);
  child->setAutoresizingMask(mask);
  return parent.addSubview(std::move(child));
}

std::vector<Rect> frames(std::initializer_list<const kit::View*> views) {
  std::vector<Rect> result;
  for (const kit::View* view : views) result.push_back(view->frame());
  return result;
}

TEST(Autoresizing, FlexiblePartsOfAnAxisShareTheChangeInProportionToTheirLengths) {
  kit::View parent(makeRect(0, 0, 256, 100));
  // Horizontal: margins 128 and 64 around a width of 64.
  const Rect row = makeRect(128, 10, 64, 10);
  kit::View* none = addChild(parent, row, kit::ViewNotSizable);
  kit::View* left = addChild(parent, row, kit::ViewFlexibleLeftMargin);
  kit::View* width = addChild(parent, row, kit::ViewFlexibleWidth);
  kit::View* right = addChild(parent, row, kit::ViewFlexibleRightMargin);
  kit::View* widthAndRight = addChild(parent, row, kit::ViewFlexibleWidth | kit::ViewFlexibleRightMargin);
  kit::View* all = addChild(parent, row,
                            kit::ViewFlexibleLeftMargin | kit::ViewFlexibleWidth | kit::ViewFlexibleRightMargin);
  // Vertical: margins 16 and 36 around a height of 48.
  const Rect column = makeRect(0, 16, 10, 48);
  kit::View* height = addChild(parent, column, kit::ViewFlexibleHeight);
  kit::View* bottomAndHeight = addChild(parent, column, kit::ViewFlexibleBottomMargin | kit::ViewFlexibleHeight);
  kit::View* top = addChild(parent, column, kit::ViewFlexibleTopMargin);

  parent.setFrameSize(kit::Size{512, 164});
  EXPECT_EQ(frames({none, left, width, right, widthAndRight, all, height, bottomAndHeight, top}),
            (std::vector{row, makeRect(384, 10, 64, 10), makeRect(128, 10, 320, 10), row, makeRect(128, 10, 192, 10),
                         makeRect(256, 10, 128, 10), makeRect(0, 16, 10, 112), makeRect(0, 32, 10, 96), column}));

  // Bits outside the known flags are dropped.
  top->setAutoresizingMask(kit::ViewFlexibleHeight | (1u << 12));
  EXPECT_EQ(top->autoresizingMask(), kit::ViewFlexibleHeight);
}

TEST(Autoresizing, EmptyFlexiblePartsShareEquallyAndSizesNeverGoNegative) {
  kit::View parent(makeRect(0, 0, 100, 100));
  // Flush against both sides: the two empty margins take equal halves.
  kit::View* centred = addChild(parent, makeRect(0, 0, 100, 100),
                                kit::ViewFlexibleLeftMargin | kit::ViewFlexibleRightMargin |
                                    kit::ViewFlexibleBottomMargin | kit::ViewFlexibleTopMargin);
  kit::View* stretched = addChild(parent, makeRect(10, 10, 80, 80), kit::ViewFlexibleWidth | kit::ViewFlexibleHeight);

  parent.setFrameSize(kit::Size{140, 60});
  EXPECT_EQ(centred->frame(), makeRect(20, -20, 100, 100));

  parent.setFrameSize(kit::Size{0, 0});
  EXPECT_EQ(stretched->frame(), makeRect(10, 10, 0, 0));
  EXPECT_GE(centred->frame().size.width, 0);
}

TEST(Autoresizing, NestedViewsFollowDownTheTree) {
  kit::Window window(makeRect(0, 0, 240, 158));
  kit::View& content = *window.contentView();
  // A container that fills the window, holding a top row and a bottom row, and a fixed
  // box whose own children see no change.
  kit::View* container = addChild(content, makeRect(0, 0, 240, 158), kit::ViewFlexibleWidth | kit::ViewFlexibleHeight);
  kit::View* topRow = addChild(*container, makeRect(4, 134, 150, 22), kit::ViewFlexibleBottomMargin);
  kit::View* topRight = addChild(*topRow, makeRect(100, 0, 50, 22), kit::ViewFlexibleLeftMargin);
  kit::View* bottomRow = addChild(*container, makeRect(4, 2, 140, 18), kit::ViewFlexibleWidth);
  kit::View* box = addChild(*container, makeRect(100, 40, 40, 40), kit::ViewNotSizable);
  kit::View* inBox = addChild(*box, makeRect(0, 20, 40, 20), kit::ViewFlexibleBottomMargin);

  window.setFrame(makeRect(0, 0, 480, 184), false);
  // The top row's right part keeps its place: its row kept its size.
  EXPECT_EQ(frames({container, topRow, topRight, bottomRow, box, inBox}),
            (std::vector{makeRect(0, 0, 480, 184), makeRect(4, 160, 150, 22), makeRect(100, 0, 50, 22),
                         makeRect(4, 2, 380, 18), makeRect(100, 40, 40, 40), makeRect(0, 20, 40, 20)}));

  // Resizing a view directly moves its own subviews the same way.
  topRow->setFrameSize(kit::Size{200, 22});
  EXPECT_EQ(topRight->frame(), makeRect(150, 0, 50, 22));
  box->setFrame(makeRect(0, 0, 40, 60));
  EXPECT_EQ(inBox->frame(), makeRect(0, 40, 40, 20));
}

TEST(Autoresizing, BorrowedSubviewsAndNewContentViewsFollowTheirMasks) {
  // A view owned elsewhere (a controller's view shown in a host's panel) follows too.
  kit::View controllerView(makeRect(0, 0, 240, 158));
  controllerView.setAutoresizingMask(kit::ViewFlexibleWidth | kit::ViewFlexibleHeight);
  kit::View* button = addChild(controllerView, makeRect(180, 134, 56, 20), kit::ViewFlexibleBottomMargin);
  {
    kit::Window panel(makeRect(0, 0, 240, 158));
    panel.contentView()->addSubview(controllerView);
    panel.setFrame(makeRect(0, 0, 240, 184), false);
    EXPECT_EQ(controllerView.frame(), makeRect(0, 0, 240, 184));
    EXPECT_EQ(button->frame(), makeRect(180, 160, 56, 20));
  }
  EXPECT_EQ(controllerView.superview(), nullptr);

  // A content view made at another size is fitted to the window, its subviews following.
  auto content = std::make_unique<kit::View>(makeRect(0, 0, 100, 100));
  kit::View* corner = addChild(*content, makeRect(80, 80, 20, 20), kit::ViewFlexibleLeftMargin | kit::ViewFlexibleBottomMargin);
  kit::Window window(makeRect(0, 0, 300, 200));
  window.setContentView(std::move(content));
  EXPECT_EQ(corner->frame(), makeRect(280, 180, 20, 20));
}

// Masks read from a layout file, and a dialog shrunk to fewer rows with its buttons kept
// inside, are the sets sessions' (they print the delete-sets dialog at each size).

}  // namespace
