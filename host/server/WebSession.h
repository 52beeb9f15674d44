// The page's events run on the host's thread: each one becomes the session command a user
// of the prompt would have typed (the same handlers, the same refusals), so a page session
// replays as a script; nothing the page sends can read or write a file, load a module or restart the
// plug-ins. Mouse events come in view pixels and reach the host as artwork points.
#ifndef GUIDES_HOST_SERVER_WEBSESSION_H
#define GUIDES_HOST_SERVER_WEBSESSION_H

#include "session/Commands.h"
#include "server/HostQueue.h"
#include "server/WebEvent.h"

namespace host {

class Application;

class WebSession {
 public:
  explicit WebSession(Application& application);

  // 200 with the refusals reported ({"ok": true, "refused": [...]}), or 400 with the reason
  // the event could not run ({"error": ...}); in both cases the session goes on.
  Reply run(const WebEvent& event);
  // From now on every command the page's events run is written to `transcript` as a script
  // line (null: none is): replayed, the script does to a document what the page did.
  void recordTo(std::ostream* transcript) { transcript_ = transcript; }

  // Files of the page, which come and go as bytes, never as paths: an uploaded SVG file opened
  // as a new document in front (200, or 400 with the reason); the document in front as its SVG
  // file (the body is the file); the picture of an opened document (its file as read).
  Reply openUpload(std::string bytes, const std::string& fileName);
  Reply download(std::string* fileName) const;
  Reply picture(uint64_t document) const;

 private:
  void dispatch(CommandContext& context, const WebEvent& event);
  void mouseEvent(CommandContext& context, const WebEvent& event);

  Application& application_;
  int documentsMade_;  // names new documents after those a script made
  std::ostream* transcript_ = nullptr;
};

}  // namespace host

#endif
