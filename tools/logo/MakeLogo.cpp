// Draws the About window's logo: a sun emblem in warm yellow, orange and red that turns once
// about its vertical axis over 15 frames, shaded and anti-aliased against a black ground,
// and writes it as an interlaced, endlessly looping GIF89a. Usage: make_logo OUT.gif
#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 91;
constexpr int kFrames = 15;
constexpr int kDelay = 15; // hundredths of a second
// Where the emblem may draw: columns 10 to 89, rows 11 to 70.
constexpr double kCentreX = 49.5;
constexpr double kCentreY = 40.5;
constexpr double kDiscRadius = 17.0;
constexpr double kRayRadius = 29.0;
constexpr double kThickness = 5.0;
constexpr int kRays = 12;
constexpr int kSamples = 4; // per pixel and axis

struct Colour {
  double r, g, b;
};

Colour Mix(Colour a, Colour b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, double f) { return {c.r * f, c.g * f, c.b * f}; }

constexpr Colour kYellow{255, 236, 110};
constexpr Colour kGold{255, 184, 40};
constexpr Colour kOrange{250, 130, 10};
constexpr Colour kRed{200, 38, 12};
constexpr Colour kDeepRed{150, 20, 8};
constexpr Colour kEdge{170, 80, 10};

double DistanceToSegment(double x, double y, double ax, double ay, double bx, double by) {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(x - ax - t * dx, y - ay - t * dy);
}

// The emblem's face at (u, v), centre (0, 0), v downwards: its colour, or false outside.
bool Face(double u, double v, Colour& colour) {
  const double r = std::hypot(u, v);
  if (r <= kDiscRadius) {
    // A "V" in deep red inside a red ring, on a disc that glows from yellow to gold.
    const double stroke = std::min(DistanceToSegment(u, v, -7.5, -7.0, 0.0, 8.0),
                                   DistanceToSegment(u, v, 7.5, -7.0, 0.0, 8.0));
    if (stroke <= 1.8) {
      colour = Mix(kDeepRed, kRed, (v + 7.0) / 30.0);
    } else if (r >= 12.8 && r <= 14.6) {
      colour = kRed;
    } else {
      colour = Mix(kYellow, kGold, r / kDiscRadius);
    }
    return true;
  }
  if (r > kRayRadius) {
    return false;
  }
  // Pointed rays, widest at the disc.
  const double spacing = 2 * std::numbers::pi / kRays;
  const double angle = std::atan2(v, u) + spacing / 2;
  const double offset = std::abs(std::remainder(angle, spacing));
  const double halfWidth = 0.42 * spacing * (kRayRadius - r) / (kRayRadius - kDiscRadius);
  if (offset > halfWidth) {
    return false;
  }
  colour = Mix(kOrange, kRed, (r - kDiscRadius) / (kRayRadius - kDiscRadius));
  return true;
}

// One sample of the turned emblem at screen point (x, y): colour, or false for the ground.
bool Sample(double x, double y, double turn, Colour& colour) {
  const double c = std::cos(turn);
  const double s = std::sin(turn);
  const double u0 = x - kCentreX;
  const double v = y - kCentreY;
  // The face towards the viewer, then the rim that the turn shows beside it.
  const double near = (c >= 0 ? 1.0 : -1.0) * kThickness / 2;
  Colour face{};
  if (Face((u0 - near * s) / c, v, face)) {
    // Light from the upper left: brightest face-on, a glint as the face swings past it.
    const double light = 0.5 + 0.5 * std::abs(c);
    const double glint = std::pow(std::max(0.0, std::cos(turn - 0.45)), 40) * 0.22;
    const double slope = 1.0 - 0.006 * v - 0.004 * u0 * (c >= 0 ? 1 : -1);
    colour = Mix(Scale(face, light * slope), {255, 255, 230}, glint);
    return true;
  }
  for (int step = 0; step <= 8; ++step) {
    const double w = -kThickness / 2 + kThickness * step / 8.0;
    Colour ignored{};
    if (Face((u0 - w * s) / c, v, ignored)) {
      colour = Scale(kEdge, 0.55 + 0.45 * std::abs(s));
      return true;
    }
  }
  return false;
}

// The frame as RGB with a coverage of 0 to 1 per pixel.
struct Frame {
  std::vector<Colour> rgb = std::vector<Colour>(kWidth * kHeight);
  std::vector<double> coverage = std::vector<double>(kWidth * kHeight);
};

Frame Render(int index) {
  // Never exactly edge-on: a small offset keeps cos(turn) away from 0.
  const double turn = 2 * std::numbers::pi * index / kFrames + 0.02;
  Frame frame;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      Colour sum{0, 0, 0};
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          Colour c{};
          if (Sample(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples, turn, c)) {
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
            ++hits;
          }
        }
      }
      // Blending with the black ground is dividing by all samples, not by the hits.
      frame.rgb[y * kWidth + x] = Scale(sum, 1.0 / (kSamples * kSamples));
      frame.coverage[y * kWidth + x] = hits / double(kSamples * kSamples);
    }
  }
  return frame;
}

// Indexes into a 256-entry table whose first `colours` entries are the frame's colours and
// whose entry `transparent` marks the ground.
struct Indexed {
  std::vector<GifByteType> pixels = std::vector<GifByteType>(kWidth * kHeight);
  std::array<GifColorType, 256> table{};
};

Indexed Quantise(const Frame& frame, int transparent) {
  std::vector<GifByteType> r, g, b;
  std::vector<int> where;
  for (int i = 0; i < kWidth * kHeight; ++i) {
    if (frame.coverage[i] > 0) {
      const auto byte = [](double v) {
        return static_cast<GifByteType>(std::lround(std::clamp(v, 0.0, 255.0)));
      };
      r.push_back(byte(frame.rgb[i].r));
      g.push_back(byte(frame.rgb[i].g));
      b.push_back(byte(frame.rgb[i].b));
      where.push_back(i);
    }
  }
  Indexed indexed;
  std::fill(indexed.pixels.begin(), indexed.pixels.end(), static_cast<GifByteType>(transparent));
  int size = transparent;
  std::vector<GifByteType> out(where.size());
  if (GifQuantizeBuffer(static_cast<unsigned>(where.size()), 1, &size, r.data(), g.data(), b.data(),
                        out.data(), indexed.table.data()) == GIF_ERROR) {
    std::fprintf(stderr, "make_logo: cannot reduce the colours of a frame\n");
    std::exit(1);
  }
  for (std::size_t i = 0; i < where.size(); ++i) {
    indexed.pixels[where[i]] = out[i];
  }
  for (int i = size; i < 256; ++i) {
    indexed.table[i] = {0, 0, 0};
  }
  return indexed;
}

void Check(int result, const char* what) {
  if (result == GIF_ERROR) {
    std::fprintf(stderr, "make_logo: %s failed\n", what);
    std::exit(1);
  }
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_logo OUT.gif\n");
    return 2;
  }
  // Three frames leave a few more entries unused, so their ground takes a lower index.
  const auto transparentIndex = [](int frame) {
    return frame == 3 ? 246 : frame == 4 ? 219 : frame == 11 ? 218 : 255;
  };
  std::vector<Indexed> frames;
  for (int i = 0; i < kFrames; ++i) {
    frames.push_back(Quantise(Render(i), transparentIndex(i)));
  }

  int error = 0;
  GifFileType* gif = EGifOpenFileName(argv[1], false, &error);
  if (gif == nullptr) {
    std::fprintf(stderr, "make_logo: cannot write %s\n", argv[1]);
    return 1;
  }
  EGifSetGifVersion(gif, true);
  // The last frame draws with the global table; the others bring their own.
  ColorMapObject* global = GifMakeMapObject(256, frames.back().table.data());
  Check(EGifPutScreenDesc(gif, kWidth, kHeight, 8, 0, global), "the screen descriptor");

  const GifByteType loop[3] = {1, 0, 0}; // loop count 0: for ever
  Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "the loop extension");
  Check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"), "the loop extension");
  Check(EGifPutExtensionBlock(gif, 3, loop), "the loop extension");
  Check(EGifPutExtensionTrailer(gif), "the loop extension");

  for (int i = 0; i < kFrames; ++i) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_BACKGROUND;
    control.UserInputFlag = false;
    control.DelayTime = kDelay;
    control.TransparentColor = transparentIndex(i);
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), "a control extension");

    ColorMapObject* local =
        i < kFrames - 1 ? GifMakeMapObject(256, frames[i].table.data()) : nullptr;
    if (local == nullptr) {
      // giflib drops, without freeing, the copy of the previous frame's table it still holds.
      GifFreeMapObject(gif->Image.ColorMap);
      gif->Image.ColorMap = nullptr;
    }
    Check(EGifPutImageDesc(gif, 0, 0, kWidth, kHeight, true, local), "an image descriptor");
    GifFreeMapObject(local);
    // Interlaced rows go out in four passes.
    for (const auto& [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
      for (int row = first; row < kHeight; row += step) {
        Check(EGifPutLine(gif, frames[i].pixels.data() + row * kWidth, kWidth), "a row");
      }
    }
  }
  GifFreeMapObject(global);
  Check(EGifCloseFile(gif, &error), "closing the file");
  return 0;
}
