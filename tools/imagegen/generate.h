// Writing the program's pictures: what the build puts into build/resources/.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "design.h"

namespace mensurio::imagegen {

// All pictures into `dir`: the origin strips origins and origins@2x,
// glyph-NAME-SIZE, earth and earth@2x (each as .png and as raw pixels in
// .rgba, see rawpixels.h), the program icon as
// icons/hicolor/NxN/apps/mensurio.png and the contact sheet
// origins-contact-sheet.png. Throws std::runtime_error when a file cannot be
// written.
void WriteAll(const DesignSet& set, const std::string& dir);

// A sheet of the origin images (all 91 when `codes` is empty) at 1x and 2x,
// and at `zoom` x when zoom is above 2, with their codes and origin names.
QImage ContactSheet(const DesignSet& set, int zoom = 0, std::vector<int> codes = {});

// The glyphs, the earth picture and the program icon at all their sizes,
// each magnified `zoom` times, on the grey of the windows.
QImage ArtworkSheet(int zoom = 1);

// Save a PNG or the raw pixels, creating missing directories; throw on
// failure.
void SavePng(const QImage& image, const std::string& path);
void SaveRaw(const QImage& image, const std::string& path);

}  // namespace mensurio::imagegen
