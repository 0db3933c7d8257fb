#include "core/climate/asos_columns.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

#include "core/common/cp949.h"

namespace vlm {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Column {
  std::string_view key;
  int AsosColumns::*member;
};

constexpr std::array<Column, 11> kColumns = {{
    {"지점", &AsosColumns::station},
    {"지점명", &AsosColumns::stationName},
    {"일시", &AsosColumns::time},
    {"기온", &AsosColumns::dryBulb},
    {"풍속", &AsosColumns::windSpeed},
    {"풍향", &AsosColumns::windDirection},
    {"습도", &AsosColumns::humidity},
    {"이슬점온도", &AsosColumns::dewPoint},
    {"현지기압", &AsosColumns::pressure},
    {"일사", &AsosColumns::radiation},
    {"전운량", &AsosColumns::cloud},
}};

std::vector<std::string_view> splitCommas(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto comma = line.find(',');
    fields.push_back(line.substr(0, comma));
    if (comma == std::string_view::npos) return fields;
    line.remove_prefix(comma + 1);
  }
}

}  // namespace

int AsosColumns::fieldsNeeded() const {
  int highest = kAbsent;
  for (const Column& column : kColumns) highest = std::max(highest, this->*column.member);
  return highest + 1;
}

std::string asosColumnKey(std::string_view name) {
  std::string key;
  int depth = 0;
  for (const char c : name) {
    if (c == '(' || c == '[') {
      ++depth;
    } else if ((c == ')' || c == ']') && depth > 0) {
      --depth;
    } else if (depth == 0 && c != ' ' && c != '\t' && c != '"') {
      key.push_back(c);
    }
  }
  return key;
}

std::string asosText(std::string_view field, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8) return std::string(field);
  try {
    return fromCp949(field);
  } catch (const std::runtime_error&) {
    return {};
  }
}

std::optional<AsosColumns> parseAsosHeader(std::string_view line) {
  AsosColumns columns;
  std::string text;
  if (line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text = line.substr(kByteOrderMark.size());
  } else if (line.find("일시") != std::string_view::npos) {
    text = line;
  } else {
    columns.encoding = TextEncoding::Cp949;
    try {
      text = fromCp949(line);
    } catch (const std::runtime_error&) {
      return std::nullopt;
    }
  }
  const auto names = splitCommas(text);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string key = asosColumnKey(names[i]);
    for (const Column& column : kColumns) {
      // The first column of a name counts; a repeated name is ignored.
      if (key == column.key && columns.*column.member == AsosColumns::kAbsent)
        columns.*column.member = static_cast<int>(i);
    }
  }
  if (columns.station == AsosColumns::kAbsent || columns.time == AsosColumns::kAbsent ||
      columns.dryBulb == AsosColumns::kAbsent)
    return std::nullopt;
  return columns;
}

}  // namespace vlm
