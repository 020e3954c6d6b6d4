// The dialogs need a QApplication; the sound tests need a machine without an
// audio server, which the environment below makes of any machine.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::setenv("PULSE_SERVER", "unix:/nonexistent/mokuza-test", 1);
  ::setenv("PIPEWIRE_REMOTE", "/nonexistent/mokuza-test", 1);
  ::setenv("ALSA_CONFIG_PATH", "/dev/null", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
