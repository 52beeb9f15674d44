// Drawing: filled rectangles rasterised into images (read back pixel by pixel), cursors
// made from them, and the display lists that views record.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "kit/Kit.h"

namespace {

const kit::Pixel clear{0, 0, 0, 0};
const kit::Pixel white{255, 255, 255, 255};
const kit::Pixel black{0, 0, 0, 255};

// The image as rows of characters, top row first: '.' clear, 'W' white, 'B' black.
std::vector<std::string> picture(const kit::Image& image) {
  std::vector<std::string> rows;
  for (int y = image.pixelsHigh() - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < image.pixelsWide(); ++x) {
      kit::Pixel p = image.pixelAt(x, y);
      row += p == clear ? '.' : p == white ? 'W' : p == black ? 'B' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

// Filled rectangles read back pixel for pixel, from the bottom left, are the tool_cursors
// session's (it prints the cursors drawn so); here, the edges.
TEST(ImageFill, FillsAreClippedAndOddRectanglesAreHarmless) {
  kit::Image image(kit::Size{4, 4});
  image.lockFocus();
  kit::Color::whiteColor().set();
  kit::rectFill(kit::makeRect(-10, -10, 12, 1000));  // clipped to columns 0 and 1
  kit::rectFill(kit::makeRect(NAN, 0, 2, 2));
  kit::rectFill(kit::makeRect(0, 0, INFINITY, -3));
  kit::rectFill(kit::makeRect(1e300, 1e300, 1e300, 1e300));
  image.unlockFocus();
  image.unlockFocus();  // once too often: ignored
  EXPECT_EQ(picture(image), (std::vector<std::string>{"WW..", "WW..", "WW..", "WW.."}));

  kit::Image none(kit::Size{-5, NAN});
  EXPECT_EQ(std::pair(none.pixelsWide(), none.pixelsHigh()), std::pair(0, 0));
  kit::Image huge(kit::Size{1e12, 1});
  EXPECT_EQ(huge.pixelsWide(), kit::Image::maxSide);
}

TEST(ImageFill, SourceOverBlendsAndNothingIsDrawnWithoutFocus) {
  kit::Image image(kit::Size{2, 1});
  kit::Color::whiteColor().set();
  kit::rectFill(kit::makeRect(0, 0, 2, 1));  // no destination: nothing happens
  EXPECT_EQ(image.pixelAt(0, 0), clear);
  image.lockFocus();
  kit::Color::whiteColor().set();
  kit::rectFill(kit::makeRect(0, 0, 1, 1));
  kit::Color::colorWithCalibratedRed(0, 0, 0, 0.5).set();
  kit::rectFillUsingOperation(kit::makeRect(0, 0, 2, 1), kit::CompositingOperation::SourceOver);
  image.unlockFocus();
  EXPECT_EQ(image.pixelAt(0, 0), (kit::Pixel{128, 128, 128, 255}));
  EXPECT_EQ(image.pixelAt(1, 0), (kit::Pixel{0, 0, 0, 128}));
}

TEST(Cursors, SettingACursorMakesItCurrentUntilItGoesAway) {
  kit::Cursor::arrowCursor().set();
  EXPECT_EQ(kit::Cursor::currentCursor()->name(), "arrow");
  int before = kit::Cursor::setCount();
  {
    kit::Cursor made(kit::Image(kit::Size{16, 16}), kit::Point{7, 8});
    made.set();
    EXPECT_EQ(kit::Cursor::currentCursor(), &made);
    kit::Cursor::pointingHandCursor().set();
    EXPECT_EQ(kit::Cursor::currentCursor()->name(), "pointingHand");
    made.set();
  }
  EXPECT_EQ(kit::Cursor::currentCursor(), &kit::Cursor::arrowCursor());
  EXPECT_EQ(kit::Cursor::setCount(), before + 3);
}

// What views record when they draw is checked on the panel's own icon and veil views.
TEST(DisplayLists, HiddenViewsDrawNothingAndMarkedViewsDrawWhenAsked) {
  kit::View panel;
  kit::View* icon = panel.addSubview(std::make_unique<kit::View>(kit::makeRect(0, 0, 18, 18)));
  panel.setHidden(true);
  icon->display();
  EXPECT_EQ(icon->displayCount(), 0);
  panel.setHidden(false);
  icon->setNeedsDisplay(true);
  panel.displayIfNeeded();
  EXPECT_EQ(icon->displayCount(), 1);
  EXPECT_FALSE(icon->needsDisplay());
  panel.displayIfNeeded();
  EXPECT_EQ(icon->displayCount(), 1);
  EXPECT_EQ(kit::GraphicsContext::currentContext(), nullptr);  // drawing is over
}

TEST(DisplayLists, ColoursAreClampedCalibratedComponents) {
  auto c = kit::Color::colorWithCalibratedRed(1.5, -2, NAN, 0.5);
  EXPECT_EQ(std::tuple(c.redComponent(), c.greenComponent(), c.blueComponent(), c.alphaComponent()),
            std::tuple(1.0, 0.0, 0.0, 0.5));
}

}  // namespace
