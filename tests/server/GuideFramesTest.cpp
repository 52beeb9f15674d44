// The guides' frames: the changes a frame's part carries, applied to the frame before as the
// page applies them, give exactly the new frame (names, order, points to the bit), through
// random edits of large lists: guides moved, added, removed, reordered, renamed, repeated;
// and a frame that changed too much, or a small one, comes whole.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/GuideFrames.h"
#include "server/StateParts.h"

namespace {

using host::GuideList;

std::string fromBase64(const std::string& text) {
  static const std::string kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  uint32_t buffer = 0;
  int bits = 0;
  for (char c : text) {
    if (c == '=') break;
    buffer = buffer << 6 | static_cast<uint32_t>(kDigits.find(c));
    if ((bits += 6) >= 8) bytes += static_cast<char>(buffer >> (bits -= 8) & 0xFF);
  }
  return bytes;
}

// The bytes of GuideList.h read back: the header, the runs, the guides they carry.
struct Read {
  nlohmann::json header;
  std::vector<uint32_t> words;
  GuideList guides;
};

Read readBytes(const std::string& bytes) {
  Read read;
  uint32_t size = 0;
  std::memcpy(&size, bytes.data(), 4);
  read.header = nlohmann::json::parse(bytes.substr(4, size));
  size_t at = 4 + ((size + 3) & ~3u);
  const auto word = [&] {
    uint32_t w = 0;
    std::memcpy(&w, bytes.data() + at, 4);
    at += 4;
    return w;
  };
  for (size_t k = 0; k < 2 * read.header.value("runs", 0u); ++k) read.words.push_back(word());
  const size_t count = read.header.value("added", read.header["count"].get<size_t>());
  read.guides.names = read.header["names"].get<std::vector<std::string>>();
  for (size_t k = 0; k < count; ++k) read.guides.guides.push_back({word(), 0, 0});
  for (auto& guide : read.guides.guides) guide.count = word();
  for (auto& guide : read.guides.guides) {
    guide.first = static_cast<uint32_t>(read.guides.points.size());
    for (uint32_t k = 0; k < 2 * guide.count; ++k) {
      float value;
      std::memcpy(&value, bytes.data() + at, 4);
      at += 4;
      read.guides.points.push_back(value);
    }
  }
  EXPECT_EQ(at, bytes.size());
  return read;
}

// What the page does with changes: runs of the frame held, or of the guides added.
GuideList applied(const GuideList& held, const Read& changes) {
  GuideList made;
  made.names = changes.guides.names;
  size_t next = 0;
  const auto copy = [&](const GuideList& from, uint32_t index) {
    const GuideList::Guide& guide = from.guides[index];
    const auto name = std::find(made.names.begin(), made.names.end(), from.names[guide.name]);
    EXPECT_NE(name, made.names.end());
    made.guides.push_back({static_cast<uint32_t>(name - made.names.begin()), static_cast<uint32_t>(made.points.size()), guide.count});
    made.points.insert(made.points.end(), from.points.begin() + guide.first, from.points.begin() + guide.first + 2 * guide.count);
  };
  for (size_t r = 0; r < changes.words.size(); r += 2)
    for (uint32_t k = 0; k < changes.words[r + 1]; ++k) {
      if (changes.words[r] == host::kNewGuides)
        copy(changes.guides, static_cast<uint32_t>(next++));
      else
        copy(held, changes.words[r] + k);
    }
  EXPECT_EQ(next, changes.guides.guides.size());
  return made;
}

void expectSame(const GuideList& a, const GuideList& b, const std::string& where) {
  ASSERT_EQ(a.guides.size(), b.guides.size()) << where;
  for (uint32_t i = 0; i < a.guides.size(); ++i) ASSERT_TRUE(a.same(i, b, i)) << where << ", guide " << i;
}

class RandomGuides {
 public:
  explicit RandomGuides(uint64_t seed) : random_(seed) {}

  GuideList list(size_t count) {
    GuideList made;
    for (int n = 0; n < 12; ++n) made.names.push_back("Ralto-Guides/Repères/Groupe " + std::to_string(n));
    for (size_t k = 0; k < count; ++k) add(made, made.guides.size());
    return made;
  }

  // A few edits, as a panel change makes them: moved, added, removed, renamed, repeated.
  GuideList edited(const GuideList& from) {
    GuideList made;
    made.names = from.names;
    if (below(4) == 0) made.names[below(made.names.size())] += " bis";
    for (uint32_t i = 0; i < from.guides.size(); ++i) {
      const uint32_t dice = below(200);
      if (dice == 0) continue;
      if (dice == 1) add(made, made.guides.size());
      const GuideList::Guide& g = from.guides[i];
      made.guides.push_back({g.name, static_cast<uint32_t>(made.points.size()), g.count});
      made.points.insert(made.points.end(), from.points.begin() + g.first, from.points.begin() + g.first + 2 * g.count);
      if (dice == 2) made.points.back() += 1;     // moved
      if (dice == 3) made.points.back() = -0.0f;  // a bit apart from 0
      if (dice == 4) made.guides.push_back(made.guides.back());  // the same guide twice
    }
    if (below(3) == 0 && made.guides.size() > 10) std::swap(made.guides[below(10)], made.guides[made.guides.size() - 1]);
    return made;
  }

 private:
  uint32_t below(size_t n) { return static_cast<uint32_t>(std::uniform_int_distribution<size_t>(0, n - 1)(random_)); }
  void add(GuideList& list, size_t) {
    const uint32_t count = 1 + below(3);
    list.guides.push_back({below(list.names.size()), static_cast<uint32_t>(list.points.size()), count});
    for (uint32_t k = 0; k < 2 * count; ++k) list.points.push_back(static_cast<float>(below(50)));
  }
  std::mt19937_64 random_;
};

TEST(GuideFrames, ChangesAppliedToTheFrameBeforeGiveTheNewFrame) {
  int asChanges = 0;
  for (uint64_t seed = 1; seed <= 60; ++seed) {
    RandomGuides random(seed);
    host::GuideFrames frames;
    GuideList held = random.list(4000);
    const host::GuideFrame first = frames.next(held);
    EXPECT_EQ(nlohmann::json::parse(first.part).count("changes"), 0u) << "a first frame comes whole";
    for (int step = 0; step < 5; ++step) {
      const GuideList now = random.edited(held);
      const host::GuideFrame frame = frames.next(now);
      const nlohmann::json part = nlohmann::json::parse(frame.part);
      const Read whole = readBytes(frame.bytes);
      ASSERT_EQ(whole.header["frame"], part["frame"]);
      expectSame(whole.guides, now, "the whole frame");
      if (part.contains("changes")) {
        ++asChanges;
        ASSERT_EQ(part["base"].get<uint64_t>() + 1, part["frame"].get<uint64_t>());
        const GuideList made = applied(held, readBytes(fromBase64(part["changes"])));
        expectSame(made, now, "seed " + std::to_string(seed) + " step " + std::to_string(step));
      }
      held = now;
    }
  }
  EXPECT_GE(asChanges, 250);  // a few edits among thousands of guides always travel as changes
}

TEST(GuideFrames, AFrameMostlyNewOrSmallComesWhole) {
  RandomGuides random(7);
  host::GuideFrames frames;
  frames.next(random.list(4000));
  const nlohmann::json moved = nlohmann::json::parse(frames.next(random.list(4000)).part);
  EXPECT_FALSE(moved.contains("changes"));
  EXPECT_TRUE(moved.contains("data"));
  const nlohmann::json small = nlohmann::json::parse(frames.next(random.list(8)).part);
  EXPECT_TRUE(small.contains("bytes"));
  EXPECT_FALSE(small.contains("changes"));
}

}  // namespace
