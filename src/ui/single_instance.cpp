#include "ui/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace sudoku {
namespace {

constexpr const char* kComeToFront = "front\n";

}  // namespace

QString SingleInstance::DefaultName() {
  const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", "user"));
  return "Quillbrook.Sudoku." + user;
}

SingleInstance::SingleInstance(const QString& name) : name_(name) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  lock_ = std::make_unique<QLockFile>(dir + "/" + name_ + ".lock");
  lock_->setStaleLockTime(0);  // a lock of a crashed copy is recognised by its dead process
  if (!lock_->tryLock(100)) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(1000)) {
      socket.write(kComeToFront);
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
        if (socket->readAll().startsWith("front") && onComeToFront) onComeToFront();
        socket->deleteLater();
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
  return true;
}

}  // namespace sudoku
