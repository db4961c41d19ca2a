#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "net/EnetTransport.h"
#include "net/TransportPair.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = LinkEvent::Kind;

TEST(EnetTransport, ReliableAndUnreliableMessagesArriveAfterTheConnectData) {
  TransportPair pair;
  ASSERT_TRUE(pair.Connect(0xC0FFEE));
  EXPECT_EQ(pair.ConnectData, 0xC0FFEEu);
  pair[TransportPair::Guest].Send(pair.HostAtGuest, Bytes{1, 2, 3}, Delivery::Reliable);
  pair[TransportPair::Guest].Send(pair.HostAtGuest, Bytes{4, 5}, Delivery::Unreliable);
  pair[TransportPair::Host].Send(pair.GuestAtHost, Bytes{6}, Delivery::Reliable);
  std::vector<Bytes> atHost;
  for (int i = 0; i < 2; ++i) {
    const auto event = pair.Next(TransportPair::Host);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->Peer, pair.GuestAtHost);
    atHost.push_back(event->Bytes);
  }
  EXPECT_THAT(atHost, ::testing::UnorderedElementsAre(Bytes{1, 2, 3}, Bytes{4, 5}));
  const auto atGuest = pair.Next(TransportPair::Guest);
  ASSERT_TRUE(atGuest);
  EXPECT_EQ(atGuest->Bytes, Bytes{6});
}

TEST(EnetTransport, AMessageOverTheLimitIsNotSent) {
  TransportPair pair;
  ASSERT_TRUE(pair.Connect());
  pair[TransportPair::Guest].Send(pair.HostAtGuest, Bytes(kMaxMessageBytes + 1, 9), Delivery::Reliable);
  pair[TransportPair::Guest].Send(pair.HostAtGuest, Bytes(kMaxMessageBytes, 8), Delivery::Reliable);
  const auto event = pair.Next(TransportPair::Host);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->Bytes, Bytes(kMaxMessageBytes, 8));
}

TEST(EnetTransport, TheOtherSideHearsTheReasonForADisconnectAfterWhatWasSent) {
  TransportPair pair;
  ASSERT_TRUE(pair.Connect());
  pair[TransportPair::Guest].Send(pair.HostAtGuest, Bytes{7}, Delivery::Reliable);
  pair[TransportPair::Guest].Disconnect(pair.HostAtGuest, 42);
  const auto last = pair.Next(TransportPair::Host);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->Bytes, Bytes{7});
  const auto gone = pair.Next(TransportPair::Host);
  ASSERT_TRUE(gone);
  EXPECT_EQ(gone->What, Kind::Disconnected);
  EXPECT_EQ(gone->Peer, pair.GuestAtHost);
  EXPECT_EQ(gone->Data, 42u);
}

TEST(EnetTransport, ASideThatClosesSaysGoodbyeWithoutAReason) {
  TransportPair pair;
  ASSERT_TRUE(pair.Connect());
  pair.Close(TransportPair::Guest);
  const auto gone = pair.Next(TransportPair::Host);
  ASSERT_TRUE(gone);
  EXPECT_EQ(gone->What, Kind::Disconnected);
  EXPECT_EQ(gone->Data, 0u);
}

TEST(EnetTransport, APortInUseIsNamed) {
  std::string error;
  const auto first = EnetTransport::Listen(0, error);
  ASSERT_TRUE(first) << error;
  EXPECT_FALSE(EnetTransport::Listen(first->Port(), error));
  EXPECT_EQ(error, "port " + std::to_string(first->Port()) + " is in use");
}

TEST(EnetTransport, AnAddressThatCannotBeFoundIsNamed) {
  std::string error;
  EXPECT_FALSE(EnetTransport::Connect({"no-such-host.invalid", kDefaultRacePort}, 1, error));
  EXPECT_EQ(error, "cannot find the address no-such-host.invalid");
}

}  // namespace
