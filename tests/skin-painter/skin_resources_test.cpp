// Every skin the build produces, read back through the resource system as the game reads it:
// the compiled-in skin and each SdSkin*.rcc module beside the program.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QResource>
#include <cmath>
#include <map>
#include <set>

#include "skin/builtin_skin.h"
#include "skin_check.h"

namespace sudoku::skin_check {
namespace {

struct SkinSource {
  QString label;
  QString module;  // empty for the built-in skin
};

void PrintTo(const SkinSource& source, std::ostream* out) {
  *out << source.label.toStdString();
}

std::vector<SkinSource> AllSkins() {
  std::vector<SkinSource> skins{{"Builtin", {}}};
  const QDir dir(QStringLiteral(SKIN_MODULE_DIR));
  for (const QString& file : dir.entryList({"SdSkin*.rcc"}, QDir::Files, QDir::Name)) {
    skins.push_back({QFileInfo(file).completeBaseName(), dir.filePath(file)});
  }
  return skins;
}

const LoadedSkin& Load(const SkinSource& source) {
  static std::map<QString, LoadedSkin> cache;
  auto found = cache.find(source.label);
  if (found != cache.end()) return found->second;
  QString root = QStringLiteral(":/skin");
  if (source.module.isEmpty()) {
    RegisterBuiltinSkin();
  } else {
    const QString map_root = "/test-" + source.label;
    EXPECT_TRUE(QResource::registerResource(source.module, map_root))
        << source.module.toStdString();
    root = ":" + map_root + "/skin";
  }
  return cache.emplace(source.label, LoadSkin(root, source.label)).first->second;
}

bool IsSeparatorSlot(int slot) {
  return slot == 1 || slot == 4 || slot == 7;
}

double Luminance(QRgb c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb Average(const QImage& image, const QRect& r) {
  long red = 0, green = 0, blue = 0, n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb c = image.pixel(x, y);
      red += qRed(c);
      green += qGreen(c);
      blue += qBlue(c);
      ++n;
    }
  }
  return qRgb(static_cast<int>(red / n), static_cast<int>(green / n), static_cast<int>(blue / n));
}

bool Inside(const QRegion& region, const QRect& r) {
  return region.intersected(r) == QRegion(r);
}

class SkinResources : public ::testing::TestWithParam<SkinSource> {
 protected:
  const LoadedSkin& skin = Load(GetParam());
};

TEST_P(SkinResources, TablesHaveTheirExactLengths) {
  EXPECT_EQ(skin.ids_raw.size(), 258);
  EXPECT_EQ(skin.areas_raw.size(), 1032);
  EXPECT_EQ(skin.text_raw.size(), 648);
  EXPECT_EQ(skin.display_raw.size(), 228);
  EXPECT_EQ(skin.indicator_raw.size(), 240);
  EXPECT_EQ(skin.outline_raw.size() % 2, 0);
  // The name is shown in lists cut at 64 characters; ours must fit whole and stay on one line.
  EXPECT_FALSE(skin.name.isEmpty());
  EXPECT_LE(QString::fromUtf8(skin.name).size(), 64);
  EXPECT_FALSE(skin.name.contains('\n'));
  EXPECT_FALSE(skin.copyright.isEmpty());
  for (int i = 0; i < 5; ++i) EXPECT_EQ(skin.display_raw[208 + 4 * i + 3], 0) << "colour " << i;
}

TEST_P(SkinResources, PicturesShareTheWindowSizeAndTheMaskIsPure) {
  ASSERT_FALSE(skin.normal.isNull());
  EXPECT_EQ(skin.extended.size(), skin.normal.size());
  ASSERT_EQ(skin.mask.size(), skin.normal.size());
  // Only the red channel carries meaning; a smoothed edge would invent ids between areas.
  std::set<int> ids(skin.ids.begin(), skin.ids.end());
  for (int y = 0; y < skin.mask.height(); ++y) {
    for (int x = 0; x < skin.mask.width(); ++x) {
      const QRgb c = skin.mask.pixel(x, y);
      if (c == qRgb(255, 255, 255)) continue;
      ASSERT_TRUE(qGreen(c) == 0 && qBlue(c) == 0 && ids.count(qRed(c)))
          << "stray mask colour at " << x << "," << y;
    }
  }
}

TEST_P(SkinResources, DoublePicturesAreTheSameArtAtTwiceTheResolution) {
  // Averaged back to 1x, the 2x looks match the 1x looks but for antialiasing and hinting: a
  // shape drawn in the wrong place or at the wrong scale shows as a large difference.
  const std::pair<const QImage*, const QImage*> looks[2] = {
      {&skin.normal, &skin.normal_double}, {&skin.extended, &skin.extended_double}};
  for (const auto& [single, doubled] : looks) {
    ASSERT_EQ(doubled->size(), single->size() * 2);
    const QImage down =
        doubled->convertToFormat(QImage::Format_RGB32)
            .scaled(single->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long off = 0;
    for (int y = 0; y < single->height(); ++y) {
      for (int x = 0; x < single->width(); ++x) {
        const QRgb a = single->pixel(x, y), b = down.pixel(x, y);
        const int d = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                      std::abs(qBlue(a) - qBlue(b));
        off += d > 96;
      }
    }
    EXPECT_LT(off, single->width() * single->height() / 100);
  }
}

TEST_P(SkinResources, EveryAreaOwnsItsRectangleInTheMask) {
  ASSERT_EQ(skin.areas.size(), 129u);
  ASSERT_EQ(skin.ids.size(), 129u);
  std::map<int, int> area_of_id;
  for (int i = 0; i < 129; ++i) {
    EXPECT_LT(skin.ids[i], 255) << "area " << i << " would match the white background";
    EXPECT_TRUE(area_of_id.emplace(skin.ids[i], i).second) << "id of area " << i << " repeated";
  }
  std::vector<long> owned(129, 0);
  for (int y = 0; y < skin.mask.height(); ++y) {
    for (int x = 0; x < skin.mask.width(); ++x) {
      auto it = area_of_id.find(qRed(skin.mask.pixel(x, y)));
      if (it == area_of_id.end()) continue;
      ASSERT_TRUE(skin.areas[it->second].contains(x, y))
          << "area " << it->second << " leaks to " << x << "," << y;
      ++owned[it->second];
    }
  }
  for (int i = 0; i < 129; ++i) {
    const QRect r = skin.areas[i];
    ASSERT_FALSE(r.isEmpty()) << "area " << i;
    const QPoint centre(r.x() + r.width() / 2, r.y() + r.height() / 2);
    EXPECT_EQ(qRed(skin.mask.pixel(centre)), skin.ids[i]) << "centre of area " << i;
    EXPECT_GE(owned[i] * 4, static_cast<long>(r.width()) * r.height() * 3)
        << "area " << i << " is mostly not clickable";
    for (int j = i + 1; j < 129; ++j) {
      EXPECT_FALSE(r.intersects(skin.areas[j])) << "areas " << i << " and " << j << " overlap";
    }
  }
}

TEST_P(SkinResources, ExtendedLookDiffersInEveryArea) {
  for (int i = 0; i < 129; ++i) {
    const QRect r = skin.areas[i];
    EXPECT_NE(skin.normal.copy(r), skin.extended.copy(r)) << "area " << i << " has one look only";
  }
}

TEST_P(SkinResources, OutlineIsClosedAndHoldsEverythingClickable) {
  ASSERT_TRUE(skin.outline_closed);
  ASSERT_EQ(skin.polygons.size(), 1u);
  const QRegion inside = skin.Outline();
  EXPECT_EQ(inside.boundingRect(), skin.normal.rect()) << "the outline should span the picture";
  for (int i = 0; i < 129; ++i) {
    EXPECT_TRUE(Inside(inside, skin.areas[i])) << "area " << i << " is cut by the outline";
  }
  for (int s = 0; s < 12; ++s) EXPECT_TRUE(Inside(inside, skin.display_slots[s])) << "slot " << s;
  EXPECT_TRUE(Inside(inside, skin.IndicatorFrame()));
  for (int y = 0; y < skin.mask.height(); ++y) {
    for (int x = 0; x < skin.mask.width(); ++x) {
      if (!inside.contains(QPoint(x, y))) {
        ASSERT_EQ(skin.mask.pixel(x, y), qRgb(255, 255, 255))
            << "clickable outside at " << x << "," << y;
      }
    }
  }
}

TEST_P(SkinResources, GlyphsFitTheirSlotsAndNothingCoversThem) {
  ASSERT_EQ(skin.display_slots.size(), 12u);
  ASSERT_EQ(skin.glyphs.size(), 14u);
  const QSize digit = skin.display_slots[0].size();
  const QSize separator = skin.display_slots[1].size();
  for (int s = 0; s < 12; ++s) {
    EXPECT_EQ(skin.display_slots[s].size(), IsSeparatorSlot(s) ? separator : digit) << "slot " << s;
  }
  for (int g = 0; g < 14; ++g) {
    const QRect r = skin.glyphs[g];
    EXPECT_EQ(r.size(), g <= 10 ? digit : separator) << "glyph " << g;
    EXPECT_TRUE(skin.extended.rect().contains(r)) << "glyph " << g;
    // Glyphs are only copied from; under an area or a display they would show on screen.
    for (int i = 0; i < 129; ++i) EXPECT_FALSE(r.intersects(skin.areas[i])) << g << "/" << i;
    for (const QRect& s : skin.display_slots) EXPECT_FALSE(r.intersects(s)) << "glyph " << g;
    EXPECT_FALSE(r.intersects(skin.IndicatorFrame())) << "glyph " << g;
  }
  // Each figure must be its own picture, and the narrow blank the blank slot colour.
  for (int a = 0; a <= 11; ++a) {
    for (int b = a + 1; b <= 12; ++b) {
      if (skin.glyphs[a].size() != skin.glyphs[b].size()) continue;
      EXPECT_NE(skin.extended.copy(skin.glyphs[a]), skin.extended.copy(skin.glyphs[b]))
          << "glyphs " << a << " and " << b << " look the same";
    }
  }
  QImage blank(separator, QImage::Format_RGB32);
  blank.fill(skin.colours[0]);
  EXPECT_EQ(skin.extended.copy(skin.glyphs[13]), blank);
}

TEST_P(SkinResources, DisplaysAndIndicatorStayClearOfTheAreas) {
  const QRect frame = skin.IndicatorFrame();
  for (int i = 0; i < 129; ++i) {
    EXPECT_FALSE(frame.intersects(skin.areas[i])) << "indicator over area " << i;
    for (int s = 0; s < 12; ++s) {
      EXPECT_FALSE(skin.display_slots[s].intersects(skin.areas[i])) << s << "/" << i;
    }
  }
  for (int a = 0; a < 12; ++a) {
    EXPECT_FALSE(skin.display_slots[a].intersects(frame)) << "slot " << a;
    for (int b = a + 1; b < 12; ++b) {
      EXPECT_FALSE(skin.display_slots[a].intersects(skin.display_slots[b])) << a << "/" << b;
    }
  }
}

TEST_P(SkinResources, IndicatorMarksMatchTheirSources) {
  ASSERT_EQ(skin.marks.size(), 27u);
  ASSERT_EQ(skin.sources.size(), 3u);
  const QRect frame = skin.IndicatorFrame();
  for (int kind = 0; kind < 3; ++kind) {
    const QRect source = skin.sources[kind];
    EXPECT_TRUE(skin.extended.rect().contains(source)) << "source " << kind;
    EXPECT_FALSE(source.intersects(frame)) << "source " << kind << " inside the indicator";
    for (int i = 0; i < 129; ++i) EXPECT_FALSE(source.intersects(skin.areas[i])) << kind;
    for (const QRect& g : skin.glyphs) EXPECT_FALSE(source.intersects(g)) << kind;
    for (int i = 0; i < 9; ++i) {
      EXPECT_EQ(skin.marks[9 * kind + i].size(), source.size()) << "mark " << 9 * kind + i;
    }
    // A lit mark must look different from the unlit one it covers.
    EXPECT_NE(skin.extended.copy(source), skin.normal.copy(skin.marks[9 * kind])) << kind;
  }
  for (int a = 0; a < 27; ++a) {
    for (int b = a + 1; b < 27; ++b) {
      EXPECT_FALSE(skin.marks[a].intersects(skin.marks[b])) << "marks " << a << ", " << b;
    }
  }
  // Columns run left to right, rows top to bottom, blocks row by row.
  for (int i = 1; i < 9; ++i) {
    EXPECT_GT(skin.marks[i].left(), skin.marks[i - 1].left());
    EXPECT_GT(skin.marks[9 + i].top(), skin.marks[9 + i - 1].top());
  }
  EXPECT_GT(skin.marks[18 + 1].left(), skin.marks[18].left());
  EXPECT_GT(skin.marks[18 + 3].top(), skin.marks[18].top());
}

TEST_P(SkinResources, CellsAreOrderedAndTextRectsAreTheDerivation) {
  ASSERT_EQ(skin.text_rects.size(), 81u);
  for (int cell = 0; cell < 81; ++cell) {
    const QRect a = skin.areas[45 + cell];
    EXPECT_EQ(skin.text_rects[cell], a.adjusted(5, 5, -5, -5).translated(1, 1)) << "cell " << cell;
    EXPECT_EQ(a.size(), skin.areas[45].size()) << "cell " << cell;
    if (cell % 9) {
      EXPECT_GT(a.left(), skin.areas[45 + cell - 1].right()) << "cell " << cell;
    }
    if (cell >= 9) {
      EXPECT_GT(a.top(), skin.areas[45 + cell - 9].bottom()) << "cell " << cell;
    }
  }
}

TEST_P(SkinResources, CellDigitsStandOutFromTheirFaces) {
  // Candidates and decided digits go on the normal face, givens on the extended one.
  for (int cell : {0, 40, 80}) {
    const QRect face = skin.text_rects[cell];
    const QRgb normal = Average(skin.normal, face);
    const QRgb given = Average(skin.extended, face);
    EXPECT_GE(Contrast(normal, skin.colours[1]), 3.0) << "candidates, cell " << cell;
    EXPECT_GE(Contrast(normal, skin.colours[3]), 1.9) << "decided digit, cell " << cell;
    EXPECT_GE(Contrast(given, skin.colours[2]), 3.0) << "given, cell " << cell;
    EXPECT_GE(Contrast(normal, skin.colours[4]), 2.0) << "cursor, cell " << cell;
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinResources, ::testing::ValuesIn(AllSkins()),
                         [](const auto& info) { return info.param.label.toStdString(); });

// The compiled-in skin is the one the game falls back to: its values are fixed.
TEST(BuiltinSkin, IsReachableAndHasTheStandardValues) {
  RegisterBuiltinSkin();
  RegisterBuiltinSkin();
  EXPECT_EQ(QFile(":/skin/rcdata/100").size(), 258);
  const LoadedSkin& skin = Load({"Builtin", {}});
  EXPECT_EQ(skin.normal.size(), QSize(1012, 695));
  ASSERT_EQ(skin.polygons.size(), 1u);
  EXPECT_EQ(skin.polygons[0].size(), 36);
  EXPECT_EQ(skin.outline_raw.size(), 36 * 4 + 2);
  const std::array<QRgb, 5> colours = {qRgb(189, 184, 133), qRgb(0, 0, 255), qRgb(204, 0, 0),
                                       qRgb(255, 144, 0), qRgb(255, 0, 0)};
  EXPECT_EQ(skin.colours, colours);
  for (int i = 0; i < 129; ++i) {
    const int id = i < 36 ? i : i < 45 ? 50 + i - 36 : i < 126 ? 100 + i - 45 : 200 + i - 126;
    EXPECT_EQ(skin.ids[i], id) << "area " << i;
  }
}

TEST(SkinModules, TheNightSkinIsBuilt) {
  EXPECT_TRUE(QFile::exists(QStringLiteral(SKIN_MODULE_DIR "/SdSkinNacht.rcc")));
  // Modules are read through their own mapping and never replace the built-in tree.
  RegisterBuiltinSkin();
  const LoadedSkin& builtin = Load({"Builtin", {}});
  for (const SkinSource& source : AllSkins()) {
    if (source.module.isEmpty()) continue;
    EXPECT_NE(Load(source).name, builtin.name) << source.label.toStdString();
  }
}

}  // namespace
}  // namespace sudoku::skin_check
