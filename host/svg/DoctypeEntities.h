// The entities a file declares in its DOCTYPE. pugixml expands none of them (it leaves
// "&name;" as it is), which is what keeps an entity bomb or an external entity harmless;
// the plain ones some programs write (Illustrator's "&ns_svg;" for its namespaces) are
// expanded here, within a bound, and anything more is refused.
#ifndef GUIDES_HOST_SVG_DOCTYPEENTITIES_H
#define GUIDES_HOST_SVG_DOCTYPEENTITIES_H

#include <map>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace host::svg {

using Entities = std::map<std::string, std::string, std::less<>>;

// The internal entities declared in `prolog` (the bytes before the root element). False, with the reason, for a
// declaration the host does not expand: an external entity (never read), a parameter
// entity, or an entity made of other entities.
bool readEntities(std::string_view prolog, Entities* entities, std::string* reason);

// Expands the entities in every attribute value and text of `document`. False, with the
// reason, when they would make it larger than `limit` bytes.
bool expandEntities(const Entities& entities, size_t limit, pugi::xml_document* document, std::string* reason);

}  // namespace host::svg

#endif
