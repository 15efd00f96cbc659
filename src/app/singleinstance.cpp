#include "singleinstance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QThread>

#include <cerrno>
#include <cstring>

namespace mensurio {
namespace {

// Silent unless asked for: QT_LOGGING_RULES="mensurio.instance.info=true".
Q_LOGGING_CATEGORY(lcInstance, "mensurio.instance", QtWarningMsg)

constexpr int kConnectMs = 500;
// How long a start keeps trying when the owner ends while it looks.
constexpr int kClaimMs = 1000;

// The address of `name` in the abstract namespace: a leading zero byte, then
// the name without a terminator.
socklen_t AbstractAddress(const QString& name, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  const QByteArray bytes = name.toUtf8().left(sizeof address.sun_path - 1);
  std::memcpy(address.sun_path + 1, bytes.constData(), bytes.size());
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + bytes.size());
}

int StreamSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0); }

}  // namespace

SingleInstance::SingleInstance(const QString& directory, QObject* parent)
    : QObject(parent), name_(ServerName(directory)) {}

SingleInstance::~SingleInstance() {
  notifier_.reset();
  if (listener_ >= 0) ::close(listener_);
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
    if (Listen()) {
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
  qCWarning(lcInstance) << "cannot listen at" << name_ << ":" << std::strerror(errno);
  return true;
}

bool SingleInstance::Listen() {
  int fd = StreamSocket();
  if (fd < 0) return false;
  sockaddr_un address;
  socklen_t length = AbstractAddress(name_, address);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 8) != 0) {
    int error = errno;
    ::close(fd);
    errno = error;
    return false;
  }
  listener_ = fd;
  notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::AcceptWaitingStarts);
  return true;
}

void SingleInstance::AcceptWaitingStarts() {
  // Every connection is a later start on the directory: nothing else knows
  // the name, and the connection itself is the request.
  bool any = false;
  for (int fd; (fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0; any = true) ::close(fd);
  if (!any) return;
  qCInfo(lcInstance) << "raise requested";
  emit RaiseRequested();
}

bool SingleInstance::AskOwnerToRaise() const {
  int fd = StreamSocket();
  if (fd < 0) return false;
  sockaddr_un address;
  socklen_t length = AbstractAddress(name_, address);
  bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0;
  if (!connected && errno == EAGAIN) {  // the owner's queue is full for a moment
    pollfd wait{fd, POLLOUT, 0};
    connected = ::poll(&wait, 1, kConnectMs) == 1 && (wait.revents & POLLOUT);
  }
  if (connected) {
    // The owner acts on the connection itself; the line only says why.
    ssize_t written = ::send(fd, "raise\n", 6, MSG_NOSIGNAL);
    (void)written;
  }
  ::close(fd);
  return connected;
}

}  // namespace mensurio
