// The painter as the build runs it, and the properties the build relies on.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "skin_art.h"
#include "skin_description.h"
#include "skin_tables.h"

namespace sudoku::skin_painter {
namespace {

int RunPainter(const QStringList& args, QString* errors = nullptr) {
  QProcess process;
  process.start(QStringLiteral(SKIN_PAINTER), args);
  if (!process.waitForFinished(60000)) return -1;
  if (errors) *errors = QString::fromLocal8Bit(process.readAllStandardError());
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(SkinPainter, WritesEveryResourceAndAQrcThatNamesThem) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QString errors;
  ASSERT_EQ(RunPainter({"--style", "nacht", "--out", dir.path()}, &errors), 0)
      << errors.toStdString();
  QFile qrc(dir.filePath("skin.qrc"));
  ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(qrc.readAll());
  EXPECT_TRUE(text.contains("prefix=\"/skin\""));

  QStringList aliases;
  const QRegularExpression entry(R"re(alias="([^"]+)"[^>]*>([^<]+)</file>)re");
  for (auto it = entry.globalMatch(text); it.hasNext();) {
    const auto match = it.next();
    aliases << match.captured(1);
    EXPECT_TRUE(QFile::exists(dir.filePath(match.captured(2)))) << match.captured(2).toStdString();
  }
  aliases.sort();
  EXPECT_EQ(aliases,
            QStringList({"bitmap/100", "bitmap/100@2x", "bitmap/101", "bitmap/101@2x", "bitmap/102",
                         "rcdata/100", "rcdata/101", "rcdata/102", "rcdata/103", "rcdata/104",
                         "rcdata/105", "string/100", "string/101"}));
  QFile name(dir.filePath("string/100.txt"));
  ASSERT_TRUE(name.open(QIODevice::ReadOnly));
  EXPECT_EQ(name.readAll(), "Nacht");
}

TEST(SkinPainter, WritesPreviewsOfBothLooksTheMaskAndTheOutline) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // The arguments in either order.
  ASSERT_EQ(RunPainter({"--preview", dir.path(), "--style", "standard"}), 0);
  for (const char* kind : {"normal", "extended", "mask", "outline", "game"}) {
    const QImage image(dir.filePath(QStringLiteral("standard-%1.png").arg(kind)));
    EXPECT_EQ(image.size(), QSize(1012, 695)) << kind;
  }
}

TEST(SkinPainter, RefusesIncompleteOrUnknownArguments) {
  QTemporaryDir dir;
  EXPECT_EQ(RunPainter({}), 2);
  EXPECT_EQ(RunPainter({"--style", "bunt", "--out", dir.path()}), 2);
  EXPECT_EQ(RunPainter({"--style", "standard"}), 2);
  EXPECT_EQ(RunPainter({"--style", "standard", "--out", dir.path(), "--preview", dir.path()}), 2);
  EXPECT_EQ(RunPainter({"--style", "standard", "--out"}), 2);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(SkinPainter, ReportsAnUnwritableFolder) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QString errors;
  EXPECT_EQ(RunPainter({"--style", "standard", "--out", dir.filePath("file/skin")}, &errors), 1);
  EXPECT_TRUE(errors.contains("skin-painter:")) << errors.toStdString();
}

// Builds must not change a skin that nobody changed: painting is free of chance and of
// uninitialised pixels.
TEST(SkinPainter, PaintsTheSameSkinEveryTime) {
  for (Style style : {Style::kStandard, Style::kNacht}) {
    const SkinDescription skin = DescribeSkin(style);
    const SkinPictures first = PaintSkin(skin);
    const SkinPictures second = PaintSkin(DescribeSkin(style));
    EXPECT_EQ(first.normal, second.normal);
    EXPECT_EQ(first.extended, second.extended);
    EXPECT_EQ(first.mask, second.mask);
    EXPECT_EQ(DisplayTable(skin), DisplayTable(DescribeSkin(style)));
  }
}

TEST(SkinPainter, NightSkinIsLaidOutDifferently) {
  const SkinDescription standard = DescribeSkin(Style::kStandard);
  const SkinDescription nacht = DescribeSkin(Style::kNacht);
  // The board swaps sides with the controls; the title band stays where it is.
  EXPECT_LT(standard.areas[kCellArea].left(), standard.areas[kSetDigitArea].left());
  EXPECT_GT(nacht.areas[kCellArea].left(), nacht.areas[kSetDigitArea].left());
  EXPECT_EQ(standard.areas[kTitleArea], nacht.areas[kTitleArea]);
  EXPECT_NE(OutlineTable(standard), OutlineTable(nacht));
}

}  // namespace
}  // namespace sudoku::skin_painter
