#include "util/Tmysystem.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QWidget>

int Tmysystem::GetTaskBarHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    return GetTaskBarHeight(screen->availableGeometry(), screen->virtualGeometry().height());
}

bool Tmysystem::ShowFormTop(QWidget* Frm)
{
    if (!Frm || !Frm->isWindow())
        return false;
    // Changing the flags hides the window and may forget its place.
    const QRect place = Frm->geometry();
    Frm->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    Frm->setGeometry(place);
    Frm->show();
    Frm->raise();
    Frm->repaint();
    return Frm->isVisible() && Frm->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void Tmysystem::FormMaxi(QWidget* f, int nrMonitor)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (!f || nrMonitor < 0 || nrMonitor >= screens.size())
        return;
    const QRect area = screens.at(nrMonitor)->availableGeometry();
    const QSize frame = f->frameGeometry().size() - f->size();
    f->resize(area.size() - frame);
    f->move(area.topLeft());
}

void Tmysystem::GoPopup(QMenu* pp)
{
    if (pp)
        pp->popup(QCursor::pos());
}

void Tmysystem::PanelCenterForm(QWidget* f, QWidget* p)
{
    if (!f || !p)
        return;
    p->move((f->width() - p->width()) / 2, (f->height() - p->height()) / 2);
}

void Tmysystem::PozycjaXY(QWidget* f)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!f || !screen)
        return;
    f->move(PozycjaXY(QCursor::pos(), f->frameGeometry().size(), screen->geometry().size()));
}
