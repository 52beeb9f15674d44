// The root element's size: its width, height, viewBox and preserveAspectRatio, giving the
// points one user unit measures, the page the root's viewport makes, and where Inkscape
// counts its guides from. The one place where lengths of the file become host points.
#ifndef GUIDES_HOST_SVG_ROOTGEOMETRY_H
#define GUIDES_HOST_SVG_ROOTGEOMETRY_H

#include <pugixml.hpp>
#include <string>

#include "svg/Affine.h"
#include "svg/SvgDocument.h"

namespace host::svg {

// The largest page side the host takes, in points (about 35 m): beyond it a size is taken
// for a mistake, and host coordinates would lose their precision.
constexpr double kLargestPageSide = 1e5;

// Lengths in points from here on: a file whose width in points equals its viewBox's width
// gets a scale of exactly 1.
struct RootGeometry {
  double widthPt = 0, heightPt = 0;  // the viewport
  UserBox viewBox;                   // user units; the viewport itself when there is none
  bool hasViewBox = false;
  Affine toViewport;  // user units to viewport points (viewBox and preserveAspectRatio)
  UserBox viewport;   // the viewport in user units
};

// False, with the reason, for a size the host cannot take (zero, negative, not a number,
// infinite or too large, an unknown unit).
bool readRootGeometry(const pugi::xml_node& root, RootGeometry* geometry, std::string* reason);

// Host points for user units, with `page` (user units) as the first page.
UserSpace userSpaceFor(const RootGeometry& geometry, const UserBox& firstPage);

// Inkscape's guide positions for host points, in a file read into `space`.
GuideSpace guideSpaceFor(const RootGeometry& geometry, const UserSpace& space);

// The page a box in user units makes in host points.
Box hostBox(const UserSpace& space, const UserBox& box);

}  // namespace host::svg

#endif
