#include "cli/picture_file.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

#include "cli/cli_context.h"
#include "cli/output_file.h"
#include "core/common/atomic_file.h"

#ifdef VLM_HAVE_RENDER
#include "render/drawing_export.h"
#endif

namespace vlm::cli {
namespace {

constexpr int kLargestSide = 20000;
// 8000 × 8000: an image beyond this would need gigabytes to paint.
constexpr long long kLargestArea = 64'000'000;

std::optional<int> side(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < 1 || value > kLargestSide) return std::nullopt;
  return value;
}

void writeImage(const Drawing& picture, const std::string& path, ImageSize size) {
#ifdef VLM_HAVE_RENDER
  render::ensureGuiApplication();
  render::saveDrawing(picture, path, size.width, size.height);
#else
  (void)picture;
  (void)size;
  throw std::invalid_argument("이 vlm-cli는 그림 파일(png, svg, pdf) 없이 만들어졌습니다. (" +
                              path + ")");
#endif
}

}  // namespace

std::string lowerExtension(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

void addImageSizeOption(CLI::App& command, std::string& size) {
  command.add_option("--size", size, "그림 크기 WxH 픽셀 (png, svg, pdf)")
      ->check(CLI::Validator(
          [](const std::string& text) {
            return parseImageSize(text) ? std::string()
                                        : "크기는 WxH 형식, 각 변 1~20000 픽셀, 모두 "
                                          "6400만 픽셀 이하입니다 (예: 1200x900)";
          },
          "WxH"))
      ->capture_default_str();
}

std::string checkedPictureExtension(const std::string& path) {
  const std::string ext = lowerExtension(path);
  if (ext != "txt" && ext != "png" && ext != "svg" && ext != "pdf") {
    throw std::invalid_argument("그림 파일의 형식(png, svg, pdf, txt)을 알 수 없습니다. (" + path +
                                ")");
  }
  return ext;
}

void writeDrawingFile(const Drawing& drawing, const std::string& path, ImageSize size) {
  if (checkedPictureExtension(path) == "txt") {
    writeFileAtomically(path, drawing.serialize());
    return;
  }
  writeImage(drawing, path, size);
}

std::optional<ImageSize> parseImageSize(const std::string& text) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const auto w = side(std::string_view(text).substr(0, x));
  const auto h = side(std::string_view(text).substr(x + 1));
  if (!w || !h) return std::nullopt;
  if (static_cast<long long>(*w) * *h > kLargestArea) return std::nullopt;
  return ImageSize{*w, *h};
}

void addPictureFileOptions(CLI::App& command, PictureFileArgs& args) {
  command.add_option("-o,--output", args.path, "그림 파일 (.png, .svg, .pdf, 또는 목록 .txt)")
      ->required();
  addImageSizeOption(command, args.size);
  command.add_flag("--yes", args.yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
}

Drawing fitToImage(const Drawing& drawing, ImageSize size) {
  const UserScale s = drawing.scale();
  const double width = static_cast<double>(s.right) - s.left;
  const double height = static_cast<double>(s.top) - s.bottom;
  const double imageAspect = static_cast<double>(size.width) / size.height;
  UserScale fitted = s;
  if (width == 0 || height == 0) return drawing;
  if (width / height < imageAspect) {
    const double grow = (height * imageAspect - width) / 2;
    fitted.left = static_cast<float>(s.left - grow);
    fitted.right = static_cast<float>(s.right + grow);
  } else {
    const double grow = (width / imageAspect - height) / 2;
    fitted.bottom = static_cast<float>(s.bottom - grow);
    fitted.top = static_cast<float>(s.top + grow);
  }
  Drawing out = drawing;
  out.setScale(fitted);
  return out;
}

void writePictureFile(Context& ctx, const Drawing& picture, const PictureFileArgs& args) {
  const std::string ext = checkedPictureExtension(args.path);
  if (!mayWrite(ctx, args.path, args.yes, overwriteQuestion(args.path))) return;
  const ImageSize size = parseImageSize(args.size).value_or(ImageSize{});
  writeDrawingFile(ext == "txt" ? picture : fitToImage(picture, size), args.path, size);
}

}  // namespace vlm::cli
