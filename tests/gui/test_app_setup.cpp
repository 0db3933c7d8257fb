// Start-up: Qt's own buttons and dialogs speak Korean, from Qt's translations
// folder or from a copy beside the program.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "gui/app_setup.h"

using namespace vlm;

namespace {

QString buttonText(QMessageBox::StandardButton which) {
  QMessageBox box(QMessageBox::Question, "Velmora", "?", QMessageBox::Yes | QMessageBox::No);
  // Without the keyboard mnemonic: "예(&Y)" and "&Yes" read "예" and "Yes".
  QString text = box.button(which)->text();
  return text.remove(QRegularExpression("\\(&.\\)$")).remove('&');
}

void removeInstalledTranslators() {
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QApplication::removeTranslator(translator);
    delete translator;
  }
}

}  // namespace

class AppSetupTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { removeInstalledTranslators(); }

  void messageBoxButtonsReadInKorean() {
    QCOMPARE(buttonText(QMessageBox::Yes), QString("Yes"));
    setUpApplication(*qApp, QString());
    QCOMPARE(buttonText(QMessageBox::Yes), QString("예"));
    QCOMPARE(buttonText(QMessageBox::No), QString("아니요"));
  }

  void aCopyBesideTheProgramIsFoundWhenQtHasNone() {
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkdir("translations"));
    const QString qtFolder = qtTranslationFolders(QString()).constFirst();
    QVERIFY(QFile::copy(qtFolder + "/qtbase_ko.qm", program.filePath("translations/qtbase_ko.qm")));
    const QStringList folders = qtTranslationFolders(program.path());
    QCOMPARE(folders.last(), program.path() + "/translations");
    QVERIFY(!installQtKoreanTranslation(*qApp, {program.filePath("nothing")}));
    QCOMPARE(buttonText(QMessageBox::No), QString("No"));
    QVERIFY(installQtKoreanTranslation(*qApp, {program.filePath("nothing"), folders.last()}));
    QCOMPARE(buttonText(QMessageBox::No), QString("아니요"));
  }
};

QTEST_MAIN(AppSetupTest)
#include "test_app_setup.moc"
