#include <gtest/gtest.h>

#include <QTest>

#include "ui/single_instance.h"

namespace sudoku {
namespace {

TEST(SingleInstance, ASecondStartBringsTheFirstToTheFront) {
  const QString name = "SudokuTest." + QString::number(QCoreApplication::applicationPid());
  SingleInstance first(name);
  ASSERT_TRUE(first.Acquire());
  QList<QByteArray> tokens;
  first.onComeToFront = [&](const QByteArray& token) { tokens << token; };
  // The launcher's token travels along; one that could smuggle anything is dropped.
  for (const QByteArray& token : {QByteArray("gnome-shell/Sudoku/1234-0-host_TIME42"),
                                  QByteArray("two words"), QByteArray()}) {
    SingleInstance second(name);
    EXPECT_FALSE(second.Acquire(token));
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return tokens.size() == 3; }, 3000));
  EXPECT_EQ(tokens.count("gnome-shell/Sudoku/1234-0-host_TIME42"), 1);
  EXPECT_EQ(tokens.count(""), 2);
}

}  // namespace
}  // namespace sudoku
