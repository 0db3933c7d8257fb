#include "gui/pages/frm33_typical.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>

#include "core/climate/typical_year_file.h"

namespace vlm {
namespace {

// The page's texts of the typical year, in one place.
constexpr const char* kConvertOption = "기상파일 변환";
constexpr const char* kTypicalOption = "표준기상년 만들기 (ISO 15927-4)";
constexpr const char* kTypicalTip = "한 지점의 여러 해 시간자료로 표준기상년 기후파일을 만듭니다";
constexpr const char* kConvertSourceCaption = "원본 기후파일명(WYEC 혹은 TRY 형식)";
constexpr const char* kTypicalSourceCaption =
    "원본 시간자료(한 지점의 ASOS 시간자료 csv 혹은 실측년 EPW, 여러 파일은 ;로 구분)";
constexpr const char* kConvertStationCaption = "지점과 연도(ASOS 시간자료)";
constexpr const char* kTypicalStationCaption = "지점(ASOS 시간자료)";
constexpr const char* kSourcesDialogTitle = "표준기상년의 원본 시간자료 열기 (여러 파일 선택 가능)";

QString text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

std::optional<QStringList> systemOpenFilesDialog(QWidget* parent,
                                                 const FileDialogRequest& request) {
  QSettings settings;
  const QStringList chosen = QFileDialog::getOpenFileNames(
      parent, request.title, startFolder(settings, request), request.filter);
  if (chosen.isEmpty()) return std::nullopt;
  rememberFolder(settings, request, chosen.front());
  return chosen;
}

Frm33Typical::Frm33Typical(const Widgets& widgets, MessageSink& sink, Guard guard,
                           QString programDir)
    : QObject(widgets.page),
      w_(widgets),
      sink_(sink),
      guard_(std::move(guard)),
      programDir_(std::move(programDir)),
      convert_(new QRadioButton(kConvertOption, widgets.page)),
      typical_(new QRadioButton(kTypicalOption, widgets.page)),
      row_(new QHBoxLayout),
      openFiles_(systemOpenFilesDialog) {
  convert_->setObjectName("opt33Convert");
  typical_->setObjectName("opt33Typical");
  typical_->setToolTip(kTypicalTip);
  auto* group = new QButtonGroup(this);
  group->addButton(convert_);
  group->addButton(typical_);
  convert_->setChecked(true);
  auto* row = static_cast<QHBoxLayout*>(row_);
  row->addWidget(convert_);
  row->addWidget(typical_);
  row->addStretch(1);
  connect(typical_, &QRadioButton::toggled, this, [this] {
    showChoice();
    emit choiceChanged();
  });
  showChoice();
}

bool Frm33Typical::chosen() const { return typical_->isChecked(); }

void Frm33Typical::showChoice() {
  // The chosen option button in bold type, as every option of the program.
  for (QRadioButton* option : {convert_, typical_}) {
    QFont font = option->font();
    font.setBold(option->isChecked());
    option->setFont(font);
  }
  w_.sourceCaption->setText(chosen() ? kTypicalSourceCaption : kConvertSourceCaption);
  w_.stationCaption->setText(chosen() ? kTypicalStationCaption : kConvertStationCaption);
}

std::vector<std::string> Frm33Typical::sources() const {
  std::vector<std::string> paths;
  for (const QString& part : w_.source->text().split(';', Qt::SkipEmptyParts)) {
    const QString path = part.trimmed();
    if (!path.isEmpty()) paths.push_back(path.toStdString());
  }
  return paths;
}

void Frm33Typical::chooseSources() {
  const auto chosen =
      openFiles_(w_.page, FileDialogRequest{kSourcesDialogTitle, programDir_,
                                            qtFileFilter(kTypicalSourceDialogFilter),
                                            "ConversionSource", QString(), QString()});
  if (!chosen) return;
  w_.source->setText(chosen->join("; "));
  listStations();
}

void Frm33Typical::listStations() {
  w_.station->clear();
  w_.station->setEnabled(false);
  const std::vector<std::string> paths = sources();
  if (paths.empty() || std::any_of(paths.begin(), paths.end(), [](const std::string& p) {
        return weatherSourceKindOf(p) != WeatherSourceKind::Asos;
      }))
    return;
  std::optional<std::vector<AsosStationEntry>> stations;
  guard_([&] { stations = asosStationsOf(paths, sink_); });
  if (!stations) return;
  for (const AsosStationEntry& entry : *stations)
    w_.station->addItem(text(entry.text), static_cast<int>(entry.station));
  w_.station->setCurrentIndex(0);
  w_.station->setEnabled(true);
}

void Frm33Typical::convert(const std::string& target, const ConversionProgress& progress) {
  TypicalYearRequest request;
  request.sources = sources();
  request.target = target;
  if (w_.station->currentIndex() >= 0) request.choice.station = w_.station->currentData().toInt();
  guard_([&] { (void)MakeTypicalYearFile(request, sink_, progress); });
}

}  // namespace vlm
