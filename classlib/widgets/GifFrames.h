#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

// The frames of a GIF picture, each composed alone on a transparent canvas of the picture's
// size, with the time it stays on screen.
struct GifFrame {
  QImage image;
  int displayMs; // 10 ms times the largest delay set before the frame; never below 1 ms
};

struct GifPicture {
  int width = 0;
  int height = 0;
  std::vector<GifFrame> frames;
};

// Decodes with giflib; raises Exception for data that is not a readable GIF.
GifPicture DecodeGif(const QByteArray& data);
