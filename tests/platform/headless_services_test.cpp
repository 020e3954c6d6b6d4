#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

using namespace mokuza::platform;

TEST(HeadlessServices, ScriptedAnswersAreUsedInOrderThenHarmlessDefaults) {
  HeadlessServices services;
  services.messageAnswers = {Answer::Yes, Answer::No};
  MessageBoxRequest question{u"保存しますか？", u"Mokuza", Buttons::YesNoCancel, Icon::Question};
  EXPECT_EQ(services.messageBox(question), Answer::Yes);
  EXPECT_EQ(services.messageBox(question), Answer::No);
  EXPECT_EQ(services.messageBox(question), Answer::Cancel);
  EXPECT_EQ(services.messageBox({u"x", u"y", Buttons::YesNo, Icon::None}), Answer::No);
  EXPECT_EQ(services.messageBox({u"x", u"y", Buttons::Ok, Icon::None}), Answer::Ok);

  const auto asked = services.callsOf("messageBox");
  ASSERT_EQ(asked.size(), 5u);
  EXPECT_EQ(asked[0].text, u"保存しますか？");
  EXPECT_EQ(asked[0].title, u"Mokuza");
  EXPECT_EQ(asked[1].reply, Answer::No);
}

TEST(HeadlessServices, DialogsCancelUnlessScripted) {
  HeadlessServices services;
  services.openDialogAnswers = {std::filesystem::path("/tmp/a.sgf")};
  FileDialogRequest request;
  request.title = u"対局を開く";
  EXPECT_EQ(services.openFileDialog(request), std::filesystem::path("/tmp/a.sgf"));
  EXPECT_FALSE(services.openFileDialog(request).has_value());
  EXPECT_FALSE(services.saveFileDialog(request).has_value());
  EXPECT_EQ(services.choose({u"途中局面での着手", {u"a", u"b"}, 0}), -1);
  services.choiceAnswers = {1};
  EXPECT_EQ(services.choose({u"途中局面での着手", {u"a", u"b"}, 0}), 1);
}

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
  std::tm t = services.localTime(services.now());
  EXPECT_EQ(t.tm_year + 1900, 2025);
  EXPECT_EQ(t.tm_mon + 1, 12);
  EXPECT_EQ(t.tm_mday, 6);
  services.sleepMs(1500);
  EXPECT_EQ(services.now(), 1764979201);
  ASSERT_EQ(services.callsOf("sleepMs").size(), 1u);
  EXPECT_EQ(services.callsOf("sleepMs")[0].answer, 1500);
}
