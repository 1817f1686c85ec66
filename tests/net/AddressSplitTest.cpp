#include "net/AddressSplit.h"

#include <gtest/gtest.h>

#include "net/DottedAddress.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

struct Case {
  const char* address;
  const char* host;
  int port;
  RequestTarget expected;
};

TEST(AddressSplitTest, TakesHostPortAndPathFromTheAddress) {
  const std::string longPath = "/" + std::string(300, 'p');
  const std::string longAddress = "http://h" + longPath;
  const Case cases[] = {
      // The scheme's port wins over a port set before, 21 included.
      {"http://upd.example/Updates.ini", "", 21, {"http://upd.example/Updates.ini", "/Updates.ini", "upd.example", 80}},
      {"http://upd.example:8080/x", "", 0, {"http://upd.example:8080/x", "/x", "upd.example", 8080}},
      {"http://upd.example", "old", 0, {"http://upd.example/", "/", "upd.example", 80}},
      {"HTTP://h/a/b?c=d", "", 0, {"HTTP://h/a/b?c=d", "/a/b?c=d", "h", 80}},
      {"ftp://h/f", "", 0, {"ftp://h/f", "/f", "h", 21}},
      {"Gopher://h/", "", 0, {"Gopher://h/", "/", "h", 70}},
      // Without a scheme the port set before stays; 0 becomes 80.
      {"h/p", "old", 21, {"h/p", "/p", "h", 21}},
      {"h:81", "old", 0, {"h:81/", "/", "h", 81}},
      {"/only/path", "old", 0, {"/only/path", "/only/path", "old", 80}},
      {"page.html", "old", 8000, {"page.html/", "/", "page.html", 8000}},
      {longAddress.c_str(), "", 0, {longAddress, longPath.substr(0, 256), "h", 80}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    const RequestTarget t = SplitRequestAddress(c.address, c.host, c.port);
    EXPECT_EQ(t.address, c.expected.address);
    EXPECT_EQ(t.path, c.expected.path);
    EXPECT_EQ(t.host, c.expected.host);
    EXPECT_EQ(t.port, c.expected.port);
  }
}

TEST(AddressSplitTest, RefusesWhatCannotBeRequested) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "Empty URL"},
      {"HTTPS://h/x", "HTTP Secure Socket is not supported"},
      {"http://h:/x", "Invalid port number"},
      {"http://h:0/x", "Invalid port number"},
      {"http://h:65536/x", "Invalid port number"},
      {"http://h:123456/x", "Invalid port number"},
      {"http://h:-1/x", "Invalid port number"},
  };
  for (const auto& [address, text] : cases) {
    SCOPED_TRACE(address);
    try {
      SplitRequestAddress(address, "", 0);
      ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), text);
    }
  }
}

TEST(DottedAddressTest, TakesFourDecimalNumbersUpTo255Only) {
  EXPECT_EQ(ParseDottedAddress("127.0.0.1"), (Ipv4Address{{127, 0, 0, 1}}));
  EXPECT_EQ(ParseDottedAddress("255.255.255.255"), (Ipv4Address{{255, 255, 255, 255}}));
  for (const char* name : {"", "localhost", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3", "1.2.3.4 ", "0001.1.1.1",
                           "1.2.3.-4", "a.b.c.d", "10.0.0.1x"})
    EXPECT_FALSE(ParseDottedAddress(name).has_value()) << name;
}

}  // namespace
}  // namespace sorvane
