#pragma once
// One running copy per user: the first start holds a lock and listens; a second start finds the
// lock taken, asks the first one to come to the front and ends.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace sudoku {

class SingleInstance : public QObject {
 public:
  // `name` keys the lock and the channel; tests give their own.
  explicit SingleInstance(const QString& name = DefaultName());
  ~SingleInstance() override;

  // True for the first copy. Otherwise the running copy has been told to come to the front.
  bool Acquire();
  // Called in the first copy when another start knocks.
  std::function<void()> onComeToFront;

  static QString DefaultName();

 private:
  QString name_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLocalServer> server_;
};

}  // namespace sudoku
