// One running program per data directory: two windows over the same files
// would each write records at numbers the other has shifted. The first start
// on a directory owns it; a later start on the same directory asks the first
// to bring its window to the front and ends. Starts on different directories
// do not meet.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <memory>

namespace mensurio {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `directory`: the data directory; the directory itself (its device and
  // inode) is the key, whatever path leads to it.
  explicit SingleInstance(const QString& directory, QObject* parent = nullptr);
  ~SingleInstance() override;
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // The name both starts on the directory meet at.
  static QString ServerName(const QString& directory);

  // True when this program now owns the directory and listens for later
  // starts. The name is a socket in the abstract namespace, which the system
  // releases with the process that held it, so a program that crashed or was
  // killed never locks the user out. False when a running program owns it and
  // was asked to come to the front: this start is to end.
  bool Claim();

 signals:
  // A later start on the same directory wants the window in front.
  void RaiseRequested();

 private:
  bool Listen();
  bool AskOwnerToRaise() const;
  void AcceptWaitingStarts();

  QString name_;
  int listener_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace mensurio
