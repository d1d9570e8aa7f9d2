#include "modal_driver.h"
#include "ui/centre_on_main.h"
#include "ui/dialog_parts.h"
#include "ui/infodlg.h"
#include "ui/splasher.h"
#include "ui/tongdlg.h"
#include "ui/winner.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

using testing::whenModal;

TEST(WonDialog, EveryTextLiesTwoPixelsUpAndLeftOfItsShadow)
{
    QWidget main;
    int tongue = 1;
    TWondlg dialog(&main, [&] { return tongue; });
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(320, 240));
    EXPECT_EQ(dialog.title->text(), "Gratulation");
    EXPECT_EQ(dialog.firstText->text(), "Es ist Dir gelungen, alle Moleküle richtig zusammenzu- bauen.");
    const std::pair<QLabel*, QLabel*> pairs[] = {{dialog.title, dialog.titleShadow},
                                                 {dialog.firstText, dialog.firstShadow},
                                                 {dialog.secondText, dialog.secondShadow}};
    const QObjectList order = dialog.children();
    for (const auto& [text, shadow] : pairs) {
        EXPECT_EQ(shadow->text(), text->text());
        EXPECT_EQ(shadow->pos() - text->pos(), QPoint(2, 2));
        EXPECT_EQ(shadow->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_LT(order.indexOf(shadow), order.indexOf(text)) << "the shadow must lie beneath";
        EXPECT_TRUE(text->font().bold());
    }
    EXPECT_EQ(dialog.title->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(dialog.secondText->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    EXPECT_TRUE(dialog.secondText->alignment() & Qt::AlignRight);
    dialog.hide();

    tongue = 0;
    dialog.show();
    EXPECT_EQ(dialog.title->text(), "Congratulation");
    EXPECT_EQ(dialog.secondShadow->text(),
              "You find admittance to the inner circle of the Alchemistics and become decorated with the "
              "Golden Test-Tube.");
    dialog.hide();
    whenModal([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    EXPECT_EQ(dialog.exec(), ResultOk);
}

TEST(TongueDialog, FlagButtonsSetTheTongueAndTheCloseBoxLeavesIt)
{
    QWidget main;
    int tongue = -1;
    TTongueDlg dialog(&main, [&](int t) { tongue = t; });
    EXPECT_EQ(dialog.windowTitle(), "Tarvik Atoms3.5");
    EXPECT_EQ(dialog.size(), QSize(320, 91));
    EXPECT_EQ(dialog.EnglishBtn->text(), "I speak english.");
    EXPECT_EQ(dialog.GermanBtn->text(), "Ich spreche deutsch.");

    whenModal([&](QWidget* w) { w->close(); });
    EXPECT_EQ(dialog.exec(), ResultCancel);
    EXPECT_EQ(tongue, -1);
    whenModal([&](QWidget*) { dialog.GermanBtn->click(); });
    EXPECT_EQ(dialog.exec(), ResultOk);
    EXPECT_EQ(tongue, 1);
    whenModal([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    dialog.exec();
    EXPECT_EQ(tongue, 1);
    whenModal([&](QWidget*) { dialog.EnglishBtn->click(); });
    EXPECT_EQ(dialog.exec(), ResultOk);
    EXPECT_EQ(tongue, 0);
}

TEST(Splash, BorderlessOnTopAndClosedByAClick)
{
    TSplash splash;
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash.timer.interval(), 3000);
    EXPECT_TRUE(splash.timer.isActive()) << "the timer runs from creation";
    QElapsedTimer clock;
    clock.start();
    whenModal([&](QWidget*) { QTest::mouseClick(splash.image, Qt::LeftButton, {}, QPoint(50, 50)); });
    splash.exec();
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(splash.size(), QSize(200, 150));
}

TEST(Splash, EscAndACloseRequestLeaveItUp)
{
    TSplash splash(nullptr, 60000);
    bool upAfterEsc = false;
    bool upAfterClose = false;
    whenModal([&](QWidget* w) {
        QTest::keyClick(w, Qt::Key_Escape);
        upAfterEsc = splash.isVisible();
        w->close();
        upAfterClose = splash.isVisible();
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(10, 10));
    });
    splash.exec();
    EXPECT_TRUE(upAfterEsc);
    EXPECT_TRUE(upAfterClose);
    EXPECT_FALSE(splash.isVisible()) << "the click closed it";
}

TEST(Splash, ClosesAtTheFirstTickAfterItAppearedCountingFromCreation)
{
    TSplash splash(nullptr, 600);
    QTest::qWait(400);  // start-up work after the splash was made
    QElapsedTimer clock;
    clock.start();
    splash.exec();
    EXPECT_LT(clock.elapsed(), 450) << "the tick is due 600 ms after creation, not after showing";
    EXPECT_TRUE(splash.timer.isActive()) << "the timer is never stopped";
}

TEST(InfoDialog, TextsLanguageButtonAndLinks)
{
    QWidget main;
    int tongue = 0;
    std::vector<QUrl> opened;
    bool systemCanOpen = true;
    TInfoDialog info(
        &main, [&] { return tongue; },
        [&](const QUrl& url) {
        opened.push_back(url);
        return systemCanOpen;
    });
    TTongueDlg tongueDialog(&main, [&](int t) { tongue = t; });
    int applied = 0;
    info.setTongueDialog(&tongueDialog);
    info.setApplyWindowTexts([&] { ++applied; });

    info.show();
    EXPECT_EQ(info.size(), QSize(309, 322));
    EXPECT_EQ(info.windowTitle(), "Info about ...");
    EXPECT_EQ(info.memberLabel->text(), "Member of the");
    EXPECT_EQ(info.programLabel->text(), "Program 055");
    EXPECT_EQ(info.TongBtn->text(), "Tongue");
    EXPECT_EQ(info.progname->text(), "Tarvik Atoms");
    EXPECT_EQ(info.version->text(), "Version 3.5");

    const QPoint placed = info.pos();
    whenModal([&](QWidget*) { tongueDialog.GermanBtn->click(); });
    info.TongBtnClick();
    EXPECT_EQ(info.windowTitle(), "Info über ...");
    EXPECT_EQ(info.memberLabel->text(), "Mitglied der");
    EXPECT_EQ(info.programLabel->text(), "Programm 055");
    EXPECT_EQ(info.TongBtn->text(), "Sprache");
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(info.pos(), placed) << "a language choice does not move the dialog";

    info.mailLink->follow();
    info.webLink->follow();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl("mailto:info@tarvik-games.example.org"));
    EXPECT_EQ(opened[1], QUrl("https://tarvik-games.example.org/"));
    EXPECT_EQ(opened[1].host(), "tarvik-games.example.org");

    systemCanOpen = false;
    info.guildLink->follow();
    EXPECT_TRUE(info.guildLink->isSwitchedOff());
    EXPECT_FALSE(info.webLink->isSwitchedOff());
    info.guildLink->follow();
    EXPECT_EQ(opened.size(), 3u) << "a switched-off link asks the system no more";
    EXPECT_TRUE(opened[2].host().endsWith("example.org"));
    info.hide();
}

TEST(CentreOnMain, SitsOverTheClientAreaBelowTheCaption)
{
    // Outer main window 656 x 531 at (100, 50) with a 503-pixel client area.
    EXPECT_EQ(centreOnMainPosition(QRect(100, 50, 656, 531), 503, QSize(267, 129)), QPoint(294, 265));
    // Halvings round toward zero, also when the dialog is the larger.
    EXPECT_EQ(centreOnMainPosition(QRect(0, 0, 100, 100), 90, QSize(103, 20)), QPoint(-1, 45));

    QWidget main;
    main.setGeometry(200, 120, 650, 503);
    main.show();
    int tongue = 0;
    TTongueDlg dialog(&main, [&](int t) { tongue = t; });
    dialog.show();
    const QPoint expected =
        centreOnMainPosition(main.frameGeometry(), main.height(), dialog.frameGeometry().size());
    EXPECT_EQ(dialog.frameGeometry().topLeft(), expected);
    dialog.hide();
    main.move(10, 10);
    dialog.show();
    EXPECT_EQ(dialog.frameGeometry().topLeft(),
              centreOnMainPosition(main.frameGeometry(), main.height(), dialog.frameGeometry().size()))
        << "placed again at every showing";
}

}  // namespace
}  // namespace tarvik
