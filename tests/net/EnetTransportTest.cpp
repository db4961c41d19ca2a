#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "net/EnetTransport.h"
#include "net/TransportPair.h"

namespace {

using Kind = LinkEvent::Kind;

TEST(EnetTransport, TheHostSeesTheGuestsConnectData) {
  TransportPair pair;
  pair.Join(0xC0FFEE);
  const auto atHost = pair.Next(TransportPair::Host);
  ASSERT_TRUE(atHost);
  EXPECT_EQ(atHost->What, Kind::Connected);
  EXPECT_EQ(atHost->Data, 0xC0FFEEu);
  const auto atGuest = pair.Next(TransportPair::Guest);
  ASSERT_TRUE(atGuest);
  EXPECT_EQ(atGuest->What, Kind::Connected);
}

TEST(EnetTransport, ReliableAndUnreliableMessagesArrive) {
  TransportPair pair;
  PeerId guest = 0;
  PeerId host = 0;
  ASSERT_TRUE(pair.Connect(guest, host));
  const std::vector<std::uint8_t> reliable{1, 2, 3};
  const std::vector<std::uint8_t> unreliable{4, 5};
  pair[TransportPair::Guest].Send(host, reliable, Delivery::Reliable);
  pair[TransportPair::Guest].Send(host, unreliable, Delivery::Unreliable);
  pair[TransportPair::Host].Send(guest, unreliable, Delivery::Reliable);

  std::vector<std::vector<std::uint8_t>> arrived;
  for (int i = 0; i < 2; ++i) {
    const auto event = pair.Next(TransportPair::Host);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->What, Kind::Received);
    EXPECT_EQ(event->Peer, guest);
    arrived.push_back(event->Bytes);
  }
  EXPECT_THAT(arrived, ::testing::UnorderedElementsAre(reliable, unreliable));
  const auto atGuest = pair.Next(TransportPair::Guest);
  ASSERT_TRUE(atGuest);
  EXPECT_EQ(atGuest->Bytes, unreliable);
}

TEST(EnetTransport, AMessageOverTheLimitIsNotSent) {
  TransportPair pair;
  PeerId guest = 0;
  PeerId host = 0;
  ASSERT_TRUE(pair.Connect(guest, host));
  pair[TransportPair::Guest].Send(host, std::vector<std::uint8_t>(kMaxMessageBytes + 1, 9), Delivery::Reliable);
  pair[TransportPair::Guest].Send(host, std::vector<std::uint8_t>(kMaxMessageBytes, 8), Delivery::Reliable);
  const auto event = pair.Next(TransportPair::Host);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->Bytes, std::vector<std::uint8_t>(kMaxMessageBytes, 8));
}

TEST(EnetTransport, TheOtherSideHearsTheReasonForADisconnect) {
  TransportPair pair;
  PeerId guest = 0;
  PeerId host = 0;
  ASSERT_TRUE(pair.Connect(guest, host));
  pair[TransportPair::Guest].Send(host, std::vector<std::uint8_t>{7}, Delivery::Reliable);
  pair[TransportPair::Guest].Disconnect(host, 42);
  const auto last = pair.Next(TransportPair::Host);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->Bytes, std::vector<std::uint8_t>{7});
  const auto gone = pair.Next(TransportPair::Host);
  ASSERT_TRUE(gone);
  EXPECT_EQ(gone->What, Kind::Disconnected);
  EXPECT_EQ(gone->Peer, guest);
  EXPECT_EQ(gone->Data, 42u);
}

TEST(EnetTransport, ASideThatClosesSaysGoodbyeWithoutAReason) {
  TransportPair pair;
  PeerId guest = 0;
  PeerId host = 0;
  ASSERT_TRUE(pair.Connect(guest, host));
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
