// One layer of a document. Its art lives in the layer's own group.
#ifndef GUIDES_HOST_MODEL_LAYER_H
#define GUIDES_HOST_MODEL_LAYER_H

#include <cstdint>
#include <string>

#include "model/Ref.h"

namespace host {

struct Layer {
  uint64_t document = 0;  // id of the document the layer belongs to
  std::string title;
  bool editable = true;
  bool visible = true;
  Ref group;

  bool operator==(const Layer&) const = default;
};

}  // namespace host

#endif
