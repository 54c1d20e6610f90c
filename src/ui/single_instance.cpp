#include "ui/single_instance.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWindow>

namespace sudoku {
namespace {

constexpr const char* kComeToFront = "front";
constexpr qsizetype kMaxToken = 256;

// A token is printable ASCII without blanks; anything else is not passed on.
QByteArray CheckedToken(const QByteArray& token) {
  if (token.size() > kMaxToken) return {};
  for (char c : token) {
    if (c <= ' ' || c > '~') return {};
  }
  return token;
}

}  // namespace

QString SingleInstance::DefaultName() {
  const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", "user"));
  return "Quillbrook.Sudoku." + user;
}

SingleInstance::SingleInstance(const QString& name) : name_(name) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire(const QByteArray& launchToken) {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  lock_ = std::make_unique<QLockFile>(dir + "/" + name_ + ".lock");
  lock_->setStaleLockTime(0);  // a lock of a crashed copy is recognised by its dead process
  if (!lock_->tryLock(100)) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(1000)) {
      const QByteArray token = CheckedToken(launchToken);
      socket.write(QByteArray(kComeToFront) + (token.isEmpty() ? "" : " " + token) + "\n");
      socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
    }
    lock_.reset();
    return false;
  }
  server_ = std::make_unique<QLocalServer>();
  QLocalServer::removeServer(name_);  // a socket left by a crashed copy
  server_->listen(name_);
  connect(server_.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        const QList<QByteArray> words = socket->readAll().trimmed().split(' ');
        if (words.value(0) == kComeToFront && onComeToFront) {
          onComeToFront(CheckedToken(words.value(1)));
        }
        socket->deleteLater();
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
  return true;
}

QByteArray LaunchToken() {
  const QByteArray wayland = qgetenv("XDG_ACTIVATION_TOKEN");
  return CheckedToken(wayland.isEmpty() ? qgetenv("DESKTOP_STARTUP_ID") : wayland);
}

void UseLaunchToken(const QByteArray& token) {
  // Wayland lets a window come to the front only with the token of the user's launch; Qt spends
  // this variable on the next activation.
  if (!token.isEmpty() && QGuiApplication::platformName() == "wayland") {
    qputenv("XDG_ACTIVATION_TOKEN", token);
  }
}

void EndLaunchFeedback(const QByteArray& launchToken) {
  // On X11 Qt ends the launch sequence when the process shows its first window; a second start
  // shows none, so a window that is never seen (unmanaged, off the screen) does it.
  if (launchToken.isEmpty() || QGuiApplication::platformName() != "xcb") return;
  QWindow marker;
  marker.setFlags(Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint |
                  Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
  marker.setGeometry(-100, -100, 1, 1);
  marker.show();
}

}  // namespace sudoku
