#include "resources/images.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <array>
#include <vector>

// The pictures are compiled into the static library mensurio_resources.
static void InitImageResources() { Q_INIT_RESOURCE(mensurio_images); }

namespace mensurio::ui {

namespace {

constexpr int kOriginCodes = 91;
constexpr QSize kStripSize(kOriginCodes* kOriginImageWidth, kOriginImageHeight);
constexpr int kGlyphSizes[] = {16, 24, 32, 48};
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

void EnsureResources() {
  static const bool done = (InitImageResources(), true);
  (void)done;
}

QString Resource(const QString& name) { return ":/mensurio/" + name; }

struct OriginImages {
  bool loaded = false;
  OriginStrip source = OriginStrip::BuiltIn;
  QImage strip;    // 1x, 2912 x 16
  QImage strip2x;  // null when the strip comes from ORIGINS.PNG
  std::array<QPixmap, kOriginCodes> images;
  std::array<QPixmap, kOriginCodes> images2x;
};

OriginImages& Origins() {
  static OriginImages origins;
  return origins;
}

qreal ApplicationRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

// The picture of ORIGINS.PNG, or a null image when it is missing or unfit.
QImage ReadStripFile(bool& present) {
  present = QFile::exists(kOriginStripFile);
  if (!present) return {};
  QImageReader reader(kOriginStripFile);
  if (reader.size().isValid() && reader.size() != kStripSize) return {};
  QImage image = reader.read();
  if (image.size() != kStripSize) return {};
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

OriginStrip LoadOriginImages() {
  EnsureResources();
  OriginImages& o = Origins();
  o = OriginImages();
  o.loaded = true;
  bool present = false;
  QImage file = ReadStripFile(present);
  if (!file.isNull()) {
    o.strip = file;
    o.source = OriginStrip::File;
    return o.source;
  }
  o.strip = QImage(Resource("origins.png"));
  o.strip2x = QImage(Resource("origins@2x.png"));
  if (o.strip.size() != kStripSize) o.strip = QImage();
  if (o.strip2x.size() != 2 * kStripSize) o.strip2x = QImage();
  o.source = present ? OriginStrip::FileIgnored : OriginStrip::BuiltIn;
  return o.source;
}

QPixmap OriginImage(int code) { return OriginImage(code, ApplicationRatio()); }

QPixmap OriginImage(int code, qreal devicePixelRatio) {
  if (code < 1 || code > kOriginCodes) return {};
  OriginImages& o = Origins();
  if (!o.loaded) LoadOriginImages();
  const bool sharp = devicePixelRatio > 1.0 && !o.strip2x.isNull();
  const QImage& strip = sharp ? o.strip2x : o.strip;
  QPixmap& cached = (sharp ? o.images2x : o.images)[code - 1];
  if (cached.isNull() && !strip.isNull()) {
    const int scale = sharp ? 2 : 1;
    const QRect cell((code - 1) * kOriginImageWidth * scale, 0, kOriginImageWidth * scale,
                     kOriginImageHeight * scale);
    cached = QPixmap::fromImage(strip.copy(cell));
    cached.setDevicePixelRatio(scale);
  }
  return cached;
}

QIcon ButtonGlyph(Glyph glyph) {
  const char* name = nullptr;
  switch (glyph) {
    case Glyph::Convert:
      name = "convert";
      break;
    case Glyph::Search:
      name = "search";
      break;
    case Glyph::Hide:
      name = "hide";
      break;
    case Glyph::Info:
      name = "info";
      break;
  }
  if (!name) return {};
  EnsureResources();
  QIcon icon;
  for (int size : kGlyphSizes)
    icon.addFile(Resource(QString("glyph-%1-%2.png").arg(name).arg(size)), QSize(size, size));
  return icon;
}

QPixmap EarthPicture() { return EarthPicture(ApplicationRatio()); }

QPixmap EarthPicture(qreal devicePixelRatio) {
  EnsureResources();
  const bool sharp = devicePixelRatio > 1.0;
  QPixmap picture(Resource(sharp ? "earth@2x.png" : "earth.png"));
  picture.setDevicePixelRatio(sharp ? 2 : 1);
  return picture;
}

QIcon ProgramIcon() {
  EnsureResources();
  QIcon icon;
  for (int size : kIconSizes) icon.addFile(Resource(QString("icon-%1.png").arg(size)), QSize(size, size));
  return icon;
}

QPixmap ProgramIconPixmap(int size) {
  if (size < 1 || size > 1024) return {};
  EnsureResources();
  int source = kIconSizes[std::size(kIconSizes) - 1];
  for (int s : kIconSizes)
    if (s >= size) {
      source = s;
      break;
    }
  QPixmap pixmap(Resource(QString("icon-%1.png").arg(source)));
  if (source != size && !pixmap.isNull())
    pixmap = pixmap.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return pixmap;
}

}  // namespace mensurio::ui
