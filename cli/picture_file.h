// Writing a picture to a file for the vlm-cli commands that draw (chart,
// monthly, rose, sunpath, mask): the format follows the extension, .png, .svg
// or .pdf through the render layer at --size pixels, or .txt for the picture's
// display list as text (one primitive per line, as the golden files hold it).
#pragma once

#include <optional>
#include <string>

#include "core/draw/drawing.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace vlm::cli {

struct Context;

struct ImageSize {
  int width = 1200;
  int height = 900;
};

// "1200x900" → 1200 × 900; nullopt unless both are whole numbers from 1 to 20000
// and the image has at most 64 million pixels.
[[nodiscard]] std::optional<ImageSize> parseImageSize(const std::string& text);

// The file's extension in lower case ("" when it has none).
[[nodiscard]] std::string lowerExtension(const std::string& path);

// The lower-case extension when it is txt, png, svg or pdf; otherwise throws
// std::invalid_argument, before anything is asked or written.
std::string checkedPictureExtension(const std::string& path);

// The --size WxH option, checked with parseImageSize.
void addImageSizeOption(CLI::App& command, std::string& size);

// Writes the drawing as it is, as text (.txt) or as an image of the given size,
// atomically. Throws FileError when it cannot write, std::invalid_argument for
// an unknown extension.
void writeDrawingFile(const Drawing& drawing, const std::string& path, ImageSize size);

// The options every sun-path picture command shares.
struct PictureFileArgs {
  std::string path;
  std::string size = "1200x900";
  bool yes = false;
};
void addPictureFileOptions(CLI::App& command, PictureFileArgs& args);

// The drawing's user scale widened (or heightened) about its centre so that the
// picture keeps equal units in x and y on an image of the given size: a round
// horizon stays round on a 4:3 image.
[[nodiscard]] Drawing fitToImage(const Drawing& drawing, ImageSize size);

// Writes the picture unless the target exists and --yes is missing (then the
// overwrite question and exit status 1). Throws FileError when it cannot write.
void writePictureFile(Context& ctx, const Drawing& picture, const PictureFileArgs& args);

}  // namespace vlm::cli
