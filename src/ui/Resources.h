#pragma once
// The program's built-in pictures, by their resource numbers: dice faces 11..66 (ten times
// the die plus the face), icons 67..73, the pointing-hand cursor 74, the background and the
// splash window's picture.
// Each is built in twice: as drawn for the window's 800 x 600 logical pixels, and repainted at
// twice the resolution for high-density screens. Given the device pixel ratio of where it
// shows, a picture comes back in the variant that suits it, carrying that variant's ratio, so
// its logical size is the same either way.
// A picture that is not built in comes back null.
#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include <functional>

class QPainter;
class QWidget;

namespace resources {
// The variant drawn for a device pixel ratio: 1 up to a ratio of 1, else 2 (which Qt shrinks
// smoothly for ratios between).
int pictureScale(qreal devicePixelRatio);

QPixmap bitmap(int id, qreal devicePixelRatio = 1);
// The window icon: the 1x picture, with the 2x one beside it on high-density screens.
QIcon icon(int id, qreal devicePixelRatio = 1);
QPixmap iconPixmap(int id, qreal devicePixelRatio = 1);
QCursor cursor(int id, qreal devicePixelRatio = 1);
QPixmap background(qreal devicePixelRatio = 1);
QPixmap splash(qreal devicePixelRatio = 1);

// A picture a widget paints whole, loaded at its first paint for the widget's pixel ratio and
// again only when that ratio asks for the other variant (the window moved to another screen).
class Picture {
  public:
    explicit Picture(std::function<QPixmap(qreal)> load) : load_(std::move(load)) {}
    const QPixmap& forRatio(qreal devicePixelRatio);

  private:
    std::function<QPixmap(qreal)> load_;
    QPixmap loaded_;
    int scale_ = 0;
};

// The pixel ratio of what a painter really paints on: the backing store, or the image a
// render() or grab() fills, which may differ from the widget's own screen.
qreal targetRatio(const QPainter& painter);

// Paints `picture` from the widget's top left corner, or the table's felt green without one.
void paintPicture(QWidget* widget, const QPixmap& picture);
// The same for a widget's Picture, in the variant for the ratio painted at.
void paintPicture(QWidget* widget, Picture& picture);

inline constexpr int SoundOn = 67, SoundOff = 68, AlarmIcon = 69, UserIcon = 70, SettingsIcon = 71,
                     ErrorIcon = 72, WindowIcon = 73, PointingHand = 74;
} // namespace resources
