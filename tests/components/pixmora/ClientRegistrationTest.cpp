#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Pixmora.h"

namespace {

TEST(PmClients, EveryIteratorHoldsOneRegistrationUntilItIsDestroyed) {
  PmImage image(PmPoint{2, 2});
  {
    auto begin = image.begin();
    EXPECT_EQ(image.ClientCount(), 1);
    const auto end = image.end();
    EXPECT_EQ(image.ClientCount(), 2);
    ++begin;
  }
  EXPECT_EQ(image.ClientCount(), 0);
}

TEST(PmClients, CopyRegistersAgainAndMoveHandsTheRegistrationOver) {
  PmMatte matte(PmPoint{1, 1});
  auto first = matte.begin();
  auto copy = first;
  EXPECT_EQ(matte.ClientCount(), 2);
  auto moved = std::move(first);
  EXPECT_EQ(matte.ClientCount(), 2);
  copy = matte.end();
  EXPECT_EQ(matte.ClientCount(), 2);
}

TEST(PmClients, ObserverHearsRegistrationsAndReleasesInOrder) {
  const PmImage image(PmPoint{1, 1});
  PmMatte matte(PmPoint{1, 1});
  std::vector<std::string> heard;
  image.SetClientObserver(
      [&](PmClientEvent event) { heard.push_back(event == PmClientEvent::Added ? "image+" : "image-"); });
  matte.SetClientObserver(
      [&](PmClientEvent event) { heard.push_back(event == PmClientEvent::Added ? "matte+" : "matte-"); });
  {
    const auto pixel = image.begin();
    const auto element = matte.begin();
  }
  EXPECT_EQ(heard, (std::vector<std::string>{"image+", "matte+", "matte-", "image-"}));
}

TEST(PmClients, ObserverThatThrowsRefusesTheRegistration) {
  PmImage image(PmPoint{1, 1});
  image.SetClientObserver([](PmClientEvent event) {
    if (event == PmClientEvent::Added) throw std::runtime_error("no more clients");
  });
  EXPECT_THROW(image.begin(), std::runtime_error);
  EXPECT_EQ(image.ClientCount(), 0);
}

}  // namespace
