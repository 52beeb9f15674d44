#include "kit/Object.h"

namespace kit {

Object::Object() : className_("Object") {}
Object::~Object() = default;
void Object::awakeFromNib() {}

}  // namespace kit
