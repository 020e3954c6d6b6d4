// mokuza [GAME.sgf | PLAYLIST.gpl] [--screenshot OUT.png]: the desktop
// program. With --screenshot it saves the whole window after start-up and
// its first paint and exits without touching the settings.

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <iostream>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/recovery.h"
#include "core/record/text.h"
#include "platform/program_folder.h"
#include "platform/qt/qt_services.h"
#include "render/board_text.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/signal_close.h"

namespace {

struct CommandLine {
  std::vector<std::u16string> files;
  std::optional<QString> screenshot;
  bool valid = true;
};

// From argv, which QApplication has left without its own options: a file
// name keeps the file system's bytes even when they are no UTF-8.
CommandLine parse(int argc, char** argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) != "--screenshot") {
      line.files.push_back(mokuza::pathToText(std::filesystem::path(argv[i])));
    } else if (i + 1 < argc) {
      line.screenshot = QFile::decodeName(argv[++i]);
    } else {
      line.valid = false;
    }
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("Mokuza");
  // Qt's own dialogs and buttons in Japanese, like the rest of the program.
  QTranslator qtJapanese;
  if (qtJapanese.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtJapanese);
  // The panel writes in the board's face: digits then match the kana beside
  // them, and the face's CJK fallback covers Chinese and Korean comments.
  QFont font = QApplication::font();
  font.setFamily(mokuza::render::boardFontFamily({}));
  QApplication::setFont(font);
  const CommandLine line = parse(argc, argv);
  if (!line.valid) {
    std::cerr << "usage: mokuza [GAME.sgf | PLAYLIST.gpl] [--screenshot OUT.png]\n";
    return 2;
  }
  const std::filesystem::path folder = mokuza::platform::resolveProgramFolder();
  if (folder.empty()) {
    std::cerr << "mokuza: " << mokuza::platform::kNoProgramFolder << "\n";
    return 1;
  }
  mokuza::platform::QtServices services;
  mokuza::ui::MainWindow window(services, folder);
  services.setDialogParent(&window);
  services.setMidiPortSource([&window] { return mokuza::utf16ToUtf8(window.application().settings.midiPort); });
  if (line.screenshot) {
    window.boardView().afterNextPaint([&window, out = *line.screenshot] {
      // After this paint has ended, so the grab paints the window whole.
      QTimer::singleShot(0, &window, [&window, out] {
        if (!window.grab().save(out)) {
          std::cerr << "mokuza: cannot write " << out.toStdString() << "\n";
          QApplication::exit(1);
          return;
        }
        std::cout << out.toStdString() << "\n";
        QApplication::exit(0);
      });
    });
  }
  // Not with --screenshot, which must leave the settings and files as they are.
  std::optional<mokuza::ui::SignalClose> signals;
  QTimer recovery;
  if (!line.screenshot) {
    signals.emplace([&window] {
      window.closeUnattended();
      QApplication::exit(0);
    });
    constexpr int kRecoveryPeriodMs = 60'000;
    QObject::connect(&recovery, &QTimer::timeout, &window,
                     [&window] { mokuza::app::refreshRecoveryCopy(window.application()); });
    recovery.start(kRecoveryPeriodMs);
  }
  window.start(line.files);
  return QApplication::exec();
}
