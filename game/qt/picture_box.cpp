#include "game/qt/picture_box.h"

#include <QPainter>
#include <string>

#include "game/cp932.h"
#include "game/game_error.h"
#include "game/qt/qt_path.h"

namespace {

// The message of a failed load, in code page 932; a path that code page 932 cannot spell is
// named by its file name alone.
std::string LoadFailure(const std::filesystem::path& file, bool missing) {
  std::u8string utf8 = file.u8string();
  std::optional<std::string> name = TryCp932FromUtf8(std::string(utf8.begin(), utf8.end()));
  if (!name) {
    std::u8string bare = file.filename().u8string();
    name = TryCp932FromUtf8(std::string(bare.begin(), bare.end())).value_or("?");
  }
  return missing ? Sjis("ファイル ") + *name + Sjis(" が見つかりません")
                 : Sjis("画像ファイル ") + *name + Sjis(" を読み込めません");
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::loadFromFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) throw GameError(LoadFailure(file, true));
  QImage loaded;
  if (!loaded.load(QtPath(file))) throw GameError(LoadFailure(file, false));
  picture_ = loaded.convertToFormat(QImage::Format_RGB32);
  update();
}

void PictureBox::setStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

QImage& PictureBox::surface() {
  if (picture_.isNull()) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
  }
  return picture_;
}

void PictureBox::fillBlack(const QRect& area) {
  QPainter painter(&surface());
  painter.fillRect(area, Qt::black);
  update();
}

void PictureBox::copyStretched(const PictureBox& from, const QRect& source, const QRect& destination) {
  QImage copied(source.size(), QImage::Format_RGB32);
  copied.fill(Qt::black);
  if (!from.picture_.isNull()) {
    QPainter sourcePainter(&copied);
    sourcePainter.drawImage(QPoint(0, 0), from.picture_, source);
  }
  QPainter painter(&surface());
  painter.drawImage(destination, copied);
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (stretch_) {
    painter.drawImage(rect(), picture_);
  } else {
    painter.drawImage(QPoint(0, 0), picture_);
  }
}
