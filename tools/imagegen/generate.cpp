#include "generate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <algorithm>
#include <stdexcept>

#include "artwork.h"
#include "catalogue.h"
#include "rawpixels.h"

namespace mensurio::imagegen {

namespace {

std::string GlyphFile(GlyphKind kind, int size) {
  return std::string("glyph-") + GlyphName(kind) + "-" + std::to_string(size);
}

std::string IconFile(int size) {
  return "icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/mensurio.png";
}

}  // namespace

namespace {

// The file name as Qt takes it, its directory made when missing.
QString PreparedFile(const std::string& path) {
  QString file = QString::fromStdString(path);
  QDir().mkpath(QFileInfo(file).absolutePath());
  return file;
}

[[noreturn]] void ThrowUnwritable(const std::string& path) {
  throw std::runtime_error(path + ": Datei nicht schreibbar");
}

}  // namespace

void SavePng(const QImage& image, const std::string& path) {
  if (!image.save(PreparedFile(path), "PNG")) ThrowUnwritable(path);
}

void SaveRaw(const QImage& image, const std::string& path) {
  QFile file(PreparedFile(path));
  const QByteArray bytes = mensurio::ui::RawPixels(image);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) ThrowUnwritable(path);
}

namespace {

// The pictures the program draws at start, as PNG for people and raw for
// the program.
void SaveBoth(const QImage& image, const std::string& stem) {
  SavePng(image, stem + ".png");
  SaveRaw(image, stem + ".rgba");
}

}  // namespace

void WriteAll(const DesignSet& set, const std::string& dir) {
  const std::string base = dir + "/";
  SaveBoth(RenderStrip(set, 1), base + "origins");
  SaveBoth(RenderStrip(set, 2), base + "origins@2x");
  for (GlyphKind kind : kGlyphKinds)
    for (int size : kGlyphSizes) SaveBoth(RenderGlyph(kind, size), base + GlyphFile(kind, size));
  SaveBoth(RenderEarth(1), base + "earth");
  SaveBoth(RenderEarth(2), base + "earth@2x");
  for (int size : kIconSizes) SavePng(RenderProgramIcon(size), base + IconFile(size));
  SavePng(ContactSheet(set), base + "origins-contact-sheet.png");
}

QImage ContactSheet(const DesignSet& set, int zoom, std::vector<int> codes) {
  if (codes.empty())
    for (int code = 1; code <= kImageCount; ++code) codes.push_back(code);
  const int count = int(codes.size());
  const int kColumns = count > 31 ? 3 : 1, kRows = (count + kColumns - 1) / kColumns;
  constexpr int kMargin = 12, kHeader = 30;
  const bool big = zoom > 2;
  const int rowHeight = big ? kImageHeight * zoom + 8 : 2 * kImageHeight + 8;
  const int codeWidth = 30, gap = 8, nameWidth = 160;
  const int cellWidth = codeWidth + gap + kImageWidth + gap + 2 * kImageWidth + gap +
                        (big ? zoom * kImageWidth + gap : 0) + nameWidth;
  const int width = 2 * kMargin + kColumns * cellWidth + (kColumns - 1) * 2 * gap;
  const int height = 2 * kMargin + kHeader + kRows * rowHeight;

  QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor("#f4f4f4"));
  QPainter g(&sheet);
  g.setRenderHint(QPainter::Antialiasing);
  g.setRenderHint(QPainter::TextAntialiasing);
  QFont title("DejaVu Sans");
  title.setPixelSize(15);
  title.setBold(true);
  g.setFont(title);
  g.setPen(QColor("#202020"));
  g.drawText(QRect(kMargin, kMargin, width - 2 * kMargin, kHeader - 6), Qt::AlignLeft | Qt::AlignVCenter,
             QString("Mensurio: Herkunftsbilder (Nummer, 1x, 2x%1, Name)")
                 .arg(big ? QString(", %1x").arg(zoom) : QString()));
  QFont font("DejaVu Sans");
  font.setPixelSize(12);

  for (int index = 0; index < count; ++index) {
    const int code = codes[index];
    const int column = index / kRows, row = index % kRows;
    const int x0 = kMargin + column * (cellWidth + 2 * gap);
    const int y0 = kMargin + kHeader + row * rowHeight;
    const int mid = y0 + rowHeight / 2;
    if (row % 2) g.fillRect(QRect(x0 - 4, y0, cellWidth + 8, rowHeight), QColor("#e6e6e6"));
    g.setFont(font);
    g.setPen(QColor("#202020"));
    g.drawText(QRect(x0, y0, codeWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter, QString::number(code));
    int x = x0 + codeWidth + gap;
    const Design* d = set.ForCode(code);
    auto put = [&](int scale) {
      const int w = kImageWidth * scale, h = kImageHeight * scale;
      const QRect frame(x - 1, mid - h / 2 - 1, w + 1, h + 1);
      if (d) g.drawImage(QPoint(x, mid - h / 2), RenderDesign(*d, scale));
      g.setPen(QColor("#909090"));
      g.setBrush(Qt::NoBrush);
      g.drawRect(frame);
      x += w + gap;
    };
    put(1);
    put(2);
    if (big) put(zoom);
    const char* name = OriginName(code);
    g.setPen(*name ? QColor("#202020") : QColor("#808080"));
    g.drawText(QRect(x, y0, nameWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
               *name ? QString::fromUtf8(name) : QString("(nicht vergeben)"));
  }
  g.end();
  return sheet;
}

QImage ArtworkSheet(int zoom) {
  zoom = std::max(1, zoom);
  constexpr int kMargin = 12, kGap = 12, kLabel = 20;
  std::vector<std::pair<QString, QImage>> items;
  for (GlyphKind kind : kGlyphKinds)
    for (int size : kGlyphSizes)
      items.emplace_back(QString("%1 %2").arg(GlyphName(kind)).arg(size), RenderGlyph(kind, size));
  items.emplace_back("earth 1x", RenderEarth(1));
  items.emplace_back("earth 2x", RenderEarth(2));
  for (int size : kIconSizes) items.emplace_back(QString("icon %1").arg(size), RenderProgramIcon(size));

  // Rows: the four glyphs, the earth pictures, the icons.
  std::vector<std::vector<int>> rows;
  for (int k = 0; k < 4; ++k) rows.push_back({4 * k, 4 * k + 1, 4 * k + 2, 4 * k + 3});
  rows.push_back({16, 17});
  rows.push_back({18, 19, 20, 21, 22, 23});
  int width = 0, height = kMargin;
  for (const auto& row : rows) {
    int w = kMargin, h = 0;
    for (int i : row) {
      w += items[i].second.width() * zoom + kGap;
      h = std::max(h, items[i].second.height() * zoom);
    }
    width = std::max(width, w + kMargin);
    height += h + kLabel + kGap;
  }
  QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor("#d4d0c8"));  // the grey of the buttons and the panel
  QPainter g(&sheet);
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  g.setFont(font);
  int y = kMargin;
  for (const auto& row : rows) {
    int x = kMargin, h = 0;
    for (int i : row) {
      const QImage& image = items[i].second;
      const QSize size = image.size() * zoom;
      g.drawImage(QRect(QPoint(x, y), size), image);
      g.setPen(QColor("#202020"));
      g.drawText(QPoint(x, y + size.height() + 14), items[i].first);
      x += size.width() + kGap;
      h = std::max(h, size.height());
    }
    y += h + kLabel + kGap;
  }
  g.end();
  return sheet;
}

}  // namespace mensurio::imagegen
