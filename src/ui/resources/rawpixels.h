// The form in which the build stores the pictures drawn at start-up: the
// bare pixels, RGBA premultiplied, 8 bits each, row after row from the top,
// without header or padding. Decoding them costs nothing; the size is known
// to both sides.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace mensurio::ui {

inline constexpr QImage::Format kRawPixelFormat = QImage::Format_RGBA8888_Premultiplied;

inline QByteArray RawPixels(const QImage& image) {
  const QImage pixels = image.convertToFormat(kRawPixelFormat);
  QByteArray bytes;
  bytes.reserve(pixels.width() * pixels.height() * 4);
  for (int y = 0; y < pixels.height(); ++y)
    bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
  return bytes;
}

// A picture of `size` over `data` (which must outlive it and is never
// written); a null image when the byte count does not fit the size.
inline QImage FromRawPixels(const uchar* data, qint64 count, QSize size) {
  if (size.isEmpty() || count != qint64(size.width()) * size.height() * 4) return {};
  return QImage(data, size.width(), size.height(), size.width() * 4, kRawPixelFormat);
}

}  // namespace mensurio::ui
