#pragma once

#include <QMessageBox>
#include <memory>

// The window's modal boxes. Each runs its own event loop while it is open, so the window's
// timers go on behind it.

// A question with the buttons "はい(&Y)" (the default, Enter) and "いいえ(&N)" (Escape).
class ConfirmationBox : public QMessageBox {
 public:
  ConfirmationBox(const QString& message, const QString& caption, QWidget* parent);

  // Shows the box until it is closed. False only for No; closing the box any other way (its
  // close box, the system menu) goes on like Yes.
  bool ask();

  QAbstractButton* yesButton() const { return yes_; }
  QAbstractButton* noButton() const { return no_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QAbstractButton* yes_;
  QAbstractButton* no_;
  bool closedByWindow_ = false;
};

// A plain message captioned with the application title, with one "OK" button.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& message, QWidget* parent);

// An error box captioned with the application title, with one "OK" button.
std::unique_ptr<QMessageBox> MakeErrorBox(const QString& message, QWidget* parent);
