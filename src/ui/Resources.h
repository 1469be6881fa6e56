#pragma once
// The program's built-in pictures, by their resource numbers: dice faces 11..66 (ten times
// the die plus the face), icons 67..73, the pointing-hand cursor 74, the background and the
// splash window's picture.
// A picture that is not built in comes back null.
#include <QCursor>
#include <QIcon>
#include <QPixmap>

class QWidget;

namespace resources {
QPixmap bitmap(int id);
QIcon icon(int id);
QPixmap iconPixmap(int id);
QCursor cursor(int id);
QPixmap background();
QPixmap splash();

// Paints `picture` from the widget's top left corner, or the table's felt green without one.
void paintPicture(QWidget* widget, const QPixmap& picture);

inline constexpr int SoundOn = 67, SoundOff = 68, AlarmIcon = 69, UserIcon = 70, SettingsIcon = 71,
                     ErrorIcon = 72, WindowIcon = 73, PointingHand = 74;
} // namespace resources
