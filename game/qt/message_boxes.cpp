#include "game/qt/message_boxes.h"

#include <QCloseEvent>
#include <QPushButton>

#include "game/qt/title_texts.h"

ConfirmationBox::ConfirmationBox(const QString& message, const QString& caption, QWidget* parent)
    : QMessageBox(QMessageBox::Question, caption, message, QMessageBox::NoButton, parent) {
  setTextFormat(Qt::PlainText);
  yes_ = addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
  no_ = addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
  setDefaultButton(static_cast<QPushButton*>(yes_));
  setEscapeButton(no_);
}

bool ConfirmationBox::ask() {
  closedByWindow_ = false;
  exec();
  return closedByWindow_ || clickedButton() != no_;
}

void ConfirmationBox::closeEvent(QCloseEvent* event) {
  closedByWindow_ = true;
  QMessageBox::closeEvent(event);
}

namespace {

std::unique_ptr<QMessageBox> MakeBox(QMessageBox::Icon icon, const QString& message, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(icon, QString::fromLatin1(kApplicationTitle), message,
                                           QMessageBox::NoButton, parent);
  box->setTextFormat(Qt::PlainText);
  QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box->setDefaultButton(ok);
  box->setEscapeButton(ok);
  return box;
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const QString& message, QWidget* parent) {
  return MakeBox(QMessageBox::NoIcon, message, parent);
}

std::unique_ptr<QMessageBox> MakeErrorBox(const QString& message, QWidget* parent) {
  return MakeBox(QMessageBox::Critical, message, parent);
}
