// The routes of the user's SVG files: an upload reaches the host with its name, within its
// bound and of its type only; a download comes as an attachment; a picture runs nothing.
#include <gtest/gtest.h>

#include "ServerFixture.h"

namespace {

class DocumentRoutesTest : public ServerTest {
 protected:
  void SetUp() override {
    ServerTest::SetUp();
    startServer({}, host::PageFiles{
        [this](std::string bytes, const std::string& name) {
          opened.push_back(name + ": " + bytes);
          return bytes.starts_with("<svg") ? host::Reply{200, R"({"ok":true})"} : host::errorReply(400, "not an SVG file");
        },
        [](std::string* name) {
          *name = "affiche d'été.svg";
          return host::Reply{200, "<svg/>"};
        },
        [](uint64_t document) {
          return document == 7 ? host::Reply{200, "<svg><script>alert(1)</script></svg>"}
                               : host::errorReply(404, "no such picture");
        }});
  }
  httplib::Result upload(const std::string& target, const std::string& body, const char* type = "image/svg+xml") {
    return client()->Post(target, allowed(), body, type);
  }
  std::vector<std::string> opened;  // on the host's thread, read once the answer came
};

TEST_F(DocumentRoutesTest, AnUploadReachesTheHostWithItsNameOnlyWhenItIsAnSvgBodyWellNamed) {
  auto answer = upload("/document?name=caf%C3%A9%20noir.svg", "<svg/>");
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 200);
  EXPECT_EQ(upload("/document?name=x.svg", "<html/>")->status, 400);
  EXPECT_EQ(upload("/document?name=x.svg", "<svg/>", "text/plain")->status, 415);
  EXPECT_EQ(upload("/document?name=x%G1.svg", "<svg/>")->status, 400);
  EXPECT_EQ(upload("/document?name=x%2", "<svg/>")->status, 400);
  EXPECT_EQ(opened, (std::vector<std::string>{"café noir.svg: <svg/>", "x.svg: <html/>"}));
}

TEST_F(DocumentRoutesTest, AnUploadBeyondSixtyFourMegabytesIsRefusedBeforeItIsRead) {
  const std::string tooLong = "Content-Type: image/svg+xml\r\nContent-Length: " +
                              std::to_string(host::kMaxUploadBytes + 1) + "\r\n\r\n";
  EXPECT_EQ(exchange(head("POST /document?name=big.svg HTTP/1.1") + tooLong), 413);
  EXPECT_EQ(upload("/document?name=a.svg", "<svg>" + std::string(1 << 20, ' ') + "</svg>")->status, 200);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(DocumentRoutesTest, TheDocumentComesDownAsAnAttachmentNamedInBothForms) {
  auto answer = client()->Get("/document.svg", allowed());
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->body, "<svg/>");
  EXPECT_EQ(answer->get_header_value("Content-Type"), "image/svg+xml");
  // Read off the wire: the client would undo the escapes.
  const int socket = connectTo(server->port());
  sendAll(socket, head("GET /document.svg HTTP/1.1") + "Connection: close\r\n\r\n");
  EXPECT_NE(receiveAll(socket).find("\r\nContent-Disposition: attachment; filename=\"affiche d'__t__.svg\"; "
                                    "filename*=UTF-8''affiche%20d%27%C3%A9t%C3%A9.svg\r\n"),
            std::string::npos);
  ::close(socket);
  EXPECT_EQ(client()->Get("/document.svg")->status, 401);
}

TEST_F(DocumentRoutesTest, APictureIsServedSandboxedAndAMissingOneIsNotFound) {
  auto answer = client()->Get("/picture/7.svg", allowed());
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 200);
  EXPECT_NE(answer->get_header_value("Content-Security-Policy").find("sandbox"), std::string::npos);
  EXPECT_EQ(answer->get_header_value("Content-Security-Policy").find("script-src"), std::string::npos);
  EXPECT_EQ(client()->Get("/picture/8.svg", allowed())->status, 404);
  EXPECT_EQ(client()->Get("/picture/../7.svg", allowed())->status, 404);
}

}  // namespace
