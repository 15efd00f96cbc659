#include "resources/images.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>

#include "catalogue.h"
#include "design.h"
#include "rawpixels.h"
#include "tempdir.h"

namespace mensurio::ui {
namespace {

using imagegen::DesignError;
using imagegen::ParseDesigns;
using imagegen::RenderDesign;
using testing::TempWorkDir;

void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

class Images : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  // Every test starts from the built-in strip.
  void SetUp() override { LoadOriginImages(); }
  void TearDown() override { LoadOriginImages(); }
};

bool Unassigned(int code) { return *OriginName(code) == '\0'; }

QImage Pixels(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); }

bool Near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// A 2912 x 16 strip whose image k-1 is filled with a colour made from k.
QImage NumberedStrip(QSize size = QSize(2912, 16)) {
  QImage strip(size, QImage::Format_ARGB32);
  strip.fill(Qt::black);
  QPainter g(&strip);
  for (int code = 1; code <= 91; ++code) g.fillRect((code - 1) * 32, 0, 32, 16, QColor(code, 255 - code, 77));
  g.end();
  return strip;
}

TEST_F(Images, EveryCodeHasAnImageOf32By16) {
  for (int code = 1; code <= kOriginCount; ++code) {
    QPixmap one = OriginImage(code, 1.0);
    ASSERT_FALSE(one.isNull()) << code;
    EXPECT_EQ(one.size(), QSize(32, 16)) << code;
    EXPECT_EQ(one.deviceIndependentSize(), QSizeF(32, 16)) << code;
    QPixmap two = OriginImage(code, 2.0);
    ASSERT_FALSE(two.isNull()) << code;
    EXPECT_EQ(two.size(), QSize(64, 32)) << code;
    EXPECT_EQ(two.deviceIndependentSize(), QSizeF(32, 16)) << code;
  }
}

TEST_F(Images, CodesOutsideTheTableGiveNoImage) {
  for (int code : {0, -1, 92, 255, 1000, INT_MIN, INT_MAX}) {
    EXPECT_TRUE(OriginImage(code).isNull()) << code;
    EXPECT_TRUE(OriginImage(code, 1.0).isNull()) << code;
    EXPECT_TRUE(OriginImage(code, 2.0).isNull()) << code;
  }
}

TEST_F(Images, UnassignedCodesShareTheFreiImage) {
  const QImage frei = Pixels(OriginImage(5, 1.0));
  const QImage frei2x = Pixels(OriginImage(5, 2.0));
  int count = 0;
  for (int code = 1; code <= kOriginCount; ++code) {
    if (!Unassigned(code)) continue;
    ++count;
    EXPECT_EQ(Pixels(OriginImage(code, 1.0)), frei) << code;
    EXPECT_EQ(Pixels(OriginImage(code, 2.0)), frei2x) << code;
  }
  EXPECT_EQ(count, 26);
}

TEST_F(Images, NamedCodesHaveImagesOfTheirOwn) {
  // Every flag and emblem differs from the Frei image and from every other.
  std::vector<std::pair<int, QImage>> named;
  for (int code = 1; code <= kOriginCount; ++code)
    if (!Unassigned(code)) named.emplace_back(code, Pixels(OriginImage(code, 1.0)));
  ASSERT_EQ(named.size(), 65u);
  const QImage frei = Pixels(OriginImage(10, 1.0));
  for (size_t i = 0; i < named.size(); ++i) {
    EXPECT_NE(named[i].second, frei) << named[i].first;
    for (size_t j = i + 1; j < named.size(); ++j)
      EXPECT_NE(named[i].second, named[j].second) << named[i].first << " " << named[j].first;
  }
}

TEST_F(Images, ImageOfACodeShowsItsFlag) {
  // Image k-1 belongs to code k: sample points of well-known flags.
  struct Case {
    int code;
    int x, y;
    const char* colour;
  };
  const Case cases[] = {
      {36, 16, 2, "#000000"}, {36, 16, 8, "#dd0000"},  {36, 16, 13, "#ffce00"},  // Deutschland
      {51, 3, 8, "#002395"},  {51, 16, 8, "#ffffff"},  {51, 28, 8, "#ed2939"},   // Frankreich
      {63, 2, 2, "#ffffff"},  {63, 16, 8, "#bc002d"},                            // Japan
      {77, 16, 3, "#ffffff"}, {77, 16, 12, "#dc143c"},                           // Polen
      {81, 16, 2, "#ffffff"}, {81, 16, 8, "#0039a6"},  {81, 16, 13, "#d52b1e"},  // Rußland
      {62, 3, 8, "#009246"},  {62, 28, 8, "#ce2b37"},                            // Italien
      {82, 2, 2, "#006aa7"},  {82, 12, 2, "#fecc00"},                            // Schweden
      {58, 16, 3, "#ce1126"}, {58, 16, 12, "#ffffff"},                           // Indonesien
      {39, 16, 3, "#000000"}, {39, 16, 12, "#ffffff"},                           // Preußen
      {40, 16, 3, "#ffffff"}, {40, 16, 12, "#009a3e"},                           // Sachsen
      {37, 16, 2, "#ffd200"}, {37, 16, 8, "#e30613"},                            // Baden
      {73, 16, 2, "#ed2939"}, {73, 16, 8, "#ffffff"},                            // Österreich
      {83, 16, 8, "#ffffff"}, {83, 3, 3, "#da291c"},                             // Schweiz
  };
  for (const Case& c : cases) {
    for (qreal ratio : {1.0, 2.0}) {
      const QImage image = Pixels(OriginImage(c.code, ratio));
      const int k = int(ratio);
      QColor seen = image.pixelColor(c.x * k + k / 2, c.y * k + k / 2);
      EXPECT_TRUE(Near(seen, QColor(c.colour), 24))
          << "code " << c.code << " at " << c.x << "," << c.y << " ratio " << ratio << ": "
          << seen.name().toStdString() << " instead of " << c.colour;
    }
  }
}

TEST_F(Images, TheTwoStripsShowTheSameImages) {
  // The 2x image of a code, halved, is nearer to the 1x image of the same
  // code than to any other picture: a 2x strip shifted against the 1x strip
  // would show the neighbour's flag.
  auto distance = [](const QImage& a, const QImage& b) {
    long sum = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 32; ++x) {
        QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
      }
    return sum;
  };
  std::vector<QImage> one, two;
  for (int code = 1; code <= kOriginCount; ++code) {
    one.push_back(Pixels(OriginImage(code, 1.0)));
    two.push_back(Pixels(OriginImage(code, 2.0))
                      .scaled(32, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32));
  }
  for (int k = 0; k < kOriginCount; ++k) {
    const long own = distance(one[k], two[k]);
    for (int j = 0; j < kOriginCount; ++j) {
      if (j == k || one[j] == one[k]) continue;
      EXPECT_LT(own, distance(one[j], two[k]))
          << "2x image of " << k + 1 << " looks like 1x image of " << j + 1;
    }
  }
}

// The built-in strip as the build stored it.
QImage BuiltInStrip(const char* name, QSize size) {
  QResource resource(QString(":/mensurio/") + name);
  return FromRawPixels(resource.data(), resource.size(), size).copy();
}

TEST_F(Images, BuiltInStripsHaveTheirSizes) {
  EXPECT_EQ(QResource(":/mensurio/origins.rgba").size(), 2912 * 16 * 4);
  EXPECT_EQ(QResource(":/mensurio/origins@2x.rgba").size(), 5824 * 32 * 4);
  EXPECT_FALSE(BuiltInStrip("origins.rgba", QSize(2912, 16)).isNull());
}

TEST(RawPixels, RoundTripAndSizeCheck) {
  QImage picture(7, 3, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 7; ++x) picture.setPixel(x, y, qRgba(x * 30, y * 80, 0, 200 - x * 20));
  const QByteArray bytes = RawPixels(picture);
  ASSERT_EQ(bytes.size(), 7 * 3 * 4);
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  EXPECT_EQ(FromRawPixels(data, bytes.size(), QSize(7, 3)).convertToFormat(QImage::Format_ARGB32_Premultiplied),
            picture);
  struct Case {
    const char* what;
    qint64 count;
    QSize size;
  };
  const Case refused[] = {
      {"one byte short", 7 * 3 * 4 - 1, QSize(7, 3)},
      {"one byte more", 7 * 3 * 4 + 1, QSize(7, 3)},
      {"another shape", 7 * 3 * 4, QSize(3, 8)},
      {"empty size", 0, QSize(0, 0)},
      {"negative size", 7 * 3 * 4, QSize(-7, -3)},
  };
  for (const Case& c : refused) EXPECT_TRUE(FromRawPixels(data, c.count, c.size).isNull()) << c.what;
}

TEST_F(Images, StripFileInWorkingDirectoryIsTaken) {
  TempWorkDir dir;
  ASSERT_TRUE(NumberedStrip().save("ORIGINS.PNG", "PNG"));
  EXPECT_EQ(LoadOriginImages(), OriginStrip::File);
  for (int code = 1; code <= kOriginCount; ++code) {
    for (qreal ratio : {1.0, 2.0}) {
      QPixmap p = OriginImage(code, ratio);
      ASSERT_FALSE(p.isNull());
      EXPECT_EQ(p.deviceIndependentSize(), QSizeF(32, 16));
      EXPECT_EQ(Pixels(p).pixelColor(16, 8), QColor(code, 255 - code, 77)) << code;
    }
  }
  // The strip is read once: removing the file changes nothing until the
  // images are loaded again.
  std::filesystem::remove("ORIGINS.PNG");
  EXPECT_EQ(Pixels(OriginImage(40, 1.0)).pixelColor(16, 8), QColor(40, 215, 77));
  EXPECT_EQ(LoadOriginImages(), OriginStrip::BuiltIn);
  EXPECT_EQ(Pixels(OriginImage(40, 1.0)), BuiltInStrip("origins.rgba", QSize(2912, 16))
                                               .copy(39 * 32, 0, 32, 16)
                                               .convertToFormat(QImage::Format_ARGB32));
}

TEST_F(Images, UnfitStripFileIsIgnored) {
  const QImage builtIn = Pixels(OriginImage(36, 1.0));
  QByteArray wrongPng;
  auto png = [](const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
  };
  struct Case {
    const char* what;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"one row short", png(NumberedStrip(QSize(2912, 15)))},
      {"one column short", png(NumberedStrip(QSize(2911, 16)))},
      {"one column more", png(NumberedStrip(QSize(2913, 16)))},
      {"the 2x size", png(NumberedStrip(QSize(5824, 32)))},
      {"a single image", png(NumberedStrip(QSize(32, 16)))},
      {"no picture", QByteArray("Das ist kein Bild.\n")},
      {"a cut picture", png(NumberedStrip()).left(200)},
      {"empty", QByteArray()},
  };
  for (const Case& c : cases) {
    TempWorkDir dir;
    QFile file("ORIGINS.PNG");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.bytes);
    file.close();
    EXPECT_EQ(LoadOriginImages(), OriginStrip::FileIgnored) << c.what;
    EXPECT_EQ(Pixels(OriginImage(36, 1.0)), builtIn) << c.what;
    EXPECT_EQ(OriginImage(36, 2.0).size(), QSize(64, 32)) << c.what;
  }
  TempWorkDir dir;
  ASSERT_EQ(::mkfifo("ORIGINS.PNG", 0644), 0);  // read without waiting for a writer
  EXPECT_EQ(LoadOriginImages(), OriginStrip::FileIgnored);
  EXPECT_EQ(Pixels(OriginImage(36, 1.0)), builtIn);
}

TEST_F(Images, ButtonGlyphs) {
  std::vector<QImage> seen;
  for (Glyph g : {Glyph::Convert, Glyph::Search, Glyph::Hide, Glyph::Info}) {
    QIcon icon = ButtonGlyph(g);
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 24, 32, 48}) {
      QPixmap p = icon.pixmap(QSize(size, size), 1.0);
      EXPECT_EQ(p.size(), QSize(size, size));
    }
    QImage image = Pixels(icon.pixmap(QSize(16, 16), 1.0));
    for (const QImage& other : seen) EXPECT_NE(image, other);
    seen.push_back(image);
  }
  EXPECT_TRUE(ButtonGlyph(static_cast<Glyph>(17)).isNull());
}

TEST_F(Images, EarthPicture) {
  QPixmap one = EarthPicture(1.0);
  EXPECT_EQ(one.size(), QSize(120, 90));
  QPixmap two = EarthPicture(2.0);
  EXPECT_EQ(two.size(), QSize(240, 180));
  EXPECT_EQ(two.deviceIndependentSize(), QSizeF(120, 90));
  // A globe: blue sea and green land in the middle of the picture.
  QImage image = Pixels(one);
  bool sea = false, land = false;
  for (int y = 20; y < 70; ++y)
    for (int x = 30; x < 90; ++x) {
      QColor c = image.pixelColor(x, y);
      sea |= c.blue() > c.red() + 60 && c.blue() > c.green();
      land |= c.green() > c.red() + 30 && c.green() > c.blue() + 30;
    }
  EXPECT_TRUE(sea);
  EXPECT_TRUE(land);
}

TEST_F(Images, ProgramIcon) {
  QList<QSize> sizes = ProgramIcon().availableSizes();
  for (int size : {16, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_EQ(ProgramIconPixmap(size).size(), QSize(size, size)) << size;
  }
  for (int size : {1, 20, 100, 300, 1024})
    EXPECT_EQ(ProgramIconPixmap(size).size(), QSize(size, size)) << size;
  for (int size : {0, -1, 1025, INT_MIN}) EXPECT_TRUE(ProgramIconPixmap(size).isNull()) << size;
  // The motif does not fill the square: its corners stay transparent.
  QImage big = ProgramIconPixmap(256).toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(qAlpha(big.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(big.pixel(255, 0)), 0);
}

// --- The description of the origin images -------------------------------

TEST_F(Images, ShippedDescriptionNamesEveryOrigin) {
  const auto set = imagegen::LoadDesigns(std::string(MENSURIO_SOURCE_DIR) + "/resources/origins.txt");
  int freeDesigns = 0;
  for (const auto& d : set.designs) {
    bool free = d.label == "Frei";
    freeDesigns += free;
    for (int code : d.codes) {
      if (free)
        EXPECT_TRUE(Unassigned(code)) << code << " is drawn as Frei";
      else
        EXPECT_EQ(d.label, OriginName(code)) << "design at line " << d.line;
    }
  }
  EXPECT_EQ(freeDesigns, 1);
}

TEST_F(Images, DescriptionFaultsNameFileAndLine) {
  struct Case {
    const char* text;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"fill #ff0000\n", 1, "vor der ersten"},
      {"design 1 A\nfil #ff0000\n", 2, "unbekannter Befehl \"fil\""},
      {"design 1 A\n\n# Kommentar\nfill red\n", 4, "keine Farbe"},
      {"design 1 A\nfill #ff00\n", 2, "keine Farbe"},
      {"design 1 A\nfill #ff00gg\n", 2, "keine Farbe"},
      {"design 1 A\nfill\n", 2, "Form: fill FARBE"},
      {"design 1 A\nrect 0 0 32 #ff0000\n", 2, "Form: rect"},
      {"design 1 A\nrect 0 0 0 16 #ff0000\n", 2, "größer als 0"},
      {"design 1 A\nrect 0 0 4 4 #ff0000 blunt\n", 2, "\"sharp\""},
      {"design 1 A\ndisc a 8 4 #ffffff\n", 2, "keine Zahl: \"a\""},
      {"design 1 A\ndisc 16 8 4 #ffffff 1\n", 2, "Form: disc"},
      {"design 1 A\ndisc 1e9 8 4 #ffffff\n", 2, "außerhalb"},
      {"design 1 A\ndisc nan 8 4 #ffffff\n", 2, "keine Zahl"},
      {"design 1 A\ndisc 16,5 8 4 #ffffff\n", 2, "keine Zahl"},
      {"design 1 A\nhstripes\n", 2, "Form: hstripes"},
      {"design 1 A\nhstripes #000000 #ff0000:0\n", 2, "größer als 0"},
      {"design 1 A\nvstripes #000000 #ff0000:x\n", 2, "keine Zahl"},
      {"design 1 A\nstar 16 8 4 2 #ffffff\n", 2, "Zackenzahl"},
      {"design 1 A\nstar 16 8 4 5.5 #ffffff\n", 2, "Zackenzahl"},
      {"design 1 A\nstar 16 8 4 5 #ffffff 1.5\n", 2, "Anteil"},
      {"design 1 A\npolygon #ffffff 0,0 1,1\n", 2, "Form: polygon"},
      {"design 1 A\npolygon #ffffff 0,0 1;1 2,2\n", 2, "Punkt X,Y"},
      {"design 1 A\npath 1 #ffffff 0,0 1,1,1\n", 2, "Punkt X,Y"},
      {"design 1 A\ntext 0 0 32 16 #000000 \"INT\n", 2, "nicht geschlossen"},
      {"design 1 A\ntext 0 0 32 16 #000000 italic \"INT\"\n", 2, "Schriftangabe \"italic\""},
      {"design 1 A\ntext 0 0 32 16 #000000 INT\n", 2, "Anführungszeichen am Zeilenende"},
      {"design 1 A\ntext 0 0 32 16 #000000 \"\"\n", 2, "leerer Text"},
      {"design 1 A\ntext 0 0 32 16 #000000 \"IN\"T\n", 2, "Leerzeichen nach dem Text"},
      {"design 1 A\nfill \"#000000\"\n", 2, "keine Farbe"},
      {"design 0 A\nfill #000000\n", 1, "Herkunft von 1 bis 91"},
      {"design 92 A\nfill #000000\n", 1, "Herkunft von 1 bis 91"},
      {"design 5-3 A\nfill #000000\n", 1, "rückwärts"},
      {"design 1,,2 A\nfill #000000\n", 1, "Herkunft"},
      {"design 1, A\nfill #000000\n", 1, "Herkunftsnummern"},
      {"design 1\nfill #000000\n", 1, "Form: design"},
      {"design 1 A\nfill #000000\ndesign 2-4,1 B\nfill #000000\n", 3, "Herkunft 1 schon in Zeile 1"},
      {"design 1 A\ndesign 2 B\nfill #000000\n", 1, "ohne Zeichenbefehle"},
      {"design 1 A\nfill #000000\ndesign 2 B\n", 3, "ohne Zeichenbefehle"},
      {"design 1 A\nrepeat 0 1 0 disc 1 1 1 #000000\n", 2, "Anzahl"},
      {"design 1 A\nrepeat 101 1 0 disc 1 1 1 #000000\n", 2, "Anzahl"},
      {"design 1 A\nrepeat 3 1 0\n", 2, "Form: repeat"},
      {"design 1 A\nrepeat 2 1 0 frob 1\n", 2, "unbekannter Befehl \"frob\""},
      {"design 1 A\nrepeat 2 1 0 design 3 B\n", 2, "design"},
  };
  for (const Case& c : cases) {
    try {
      ParseDesigns(c.text, "test.txt", false);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const DesignError& e) {
      const std::string what = e.what();
      const std::string where = "test.txt:" + std::to_string(c.line) + ": ";
      EXPECT_EQ(what.rfind(where, 0), 0u) << c.text << " -> " << what;
      EXPECT_NE(what.find(c.message), std::string::npos) << c.text << " -> " << what;
    }
  }
}

TEST_F(Images, IncompleteDescriptionIsRefused) {
  try {
    ParseDesigns("design 1-90 A\nfill #000000\n", "origins.txt");
    ADD_FAILURE() << "a description without code 91 was accepted";
  } catch (const DesignError& e) {
    EXPECT_STREQ(e.what(), "origins.txt:2: kein Entwurf für Herkunft 91");
  }
  EXPECT_NO_THROW(ParseDesigns("design 1-91 A\nfill #000000\n", "origins.txt"));
}

TEST_F(Images, DescriptionReadsCodesLabelsCommentsAndRepeats) {
  const auto set = ParseDesigns(
      "# Kopf\n"
      "design 5-7,9 Frei  # Kommentar\n"
      "  fill #112233   # dunkel\n"
      "  repeat 3 2 1 repeat 2 0 4 disc 1 1 0.5 #ffffff\n"
      "design 8 Deutschland - Baden\n"
      "  text 0 0 32 16 #000000 bold \"# \\\"x\\\"\"\n",
      "t.txt", false);
  ASSERT_EQ(set.designs.size(), 2u);
  EXPECT_EQ(set.designs[0].codes, (std::vector<int>{5, 6, 7, 9}));
  EXPECT_EQ(set.designs[0].label, "Frei");
  EXPECT_EQ(set.designs[0].line, 2);
  ASSERT_EQ(set.designs[0].shapes.size(), 7u);
  EXPECT_EQ(set.designs[0].shapes[0].colour, QColor("#112233"));
  EXPECT_EQ(set.designs[0].shapes[6].shift, QPointF(4, 6));
  EXPECT_EQ(set.designs[1].label, "Deutschland - Baden");
  EXPECT_EQ(set.designs[1].shapes[0].text, QString("# \"x\""));
  EXPECT_TRUE(set.designs[1].shapes[0].bold);
  EXPECT_EQ(set.ForCode(9), &set.designs[0]);
  EXPECT_EQ(set.ForCode(8), &set.designs[1]);
  EXPECT_EQ(set.ForCode(10), nullptr);
}

// Colour of each row (column) of a rendered design, read in its middle.
std::string Rows(const QImage& image) {
  std::string out;
  for (int y = 0; y < image.height(); ++y)
    out += image.pixelColor(image.width() / 2, y).name().toStdString()[1];
  return out;
}

std::string Columns(const QImage& image) {
  std::string out;
  for (int x = 0; x < image.width(); ++x)
    out += image.pixelColor(x, image.height() / 2).name().toStdString()[1];
  return out;
}

QImage Render(const char* commands, int scale = 1) {
  auto set = ParseDesigns(std::string("design 1 A\n") + commands, "t.txt", false);
  return RenderDesign(set.designs[0], scale).convertToFormat(QImage::Format_ARGB32);
}

TEST_F(Images, DrawingCommands) {
  // The first hex digit of red is the row's or column's letter here:
  // #a..... #5..... #0.....
  struct Case {
    const char* commands;
    bool rows;
    int scale;
    const char* expected;
  };
  const Case cases[] = {
      {"hstripes #a00000 #500000:2 #000000", true, 1,
       "aaaa55555555"
       "0000"},
      {"hstripes #a00000 #500000:2 #000000", true, 2,
       "aaaaaaaa5555555555555555"
       "00000000"},
      {"hstripes #a00000 #500000 #000000", true, 1,
       "aaaaa555555"
       "00000"},
      {"vstripes #a00000 #000000:3", false, 1,
       "aaaaaaaa"
       "000000000000000000000000"},
      {"fill #000000\ncross 10 8 4 #a00000", false, 1, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"},
      {"fill #000000\ncross 10 3 4 #a00000", false, 1, "00000000aaaa00000000000000000000"},
      {"fill #000000\ncross 10 3 4 #a00000", true, 1, "0aaaa00000000000"},
      {"fill #000000\nplus 16 8 4 2 #a00000", false, 1, "000000000000aaaaaaaa000000000000"},
      {"fill #000000\nrepeat 4 8 0 rect 0 0 4 16 #a00000", false, 1, "aaaa0000aaaa0000aaaa0000aaaa0000"},
      {"fill #000000\nrect 0 0 32 5.3 #a00000 sharp", true, 2, "aaaaaaaaaaa000000000000000000000"},
  };
  for (const Case& c : cases) {
    QImage image = Render(c.commands, c.scale);
    EXPECT_EQ(c.rows ? Rows(image) : Columns(image), c.expected) << c.commands << " at " << c.scale << "x";
  }
}

TEST_F(Images, TextStaysInItsBox) {
  QImage image = Render("fill #ffffff\ntext 8 4 16 8 #000000 bold \"INT\"", 2);
  int inside = 0, outside = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      bool ink = qRed(image.pixel(x, y)) < 128;
      bool inBox = x >= 16 && x < 48 && y >= 8 && y < 24;
      (inBox ? inside : outside) += ink;
    }
  EXPECT_GT(inside, 60);
  EXPECT_EQ(outside, 0);
}

TEST_F(Images, CrescentLeavesTheInnerDiscOpen) {
  QImage image = Render("fill #000000\ncrescent 16 8 6 18 8 5 #a00000", 2);
  EXPECT_EQ(image.pixelColor(2 * 11, 16), QColor("#a00000"));  // the back of the sickle
  EXPECT_EQ(image.pixelColor(2 * 18, 16), QColor("#000000"));  // inside the cut-out disc
  EXPECT_EQ(image.pixelColor(2 * 4, 16), QColor("#000000"));   // outside
}

}  // namespace
}  // namespace mensurio::ui
