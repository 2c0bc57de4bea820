#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <filesystem>

// A picture control with a drawing surface. The picture is drawn at the top left, or stretched
// to the control when the stretch flag is set; with no picture the control draws nothing. The
// loaded picture is itself the drawing surface; drawing before any picture has been loaded
// first gives the control an empty surface of its own size.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent);

  // Replaces the picture. Throws GameError naming the file when it is missing or unreadable.
  void loadFromFile(const std::filesystem::path& file);

  void setStretch(bool stretch);
  bool stretch() const { return stretch_; }

  // Rectangles exclude their right and bottom edges.
  void fillBlack(const QRect& area);
  // A plain stretched copy (no smoothing) of source, a rectangle of the other control's surface,
  // into destination. Pixels of source that lie outside that surface copy as black.
  void copyStretched(const PictureBox& from, const QRect& source, const QRect& destination);

  const QImage& picture() const { return picture_; }
  // The surface the next drawing works on: the picture, or a new empty one.
  QImage& surface();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;  // null: no picture
  bool stretch_ = false;
};
