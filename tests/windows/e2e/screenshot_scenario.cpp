// A picture of the window with 中文 typed: `screenshot LUMETRA_EXE OUT.bmp`
// writes the window's outer rectangle as the screen shows it. The CTest test
// and scripts/run.sh turn the BMP into a PNG with ImageMagick.
#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

void screenshot(Run& run) {
  const std::string out = run.arg(0);
  Program app(run, run.lumetra_exe());
  paste(run, "中文");
  expect_outputs(run, app, encodings("中文", L"中文", u8"中文", "+Ti1lhw-").dumps(),
                 "after typing 中文");
  app.sync();
  pause(300);  // let the caret blink settle and every box finish painting
  const Capture image = capture_window(app.window());
  run.check(image.width == 512 && image.height == 296,
            format("captured %dx%d, expected the 512x296 window", image.width, image.height));
  run.check(write_bmp(image, out), "could not write " + out);
  std::printf("screenshot: %s\n", out.c_str());
  close_with_esc(run, app);
}

}  // namespace

const ScenarioTable screenshot_scenarios{{
    {"screenshot", screenshot},
}};

}  // namespace lumetra::e2e
