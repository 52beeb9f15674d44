#include "server/DocumentRoutes.h"

#include <cctype>
#include <memory>
#include <optional>

namespace host {

namespace {

// A user's file may hold scripts and handlers: shown as an image they never run, and opened
// on its own (its address typed in) it runs nothing either and loads nothing.
const HeaderList kPictureHeaders{
    {"Content-Security-Policy", "default-src 'none'; img-src data:; style-src 'unsafe-inline'; sandbox"}};

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "poster.svg" as a quoted filename and as RFC 5987's UTF-8 form, for any name.
std::string attachmentOf(const std::string& name) {
  std::string plain, encoded;
  static const char* hex = "0123456789ABCDEF";
  for (unsigned char c : name) {
    plain += (c < 0x20 || c >= 0x7f || c == '"' || c == '\\') ? '_' : static_cast<char>(c);
    if (std::isalnum(c) || c == '.' || c == '-' || c == '_') {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += hex[c >> 4];
      encoded += hex[c & 15];
    }
  }
  return "attachment; filename=\"" + plain + "\"; filename*=UTF-8''" + encoded;
}

PageAnswer fileAnswer(const Reply& reply, HeaderList headers) {
  if (reply.status != 200) return PageAnswer{reply.status, "application/json", reply.body, {}, {}};
  return PageAnswer{200, "image/svg+xml", reply.body, std::move(headers), {}};
}

}  // namespace

std::optional<std::string> percentDecoded(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i] == '+' ? ' ' : text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = hexValue(text[i + 1]), low = hexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

void addDocumentRoutes(RouteTable& routes, HostQueue& queue, PageFiles files) {
  auto shared = std::make_shared<PageFiles>(std::move(files));
  routes.add("POST", "/document", [&queue, shared](const PageRequest& request) {
    if (request.header("Content-Type") != "image/svg+xml")
      return errorAnswer(415, "the body must be image/svg+xml");
    const std::optional<std::string> name = percentDecoded(request.parameter("name").value_or(""));
    if (!name) return errorAnswer(400, "the file's name is not well escaped");
    auto body = std::make_shared<std::string>(request.body);
    const Reply reply = queue.post([shared, body, name = *name] { return shared->open(std::move(*body), name); }).get();
    return PageAnswer{reply.status, "application/json", reply.body, {}, {}};
  }, kMaxUploadBytes);
  routes.add("GET", "/document.svg", [&queue, shared](const PageRequest&) {
    auto name = std::make_shared<std::string>();
    const Reply reply = queue.post([shared, name] { return shared->download(name.get()); }).get();
    return fileAnswer(reply, {{"Content-Disposition", attachmentOf(*name)}});
  });
  routes.add("GET", R"(/picture/(\d{1,19})\.svg)", [&queue, shared](const PageRequest& request) {
    const uint64_t document = std::stoull(request.matches[1]);
    return fileAnswer(queue.post([shared, document] { return shared->picture(document); }).get(), kPictureHeaders);
  });
}

}  // namespace host
