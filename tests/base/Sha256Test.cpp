#include "base/Sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string HashOf(const std::string& text) {
  Sha256 hash;
  hash.Add({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  return hash.HexDigest();
}

}  // namespace

// The examples published with the standard.
TEST(Sha256, KnownDigests) {
  EXPECT_EQ(HashOf(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(HashOf("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(HashOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST(Sha256, PiecesHashLikeTheWhole) {
  const std::string text(1000, 'a');
  Sha256 pieces;
  for (std::size_t at = 0; at < text.size(); at += 7) {
    const std::string piece = text.substr(at, 7);
    pieces.Add({reinterpret_cast<const std::uint8_t*>(piece.data()), piece.size()});
  }
  EXPECT_EQ(pieces.HexDigest(), HashOf(text));
}

TEST(Sha256, AMillionLetters) {
  EXPECT_EQ(HashOf(std::string(1000000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}
