#pragma once
// One running copy per user: the first start holds a lock and listens; a second start finds the
// lock taken, asks the first one to come to the front and ends.

#include <QByteArray>
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

  // True for the first copy. Otherwise the running copy has been told to come to the front,
  // with the launcher's token of this start (see LaunchToken).
  bool Acquire(const QByteArray& launchToken = {});
  // Called in the first copy when another start knocks, with that start's token (may be empty).
  std::function<void(const QByteArray& launchToken)> onComeToFront;

  static QString DefaultName();

 private:
  QString name_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLocalServer> server_;
};

// The token a desktop's launcher gives a start so that its window may come to the front:
// XDG_ACTIVATION_TOKEN on Wayland, DESKTOP_STARTUP_ID on X11. Read before the application object
// exists, which takes it away.
QByteArray LaunchToken();

// Lets the next activation of a window use a token handed over by a second start.
void UseLaunchToken(const QByteArray& token);

// Ends the launcher's busy feedback of a start that opens no window of its own.
void EndLaunchFeedback(const QByteArray& launchToken);

}  // namespace sudoku
