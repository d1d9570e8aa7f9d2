#include "modal_driver.h"
#include "ui/dialog_parts.h"
#include "ui/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

using testing::whenModal;

QStringList buttonTexts(QMessageBox* box)
{
    QStringList texts;
    for (auto* button : box->buttons())
        texts << button->text();
    return texts;
}

TEST(MessageBoxes, OverwriteQuestionIsAGermanWarningWithYesAsDefaultAndEscAsNo)
{
    QtMessageBoxes boxes(nullptr);
    QString caption;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        buttons = buttonTexts(box);
        icon = box->icon();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    EXPECT_FALSE(boxes.askYesNo("Game <b>x</b>.tkx already existing. Overwrite?"));
    EXPECT_EQ(caption, "Warnung");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(buttons.contains("&Ja") && buttons.contains("&Nein")) << buttons.join('|').toStdString();

    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    EXPECT_TRUE(boxes.askYesNo("again"));
}

TEST(MessageBoxes, ErrorsHaveTheErrorSymbolAndOneOkButtonAndShowFileNamesAsTheyAre)
{
    QtMessageBoxes boxes(nullptr);
    QString caption, text;
    QStringList buttons;
    Qt::TextFormat format = Qt::RichText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        buttons = buttonTexts(box);
        icon = box->icon();
        format = box->textFormat();
        text = box->text();
        QTest::keyClick(w, Qt::Key_Return);
    });
    boxes.showError("Cannot save game <i>a</i>.tkx. Drive full or not writable.");
    EXPECT_EQ(caption, "Fehler");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QStringList{"OK"});
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(text, "Cannot save game <i>a</i>.tkx. Drive full or not writable.");
}

TEST(Fonts, PointSizesBecomePixelsAtNinetySixDotsPerInch)
{
    EXPECT_EQ(pointsToPixels(8), 11);
    EXPECT_EQ(pointsToPixels(12), 16);
    EXPECT_EQ(pointsToPixels(14), 19);
    EXPECT_EQ(pointsToPixels(18), 24);
    EXPECT_EQ(dialogFont(12, true).pixelSize(), 16);
}

}  // namespace
}  // namespace tarvik
