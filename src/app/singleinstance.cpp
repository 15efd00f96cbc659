#include "singleinstance.h"

#include <sys/stat.h>

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>

namespace mensurio {
namespace {

// Silent unless asked for: QT_LOGGING_RULES="mensurio.instance.info=true".
Q_LOGGING_CATEGORY(lcInstance, "mensurio.instance", QtWarningMsg)

constexpr int kConnectMs = 500;
// How long a start keeps trying when the owner ends while it looks.
constexpr int kClaimMs = 1000;

}  // namespace

SingleInstance::SingleInstance(const QString& directory, QObject* parent)
    : QObject(parent), name_(ServerName(directory)) {
  server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    // Every connection is a later start on the directory: nothing else
    // knows the name.
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      socket->disconnectFromServer();
    }
    qCInfo(lcInstance) << "raise requested";
    emit RaiseRequested();
  });
}

QString SingleInstance::ServerName(const QString& directory) {
  // The directory itself, not its path: a link, a bind mount or a rename
  // while the program runs lead to the same files.
  QByteArray key;
  struct stat st {};
  if (::stat(QFile::encodeName(directory).constData(), &st) == 0) {
    key = QByteArray::number(static_cast<quint64>(st.st_dev)) + ":" +
          QByteArray::number(static_cast<quint64>(st.st_ino));
  } else {
    QFileInfo info(directory);
    key = (info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath()).toUtf8();
  }
  QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
  return "mensurio-" + QString::fromLatin1(hash.left(32));
}

bool SingleInstance::Claim() {
  QElapsedTimer clock;
  clock.start();
  do {
    if (server_.listen(name_)) {
      qCInfo(lcInstance) << "serving" << name_;
      return true;
    }
    if (AskOwnerToRaise()) {
      qCInfo(lcInstance) << "asked the running program to raise its window";
      return false;
    }
    QThread::msleep(50);
  } while (clock.elapsed() < kClaimMs);
  // Neither owner nor reachable: the user is not locked out.
  qCWarning(lcInstance) << "cannot listen at" << name_ << ":" << server_.errorString();
  return true;
}

bool SingleInstance::AskOwnerToRaise() {
  QLocalSocket socket;
  socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectMs)) return false;
  // The owner acts on the connection itself; the line only says why.
  socket.write("raise\n");
  socket.waitForBytesWritten(kConnectMs);
  socket.disconnectFromServer();
  return true;
}

}  // namespace mensurio
