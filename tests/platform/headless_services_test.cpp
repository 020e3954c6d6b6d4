#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

using namespace mokuza::platform;

TEST(HeadlessServices, ClipboardCanBeUnavailable) {
  HeadlessServices services;
  EXPECT_EQ(services.setClipboardText(u"(;GM[1])"), ClipboardStatus::Ok);
  EXPECT_EQ(services.clipboardText(), u"(;GM[1])");
  services.clipboardAvailable = false;
  EXPECT_EQ(services.setClipboardText(u"other"), ClipboardStatus::Unavailable);
  EXPECT_EQ(services.clipboardText(), u"");
  services.clipboardAvailable = true;
  EXPECT_EQ(services.clipboardText(), u"(;GM[1])") << "a failed write leaves the old text";
}

TEST(HeadlessServices, ClockIsSetByHandAndSleepAdvancesIt) {
  HeadlessServices services;
  services.clock = 1764979200;  // 2025-12-06 00:00:00 UTC
  const std::tm t = services.localTime(services.now());
  EXPECT_EQ(std::tuple(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday), std::tuple(2025, 12, 6));
  services.sleepMs(1500);
  EXPECT_EQ(services.now(), 1764979201);
  EXPECT_EQ(services.callsOf("sleepMs").at(0).answer, 1500);
}
