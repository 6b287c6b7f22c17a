// Tool-bar pictures, drawn here so that the viewer looks the same with or without an icon theme.
#pragma once

#include <QIcon>

namespace ui {

// Images of the tool bar by their number in the image list.
enum ImageIndex {
  kImgBeginPos = 2,
  kImgFrontView = 4,
  kImgReport = 6,
  kImgOpen = 10,
  kImgClose = 12,
  kImgLegend = 14,
  kImgColors = 16,
  kImgGraph = 18,
  kImgPrint = 20,
  kImgTable = 22,
  kImgZoomOut = 24,
  kImgZoomIn = 26,
  kImgTopView = 28,
  kImgReceive = 30,
  kImgExit = 32,
  kImgPreview = 34,
};

QIcon toolIcon(int image);

}  // namespace ui
