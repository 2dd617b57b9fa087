#pragma once

#include <QIcon>
#include <QString>

// The program's own artwork (resources/icons, compiled in under ":/icons").
//
// Item images by position: 0..9 the kinds folder, organization, team, person,
// website, address, phone, e-mail, fax, reminder; 10 the open folder (a
// selected folder), 11 the due reminder, 12 the root "My Contacts", 13 the
// generic document. Positions from 14 on are icons added at run time (see
// TQtImageList).
inline constexpr int kFixedImageCount = 14;
// The overlay that marks a node with due reminders below it.
inline constexpr int kDueOverlay = 1;

// ":/icons/<name>.svg"; makes sure the compiled-in icons are registered.
QString IconPath(const QString& name);
// An icon of the set by file name without ".svg" ("cut", "help", "tip" ...).
QIcon ArtIcon(const QString& name);
// The fixed item image at imageIndex; any other index gives the generic document.
QIcon KindIcon(int imageIndex);
// base with the overlay image painted over its bottom-right corner at every
// size; overlay -1 (none) or an unknown overlay gives base unchanged.
QIcon WithOverlay(const QIcon& base, int overlayIndex);
// KindIcon with the due mark.
QIcon DueIcon(int imageIndex);
// The state bullets, 1..4 (red, green, blue, yellow); anything else is null.
QIcon StateBullet(int stateIndex);
// The program's icon (windows, tray, about box).
QIcon AppIcon();
