#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ImageBuilders.h"
#include "PixmoraUtils.h"

namespace {

const PmImagePixel kBlack{0x000000}, kBlue{0x0000FF}, kGreen{0x00FF00}, kRed{0xFF0000};

// Writes "<name>+" for each registration and "<name>-" for each release into
// a shared log; refuses the registration numbered `refuseAt` (1-based) of
// that grid by throwing.
void Watch(const PmClients& grid, const std::string& name, std::vector<std::string>& log, int refuseAt = 0) {
  grid.SetClientObserver([&log, name, refuseAt, added = 0](PmClientEvent event) mutable {
    if (event == PmClientEvent::Added && ++added == refuseAt) throw std::runtime_error(name + " refused");
    log.push_back(name + (event == PmClientEvent::Added ? "+" : "-"));
  });
}

TEST(IteratorRelease, ReductionTakesImageThenMatteAndReleasesInReverse) {
  const PmImage image = testimages::ImageRow({0x0000FF, 0xFF0000});
  PmMatte matte(image.GetSize());
  std::vector<std::string> log;
  Watch(image, "image", log);
  Watch(matte, "matte", log);
  ReduceToFourColors(image, matte, kBlack, kBlue, kGreen, kRed);
  EXPECT_EQ(log, (std::vector<std::string>{"image+", "image+", "matte+", "matte-", "image-", "image-"}));
  EXPECT_EQ(image.ClientCount(), 0);
  EXPECT_EQ(matte.ClientCount(), 0);
}

TEST(IteratorRelease, ExpansionTakesMatteThenImageAndReleasesInReverse) {
  const PmMatte matte = testimages::MatteRow({0, 3});
  PmImage image(matte.GetSize());
  std::vector<std::string> log;
  Watch(image, "image", log);
  Watch(matte, "matte", log);
  ExpandToTrueColor(matte, image, kBlack, kBlue, kGreen, kRed);
  EXPECT_EQ(log, (std::vector<std::string>{"matte+", "matte+", "image+", "image-", "matte-", "matte-"}));
}

TEST(IteratorRelease, ReductionReleasesWhatItTookWhenTheDestinationRefuses) {
  const PmImage image = testimages::ImageRow({0x0000FF});
  PmMatte matte = testimages::MatteRow({9});
  std::vector<std::string> log;
  Watch(image, "image", log);
  Watch(matte, "matte", log, 1);
  EXPECT_THROW(ReduceToFourColors(image, matte, kBlack, kBlue, kGreen, kRed), std::runtime_error);
  EXPECT_EQ(log, (std::vector<std::string>{"image+", "image+", "image-", "image-"}));
  EXPECT_EQ(image.ClientCount(), 0);
  EXPECT_EQ(testimages::ValuesOf(matte), (std::vector<int>{9}));
}

TEST(IteratorRelease, ExpansionReleasesTheBeginWhenTheEndIsRefused) {
  const PmMatte matte = testimages::MatteRow({1});
  PmImage image = testimages::ImageRow({0x777777});
  std::vector<std::string> log;
  Watch(matte, "matte", log, 2);
  Watch(image, "image", log);
  EXPECT_THROW(ExpandToTrueColor(matte, image, kBlack, kBlue, kGreen, kRed), std::runtime_error);
  EXPECT_EQ(log, (std::vector<std::string>{"matte+", "matte-"}));
  EXPECT_EQ(matte.ClientCount(), 0);
  EXPECT_EQ(testimages::PixelsOf(image), (std::vector<std::uint32_t>{0x777777}));
}

TEST(IteratorRelease, WritingAnImageHoldsTwoRegistrationsAndGivesBothBack) {
  const PmImage image = testimages::ImageRow({1, 2, 3});
  std::vector<std::string> log;
  Watch(image, "image", log);
  OMemoryByteStream out;
  out << image;
  EXPECT_EQ(log, (std::vector<std::string>{"image+", "image+", "image-", "image-"}));
}

}  // namespace
