// vlm: the desktop program. The splash comes first; when it hands over, the
// main window opens with the settings of the last run.
#include <QApplication>
#include <QSettings>
#include <memory>

#include "core/common/program_dir.h"
#include "gui/app_setup.h"
#include "gui/app_state.h"
#include "gui/gui_message_sink.h"
#include "gui/main_window.h"
#include "gui/page_printer.h"
#include "gui/splash.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const std::string programDir =
      vlm::ProgramDirFor(QApplication::applicationDirPath().toStdString(), VLM_INSTALLED_DATA_DIR);
  vlm::setUpApplication(application, QString::fromStdString(programDir));

  vlm::GuiMessageSink sink;
  vlm::AppState state(programDir, sink);
  QSettings settings;
  vlm::SystemPagePrinter printer;
  std::unique_ptr<vlm::MainWindow> window;

  auto* splash = new vlm::Splash;
  QObject::connect(splash, &vlm::Splash::finished, [&] {
    window = std::make_unique<vlm::MainWindow>(state, settings, printer);
    sink.setParent(window.get());
    window->show();
  });
  splash->show();
  const int status = QApplication::exec();
  sink.setParent(nullptr);
  window.reset();
  return status;
}
