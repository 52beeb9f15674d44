#include "server/StateBoard.h"

#include <vector>

namespace host {

void StateBoard::put(const std::string& name, std::string json) {
  std::lock_guard lock(mutex_);
  Part& part = parts_[name];
  if (part.json && *part.json == json) return;
  part.json = std::make_shared<const std::string>(std::move(json));
  part.version = ++sequence_;
  changed_.notify_all();
}

void StateBoard::putData(const std::string& name, std::string bytes) {
  auto shared = std::make_shared<const std::string>(std::move(bytes));
  std::lock_guard lock(mutex_);
  data_[name] = std::move(shared);
}

std::shared_ptr<const std::string> StateBoard::data(const std::string& name) const {
  std::lock_guard lock(mutex_);
  const auto found = data_.find(name);
  return found == data_.end() ? nullptr : found->second;
}

bool StateBoard::hasNews(const Seen& seen) const {
  for (const auto& [name, part] : parts_) {
    const auto found = seen.find(name);
    if (found == seen.end() || found->second < part.version) return true;
  }
  return false;
}

std::string StateBoard::waitForNews(Seen& seen, std::chrono::milliseconds timeout) {
  std::vector<std::pair<std::string, std::shared_ptr<const std::string>>> newer;
  uint64_t sequence = 0;
  {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [&] { return closed_ || hasNews(seen); });
    if (closed_) return {};
    for (const auto& [name, part] : parts_) {
      uint64_t& version = seen[name];
      if (version >= part.version) continue;
      version = part.version;
      newer.emplace_back(name, part.json);
    }
    sequence = sequence_;
  }
  if (newer.empty()) return {};
  // Composed outside the lock: the texts are shared and never change.
  size_t size = 64;
  for (const auto& [name, json] : newer) size += name.size() + json->size() + 4;
  std::string message;
  message.reserve(size);
  message += "{\"seq\":" + std::to_string(sequence) + ",\"parts\":{";
  for (size_t i = 0; i < newer.size(); ++i) {
    if (i) message += ',';
    message += '"' + newer[i].first + "\":";
    message += *newer[i].second;
  }
  message += "}}";
  return message;
}

void StateBoard::close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  changed_.notify_all();
}

bool StateBoard::isClosed() const {
  std::lock_guard lock(mutex_);
  return closed_;
}

uint64_t StateBoard::sequence() const {
  std::lock_guard lock(mutex_);
  return sequence_;
}

}  // namespace host
