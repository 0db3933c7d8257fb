#include "core/common/cp949.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <vector>

namespace vlm {
namespace {

// The length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t utf8Length(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

std::string convert(std::string_view input, const char* to, const char* from,
                    bool replace = false) {
  iconv_t cd = ::iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("CP949 변환을 사용할 수 없습니다.");
  std::vector<char> in(input.begin(), input.end());
  std::string out;
  std::vector<char> buffer(4096);
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    const std::size_t rc = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
    if (rc == static_cast<std::size_t>(-1) && errno != E2BIG && replace) {
      const std::size_t skip = std::min(inLeft, utf8Length(static_cast<unsigned char>(*inPtr)));
      out += '?';
      inPtr += skip;
      inLeft -= skip;
      continue;
    }
    if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
      ::iconv_close(cd);
      throw std::runtime_error("문자 코드를 변환할 수 없습니다.");
    }
  }
  ::iconv_close(cd);
  return out;
}

}  // namespace

std::string toCp949(std::string_view utf8) { return convert(utf8, "CP949", "UTF-8"); }
std::string toCp949Replacing(std::string_view utf8) {
  return convert(utf8, "CP949", "UTF-8", true);
}
std::string fromCp949(std::string_view cp949) { return convert(cp949, "UTF-8", "CP949"); }

}  // namespace vlm
