#include "gui/app_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "gui/app_info.h"

namespace vlm {

QStringList qtTranslationFolders(const QString& programDir) {
  return {QLibraryInfo::path(QLibraryInfo::TranslationsPath), programDir + "/translations"};
}

bool installQtKoreanTranslation(QApplication& application, const QStringList& folders) {
  for (const QString& folder : folders) {
    auto* translator = new QTranslator(&application);
    if (translator->load("qtbase_ko", folder)) {
      QApplication::installTranslator(translator);
      return true;
    }
    delete translator;
  }
  return false;
}

void setUpApplication(QApplication& application, const QString& programDir) {
  QApplication::setOrganizationName(kSettingsOrganisation);
  QApplication::setApplicationName(kSettingsApplication);
  // Korean text needs a Korean face wherever the desktop's default lacks one.
  QFont font = QApplication::font();
  QStringList families = font.families();
  families << "NanumGothic"
           << "Noto Sans CJK KR"
           << "UnDotum";
  font.setFamilies(families);
  QApplication::setFont(font);
  (void)installQtKoreanTranslation(application, qtTranslationFolders(programDir));
}

}  // namespace vlm
