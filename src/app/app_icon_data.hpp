// The application icon's images, embedded at build time from assets/icons.
#pragma once

#include <cstddef>

struct IconImage {
  int size; // width and height in pixels
  const unsigned char* png;
  std::size_t length;
};

extern const IconImage kAppIconImages[];
extern const std::size_t kAppIconImageCount;
