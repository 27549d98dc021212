#include "TestHome.h"

#include "util/Tmysystem.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <memory>

class TestSystemGui : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void taskBarHeight_data();
    void taskBarHeight();
    void panelCenterForm_data();
    void panelCenterForm();
    void placeAtCursor_data();
    void placeAtCursor();
    void formAtCursor();
    void formMaxi();
    void showFormTop();
    void popupAtCursor();
    void nullWidgetsAreIgnored();
};

void TestSystemGui::taskBarHeight_data()
{
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<int>("desktopHeight");
    QTest::addColumn<int>("expected");
    QTest::newRow("bar at the top") << QRect(0, 30, 1920, 1050) << 1080 << 30;
    QTest::newRow("bar at the bottom") << QRect(0, 0, 1920, 1040) << 1080 << 40;
    QTest::newRow("no bar") << QRect(0, 0, 1920, 1080) << 1080 << 0;
    QTest::newRow("bar at the left") << QRect(60, 0, 1860, 1080) << 1080 << 0;
    QTest::newRow("taller second monitor") << QRect(0, 0, 1920, 1040) << 1440 << 400;
    QTest::newRow("work area below the desktop height") << QRect(0, 0, 1920, 1200) << 1080 << 0;
}

void TestSystemGui::taskBarHeight()
{
    QFETCH(QRect, workArea);
    QFETCH(int, desktopHeight);
    QFETCH(int, expected);
    QCOMPARE(Tmysystem::GetTaskBarHeight(workArea, desktopHeight), expected);
}

void TestSystemGui::panelCenterForm_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("odd width truncated") << QSize(301, 200) << QSize(100, 50) << QPoint(100, 75);
    QTest::newRow("exact fit") << QSize(100, 50) << QSize(100, 50) << QPoint(0, 0);
    QTest::newRow("panel larger, truncated toward zero") << QSize(100, 100) << QSize(201, 150) << QPoint(-50, -25);
}

void TestSystemGui::panelCenterForm()
{
    QFETCH(QSize, client);
    QFETCH(QSize, panel);
    QFETCH(QPoint, expected);
    QWidget form;
    form.resize(client);
    auto* p = new QWidget(&form);
    p->resize(panel);
    Tmysystem::PanelCenterForm(&form, p);
    QCOMPARE(p->pos(), expected);
    QCOMPARE(p->size(), panel);
}

void TestSystemGui::placeAtCursor_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("expected");
    // A window of 200 x 100 on a screen of 800 x 600.
    QTest::newRow("fits") << QPoint(100, 100) << QPoint(100, 100);
    QTest::newRow("exactly at the right edge") << QPoint(600, 100) << QPoint(600, 100);
    QTest::newRow("beyond the right edge") << QPoint(601, 100) << QPoint(401, 100);
    QTest::newRow("beyond the bottom") << QPoint(100, 550) << QPoint(100, 450);
    QTest::newRow("corner") << QPoint(790, 590) << QPoint(590, 490);
}

void TestSystemGui::placeAtCursor()
{
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, expected);
    QCOMPARE(Tmysystem::PozycjaXY(cursor, QSize(200, 100), QSize(800, 600)), expected);
}

void TestSystemGui::formAtCursor()
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCursor::setPos(screen.width() - 10, 20);
    if (QCursor::pos() != QPoint(screen.width() - 10, 20))
        QSKIP("this platform does not let the test move the cursor");
    QWidget form;
    form.resize(200, 100);
    Tmysystem::PozycjaXY(&form);
    QCOMPARE(form.pos(), QPoint(screen.width() - 10 - form.frameGeometry().width(), 20));
}

void TestSystemGui::formMaxi()
{
    QWidget form;
    form.setGeometry(10, 10, 100, 100);
    const QRect area = QGuiApplication::screens().at(0)->availableGeometry();
    Tmysystem::FormMaxi(&form, 0);
    QCOMPARE(form.frameGeometry(), area);

    const QRect before = form.geometry();
    Tmysystem::FormMaxi(&form, -1);
    Tmysystem::FormMaxi(&form, int(QGuiApplication::screens().size()));
    QCOMPARE(form.geometry(), before);
}

void TestSystemGui::showFormTop()
{
    QWidget form;
    form.setGeometry(40, 50, 300, 200);
    QVERIFY(Tmysystem::ShowFormTop(&form));
    QVERIFY(form.isVisible());
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(form.geometry(), QRect(40, 50, 300, 200));

    QVERIFY(Tmysystem::ShowFormTop(&form));
    QVERIFY(form.isVisible());

    auto* child = new QWidget(&form);
    QVERIFY(!Tmysystem::ShowFormTop(child));
    QVERIFY(!child->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestSystemGui::popupAtCursor()
{
    QCursor::setPos(120, 80);
    if (QCursor::pos() != QPoint(120, 80))
        QSKIP("this platform does not let the test move the cursor");
    QMenu menu;
    menu.addAction("Pierwsza");
    Tmysystem::GoPopup(&menu);
    QVERIFY(menu.isVisible());
    QCOMPARE(menu.pos(), QPoint(120, 80));
    menu.close();
}

void TestSystemGui::nullWidgetsAreIgnored()
{
    QWidget form;
    QVERIFY(!Tmysystem::ShowFormTop(nullptr));
    Tmysystem::FormMaxi(nullptr, 0);
    Tmysystem::GoPopup(nullptr);
    Tmysystem::PanelCenterForm(&form, nullptr);
    Tmysystem::PanelCenterForm(nullptr, &form);
    Tmysystem::PozycjaXY(nullptr);
    QCOMPARE(Tmysystem::GetTaskBarHeight(), 0);
}

int main(int argc, char** argv)
{
    const TestHome home;
    QApplication app(argc, argv);
    TestSystemGui test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_system_gui.moc"
