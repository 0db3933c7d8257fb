#include "gui/shell_messages.h"

namespace vlm {

Message restoreWindowQuestion() {
  return Message{
      kProgramTitle,
      MessageIcon::Information,
      {"바탕화면 해상도 1024*768 모드, 툴바 보기 On, 상태바 보기 On",
       "상태를 기준으로 각 메뉴별 내용이 가장 잘 보이는 상태로 창 크기, 위치를", "복원합니다."},
      MessageButtons::OkCancel,
      false};
}

Message restoreWindowRefused() {
  return infoMessage({"화면이 최대화 혹은 최소화되어 있으면, 창 크기, 위치의 복원이",
                      "불가능합니다.", "",
                      "[화면을 최대화 혹은 최소화시키지 않은 상태에서 다시 시도하세요]"});
}

Message printHelpAdvice() {
  return infoMessage({"사용법 혹은 인터넷 홈페이지 메뉴 내용을 인쇄하려면,",
                      "해당 내용에서 마우스 오른쪽 버튼을 클릭한 후",
                      "인쇄를 선택하시기 바랍니다."});
}

Message noPrinterPdfNotice() {
  return infoMessage(
      {"설치된 프린터가 없습니다.", "",
       "[인쇄 대신 현재 화면을 PDF 파일로 저장합니다. 저장할 파일명을 지정하세요.]"});
}

Message printFailed() {
  return errorMessage({"인쇄하지 못했습니다.", "", "[프린터의 연결 상태와 설정을 확인하세요.]"});
}

Message reportWritten(const std::string& path) {
  return infoMessage({"기후 분석 보고서를 저장하였습니다.", "", "[" + path + "]"});
}

Message systemInfoUnavailable() {
  Message plain = infoMessage({"지금은 시스템 정보를 사용할 수 없습니다."});
  plain.icon = MessageIcon::None;
  return plain;
}

}  // namespace vlm
