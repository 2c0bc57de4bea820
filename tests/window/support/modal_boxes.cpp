#include "support/modal_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

class ModalBoxAnswerer::Watcher : public QObject {
 public:
  Watcher(ModalBoxAnswerer& owner, Answer answer) : owner_(owner), answer_(std::move(answer)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
  }

 private:
  void poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == answered_) return;
    answered_ = modal;
    SeenBox seen;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen.caption = box->windowTitle();
      seen.text = box->text();
      seen.icon = box->icon();
      for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    }
    owner_.seen_.push_back(seen);
    if (answer_) {
      answer_(modal);
    } else {
      QTest::keyClick(modal, Qt::Key_Escape);
    }
  }

  ModalBoxAnswerer& owner_;
  Answer answer_;
  QTimer timer_;
  QPointer<QWidget> answered_;
};

ModalBoxAnswerer::ModalBoxAnswerer(Answer answer) : watcher_(new Watcher(*this, std::move(answer))) {}

ModalBoxAnswerer::~ModalBoxAnswerer() { delete watcher_; }

void TypeText(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size();) {
    qsizetype units = text[i].isHighSurrogate() ? 2 : 1;
    QString character = text.mid(i, units);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &release);
    i += units;
  }
}
