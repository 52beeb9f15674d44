#include "svg/SvgWriting.h"

#include <algorithm>
#include <string_view>

#include "svg/HostMarks.h"
#include "svg/HostMarkup.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgReading.h"

namespace host::svg {

namespace {

constexpr size_t npos = std::string::npos;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Text put in at one place of the file.
struct Insertion {
  size_t at;
  std::string text;
  std::string openedName;  // the element whose "/>" at `at` this opens, else empty
};

// Where text goes before an end tag: back past the white space before it, so that written
// elements follow the last child on lines of their own. Its indentation is the end tag's
// plus one step.
size_t placeBefore(std::string_view bytes, size_t at) {
  size_t start = at;
  while (start > 0 && isSpace(bytes[start - 1])) --start;
  return start > 0 && bytes[start - 1] == '>' ? start : at;
}
std::string indentAt(std::string_view bytes, size_t at) {
  size_t start = at;
  while (start > 0 && (bytes[start - 1] == ' ' || bytes[start - 1] == '\t')) --start;
  return std::string(bytes.substr(start, at - start)) + "  ";
}

class Edits {
 public:
  explicit Edits(std::string_view bytes) : bytes_(bytes) {}

  // `text` is made by `make` for the indentation at `at`.
  template <typename Make>
  void insertBefore(size_t at, const std::string& emptyName, Make make) {
    // An empty element's "/>" ends its start tag; right after a '>' it is text ("<svg>/>").
    const bool opens = bytes_.compare(at, 2, "/>") == 0 && at > 0 && bytes_[at - 1] != '>';
    if (opens) {
      insertions_.push_back({at, make(indentAt(bytes_, lineStart(at))), emptyName});
    } else {
      insertions_.push_back({placeBefore(bytes_, at), make(indentAt(bytes_, at)), ""});
    }
  }
  void remove(const Span& span) { removals_.push_back(span); }

  std::string apply() {
    std::stable_sort(insertions_.begin(), insertions_.end(),
                     [](const Insertion& a, const Insertion& b) { return a.at < b.at; });
    std::sort(removals_.begin(), removals_.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
    std::string out;
    size_t inserted = 0;
    for (const Insertion& insertion : insertions_) inserted += insertion.text.size() + insertion.openedName.size() + 64;
    out.reserve(bytes_.size() + inserted);  // one allocation: the file may be large
    size_t copied = 0, removal = 0;
    for (size_t i = 0; i <= insertions_.size(); ++i) {
      const size_t until = i < insertions_.size() ? insertions_[i].at : bytes_.size();
      copyUntil(until, &copied, &removal, &out);
      if (i == insertions_.size()) break;
      const Insertion& insertion = insertions_[i];
      // Insertions at one "/>" open it once, the last one closes it.
      const bool first = i == 0 || insertions_[i - 1].at != insertion.at;
      const bool last = i + 1 == insertions_.size() || insertions_[i + 1].at != insertion.at;
      if (!insertion.openedName.empty() && first) out += ">";
      out += insertion.text;
      if (!insertion.openedName.empty() && last) {
        out += "\n" + indentAt(bytes_, lineStart(insertion.at)).substr(2) + "</" + insertion.openedName;
        copied = insertion.at + 1;  // the '/' gives way; its '>' ends the end tag
      }
    }
    return out;
  }

 private:
  // Where the line holding `at` starts its text: the position of its first non-blank.
  size_t lineStart(size_t at) const {
    const size_t newline = bytes_.rfind('\n', at);
    size_t start = newline == npos ? 0 : newline + 1;
    while (start < at && (bytes_[start] == ' ' || bytes_[start] == '\t')) ++start;
    return start;
  }

  // Copies the bytes up to `until`, leaving out the removed spans (nested ones included).
  void copyUntil(size_t until, size_t* copied, size_t* removal, std::string* out) {
    while (*copied < until) {
      while (*removal < removals_.size() && removals_[*removal].end <= *copied) ++*removal;
      if (*removal < removals_.size() && removals_[*removal].begin <= *copied) {
        *copied = std::max(*copied, removals_[*removal].end);
        continue;
      }
      const size_t next = *removal < removals_.size() ? std::min(until, removals_[*removal].begin) : until;
      out->append(bytes_.substr(*copied, next - *copied));
      *copied = next;
    }
  }

  std::string_view bytes_;
  std::vector<Insertion> insertions_;
  std::vector<Span> removals_;
};

}  // namespace

std::string writeBack(const SvgDocument& read, const SaveContent& content) {
  const std::string_view bytes = read.bytes;
  const Prefixes prefixes{read.inkscapePrefix, read.sodipodiPrefix, read.hostPrefix};
  const Markup markup{read.space, read.guideSpace,
                      declarationsMissingFrom(std::string(bytes.substr(0, read.namedViewAt)), prefixes), prefixes};
  Edits edits(bytes);
  for (const Span& span : read.hostWritten) edits.remove(span);
  if (!content.guides.empty()) {
    if (read.guidesAt != npos) {
      edits.insertBefore(read.guidesAt, read.namedViewName,
                         [&](const std::string& indent) { return guidesMarkup(markup, content.guides, indent); });
    } else {
      edits.insertBefore(read.namedViewAt, read.rootName, [&](const std::string& indent) {
        const Markup inside{markup.space, markup.guideSpace, "", prefixes};  // declared on the namedview
        const std::string name = markup.sodipodi("namedview");
        return "\n" + indent + "<" + name + markup.declarations + ">" + guidesMarkup(inside, content.guides, indent + "  ") +
               "\n" + indent + "</" + name + ">";
      });
    }
  }
  std::vector<Layer> layers = content.layers;
  for (const SaveContent::Added& added : content.added) {
    if (added.layer >= read.layers.size() || added.objects.empty()) continue;
    const Layer& layer = read.layers[added.layer];
    if (layer.insertAt == npos) {
      // A layer that takes nothing (content outside layers, an empty element): the art
      // goes into a layer of its own under the same title.
      Layer own{layer.title, layer.hidden, layer.locked, true, added.objects, npos};
      layers.insert(layers.begin(), own);
      continue;
    }
    edits.insertBefore(layer.insertAt, "g",
                       [&](const std::string& indent) { return objectsMarkup(markup, added.objects, indent); });
  }
  if (!layers.empty()) {
    edits.insertBefore(read.layersAt, read.rootName,
                       [&](const std::string& indent) { return layersMarkup(markup, layers, indent); });
  }
  return edits.apply();
}

std::string writeNew(const std::vector<Page>& pages, const std::string& documentUnit, const SaveContent& content) {
  const Box first = pages.empty() ? Box{0, 792, 612, 0} : pages.front().bounds;
  const double width = first.right - first.left, height = first.top - first.bottom;
  // User units of one point, the first page's top-left corner at (0, 0).
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg xmlns=\"" +
                    std::string(marks::kSvgNamespace) + "\" xmlns:inkscape=\"" + marks::kInkscapeNamespace +
                    "\" xmlns:sodipodi=\"" + marks::kSodipodiNamespace + "\" xmlns:" + marks::kPrefix + "=\"" +
                    marks::kNamespace + "\" width=\"" + formatNumber(width) + "pt\" height=\"" + formatNumber(height) +
                    "pt\" viewBox=\"0 0 " + formatNumber(width) + " " + formatNumber(height) +
                    "\" version=\"1.1\">\n  <sodipodi:namedview";
  if (!documentUnit.empty()) svg += " inkscape:document-units=\"" + documentUnit + "\"";
  svg += ">";
  for (size_t i = 0; pages.size() > 1 && i < pages.size(); ++i) {
    const Box& b = pages[i].bounds;
    svg += "\n    <inkscape:page x=\"" + formatNumber(b.left - first.left) + "\" y=\"" +
           formatNumber(first.top - b.top) + "\" width=\"" + formatNumber(b.right - b.left) + "\" height=\"" +
           formatNumber(b.top - b.bottom) + "\"" +
           (pages[i].label.empty() ? "" : " inkscape:label=\"" + escaped(pages[i].label) + "\"") + " />";
  }
  svg += "\n  </sodipodi:namedview>\n</svg>\n";
  SvgDocument skeleton;
  std::string reason;
  readSvg(svg, {}, &skeleton, &reason);
  // The host's coordinates as given: its first page need not be at (0, 0).
  skeleton.space = {-first.left, first.top, 1, 1};
  skeleton.guideSpace = {-first.left, -first.bottom, 1, 1};
  return writeBack(skeleton, content);
}

}  // namespace host::svg
