#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// Building blocks shared by the game's dialogs: results, fonts, glyphs,
// bevels and the icon picture.
namespace tarvik {

// What a dialog answers; callers act only on Yes.
enum DialogResult : int { ResultNone = 0, ResultOk = 1, ResultCancel = 2, ResultYes = 6, ResultNo = 7 };

// Layouts are in pixels and must not grow with the screen's resolution, so
// point sizes are turned into pixel sizes at 96 dots per inch.
int pointsToPixels(int points);

// A plain sans-serif face at the given point size.
QFont dialogFont(int points = 8, bool bold = false);

// A resource picture as it is, or a null pixmap when it is missing.
QPixmap loadPicture(const QString& resource);

// A lowered bevel: a sunken panel around a group, or a frame-shaped line
// (an etched rectangle) as the small dialogs draw it.
enum class BevelShape { Panel, Frame };
QFrame* addBevel(QWidget* parent, const QRect& place, BevelShape shape);

// An image holding the main window's icon at 32 x 32.
QLabel* addIconImage(QWidget* parent, const QWidget* mainWindow, const QRect& place);

// A button with a glyph beside its caption.
QPushButton* addGlyphButton(QWidget* parent, const QRect& place, const QPixmap& glyph);

// A fixed client size with no maximise or resize, the system menu kept.
void fixClientSize(QDialog* dialog, int width, int height);

namespace glyphs {
inline const QString kStart = QStringLiteral(":/glyphs/start.png");
inline const QString kRestart = QStringLiteral(":/glyphs/restart.png");
inline const QString kExit = QStringLiteral(":/glyphs/exit.png");
inline const QString kTongue = QStringLiteral(":/glyphs/tongue.png");
inline const QString kFlagsEn = QStringLiteral(":/glyphs/flags_en.png");
inline const QString kFlagsDe = QStringLiteral(":/glyphs/flags_de.png");
inline const QString kSmile = QStringLiteral(":/glyphs/smile.png");
inline const QString kCross = QStringLiteral(":/glyphs/cross.png");
inline const QString kTick = QStringLiteral(":/glyphs/tick.png");
inline const QString kCancel = QStringLiteral(":/glyphs/cancel.png");
inline const QString kOk = QStringLiteral(":/glyphs/ok.png");
}  // namespace glyphs

namespace pictures {
inline const QString kTestTube = QStringLiteral(":/images/testtube.png");
inline const QString kTitle = QStringLiteral(":/images/title.png");
inline const QString kInfo = QStringLiteral(":/images/info.png");
inline const QString kLogo = QStringLiteral(":/images/logo.png");
}  // namespace pictures

}  // namespace tarvik

namespace tarvik {

// The frame the four small dialogs share: a 261 x 103 client area, the
// caption "Tarvik Atoms", a bevel, the main window's icon and a centred,
// word-wrapping bold label at the given place, which is returned.
QLabel* addSmallDialogFrame(QDialog* dialog, const QWidget* mainWindow, const QRect& labelPlace);

}  // namespace tarvik
