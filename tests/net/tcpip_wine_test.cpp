// TCPIPIO under Wine, against the loopback servers of smtpserver.py and
// against itself (the listening side).
#include <winsock2.h>

#include <gtest/gtest.h>

#include <string>

#include "net/tcp.h"
#include "net/tcpipio.h"
#include "osys/osys.h"
#include "tests/foundation/support.h"
#include "tests/net/smtpservers.h"
#include "tests/net/tracecapture.h"

namespace {

std::string Info(TCPIPIO& device, const char* key) { return device.GetInfo(key).Buffer; }

bool WaitOffline(TCPIPIO& device) {
  for (int i = 0; i < 500 && Info(device, "ONLINE") != "0"; ++i) OSYS::Sleep(20);
  return Info(device, "ONLINE") == "0";
}

class TcpipDevice : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(ServerPort("login"), 0) << "run through tests/net/smtp_wine.sh"; }
};

TEST_F(TcpipDevice, ResolvSplitsHostAndPort) {
  TCPIPIO device(nullptr, nullptr, nullptr);  // starts the socket layer
  struct CASE {
    const char* destination;
    const char* host;
    const char* port;
  } cases[] = {
      {"localhost:smtp", "localhost", "smtp"},
      {"127.0.0.1 25", "127.0.0.1", "25"},
      {"127.0.0.1", "127.0.0.1", "23"},
      {" *:mail.invalid:2525:smtp", "mail.invalid", "2525:smtp"},
      {"mail.invalid 2525:smtp", "mail.invalid", "2525:smtp"},
  };
  for (const CASE& c : cases) {
    STRING port, host;
    TCPIPIO::Resolv(c.destination, &port, &host, nullptr, true);
    EXPECT_STREQ(host.Buffer, c.host) << c.destination;
    EXPECT_STREQ(port.Buffer, c.port) << c.destination;
  }
  std::uint32_t address = 0;
  hostent* entry = TCPIPIO::Resolv("127.0.0.1:25", nullptr, nullptr, &address, true);
  ASSERT_NE(entry, nullptr);
  EXPECT_STREQ(entry->h_name, "<unnamed>") << "no reverse lookup";
  EXPECT_EQ(address, htonl(0x7f000001));
  EXPECT_EQ(TCPIPIO::Resolv("nosuchhost.invalid:25", nullptr, nullptr, nullptr, false), nullptr);
  hostent* local = TCPIPIO::Resolv("localhost:25", nullptr, nullptr, &address, false);
  ASSERT_NE(local, nullptr);
  EXPECT_EQ(address, htonl(0x7f000001));

  struct PORT {
    const char* text;
    int port;
  } ports[] = {{"smtp", 25}, {"25", 25}, {"2525:smtp", 2525}, {"nosuchservice", 0}, {"99999", 0}, {"", 0}};
  for (const PORT& p : ports) EXPECT_EQ(TCPIPIO::PortOf(p.text), p.port) << p.text;
}

TEST_F(TcpipDevice, APeerThatClosesAfterItsGreetingLeavesTheGreetingAndTheReason) {
  TCPIPIO device(nullptr, nullptr, nullptr);
  EXPECT_TRUE(device.DevIsReady());
  ASSERT_TRUE(device.MakeCall(ServerAddress("greetclose").c_str()));
  EXPECT_EQ(Info(device, "LASTERRORCLASS"), "200");
  EXPECT_EQ(Info(device, "LASTERRORSTRING"), "No Error");
  EXPECT_EQ(Info(device, "CALLERID"), "localhost (127.0.0.1)");
  char line[256];
  ASSERT_TRUE(TCP::ReadLine(&device, line, sizeof line, 10000));
  EXPECT_STREQ(line, "220 korvex.test closing at once");
  ASSERT_TRUE(WaitOffline(device));
  EXPECT_EQ(Info(device, "LASTERRORSTRING"), "Remote disconnected");
  EXPECT_EQ(Info(device, "LASTERROR"), "4099");
  EXPECT_EQ(Info(device, "CALLERID"), "<unknown>");
  EXPECT_FALSE(device.Write("late\r\n", -1)) << "offline";
}

TEST_F(TcpipDevice, ANumericHostWithoutANameStillConnects) {
  TCPIPIO device(nullptr, nullptr, nullptr);
  std::string destination = "127.0.0.2 " + std::to_string(ServerPort("unnamed"));
  ASSERT_TRUE(device.MakeCall(destination.c_str()));
  EXPECT_EQ(Info(device, "CALLERID"), "<unnamed> (127.0.0.2)");
  EXPECT_EQ(Info(device, "ONLINE"), "1");
  char line[256];
  ASSERT_TRUE(TCP::WriteCmd(&device, "NOOP", line, sizeof line, 0)) << "no reply asked for";
  ASSERT_TRUE(TCP::ReadLine(&device, line, sizeof line, 10000));
  EXPECT_EQ(std::string(line).substr(0, 4), "220 ");
  ASSERT_TRUE(TCP::ReadLine(&device, line, sizeof line, 10000));
  EXPECT_EQ(std::string(line).substr(0, 4), "250 ") << "the reply to NOOP";
  EXPECT_TRUE(device.DropCall());
  EXPECT_EQ(Info(device, "ONLINE"), "0");
  EXPECT_EQ(Info(device, "LASTERRORSTRING"), "No Error");
}

TEST_F(TcpipDevice, CallsThatCannotBeMade) {
  struct CASE {
    std::string destination;
    const char* code;
    const char* text;
    const char* errorClass;
  } cases[] = {
      {"127.0.0.1:nosuchservice", "4097", "No TCP/IP socket or service", "500"},
      {"127.0.0.1:0", "4097", "No TCP/IP socket or service", "500"},
      {"nosuchhost.invalid:25", "4098", "Host not found", "500"},
      {ServerAddress("refused"), "4096", "No response", "400"},
  };
  for (const CASE& c : cases) {
    TCPIPIO device(nullptr, nullptr, nullptr);
    EXPECT_FALSE(device.MakeCall(c.destination.c_str())) << c.destination;
    EXPECT_EQ(Info(device, "ONLINE"), "0");
    EXPECT_EQ(Info(device, "LASTERROR"), c.code) << c.destination;
    EXPECT_EQ(Info(device, "LASTERRORSTRING"), c.text) << c.destination;
    EXPECT_EQ(Info(device, "LASTERRORCLASS"), c.errorClass) << c.destination;
  }
}

TEST_F(TcpipDevice, AHostThatDoesNotAnswerTimesOutAfterItsPolls) {
  TCPIPIO device(nullptr, nullptr, nullptr);
  device.ConnectTimeout = 2000;
  TRACECAPTURE trace(0);
  EXPECT_FALSE(device.MakeCall(ServerAddress("backlog").c_str()));
  std::string log = trace.Text();
  EXPECT_EQ(Info(device, "LASTERRORSTRING"), "No response");
  EXPECT_NE(log.find("TCPIPIO::MakeCall timed out"), std::string::npos);
  std::size_t polls = 0;
  for (std::size_t at = 0; (at = log.find("TCPIPIO::MakeCall before select", at)) != std::string::npos; ++at) ++polls;
  EXPECT_EQ(polls, 2u) << "one poll per second of the limit";
}

TEST_F(TcpipDevice, StatusKeys) {
  testsupport::ReportCapture reports;
  TCPIPIO device(nullptr, nullptr, nullptr);
  EXPECT_EQ(Info(device, "devicename"), "TCPIP");
  EXPECT_EQ(Info(device, "BANDWIDTH"), "128000");
  EXPECT_EQ(Info(device, "OWNID"), device.HostName);
  EXPECT_FALSE(Info(device, "OWNID").empty());
  EXPECT_EQ(Info(device, "CALLERID"), "<unknown>");
  EXPECT_EQ(Info(device, "LASTERRORCLASS"), "200");
  EXPECT_EQ(Info(device, "SPEED"), "");
  ASSERT_EQ(reports.Reports().size(), 1u);
  EXPECT_EQ(reports.Reports()[0].Condition, "FALSE");
  EXPECT_EQ(reports.Reports()[0].Info, "*SPEED*");
  device.LastError = 12345;
  EXPECT_EQ(Info(device, "LASTERRORSTRING"), "12345");
  EXPECT_EQ(Info(device, "LASTERRORCLASS"), "599");
  EXPECT_GT(std::stol(Info(device, "IDLE_TIME")), 1000000L) << "no activity yet: counted from 1970";
}

// A free loopback port, found by binding to port 0.
int FreePort() {
  SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(0x7f000001);
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  int length = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &length);
  closesocket(s);
  return ntohs(a.sin_port);
}

bool Listening(int port) {
  for (const TCPIPIO::INSOCKET& entry : TCPIPIO::InSockets)
    if (entry.UseCount > 0 && entry.Port == port) return true;
  return false;
}

TEST_F(TcpipDevice, AnAcceptedCallCarriesLinesBothWays) {
  TCPIPIO caller(nullptr, nullptr, nullptr);
  int port = FreePort();
  std::string ourId = std::to_string(port) + " [127.0.0.1]";
  TCPIPIO listener(ourId.c_str(), nullptr, nullptr);
  struct ACCEPT {
    TCPIPIO* Device;
    bool Accepted = false;
  } accept{&listener};
  OSYS::THREADHANDLE thread = OSYS::CreateThread(
      [](void* p) -> unsigned {
        auto* a = static_cast<ACCEPT*>(p);
        a->Accepted = a->Device->AcceptCall();
        return 0;
      },
      &accept);
  for (int i = 0; i < 500 && !Listening(port); ++i) OSYS::Sleep(10);
  ASSERT_TRUE(Listening(port));
  ASSERT_TRUE(caller.MakeCall(("127.0.0.1:" + std::to_string(port)).c_str()));
  ASSERT_TRUE(OSYS::WaitThread(thread, 20000));
  ASSERT_TRUE(accept.Accepted);
  EXPECT_EQ(Info(listener, "CALLERID"), "127.0.0.1");
  EXPECT_EQ(listener.InSocket, TCPIP_NOSOCKET_HANDLE);

  char line[64];
  ASSERT_TRUE(TCP::WriteCmd(&caller, "HELLO", nullptr, 0, 0));
  ASSERT_TRUE(TCP::ReadLine(&listener, line, sizeof line, 10000));
  EXPECT_STREQ(line, "HELLO");
  ASSERT_TRUE(TCP::WriteCmd(&listener, "WELCOME", nullptr, 0, 0));
  ASSERT_TRUE(TCP::ReadLine(&caller, line, sizeof line, 10000));
  EXPECT_STREQ(line, "WELCOME");

  EXPECT_TRUE(listener.DropCall());
  EXPECT_FALSE(Listening(port)) << "the last user of the listening socket closed it";
  ASSERT_TRUE(WaitOffline(caller));
  EXPECT_EQ(Info(caller, "LASTERRORSTRING"), "Remote disconnected");
}

}  // namespace
