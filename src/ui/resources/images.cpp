#include "resources/images.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <array>
#include <vector>

#include "ioerror.h"
#include "rawpixels.h"
#include "recordfile.h"

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

// A picture the build stored as raw pixels (NAME.rgba); null when it is
// missing or does not have the size.
QImage RawPicture(const QString& name, QSize size) {
  EnsureResources();
  QResource resource(Resource(name + ".rgba"));
  if (!resource.isValid()) return {};
  if (resource.compressionAlgorithm() == QResource::NoCompression)
    return FromRawPixels(resource.data(), resource.size(), size);
  const QByteArray bytes = resource.uncompressedData();
  return FromRawPixels(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), size).copy();
}

struct OriginImages {
  bool loaded = false;
  OriginStrip source = OriginStrip::BuiltIn;
  // A built-in strip is taken from the resource when an image of its ratio
  // is first drawn: a screen of one ratio never touches the other.
  bool strip_read = false;
  bool strip2x_read = false;
  QImage strip;    // 1x, 2912 x 16
  QImage strip2x;  // stays null when the strip comes from ORIGINS.PNG
  std::array<QPixmap, kOriginCodes> images;
  std::array<QPixmap, kOriginCodes> images2x;
};

OriginImages& Origins() {
  static OriginImages origins;
  return origins;
}

qreal ApplicationRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

constexpr size_t kMaxStripFileBytes = 4 << 20;

// The picture of ORIGINS.PNG, or a null image when it is missing or unfit.
QImage ReadStripFile(bool& present) {
  present = QFile::exists(kOriginStripFile);
  if (!present) return {};
  // Read without waiting (a FIFO under the name would block the start) and
  // only as much as a picture of the strip can take.
  QByteArray bytes;
  try {
    std::string data = ReadSmallFile(kOriginStripFile, kMaxStripFileBytes);
    bytes = QByteArray(data.data(), static_cast<qsizetype>(data.size()));
  } catch (const IoError&) {
    return {};
  }
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer);
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
    o.strip_read = o.strip2x_read = true;  // ORIGINS.PNG has no 2x strip
    o.source = OriginStrip::File;
    return o.source;
  }
  o.source = present ? OriginStrip::FileIgnored : OriginStrip::BuiltIn;
  return o.source;
}

namespace {

// The strip for 1x or 2x drawing; a null image when there is none.
const QImage& Strip(OriginImages& o, bool sharp) {
  bool& read = sharp ? o.strip2x_read : o.strip_read;
  QImage& strip = sharp ? o.strip2x : o.strip;
  if (!read) {
    read = true;
    strip = RawPicture(sharp ? "origins@2x" : "origins", (sharp ? 2 : 1) * kStripSize);
  }
  return strip;
}

}  // namespace

QPixmap OriginImage(int code) { return OriginImage(code, ApplicationRatio()); }

QPixmap OriginImage(int code, qreal devicePixelRatio) {
  if (code < 1 || code > kOriginCodes) return {};
  OriginImages& o = Origins();
  if (!o.loaded) LoadOriginImages();
  const bool sharp = devicePixelRatio > 1.0 && !Strip(o, true).isNull();
  const QImage& strip = Strip(o, sharp);
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
  QIcon icon;
  for (int size : kGlyphSizes)
    icon.addPixmap(QPixmap::fromImage(RawPicture(QString("glyph-%1-%2").arg(name).arg(size), QSize(size, size))));
  return icon;
}

QPixmap EarthPicture() { return EarthPicture(ApplicationRatio()); }

QPixmap EarthPicture(qreal devicePixelRatio) {
  const bool sharp = devicePixelRatio > 1.0;
  QPixmap picture = QPixmap::fromImage(RawPicture(sharp ? "earth@2x" : "earth", sharp ? QSize(240, 180) : QSize(120, 90)));
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
