// What the page shows, as named parts of JSON text (the document, the guides, the overlay,
// the cursor, the panels, ...), shared between the host's thread, which writes a part when
// it changed, and the event streams of the server's threads, which send each client the
// parts newer than those it has. A client that reads slowly skips straight to the latest
// parts: no queue of updates grows for it, and the host never waits for a client.
#ifndef GUIDES_HOST_SERVER_STATEBOARD_H
#define GUIDES_HOST_SERVER_STATEBOARD_H

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace host {

class StateBoard {
 public:
  // The versions of the parts a client was sent.
  using Seen = std::map<std::string, uint64_t>;

  // The host's thread. A part with the same text as before changes nothing.
  void put(const std::string& name, std::string json);

  // The host's thread: bytes that a part names, read by the page apart from the stream
  // (the guides), the latest only.
  void putData(const std::string& name, std::string bytes);
  // Any thread: the latest bytes put under `name`, or null.
  std::shared_ptr<const std::string> data(const std::string& name) const;

  // Waits until some part is newer than `seen` holds, the board closes, or the time is up.
  // Returns the message of the newer parts, {"seq":N,"parts":{NAME: JSON, ...}}, with
  // `seen` brought up to date, or an empty string when there is nothing new.
  std::string waitForNews(Seen& seen, std::chrono::milliseconds timeout);

  // Wakes every stream waiting, for good: they end.
  void close();
  bool isClosed() const;
  uint64_t sequence() const;

 private:
  struct Part {
    uint64_t version = 0;
    std::shared_ptr<const std::string> json;
  };
  bool hasNews(const Seen& seen) const;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::map<std::string, Part> parts_;
  std::map<std::string, std::shared_ptr<const std::string>> data_;
  uint64_t sequence_ = 0;
  bool closed_ = false;
};

}  // namespace host

#endif
