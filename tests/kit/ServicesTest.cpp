// The services around the views: synthetic key events queued for the host, sounds read
// from AIFF files, web pages opened (recorded), and a module's Resources folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "kit/Kit.h"

namespace {

TEST(SyntheticKeys, APostedKeyDownIsQueuedForTheHostLoopUpToItsCapacity) {
  auto& queue = kit::EventQueue::shared();
  queue.clear();
  CGEventRef event = CGEventCreateKeyboardEvent(nullptr, 63, true);
  CGEventPost(kCGSessionEventTap, event);
  CFRelease(event);
  CGEventPost(kCGSessionEventTap, event);  // released: ignored
  CFRelease(event);                        // twice: ignored
  CFRelease(nullptr);

  ASSERT_EQ(queue.size(), 1u);
  EXPECT_EQ(queue.next(), (kit::KeyEvent{63, true, 1}));
  EXPECT_EQ(queue.next(), std::nullopt);

  // A runaway poster cannot grow the queue without bound.
  event = CGEventCreateKeyboardEvent(nullptr, 63, true);
  for (std::size_t i = 0; i < kit::EventQueue::capacity + 10; ++i) CGEventPost(kCGSessionEventTap, event);
  CFRelease(event);
  EXPECT_EQ(queue.size(), kit::EventQueue::capacity);
  EXPECT_GE(queue.droppedCount(), 10u);
  queue.clear();
}

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override { kit::Sound::clearPlayLog(); }
  std::string write(const std::string& name, const std::string& bytes) { return temp.resource(name, bytes); }
  testhost::TempFolder temp;
  const std::filesystem::path& folder = temp.path;
};

// A minimal AIFF file: the FORM header and an empty-sound COMM chunk.
std::string tinyAiff() {
  std::string comm("COMM\0\0\0\x12\0\x01\0\0\0\0\0\x10\x40\x0e\xac\x44\0\0\0\0\0\0", 26);
  std::string form = "FORM" + std::string("\0\0\0\x1e", 4) + "AIFF" + comm;
  return form;
}

// Playing is the sessions' (they print the sounds played); here, which files make a sound.
TEST_F(TempFolder, MissingOrInvalidSoundFilesGiveNoSound) {
  EXPECT_NE(kit::Sound::initWithContentsOfFile(write("Pop.aiff", tinyAiff()), true), nullptr);
  for (const std::string& path : {(folder / "Resources" / "Bruit.aiff").string(),
                                  write("Tink.aiff", std::string("FORM\0\0\0\x04WAVE", 12)), write("short.aiff", "FORM"),
                                  std::string(), (folder / "Resources").string()})
    EXPECT_EQ(kit::Sound::initWithContentsOfFile(path), nullptr) << path;
  auto fifo = folder / "Resources" / "pipe.aiff";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(kit::Sound::initWithContentsOfFile(fifo.string()), nullptr);  // and does not block
  EXPECT_TRUE(kit::Sound::playLog().empty());
}

TEST_F(TempFolder, ResourcesAreFoundInsideTheBundleOnly) {
  write("GuidesDialogue.json", "{}");
  kit::Bundle bundle(folder.string());
  EXPECT_EQ(bundle.resourcePath(), (folder / "Resources").string());
  EXPECT_EQ(bundle.pathForResource("GuidesDialogue", "json"), (folder / "Resources" / "GuidesDialogue.json").string());
  EXPECT_EQ(bundle.pathForResource("Absent", "json"), "");
  EXPECT_EQ(bundle.pathForResource("../Resources/GuidesDialogue", "json"), "");
  EXPECT_EQ(bundle.pathForResource("..", ""), "");
}

// The panel's tests find the layout beside their own module this way.
TEST(Bundles, TheBundleOfAnAddressIsTheFolderOfItsModule) {
  auto ofKit = kit::Bundle::bundleContainingAddress(reinterpret_cast<const void*>(&kit::readLeadingFloat));
  ASSERT_TRUE(ofKit.has_value());
  EXPECT_EQ(std::filesystem::path(ofKit->bundlePath()).filename(), "kit");  // the library's own folder
  EXPECT_FALSE(kit::Bundle::bundleContainingAddress(nullptr).has_value());
}

TEST(WebPages, OpeningIsRecordedAndMalformedAddressesAreRefused) {
  auto& workspace = kit::Workspace::sharedWorkspace();
  workspace.clearOpenedURLs();
  EXPECT_TRUE(workspace.openURL("https://example.org/guides"));
  for (const char* malformed : {"https://example.org/a b", "x; rm -rf /", "no scheme", "", "http://a\nb"})
    EXPECT_FALSE(workspace.openURL(malformed)) << malformed;
  EXPECT_EQ(workspace.openedURLs(), std::vector<std::string>{"https://example.org/guides"});
}

}  // namespace
