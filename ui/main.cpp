// mokuza [GAME.sgf | PLAYLIST.gpl] [--screenshot OUT.png]: the desktop
// program. With --screenshot it saves the whole window after start-up and
// its first paint and exits without touching the settings.

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/record/text.h"
#include "platform/program_folder.h"
#include "platform/qt/qt_services.h"
#include "render/board_text.h"
#include "ui/board_view.h"
#include "ui/main_window.h"

namespace {

struct CommandLine {
  std::vector<std::u16string> files;
  std::optional<QString> screenshot;
  bool valid = true;
};

CommandLine parse(const QStringList& arguments) {
  CommandLine line;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] != "--screenshot") {
      line.files.push_back(arguments[i].toStdU16String());
    } else if (i + 1 < arguments.size()) {
      line.screenshot = arguments[++i];
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
  const CommandLine line = parse(QApplication::arguments());
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
  window.start(line.files);
  return QApplication::exec();
}
