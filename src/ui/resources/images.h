// The program's pictures: origin images, button glyphs, the earth picture of
// the information panel and the program icon. All need a QGuiApplication.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace mensurio::ui {

constexpr int kOriginImageWidth = 32;
constexpr int kOriginImageHeight = 16;

// The image strip that replaces the built-in one when it lies in the working
// directory at start: 91 images of 32 x 16 side by side, 2912 x 16 pixels.
inline constexpr const char* kOriginStripFile = "ORIGINS.PNG";

enum class OriginStrip {
  BuiltIn,      // no ORIGINS.PNG
  File,         // ORIGINS.PNG is used
  FileIgnored,  // ORIGINS.PNG exists but is no readable 2912 x 16 picture
};

// Takes the origin images: ORIGINS.PNG from the working directory when it is
// a picture of 2912 x 16 pixels, the built-in strip otherwise. The first
// OriginImage call does this by itself; calling it again reads the file again.
OriginStrip LoadOriginImages();

// The image of origin code 1..91 (image code-1 of the strip), 32 x 16 device
// independent pixels. Drawn for the given device pixel ratio (the built-in
// strip has 1x and 2x images; ORIGINS.PNG is 1x only); the first form uses the
// application's. A code outside 1..91 gives a null pixmap.
QPixmap OriginImage(int code);
QPixmap OriginImage(int code, qreal devicePixelRatio);

// The glyphs of the four buttons of the main window.
enum class Glyph {
  Convert,  // Rechentaste, "Einheit umrechnen"
  Search,   // SpeedButton4, "Einheit suchen"
  Hide,     // SpeedButton3, "Markierte Einheit ausblenden"
  Info,     // SpeedButton2, "Information über Gebiet"
};
// An icon of 16, 24, 32 and 48 pixels; null for a value outside the enum.
QIcon ButtonGlyph(Glyph glyph);

// The earth picture of Panel1: 120 x 90 device independent pixels.
QPixmap EarthPicture();
QPixmap EarthPicture(qreal devicePixelRatio);

// The program icon at 16, 32, 48, 64, 128 and 256 pixels.
QIcon ProgramIcon();
// The icon at size x size pixels (smoothly scaled from the next larger one
// for other sizes); null for a size below 1 or above 1024.
QPixmap ProgramIconPixmap(int size);

}  // namespace mensurio::ui
