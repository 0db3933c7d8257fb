// The titles the window system gets. Qt appends a set application display name
// to every title it hands to the window manager, so a title checked only on the
// widget would hide " — Velmora" behind "에러". This test reads _NET_WM_NAME
// from the X server itself (xcb platform under xvfb-run).
#include <xcb/xcb.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <cstring>
#include <memory>

#include "core/climate/weather_conversion.h"
#include "core/common/message.h"
#include "gui/app_setup.h"
#include "gui/gui_message_sink.h"
#include "gui/main_window.h"
#include "gui/splash.h"
#include "tests/gui/support/gui_test_support.h"

namespace vlm {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The UTF-8 title the window manager reads for this top-level widget.
QString windowSystemTitle(QWidget* widget) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11->connection();
  const auto window = static_cast<xcb_window_t>(widget->window()->winId());
  const auto cookie = xcb_get_property(connection, 0, window, atom(connection, "_NET_WM_NAME"),
                                       atom(connection, "UTF8_STRING"), 0, 1024);
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &std::free);
  if (!reply) return {};
  return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           xcb_get_property_value_length(reply.get()));
}

// Shows the message through the program's sink and reads the box's title
// while it is open.
QString titleOfBox(const Message& message) {
  GuiMessageSink sink;
  QString title;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr || !box->isVisible()) return;
    poll.stop();
    title = windowSystemTitle(box);
    box->close();
  });
  poll.start(20);
  sink.show(message);
  return title;
}

}  // namespace

class WindowTitleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs the xcb platform (xvfb-run)");
    setUpApplication(*qApp, QString(VLM_PROGRAM_DIR));
  }

  void messageBoxesCarryExactlyTheirOwnTitles_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("error") << 0 << "에러";
    QTest::newRow("information") << 1 << "Velmora";
    QTest::newRow("replace question") << 2 << "변환후 저장할 기후파일명";
  }
  void messageBoxesCarryExactlyTheirOwnTitles() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    const Message message = kind == 0 ? errorMessage({"파일을 찾을 수 없습니다."})
                            : kind == 1 ? infoMessage({"기후파일 변환후 저장이 완료되었습니다."})
                                        : replaceTargetQuestion("/tmp/seoul.cly");
    QCOMPARE(titleOfBox(message), title);
  }

  void mainWindowAndSplashAreTitledVelmora() {
    test::TestSettings settings;
    test::ProgramDir dir;
    RecordingSink sink;
    AppState state(dir.path(), sink);
    test::PdfPagePrinter printer;
    MainWindow window(state, settings.settings(), printer);
    window.show();
    QCOMPARE(windowSystemTitle(&window), QString("Velmora"));
    Splash splash;
    splash.show();
    QCOMPARE(windowSystemTitle(&splash), QString("Velmora"));
  }
};

}  // namespace vlm

QTEST_MAIN(vlm::WindowTitleTest)
#include "window_title_test.moc"
