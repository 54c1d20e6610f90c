#include <gtest/gtest.h>

#include <QTest>

#include "ui/single_instance.h"

namespace sudoku {
namespace {

TEST(SingleInstance, ASecondStartBringsTheFirstToTheFront) {
  const QString name = "SudokuTest." + QString::number(QCoreApplication::applicationPid());
  SingleInstance first(name);
  ASSERT_TRUE(first.Acquire());
  int knocks = 0;
  first.onComeToFront = [&] { ++knocks; };
  {
    SingleInstance second(name);
    EXPECT_FALSE(second.Acquire());
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return knocks == 1; }, 3000));
}

}  // namespace
}  // namespace sudoku
