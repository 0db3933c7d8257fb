#include "gui/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "gui/app_info.h"
#include "render/korean_font.h"

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
  render::useKoreanFaces();
  (void)installQtKoreanTranslation(application, qtTranslationFolders(programDir));
}

}  // namespace vlm
