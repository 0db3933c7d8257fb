// What the program sets on the application once at start-up, before any window:
// the names its settings live under, a font with Korean faces, and the Korean
// translations of Qt's own dialogs and buttons.
#pragma once

#include <QString>
#include <QStringList>

class QApplication;

namespace vlm {

// Leaves the application display name unset: Qt appends a set display name to
// every window title (" — Velmora"), and each title is to read exactly as given.
void setUpApplication(QApplication& application, const QString& programDir);

// Where Qt's Korean translations are looked for: Qt's own translations folder,
// then the program directory's translations/ (an installed or bundled copy).
[[nodiscard]] QStringList qtTranslationFolders(const QString& programDir);

// Installs qtbase_ko (the file dialogs, 예/아니요/확인/취소, the print dialog)
// from the first folder that has it; false when none has.
bool installQtKoreanTranslation(QApplication& application, const QStringList& folders);

}  // namespace vlm
