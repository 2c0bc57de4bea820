#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <vector>

// What a modal box showed.
struct SeenBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// While alive, answers every modal box that opens: records it, then lets `answer` close it
// (by default with Escape, or Enter when the box has no escape button).
class ModalBoxAnswerer {
 public:
  using Answer = std::function<void(QWidget* box)>;
  explicit ModalBoxAnswerer(Answer answer = {});
  ~ModalBoxAnswerer();
  ModalBoxAnswerer(const ModalBoxAnswerer&) = delete;
  ModalBoxAnswerer& operator=(const ModalBoxAnswerer&) = delete;

  const std::vector<SeenBox>& seen() const { return seen_; }

 private:
  class Watcher;
  Watcher* watcher_;
  std::vector<SeenBox> seen_;
};

// Types text into a widget as key presses, one character (code point) per key.
void TypeText(QWidget* widget, const QString& text);
