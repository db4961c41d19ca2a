#pragma once

#include <string>

struct Game;

// The fingerprint of the picture the window shows (the whole client area,
// as --screenshot writes it): SHA-256 over its pixels row by row from the
// top, each pixel as its red, green and blue bytes. It equals ImageMagick's
// signature of that screenshot, "identify -format %#".
std::string PictureHash(Game& g);
