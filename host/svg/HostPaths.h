// The host's paths in a file: written with their exact segments beside the `d` every
// program draws, read back exactly (see HostMarks.h).
#ifndef GUIDES_HOST_SVG_HOSTPATHS_H
#define GUIDES_HOST_SVG_HOSTPATHS_H

#include <string>
#include <string_view>
#include <vector>

#include "svg/SvgDocument.h"

namespace host::svg {

// `d` in user units: one subpath of cubic segments.
std::string pathData(const std::vector<Segment>& segments, bool closed, const UserSpace& space);

// host:segments: the anchor, in- and out-handle of each segment, host points.
std::string segmentsText(const std::vector<Segment>& segments);

// The segments of a path the host wrote: those of host:segments when `d` still draws them,
// else those `d` draws (a path changed in another program). False when `d` is no single
// subpath of lines and Bézier curves.
bool readHostSegments(std::string_view d, std::string_view segments, const UserSpace& space, Object* path);

}  // namespace host::svg

#endif
